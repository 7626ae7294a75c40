// n! exactly. The factors are multiplied as a balanced product tree on limbs,
// so that the long products meet operands of equal length (where Karatsuba
// pays) instead of one growing product times one small factor at a time; the
// digits are the same.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Cancellation.h"
#include "engine/Limbs.h"
#include "functions/MathEngine.h"

namespace tesselon {

namespace {

// 1,000,000! has 5,565,709 digits and takes some twenty seconds; a larger n
// is refused with the message rather than left to run for minutes or to
// exhaust the memory (and n can never wrap around its 32 bits).
constexpr uint32_t LargestN = 1000000;

// Ranges this short are multiplied factor by factor.
constexpr uint32_t LeafFactors = 16;

// The whole-number value of the leading digits (3.7 gives 3); nothing when
// it exceeds `most`, before it could overflow.
std::optional<uint32_t> LeadingWholeNumber(std::string_view text, uint32_t most) {
  uint32_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    const uint64_t next = uint64_t{n} * 10 + static_cast<uint32_t>(c - '0');
    if (next > most) return std::nullopt;
    n = static_cast<uint32_t>(next);
  }
  return n;
}

// low * (low + 1) * ... * high, for 1 <= low <= high.
limbs::Limbs RangeProduct(uint32_t low, uint32_t high) {
  CheckCancelled();
  limbs::Limbs product;
  if (high - low < LeafFactors) {
    product = {low};
    for (uint32_t i = low + 1; i <= high; ++i) product = limbs::Multiply(product, {i});
  } else {
    const uint32_t middle = low + (high - low) / 2;
    product = limbs::Multiply(RangeProduct(low, middle), RangeProduct(middle + 1, high));
  }
  limbs::Trim(product);
  return product;
}

}  // namespace

void MathEngine::Factorial() {
  const std::optional<uint32_t> n = LeadingWholeNumber(RegA, LargestN);
  if (!n) {
    RegC = std::string(ErrorText);
    return;
  }
  RegC = *n < 2 ? "1" : limbs::ToText(RangeProduct(1, *n));
}

}  // namespace tesselon
