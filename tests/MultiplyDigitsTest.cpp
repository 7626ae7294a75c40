// The limb product against the schoolbook rows written out digit by digit,
// on every size pair up to a bound and across the Karatsuba threshold,
// squares included, with operands full of runs of 0 and 9 to stress the
// carries; long products (binary, with conversions split in parts) against
// closed forms and residues.
#include <gtest/gtest.h>

#include <cstdint>
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
    const std::string a = RandomOperand(rng, la);
    ASSERT_EQ(Multiply(a, a), SchoolbookRows(a, a)) << a << " squared";
  }
}

TEST(MultiplyDigits, MatchesSchoolbookAcrossKaratsubaSizes) {
  std::mt19937 rng = SeededRng();
  const size_t sizes[][2] = {{361, 361},   {400, 399}, {1000, 1001}, {1500, 700}, {2000, 360},
                             {2500, 2499}, {4000, 9},  {3001, 1999}, {1999, 1999}};
  for (const auto& [la, lb] : sizes) {
    const std::string a = RandomOperand(rng, la);
    const std::string b = RandomOperand(rng, lb);
    ASSERT_EQ(Multiply(a, b), SchoolbookRows(a, b)) << la << " x " << lb;
    if (la == lb) {
      ASSERT_EQ(Multiply(a, a), SchoolbookRows(a, a)) << la << " squared";
    }
  }
}

TEST(MultiplyDigits, AllNinesCarryThroughEveryLimb) {
  for (size_t len : {9u, 10u, 81u, 400u, 999u}) {
    const std::string nines(len, '9');
    ASSERT_EQ(Multiply(nines, nines), SchoolbookRows(nines, nines)) << len;
  }
}

// A character that is not a digit counts as 0, in a whole limb as in the
// leading digits: blanks, the characters just outside '0' to '9' and bytes of
// UTF-8 sequences.
TEST(MultiplyDigits, OtherCharactersCountAsZero) {
  const std::string digits = "98765432109876543210987";
  const std::string b = "123456789012345678901";
  for (const char other : {' ', '/', ':', '.', '-', '\xc3', '\xbc'}) {
    for (size_t at = 0; at < digits.size(); ++at) {
      std::string a = digits;
      a[at] = '0';
      const std::string expected = Multiply(a, b);
      a[at] = other;
      ASSERT_EQ(Multiply(a, b), expected) << "'" << other << "' at " << at;
    }
  }
}

// (10^n - 1)(10^m - 1) = 10^(n+m) - 10^n - 10^m + 1, n >= m >= 1, with
// `zeros` leading zeros of A, in the layout of MultiplyDigits: LenA + LenB
// digits right-aligned in 2 LenA + 1 characters, the top one a space when 0.
std::string NinesProduct(size_t n, size_t m, size_t zeros) {
  const size_t width = 2 * (zeros + n) + 1;
  std::string text = std::string(width - n - m, ' ') + std::string(m - 1, '9') + "8" +
                     std::string(n - m, '9') + std::string(m - 1, '0') + "1";
  const size_t top = width - (zeros + n + m);
  if (zeros > 0) text.replace(top, zeros, " " + std::string(zeros - 1, '0'));
  return text;
}

TEST(MultiplyDigits, LongNinesMatchTheirClosedForm) {
  const size_t half = size_t{1} << 20;  // a square of more digits is converted in parts
  const struct {
    size_t n, m, zeros;
  } cases[] = {{25200, 25200, 0},  {30001, 25300, 0},       {40000, 27000, 5},
               {200000, 26000, 0}, {half + 7, half + 7, 0}, {300000, 30000, 2}};
  for (const auto& c : cases) {
    const std::string a = std::string(c.zeros, '0') + std::string(c.n, '9');
    const std::string b(c.m, '9');
    ASSERT_TRUE(Multiply(a, b) == NinesProduct(c.n, c.m, c.zeros)) << c.n << " x " << c.m;
  }
}

uint64_t Residue(const std::string& text, uint64_t p) {
  uint64_t r = 0;
  for (const char c : text) r = (r * 10 + (c == ' ' ? 0 : static_cast<uint64_t>(c - '0'))) % p;
  return r;
}

TEST(MultiplyDigits, LongRandomProductsKeepTheirResidues) {
  std::mt19937 rng = SeededRng();
  const size_t sizes[][2] = {{30000, 30000}, {60000, 26000}, {50000, 50000}};
  for (const auto& [la, lb] : sizes) {
    const std::string a = RandomOperand(rng, la);
    const std::string b = la == lb ? a : RandomOperand(rng, lb);  // equal sizes: a square
    const std::string c = Multiply(a, b);
    ASSERT_EQ(c.size(), 2 * la + 1);
    ASSERT_EQ(c.find_first_not_of(' '), c[la - lb + 1] == ' ' ? la - lb + 2 : la - lb + 1);
    ASSERT_EQ(c.find_first_not_of("0123456789", la - lb + 2), std::string::npos);
    for (const uint64_t p : {1000000007u, 998244353u, 2147483647u}) {
      ASSERT_EQ(Residue(c, p), Residue(a, p) * Residue(b, p) % p) << la << " x " << lb;
    }
  }
}

}  // namespace
}  // namespace tesselon
