#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesselon::limbs {

// Decimal digit strings as machine words: little-endian limbs of nine decimal
// digits each (base 10^9). The digit procedures keep texts at their edges and
// only their inner loops work on limbs.
inline constexpr uint32_t Base = 1000000000;
inline constexpr int DigitsPerLimb = 9;
using Limbs = std::vector<uint32_t>;

// The digits of a text; a character that is not a digit counts as 0.
Limbs FromDigits(std::string_view digits);
// Writes the value as exactly `width` digits, right-aligned with leading
// zeros; digits beyond `width` are dropped.
void ToDigits(const Limbs& value, char* out, size_t width);
// The exact product; Karatsuba above a few dozen limbs.
Limbs Multiply(const Limbs& a, const Limbs& b);
// Removes leading zero limbs (the value 0 becomes an empty vector).
void Trim(Limbs& value);
// The value as a digit string without leading zeros ("0" for zero).
std::string ToText(const Limbs& value);

}  // namespace tesselon::limbs
