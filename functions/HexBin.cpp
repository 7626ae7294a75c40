// The last decimal result in base 16 or base 2.
#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Cancellation.h"
#include "functions/MathEngine.h"

namespace tesselon {

namespace {

// Bits of the fraction worked out; the hexadecimal form shows the first 400 of
// them, the binary form the first 800.
constexpr size_t FractionBits = 1600;
constexpr size_t HexFractionDigits = 100;
constexpr size_t BinaryFractionDigits = 800;
constexpr size_t BitsPerHexDigit = 4;
constexpr size_t HexDigitsPerWord = 16;
// Decimal digits taken in at a time by the integer conversion: 10^18 times a
// 64-bit word plus a carry still fits 128 bits.
constexpr size_t ChunkDigits = 18;
constexpr uint64_t ChunkBase = 1000000000000000000u;
// The work buffers hold the power of five and the fraction's decimals.
constexpr size_t BufferSize = 2048;

__extension__ typedef unsigned __int128 Wide;

char HexChar(uint64_t value) {
  return "0123456789ABCDEF"[value];
}

uint64_t ValueOf(std::string_view digits) {
  uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<uint64_t>(c - '0');
  return value;
}

// The value of a decimal digit string as little-endian 64-bit words, by
// Horner's rule over chunks of 18 digits, most significant first: each chunk
// costs one multiply-add pass over the words found so far.
std::vector<uint64_t> BinaryWordsOf(std::string_view digits) {
  std::vector<uint64_t> words;
  size_t chunk = digits.size() % ChunkDigits == 0 ? ChunkDigits : digits.size() % ChunkDigits;
  for (size_t at = 0; at < digits.size(); at += chunk, chunk = ChunkDigits) {
    CheckCancelled();
    Wide carry = ValueOf(digits.substr(at, chunk));
    for (uint64_t& word : words) {
      const Wide value = Wide{word} * ChunkBase + carry;
      word = static_cast<uint64_t>(value);
      carry = value >> 64;
    }
    // The carry out of the top word is below 10^18: one new word holds it.
    if (carry != 0) words.push_back(static_cast<uint64_t>(carry));
  }
  return words;
}

// The exact hexadecimal digits of an integer text, least significant first;
// the integer 0 has the one digit "0".
std::string HexDigitsOf(std::string_view integer) {
  std::string hex;
  for (uint64_t word : BinaryWordsOf(integer)) {
    for (size_t nibble = 0; nibble < HexDigitsPerWord; ++nibble, word >>= BitsPerHexDigit) {
      hex += HexChar(word & 0xF);
    }
  }
  if (hex.empty()) return "0";
  // The top word is not zero; its own leading zeros are no digits.
  hex.erase(hex.find_last_not_of('0') + 1);
  return hex;
}

void AppendBits(std::string& text, uint32_t value, size_t count) {
  for (size_t bit = count; bit-- > 0;) text += static_cast<char>('0' + ((value >> bit) & 1));
}

// "$FF" or, four binary digits for every hexadecimal one, "%11111111".
std::string IntegerText(std::string_view hexLeastFirst, int32_t mode) {
  const std::string hex(hexLeastFirst.rbegin(), hexLeastFirst.rend());
  if (mode != MathEngine::BinaryMode) return "$" + hex;
  std::string text = "%";
  for (const char digit : hex) {
    AppendBits(text, static_cast<uint32_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10),
               BitsPerHexDigit);
  }
  return text;
}

struct FractionBuffers {
  std::array<uint8_t, BufferSize> power{};       // 5^(k+1), its last digit at the end
  std::array<uint8_t, BufferSize> fraction{};    // what is left, first decimal at 0
  std::array<uint8_t, BufferSize> difference{};  // the trial difference
  std::array<uint8_t, FractionBits> bits{};      // bit k of the fraction at k
};

// Multiplies the digit values by 5 in place; the caller leaves room for the
// product, so no carry is left over.
void TimesFive(std::span<uint8_t> digits) {
  unsigned carry = 0;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    const unsigned value = *digit * 5u + carry;
    *digit = static_cast<uint8_t>(value % 10);
    carry = value / 10;
  }
  assert(carry == 0);
}

