// n! exactly, by GMP's factorial (the odd part from prime powers and swing
// numbers, the power of two as a shift) and its sub-quadratic conversion to
// decimal; the digits are those of multiplying 1 by 2, 3, ..., n in turn.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Cancellation.h"
#include "engine/Limbs.h"
#include "functions/MathEngine.h"

namespace tesselon {

namespace {

// 1,000,000! has 5,565,709 digits and takes under a second, nearly all of it
// the conversion to decimal; a larger n is refused with the message rather
// than left to grow without bound (and n can never wrap around its 32 bits).
constexpr uint32_t LargestN = 1000000;

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

}  // namespace

void MathEngine::Factorial() {
  const std::optional<uint32_t> n = LeadingWholeNumber(RegA, LargestN);
  if (!n) {
    RegC = std::string(ErrorText);
    return;
  }
  if (*n < 2) {
    RegC = "1";
    return;
  }
  // The factorial itself cannot be interrupted; it takes a seventh of a
  // second at the largest n, the conversion after it looks at the cancel
  // flag between its parts.
  CheckCancelled();
  mpz_class product;
  mpz_fac_ui(product.get_mpz_t(), *n);
  RegC = limbs::DecimalText(product);
}

}  // namespace tesselon
