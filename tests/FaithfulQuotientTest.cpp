// Quotients and reciprocals are checked by exact whole-number arithmetic;
// every text must be cut exactly where the check against MPFR cuts it.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/Engine.h"
#include "functions/Faithful.h"

namespace tesselon {
namespace {

struct Decimal {
  mpz_class digits;  // signed
  size_t decimals = 0;
};

Decimal Read(const std::string& text) {
  std::string digits = text;
  const size_t point = digits.find('.');
  size_t decimals = 0;
  if (point != std::string::npos) {
    decimals = digits.size() - point - 1;
    digits.erase(point, 1);
  }
  return {mpz_class(digits, 10), decimals};
}

mpz_class PowerOfTen(size_t n) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, n);
  return power;
}

// `value` 10^-decimals as a text with all its decimals; "-" kept on a zero
// when asked.
std::string Text(const mpz_class& value, size_t decimals, bool negative) {
  std::string digits = mpz_class(abs(value)).get_str();
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - decimals, ".");
  return (negative ? "-" : "") + digits;
}

// x / y to `decimals` decimals, cut toward zero, as a whole number.
mpz_class Truncated(const std::string& x, const std::string& y, size_t decimals) {
  const Decimal a = Read(x);
  const Decimal b = Read(y);
  const mpz_class numerator = a.digits * PowerOfTen(b.decimals + decimals);
  const mpz_class denominator = b.digits * PowerOfTen(a.decimals);
  mpz_class quotient;
  mpz_tdiv_q(quotient.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
  return quotient;
}

// The text X / Y shows before its check, and the one before a snap.
std::pair<std::string, std::string> Unchecked(const std::string& x, const std::string& y) {
  Engine e;
  e.RegA = x;
  e.RegB = y;
  e.OpCode = opcode::Divide;
  e.PrepareEvaluation();
  e.EvaluateFourFunctions();
  return {e.RegC, e.UnsnappedC};
}

void ExpectSameCut(ExactFunction function, const std::string& x, const std::string& y,
                   const std::string& shown, const std::string& unsnapped = "") {
  const ExactArguments arguments{.x = x, .y = y};
  EXPECT_EQ(FaithfulText(function, arguments, shown, unsnapped),
            FaithfulTextByReference(function, arguments, shown, unsnapped))
      << x << " / " << y << "\nshown " << shown << "\nunsnapped " << unsnapped;
}

TEST(FaithfulQuotient, HardTextsAreCutAsTheReferenceCutsThem) {
  const std::string sevenths = "0." + std::string(1100, '0');
  std::string wrongAt1050 = Text(Truncated("1", "7", 1200), 1200, false);
  wrongAt1050[2 + 1050] = wrongAt1050[2 + 1050] == '9' ? '0' : '9';
  const struct {
    ExactFunction function;
    std::string x, y, shown, unsnapped;
  } cases[] = {
      // Exactly one unit off, on either side, and just beyond it.
      {ExactFunction::Quotient, "1", "2", "0.4999", ""},
      {ExactFunction::Quotient, "1", "2", "0.5001", ""},
      {ExactFunction::Quotient, "1", "2", "0.5002", ""},
      {ExactFunction::Quotient, "1", "2", "0.4998", ""},
      {ExactFunction::Quotient, "2", "3", "0.6668", ""},
      {ExactFunction::Quotient, "2", "3", "0.6665", ""},
      {ExactFunction::Quotient, "-2", "3", "-0.6668", ""},
      {ExactFunction::Quotient, "2", "-3", "-0.6669", ""},
      // Runs of nines and zeros around a value just off a round one.
      {ExactFunction::Quotient, "2000000001", "10000000000", "0.19999999999", ""},
      {ExactFunction::Quotient, "1999999999", "10000000000", "0.20000000009", ""},
      {ExactFunction::Quotient, "1", "3", "0.3399999", ""},
      // Beyond one unit by less than the reference's noise (0.5 for
      // 0.4 - 10^-20), by its noise and by just more: the reference decides.
      {ExactFunction::Quotient, "0.39999999999999999999", "1", "0.5", ""},
      {ExactFunction::Quotient, "0.3999999999999", "1", "0.5", ""},
      {ExactFunction::Quotient, "0.39999999999989992", "1", "0.5", ""},
      // Not even the integer part, and only zeros of a value that is not 0.
      {ExactFunction::Quotient, "22", "7", "4.142857", ""},
      {ExactFunction::Quotient, "22", "7", "1.142857", ""},
      {ExactFunction::Quotient, "1", "70000", "0.00", ""},
      {ExactFunction::Quotient, "1", "7000", "0.0000", ""},
      {ExactFunction::Quotient, "0", "7", "-0", ""},
      {ExactFunction::Quotient, "-0", "7", "0.000", ""},
      // A snap's zero with the digits before it, true and not.
      {ExactFunction::Quotient, "1", "30000", "0", "0.0000333"},
      {ExactFunction::Quotient, "-1", "30000", "0", "0.0000334"},
      {ExactFunction::Quotient, "1", "30000", "0", "0.0000335"},
      // Operand forms, long integer parts, a text longer than the first look.
      {ExactFunction::Quotient, "5.", "0.250", "20.0", ""},
      {ExactFunction::Quotient, "1", "0.0000000000000000000000003", "3333333333333333333333333.3",
       ""},
      {ExactFunction::Quotient, "1", "7", Text(Truncated("1", "7", 1200), 1200, false), ""},
      {ExactFunction::Quotient, "1", "7", wrongAt1050, ""},
      {ExactFunction::Quotient, "1", "1", sevenths, ""},
      // Divisors the exact check leaves to the reference.
      {ExactFunction::Quotient, "1", "0", "5", ""},
      {ExactFunction::Quotient, "1", "1e3", "0.001", ""},
      {ExactFunction::Reciprocal, "3", "", "0.3333", ""},
      {ExactFunction::Reciprocal, "-8", "", "-0.1249", ""},
      {ExactFunction::Reciprocal, "0.0007", "", "1428.571", ""},
      {ExactFunction::Reciprocal, "0", "", "1", ""},
  };
  for (const auto& c : cases) ExpectSameCut(c.function, c.x, c.y, c.shown, c.unsnapped);
}

// Texts and operands whose digits end at and across the edges of limbs, of
// both signs, and a long divisor with texts of some three hundred decimals.
TEST(FaithfulQuotient, TextsAtLimbEdgesAreCutAsTheReferenceCutsThem) {
  const struct {
    std::string x, y, shown;
  } cases[] = {
      {"1", "3", "0.33333333"},
      {"1", "3", "0.3333333333333333"},
      {"1", "3", "0.33333332"},
      {"1000", "7", "142.857142"},
      {"-1000", "7", "-142.857143"},
      {"-10", "3", "-3.3333333333333334"},
      {"10", "-3", "-3.3333333333333336"},
      {"12345678.9", "0.3", "41152263"},
      {"12345678.9", "0.3", "41152262.99999999"},
      {"0.1234567890123456789", "3", "0.04"},
      {"0.1234567890123456789", "-3", "-0.041152263004115226"},
      {"2", "3", "-0.6666"},
      {"-2", "3", "0.6667"},
      {"-0", "3", "-0.00000000"},
      {"99999999", "0.00000001", "9999999900000000"},
  };
  for (const auto& c : cases) ExpectSameCut(ExactFunction::Quotient, c.x, c.y, c.shown);
  std::mt19937 random(11);
  std::string divisor(200, '0');
  for (char& digit : divisor) digit = static_cast<char>('1' + random() % 9);
  for (size_t decimals = 300; decimals <= 306; ++decimals) {
    const mpz_class value = Truncated("1", divisor, decimals);
    for (int off : {0, 1, 2, -1, -2}) {
      ExpectSameCut(ExactFunction::Quotient, "1", divisor, Text(value + off, decimals, false));
    }
  }
}

TEST(FaithfulQuotient, EngineTextsOfLongOperandsAreCutAsTheReferenceCutsThem) {
  std::mt19937 random(7);
  std::string dividend(100000, '0');
  for (char& digit : dividend) digit = static_cast<char>('0' + random() % 10);
  dividend[0] = '4';
  for (const std::string& x : {dividend.substr(0, 72), dividend.substr(0, 1000), dividend}) {
    const auto [shown, unsnapped] = Unchecked(x, "7");
    ExpectSameCut(ExactFunction::Quotient, x, "7", shown, unsnapped);
    ExpectSameCut(ExactFunction::Quotient, "7", x, Unchecked("7", x).first);
  }
}

// Random operands with texts from the division itself, from the exact
// quotient, and from it moved by a few units at some digit or given a
// tail of nines or zeros.
TEST(FaithfulQuotient, RandomTextsAreCutAsTheReferenceCutsThem) {
  std::mt19937 random(20240601);
  const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  const auto number = [&](bool mayBeZero) {
    std::string digits(1 + below(30), '0');
    for (char& digit : digits) digit = static_cast<char>('0' + below(10));
    if (!mayBeZero) digits[below(static_cast<unsigned>(digits.size()))] = '7';
    const size_t point = below(static_cast<unsigned>(digits.size()));
    if (point > 0) digits.insert(point, ".");
    return (below(3) == 0 ? "-" : "") + digits;
  };
  for (int round = 0; round < 400; ++round) {
    const bool reciprocal = below(4) == 0;
    const std::string x = reciprocal ? "1" : number(true);
    const std::string y = number(false);
    const ExactFunction function = reciprocal ? ExactFunction::Reciprocal : ExactFunction::Quotient;
    // 1 / X has X for its argument.
    const std::string first = reciprocal ? y : x;
    const std::string second = reciprocal ? "" : y;
    if (below(3) == 0) {
      const auto [shown, unsnapped] = Unchecked(x, y);
      ExpectSameCut(function, first, second, shown, unsnapped);
      continue;
    }
    const size_t decimals = below(2) == 0 ? below(8) : 90 + below(40);
    mpz_class value = Truncated(x, y, decimals);
    const bool negative = value < 0 || (value == 0 && (x[0] == '-') != (y[0] == '-'));
    const size_t at = below(static_cast<unsigned>(decimals + 1));
    switch (below(4)) {
      case 0:
        break;
      case 1:
        value += (static_cast<int>(below(5)) - 2) * PowerOfTen(decimals - at);
        break;
      case 2:
        value = value / PowerOfTen(decimals - at) * PowerOfTen(decimals - at) +
                (value < 0 ? -1 : 1) * (PowerOfTen(decimals - at) - 1);
        break;
      default:
        value = value / PowerOfTen(decimals - at) * PowerOfTen(decimals - at);
        break;
    }
    ExpectSameCut(function, first, second, Text(value, decimals, negative || value < 0));
  }
}

}  // namespace
}  // namespace tesselon