// difference = minuend - subtrahend, digit values of equal length; false when
// the borrow runs out past the first digit, i.e. the minuend is the smaller.
bool TrialSubtract(std::span<const uint8_t> minuend, std::span<const uint8_t> subtrahend,
                   std::span<uint8_t> difference) {
  int borrow = 0;
  for (size_t i = subtrahend.size(); i-- > 0;) {
    const int value = minuend[i] - subtrahend[i] - borrow;
    borrow = value < 0 ? 1 : 0;
    difference[i] = static_cast<uint8_t>(value + 10 * borrow);
  }
  return borrow == 0;
}

// The binary digits of a decimal fraction, truncated after FractionBits. Bit k
// is 1 when what is left of the fraction still holds 2^-(k+1), whose k+1
// decimals are the digits of 5^(k+1). Since 2^-(k+1) ends at the (k+1)-th
// decimal, the first k+1 decimals decide step k exactly and later ones never
// take part: decimals that do not fit the buffer cannot change a bit.
void ExpandFraction(std::string_view decimals, FractionBuffers& buffers) {
  const size_t used = std::min(decimals.size(), BufferSize);
  std::transform(decimals.begin(), decimals.begin() + static_cast<std::ptrdiff_t>(used),
                 buffers.fraction.begin(), [](char c) { return static_cast<uint8_t>(c - '0'); });
  buffers.power.back() = 1;
  for (size_t k = 0; k < FractionBits; ++k) {
    const size_t width = k + 1;
    const std::span<uint8_t> power = std::span(buffers.power).last(width);
    TimesFive(power);
    const std::span<uint8_t> leftFraction = std::span(buffers.fraction).first(width);
    const std::span<uint8_t> difference = std::span(buffers.difference).first(width);
    if (TrialSubtract(leftFraction, power, difference)) {
      buffers.bits[k] = 1;
      std::copy(difference.begin(), difference.end(), leftFraction.begin());
    }
  }
}

// 800 binary digits, or 100 hexadecimal digits of four bits each, most
// significant bit first; trailing zeros are kept.
std::string FractionText(const std::array<uint8_t, FractionBits>& bits, int32_t mode) {
  std::string text;
  if (mode == MathEngine::BinaryMode) {
    for (size_t k = 0; k < BinaryFractionDigits; ++k) text += static_cast<char>('0' + bits[k]);
    return text;
  }
  for (size_t digit = 0; digit < HexFractionDigits; ++digit) {
    uint64_t value = 0;
    for (size_t k = digit * BitsPerHexDigit; k < (digit + 1) * BitsPerHexDigit; ++k) {
      value = value * 2 + bits[k];
    }
    text += HexChar(value);
  }
  return text;
}

}  // namespace

bool MathEngine::HexBinConvertible(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9' &&
         text.find_first_not_of("0123456789.") == std::string_view::npos &&
         std::count(text.begin(), text.end(), '.') <= 1;
}

void MathEngine::HexBinResult() {
  assert(HexBinConvertible(HexBinSource));
  const size_t point = HexBinSource.find('.');
  RegA = HexBinSource.substr(0, point);
  // The fraction's decimals borrow the power's exponent register.
  PowerExponent = point == std::string::npos ? "" : HexBinSource.substr(point + 1);

  HexDigits = HexDigitsOf(RegA);
  HexBinText = IntegerText(HexDigits, HexBinMode);
  if (!PowerExponent.empty()) {
    FractionBuffers buffers;
    ExpandFraction(PowerExponent, buffers);
    HexBinText += '.' + FractionText(buffers.bits, HexBinMode);
  }

  // The decimal result stays the one the next key works on.
  HexBinMode = HexadecimalMode;
  RegC = HexBinSource;
  RegA = EntryX;
  RegB = EntryY;
}

}  // namespace tesselon
