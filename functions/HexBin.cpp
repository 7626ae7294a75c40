// The last decimal result in base 16 or base 2.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Assert.h"
#include "engine/Limbs.h"
#include "functions/MathEngine.h"

namespace tesselon {

namespace {

// The hexadecimal form shows 100 digits of the fraction, the binary form 800;
// both are the binary expansion truncated after that many bits.
constexpr size_t HexFractionDigits = 100;
constexpr size_t BinaryFractionDigits = 800;
constexpr size_t BitsPerHexDigit = 4;

// The digits of a value in base 16 (upper case) or 2, at least `width` of
// them, with leading zeros.
std::string DigitsInBase(const mpz_class& value, int base, size_t width) {
  std::string text(mpz_sizeinbase(value.get_mpz_t(), base) + 2, '\0');
  mpz_get_str(text.data(), base == 16 ? -16 : base, value.get_mpz_t());
  text.resize(text.find('\0'));
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// "$FF" or, four binary digits for every hexadecimal one, "%11111111".
std::string IntegerText(std::string_view hex, int32_t mode) {
  if (mode != MathEngine::BinaryMode) return "$" + std::string(hex);
  static constexpr std::array<std::string_view, 16> Groups = {
      "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
      "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
  std::string text = "%";
  text.reserve(1 + hex.size() * BitsPerHexDigit);
  for (const char digit : hex) {
    text += Groups[static_cast<size_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10)];
  }
  return text;
}

// The first `bits` bits of the binary expansion of the fraction 0.decimals,
// truncated: floor(f * 2^bits). Bit k is 1 when what is left of the fraction
// after the bits before it still holds 2^-(k+1); that remainder differs from
// the fraction by a number of k decimals and 2^-(k+1) has k+1 decimals, so the
// first k+1 decimals decide bit k and later decimals never change it.
mpz_class FractionBits(std::string_view decimals, size_t bits) {
  const std::string_view used = decimals.substr(0, std::min(decimals.size(), bits));
  mpz_class value = limbs::BinaryOf(used);
  value <<= static_cast<mp_bitcnt_t>(bits);
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, used.size());
  mpz_fdiv_q(value.get_mpz_t(), value.get_mpz_t(), scale.get_mpz_t());
  return value;
}

// 800 binary digits, or 100 hexadecimal digits; trailing zeros are kept.
std::string FractionText(std::string_view decimals, int32_t mode) {
  if (mode == MathEngine::BinaryMode) {
    return DigitsInBase(FractionBits(decimals, BinaryFractionDigits), 2, BinaryFractionDigits);
  }
  return DigitsInBase(FractionBits(decimals, HexFractionDigits * BitsPerHexDigit), 16,
                      HexFractionDigits);
}

}  // namespace

bool MathEngine::HexBinConvertible(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9' &&
         text.find_first_not_of("0123456789.") == std::string_view::npos &&
         std::count(text.begin(), text.end(), '.') <= 1;
}

void MathEngine::HexBinResult() {
  ASSERT(HexBinConvertible(HexBinSource));
  const size_t point = HexBinSource.find('.');
  RegA = HexBinSource.substr(0, point);
  // The fraction's decimals borrow the power's exponent register.
  PowerExponent = point == std::string::npos ? "" : HexBinSource.substr(point + 1);

  // The integer part exactly: to binary (sub-quadratic, cancellable between
  // its parts), then to base 16 in one linear pass.
  const std::string hex = DigitsInBase(limbs::BinaryOf(RegA), 16, 1);
  HexDigits.assign(hex.rbegin(), hex.rend());  // least significant first
  HexBinText = IntegerText(hex, HexBinMode);
  if (!PowerExponent.empty()) HexBinText += '.' + FractionText(PowerExponent, HexBinMode);

  // The decimal result stays the one the next key works on.
  HexBinMode = HexadecimalMode;
  RegC = HexBinSource;
  RegA = EntryX;
  RegB = EntryY;
}

}  // namespace tesselon
