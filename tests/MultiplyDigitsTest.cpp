// The limb product against the schoolbook rows written out digit by digit,
// on every size pair up to a bound and across the Karatsuba threshold, with
// operands full of runs of 0 and 9 to stress the carries.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "engine/Engine.h"

namespace tesselon {
namespace {

// One row per digit of B, accumulated into the result text in place; a
// space counts as 0; the last row's carry goes back to a space when 0.
std::string SchoolbookRows(const std::string& a, const std::string& b) {
  const size_t lenA = a.size();
  const size_t lenC = 2 * lenA;
  std::string c(lenC + 1, ' ');
  int lastCarry = 0;
  size_t lastCarryAt = 0;
  for (size_t k = 0; k < b.size(); ++k) {
    const int m = b[b.size() - 1 - k] - '0';
    int carry = 0;
    size_t pos = lenC - k;
    for (size_t i = 0; i < lenA; ++i, --pos) {
      const int cv = c[pos] == ' ' ? 0 : c[pos] - '0';
      const int v = (a[lenA - 1 - i] - '0') * m + carry + cv;
      c[pos] = static_cast<char>('0' + v % 10);
      carry = v / 10;
    }
    c[pos] = static_cast<char>('0' + carry);
    lastCarry = carry;
    lastCarryAt = pos;
  }
  if (!b.empty() && lastCarry == 0) c[lastCarryAt] = ' ';
  return c;
}

std::string RandomOperand(std::mt19937& rng, size_t len) {
  std::string s(len, '0');
  std::uniform_int_distribution<int> style(0, 3), digit(0, 9), runLen(1, 40);
  for (size_t i = 0; i < len;) {
    const int kind = style(rng);
    const size_t run = std::min(len - i, static_cast<size_t>(runLen(rng)));
    for (size_t j = 0; j < run; ++j, ++i) {
      s[i] = kind == 0 ? '0' : kind == 1 ? '9' : static_cast<char>('0' + digit(rng));
    }
  }
  return s;
}

std::mt19937 SeededRng() {
  const char* seed = std::getenv("TESSELON_SEED");
  const unsigned value = seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208u;
  std::printf("random seed %u (set TESSELON_SEED to replay)\n", value);
  return std::mt19937(value);
}

std::string Multiply(const std::string& a, const std::string& b) {
  Engine e;
  e.LoadA(a);
  e.LoadB(b);
  e.MultiplyDigits();
  return e.RegC;
}

TEST(MultiplyDigits, MatchesSchoolbookOnEverySmallSizePair) {
  std::mt19937 rng = SeededRng();
  for (size_t la = 1; la <= 40; ++la) {
    for (size_t lb = 1; lb <= la + 1; ++lb) {
      const std::string a = RandomOperand(rng, la);
      const std::string b = RandomOperand(rng, lb);
      ASSERT_EQ(Multiply(a, b), SchoolbookRows(a, b)) << a << " x " << b;
    }
  }
}

TEST(MultiplyDigits, MatchesSchoolbookAcrossKaratsubaSizes) {
  std::mt19937 rng = SeededRng();
  const size_t sizes[][2] = {{361, 361},  {400, 399},   {1000, 1001}, {1500, 700},
                             {2000, 360}, {2500, 2499}, {4000, 9},    {3001, 1999}};
  for (const auto& [la, lb] : sizes) {
    const std::string a = RandomOperand(rng, la);
    const std::string b = RandomOperand(rng, lb);
    ASSERT_EQ(Multiply(a, b), SchoolbookRows(a, b)) << la << " x " << lb;
  }
}

TEST(MultiplyDigits, AllNinesCarryThroughEveryLimb) {
  for (size_t len : {9u, 10u, 81u, 400u, 999u}) {
    const std::string nines(len, '9');
    ASSERT_EQ(Multiply(nines, nines), SchoolbookRows(nines, nines)) << len;
  }
}

}  // namespace
}  // namespace tesselon
