// The exponential, logarithms, power and factorial at the register level:
// lengths and counts the steps leave, and the kept digits checked against
// values computed here independently with exact integer steps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "tests/DecimalReference.h"

namespace tesselon {
namespace {

using reference::Fixed;

// e (alternate = false) or 1/e: the sums of the even and odd terms of the
// exponential series at 1.
Fixed ExpOfOne(bool alternate) {
  reference::ExponentialParts parts = reference::ExponentialSeries(1, 1);
  if (alternate) {
    parts.even -= parts.odd;
  } else {
    parts.even += parts.odd;
  }
  return parts.even;
}

// 2 artanh(1/q) = ln((q + 1) / (q - 1)).
Fixed TwiceArtanhOfReciprocal(uint32_t q) {
  return reference::AreaTangentOfReciprocal(q).times(2);
}

Fixed Times(Fixed x, uint32_t factor) {
  return x.times(factor);
}

const Fixed Ln2 = TwiceArtanhOfReciprocal(3);
const Fixed Ln5_4 = TwiceArtanhOfReciprocal(9);

Fixed Ln5() {
  Fixed ln5 = Times(Ln2, 2);
  ln5 += Ln5_4;
  return ln5;
}

Fixed Ln10() {
  Fixed ln10 = Ln5();
  ln10 += Ln2;
  return ln10;
}

// The digits of a decimal integer, most significant first.
std::string WholeText(const std::vector<int>& digits) {
  std::string text;
  for (auto d = digits.rbegin(); d != digits.rend(); ++d) text += static_cast<char>('0' + *d);
  return text;
}

std::vector<int> TimesSmall(std::vector<int> digits, int factor) {
  int carry = 0;
  for (int& d : digits) {
    const int v = d * factor + carry;
    d = v % 10;
    carry = v / 10;
  }
  for (; carry > 0; carry /= 10) digits.push_back(carry % 10);
  return digits;
}

std::string FactorialText(int n) {
  std::vector<int> digits{1};
  for (int i = 2; i <= n; ++i) digits = TimesSmall(std::move(digits), i);
  return WholeText(digits);
}

std::string PowerText(int base, int exponent) {
  std::vector<int> digits{1};
  for (int i = 0; i < exponent; ++i) digits = TimesSmall(std::move(digits), base);
  return WholeText(digits);
}

// Every kept character is a character of the true value.
void ExpectTruePrefix(const std::string& kept, const std::string& truth) {
  ASSERT_LE(kept.size(), truth.size());
  EXPECT_EQ(kept, truth.substr(0, kept.size()));
}

class ElementaryFunctions : public ::testing::Test {
 protected:
  void Exp(const std::string& x) {
    e.LoadA(x);
    e.OpCode = 1;
    e.Precision = 268;
    e.Exponential();
  }
  void Ln(const std::string& x, int32_t precision, int32_t newtonSteps) {
    e.LoadA(x);
    e.OpCode = 1;
    e.Precision = precision;
    e.NewtonSteps = newtonSteps;
    e.NaturalLog();
  }
  void Pow(const std::string& x, const std::string& y, uint8_t ySign) {
    e.LoadA(x);
    e.LoadB(y);
    e.SignB = ySign;
    e.OpCode = 1;
    e.Precision = 268;
    e.NewtonSteps = 3;
    e.Power();
  }
  MathEngine e;
};

TEST_F(ElementaryFunctions, ExpOfOneKeepsTheCharactersItsLastTermVouchesFor) {
  Exp("1");
  EXPECT_EQ(e.VerifiedLen, 263);
  EXPECT_EQ(e.RegC.size(), 263u);
  ExpectTruePrefix(e.RegC, ExpOfOne(false).text());
}

// The check confirms 1/x for the cut e it was given, so the characters past
// that cut's own length follow the cut, not e.
TEST_F(ElementaryFunctions, ExpOfMinusOneIsTheCheckedReciprocal) {
  Exp("1");
  const size_t cutE = e.RegC.size();
  e.LoadA(e.RegC);
  e.NewtonSteps = 5;
  e.CheckMode = 3;
  e.Reciprocal();
  EXPECT_EQ(e.RegC.size(), 267u);
  ExpectTruePrefix(e.RegC.substr(0, cutE - 1), ExpOfOne(true).text());
}

TEST_F(ElementaryFunctions, SmallArgumentsKeepTheWholePrecision) {
  for (const char* x : {"0.5", "0.9", "0.001"}) {
    Exp(x);
    EXPECT_EQ(e.VerifiedLen, 268) << x;
  }
}

// A result either has all its integer digits or is refused.
TEST_F(ElementaryFunctions, ExpNeverShowsAWrongMagnitude) {
  for (int x : {250, 275, 280, 282, 300, 320, 400, 615, 700, 5000}) {
    Exp(std::to_string(x));
    if (e.RegC == ErrorText) continue;
    const auto integerDigits = static_cast<size_t>(x * std::log10(std::exp(1.0))) + 1;
    EXPECT_EQ(e.RegC.find('.') == std::string::npos ? e.RegC.size() : e.RegC.find('.'),
              integerDigits)
        << x;
  }
  Exp("300");
  EXPECT_EQ(e.RegC, ErrorText);
}

TEST_F(ElementaryFunctions, DecimalExponent) {
  const struct {
    const char* x;
    int32_t exponent;
  } cases[] = {{"123.4", 2}, {"0.005", -3}, {"1000", 3}, {"0.5", -1}, {"7", 0}, {"0.0123", -2}};
  for (const auto& c : cases) {
    Ln(c.x, 200, 4);
    EXPECT_EQ(e.DecExponent, c.exponent) << c.x;
  }
}

TEST_F(ElementaryFunctions, PowersOfTwoAndOneNeedNoSeries) {
  Ln("2", 200, 4);
  EXPECT_EQ(e.RegC, std::string(ConstLn2.substr(0, 200)));
  EXPECT_EQ(e.VerifiedLen, 200);
  Ln("8", 200, 4);
  ExpectTruePrefix(e.RegC.substr(0, 195), Times(Ln2, 3).text());
  Ln("1000", 200, 4);
  EXPECT_EQ(e.VerifiedLen, 200);
  ExpectTruePrefix(e.RegC.substr(0, 195), Times(Ln10(), 3).text());
  Ln("0.4", 200, 4);
  EXPECT_EQ(e.RegC.substr(0, 12), "-0.916290731");
}

// The series stops at its last odd n <= Precision, so the neglected tail,
// about z^(Precision + 2), bounds the true digits whatever the length kept:
// z = 3/13 for mantissa 5 leaves about 127 true decimals, z = 99/301 for
// 1.01 about 97.
TEST_F(ElementaryFunctions, SeriesGivesTrueDigitsUpToItsTail) {
  Ln("5", 200, 4);
  EXPECT_EQ(e.RegC.size(), 201u);
  ExpectTruePrefix(e.RegC.substr(0, 125), Ln5().text());
  Ln("0.5", 200, 4);
  EXPECT_EQ(e.RegC.size(), 202u);
  ExpectTruePrefix(e.RegC.substr(0, 126), "-" + Ln2.text());
  Ln("1.01", 200, 4);
  EXPECT_EQ(e.RegC.size(), 200u);
  ExpectTruePrefix(e.RegC.substr(0, 95), TwiceArtanhOfReciprocal(201).text());
}

TEST_F(ElementaryFunctions, DecimalLogarithmCarriesTheSign) {
  e.LoadA("2");
  e.OpCode = 1;
  e.Precision = 200;
  e.NewtonSteps = 4;
  e.DecimalLog();
  EXPECT_EQ(e.RegC.substr(0, 13), "0.30102999566");
  EXPECT_EQ(e.SignC, 0);
  e.LoadA("0.01");
  e.DecimalLog();
  EXPECT_EQ(e.SignC, 1);
  EXPECT_TRUE(e.RegC.starts_with("-1.999999999") || e.RegC.starts_with("-2.000000000")) << e.RegC;
}

TEST_F(ElementaryFunctions, PowerWithNegativeExponentTakesTheReciprocal) {
  Pow("2", "1", 1);
  EXPECT_TRUE(e.RegC.starts_with("0.5000000000") || e.RegC.starts_with("0.4999999999")) << e.RegC;
  Pow("0.5", "1", 1);
  EXPECT_TRUE(e.RegC.starts_with("2.0000000000") || e.RegC.starts_with("1.9999999999")) << e.RegC;
}

TEST_F(ElementaryFunctions, PowerBeyondTheKeptLengthIsExactOrRefused) {
  Pow("2", "1000", 0);
  EXPECT_EQ(e.RegC, PowerText(2, 1000));
  Pow("7", "400.000", 0);
  EXPECT_EQ(e.RegC, PowerText(7, 400));
  Pow("2", "1000", 1);
  EXPECT_EQ(e.RegC, ErrorText);
  Pow("2.5", "1000", 0);
  EXPECT_EQ(e.RegC, ErrorText);
  Pow("10", "1000000000000000000000", 0);
  EXPECT_EQ(e.RegC, ErrorText);
}

TEST_F(ElementaryFunctions, FactorialIsExact) {
  const struct {
    const char* x;
    std::string expected;
  } cases[] = {{"20", "2432902008176640000"},
               {"3.7", "6"},
               {"0.5", "1"},
               {"007", "5040"},
               {"1000", FactorialText(1000)},
               {"1234", FactorialText(1234)}};
  for (const auto& c : cases) {
    e.LoadA(c.x);
    e.Factorial();
    EXPECT_EQ(e.RegC, c.expected) << c.x;
  }
}

// n must neither wrap around 32 bits nor exceed what can be held.
TEST_F(ElementaryFunctions, FactorialRefusesAnNBeyondItsBound) {
  for (const char* x : {"1000001", "4294967297", "99999999999999999999"}) {
    e.LoadA(x);
    e.Factorial();
    EXPECT_EQ(e.RegC, ErrorText) << x;
  }
}

}  // namespace
}  // namespace tesselon
