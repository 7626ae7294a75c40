#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tesselon {

// The count of characters at the front of `text` that are `c`, eight at a
// time: results and products carry runs of a hundred nines, zeros or blanks.
inline size_t RunLength(std::string_view text, char c) {
  constexpr uint64_t Ones = 0x0101010101010101u;
  const uint64_t repeated = Ones * static_cast<unsigned char>(c);
  size_t i = 0;
  for (; i + sizeof(uint64_t) <= text.size(); i += sizeof(uint64_t)) {
    uint64_t word = 0;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word != repeated) break;
  }
  while (i < text.size() && text[i] == c) ++i;
  return i;
}

// The position of the first digit 1 to 9 in `text`, npos where there is
// none. One comparison a character where a search for any of nine
// characters would scan the set at each.
inline size_t FirstSignificant(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i] - '1') < 9) return i;
  }
  return std::string_view::npos;
}

}  // namespace tesselon
