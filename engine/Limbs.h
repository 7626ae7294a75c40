#pragma once

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesselon::limbs {

// Decimal digit strings as machine words: little-endian limbs of nine decimal
// digits each (base 10^9). The digit procedures keep texts at their edges and
// only their inner loops work on limbs. Long products leave the decimal limbs
// for GMP's binary integers, whose multiplication and decimal conversions are
// sub-quadratic.
inline constexpr uint32_t Base = 1000000000;
inline constexpr int DigitsPerLimb = 9;
using Limbs = std::vector<uint32_t>;
// 10^0 to 10^9: a limb's digits below a position, or a limb's digit count.
inline constexpr std::array<uint32_t, DigitsPerLimb + 1> PowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// Whether every character is a digit, eight at a time.
bool AllDigits(std::string_view text);
// The digits of a text into `value`, whose storage is reused; a character
// that is not a digit counts as 0.
void FromDigitsInto(std::string_view digits, Limbs& value);
// Writes the value as exactly `width` digits, right-aligned with leading
// zeros; digits beyond `width` are dropped.
void ToDigits(const Limbs& value, char* out, size_t width);
// The exact product into `product`, whose storage is reused: row by row
// below a few dozen limbs, Karatsuba above, binary (GMP) from some
// twenty-five thousand digits of the shorter operand. It has no zero limbs at
// the top beyond those of the operands' significant lengths.
void MultiplyTo(const Limbs& a, const Limbs& b, Limbs& product);
// The columns from `first` on of value * value, for a value of at most
// ShortSquareLimbs limbs, each carried into the next but with no carry from
// the columns below: below value^2 / Base^first by less than Base^2 (the
// columns below sum to less than first Base^(first+1)).
inline constexpr size_t ShortSquareLimbs = 18;
void SquareHighColumns(const Limbs& value, size_t first, Limbs& high);
// out[0, n + 1) = a * factor, for a factor below Base; out may be a.
void MultiplyByLimb(const uint32_t* a, size_t n, uint64_t factor, uint32_t* out);
// value *= factor in place, for a factor below Base.
void ScaleBy(Limbs& value, uint32_t factor);
// a += b.
void AddTo(Limbs& a, const Limbs& b);
// value *= 10^exponent: whole limbs of zeros below, one pass for the rest.
void TimesPowerOfTen(Limbs& value, size_t exponent);
// -1, 0 or 1 as a < b, a == b or a > b, with b read `shift` limbs further
// up, for values without zero limbs at the top.
int Compare(const Limbs& a, const Limbs& b, size_t shift = 0);
// Removes leading zero limbs (the value 0 becomes an empty vector).
inline void Trim(Limbs& value) {
  while (!value.empty() && value.back() == 0) value.pop_back();
}
// The value as a digit string without leading zeros ("0" for zero).
std::string ToText(const Limbs& value);

// The product of two digit texts written as exactly `width` digits,
// right-aligned with leading zeros; `width` holds at least a.size() +
// b.size() digits. A character that is not a digit counts as 0. The square
// of a text is found as a square.
void MultiplyTexts(std::string_view a, std::string_view b, char* out, size_t width);

// Between digit texts and binary integers. Conversions of more than about two
// million digits are split at powers of ten, with a look at the cancel flag
// between the parts.
// The value of a digit text; a character that is not a digit counts as 0.
mpz_class BinaryOf(std::string_view digits);
// The value, below 10^width, as exactly `width` digits with leading zeros.
void DecimalInto(const mpz_class& value, char* out, size_t width);
// A value of at least 0 as a digit string without leading zeros ("0" for 0).
std::string DecimalText(const mpz_class& value);

}  // namespace tesselon::limbs
