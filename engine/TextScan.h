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

}  // namespace tesselon
