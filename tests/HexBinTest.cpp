// The last result in base 16 and base 2: exact texts, the registers it leaves,
// and long integers and fractions against a plain conversion done here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "functions/MathEngine.h"

namespace tesselon {
namespace {

std::string Convert(const std::string& source, int32_t mode) {
  MathEngine e;
  e.HexBinSource = source;
  e.HexBinMode = mode;
  e.HexBinResult();
  return e.HexBinText;
}

std::string Hex(const std::string& source) {
  return Convert(source, MathEngine::HexadecimalMode);
}
std::string Bin(const std::string& source) {
  return Convert(source, MathEngine::BinaryMode);
}

std::string Repeat(const std::string& part, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += part;
  return text;
}

TEST(HexBinResult, ExactTexts) {
  const struct {
    std::string source;
    std::string hex;
    std::string bin;
  } cases[] = {
      {"0", "$0", "%0000"},
      {"5", "$5", "%0101"},
      {"15", "$F", "%1111"},
      {"16", "$10", "%00010000"},
      {"255", "$FF", "%11111111"},
      {"256", "$100", "%000100000000"},
      {"1000", "$3E8", "%001111101000"},
      // Word boundaries of the integer conversion.
      {"4294967295", "$FFFFFFFF", "%" + Repeat("1111", 8)},
      {"4294967296", "$100000000", "%0001" + Repeat("0000", 8)},
      {"18446744073709551616", "$10000000000000000", "%0001" + Repeat("0000", 16)},
      {"0.5", "$0.8" + std::string(99, '0'), "%0000.1" + std::string(799, '0')},
      // Truncated, not rounded up.
      {"0.1", "$0.1" + std::string(99, '9'), "%0000.0001" + Repeat("1001", 199)},
      {"16.0625", "$10.1" + std::string(99, '0'), "%00010000.0001" + std::string(796, '0')},
      {"0.75", "$0.C" + std::string(99, '0'), "%0000.11" + std::string(798, '0')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(c.source), c.hex) << c.source;
    EXPECT_EQ(Bin(c.source), c.bin) << c.source;
  }
}

TEST(HexBinResult, LeavesTheDecimalResultAndTheOperands) {
  MathEngine e;
  e.HexBinSource = "12.5";
  e.HexBinMode = MathEngine::BinaryMode;
  e.RegA = "work";
  e.RegB = "work";
  e.RegC = "work";
  e.EntryX = "3";
  e.EntryY = "-4.5";
  e.HexBinResult();
  EXPECT_EQ(e.HexBinText, "%1100.1" + std::string(799, '0'));
  EXPECT_EQ(e.RegC, "12.5");
  EXPECT_EQ(e.RegA, "3");
  EXPECT_EQ(e.RegB, "-4.5");
  EXPECT_EQ(e.HexBinMode, MathEngine::HexadecimalMode);
}

TEST(HexBinResult, ConvertsOnlyNonNegativeNumberTexts) {
  const struct {
    std::string text;
    bool convertible;
  } cases[] = {
      {"0", true},
      {"255", true},
      {"0.5", true},
      {"", false},
      {"-3", false},
      {"-0", false},
      {std::string(ErrorText), false},
      {std::string(ErrorText) + std::string(NegativeSuffix), false},
      {std::string(ErrorText) + std::string(ZeroSuffix), false},
      {"1.2.3", false},
      {".5", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MathEngine::HexBinConvertible(c.text), c.convertible) << '"' << c.text << '"';
  }
}

// Schoolbook long division of a decimal text by 16; the remainders, last one
// first, are the hexadecimal digits.
std::string HexByLongDivision(std::string decimal) {
  std::string digits;
  while (!decimal.empty()) {
    std::string quotient;
    int remainder = 0;
    for (const char c : decimal) {
      const int value = remainder * 10 + (c - '0');
      if (!quotient.empty() || value >= 16) quotient += static_cast<char>('0' + value / 16);
      remainder = value % 16;
    }
    digits += "0123456789ABCDEF"[remainder];
    decimal = quotient;
  }
  std::reverse(digits.begin(), digits.end());
  return "$" + (digits.empty() ? "0" : digits);
}

// Multiplies the decimal fraction by the base again and again; each carry out
// of the first decimal is the next digit.
std::string FractionByMultiplying(std::string decimals, int base, size_t count) {
  std::string digits;
  for (size_t n = 0; n < count; ++n) {
    int carry = 0;
    for (auto d = decimals.rbegin(); d != decimals.rend(); ++d) {
      const int value = (*d - '0') * base + carry;
      *d = static_cast<char>('0' + value % 10);
      carry = value / 10;
    }
    digits += "0123456789ABCDEF"[carry];
  }
  return digits;
}

std::string RandomDigits(std::mt19937& random, size_t length, char first) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text(1, first);
  while (text.size() < length) text += static_cast<char>('0' + digit(random));
  return text;
}

TEST(HexBinResult, LongIntegersMatchLongDivision) {
  std::mt19937 random(20240611);
  std::vector<std::string> integers = {std::string(300, '9'), "1" + std::string(299, '0'),
                                       "1" + std::string(150, '0') + "1"};
  for (const size_t length : {2, 3, 9, 10, 18, 19, 20, 100, 301, 1200}) {
    integers.push_back(RandomDigits(random, length, '7'));
  }
  for (const std::string& integer : integers) {
    EXPECT_EQ(Hex(integer), HexByLongDivision(integer)) << integer.size() << " digits";
  }
}

// The value of a decimal or hexadecimal digit text modulo a prime.
uint64_t Residue(std::string_view digits, uint64_t base, uint64_t p) {
  uint64_t r = 0;
  for (const char c : digits) {
    r = (r * base + static_cast<uint64_t>(c <= '9' ? c - '0' : c - 'A' + 10)) % p;
  }
  return r;
}

TEST(HexBinResult, IntegersBeyondAConversionPartKeepTheirResidues) {
  std::mt19937 random(11);
  const std::string integer = RandomDigits(random, (size_t{1} << 21) + 1001, '5');
  const std::string hex = Hex(integer);
  ASSERT_EQ(hex.find_first_not_of("0123456789ABCDEF", 1), std::string::npos);
  ASSERT_NE(hex[1], '0');
  for (const uint64_t p : {1000000007u, 2147483647u}) {
    EXPECT_EQ(Residue(std::string_view(hex).substr(1), 16, p), Residue(integer, 10, p));
  }
}

TEST(HexBinResult, FractionsMatchRepeatedMultiplication) {
  std::mt19937 random(7);
  // The longest ones do not fit the work buffers; their bits must still be
  // exact.
  for (const size_t length : {1, 7, 40, 401, 1600, 2048, 3000}) {
    const std::string decimals = RandomDigits(random, length, '3');
    const std::string source = "42." + decimals;
    EXPECT_EQ(Hex(source), "$2A." + FractionByMultiplying(decimals, 16, 100)) << length;
    EXPECT_EQ(Bin(source), "%00101010." + FractionByMultiplying(decimals, 2, 800)) << length;
  }
}

TEST(HexBinResult, FractionJustBelowAHalfBeyondTheBuffers) {
  // 0.5 - 10^-3000: every shown bit after the first is 1.
  EXPECT_EQ(Hex("0.4" + std::string(2999, '9')), "$0.7" + std::string(99, 'F'));
  EXPECT_EQ(Bin("0.4" + std::string(2999, '9')), "%0000.0" + std::string(799, '1'));
}

}  // namespace
}  // namespace tesselon
