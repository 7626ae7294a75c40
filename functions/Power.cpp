// x^y = e^(y ln x) for a positive base; a negative exponent y ln x is taken
// through the reciprocal.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Cancellation.h"
#include "engine/Limbs.h"
#include "functions/MathEngine.h"

namespace tesselon {

namespace {

// Exact powers longer than this are refused rather than built: about as
// many digits as 1,000,000! has, some ten seconds of work.
constexpr double MostExactDigits = 6e6;

// The integer part of a number text whose fraction, if any, is all zeros.
std::optional<std::string_view> WholeNumber(std::string_view text) {
  const size_t point = std::min(text.find('.'), text.size());
  const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
  if (fraction.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
  return text.substr(0, point);
}

// log10 of a whole number from its length and leading digits.
double Log10Of(std::string_view digits) {
  constexpr size_t Leading = 17;
  const std::string head(digits.substr(0, Leading));
  return std::log10(std::stod(head)) + static_cast<double>(digits.size() - head.size());
}

// base^exponent exactly, by GMP's powering in binary and one conversion to
// decimal (the conversion looks at the cancel flag between its parts).
std::string IntegerPower(std::string_view base, uint64_t exponent) {
  CheckCancelled();
  mpz_class power;
  mpz_pow_ui(power.get_mpz_t(), limbs::BinaryOf(base).get_mpz_t(), exponent);
  CheckCancelled();
  return limbs::DecimalText(power);
}

// The exact power of a whole base other than 0 and 1 to a whole positive
// exponent; nothing when either is not whole or the power is too long.
std::optional<std::string> ExactPower(std::string_view base, std::string_view exponent) {
  const std::optional<std::string_view> b = WholeNumber(base);
  const std::optional<std::string_view> y = WholeNumber(exponent);
  if (!b || !y || b->empty() || y->empty()) return std::nullopt;
  constexpr size_t MostExponentDigits = 18;
  if (y->size() > MostExponentDigits) return std::nullopt;
  const uint64_t n = std::stoull(std::string(*y));
  if (static_cast<double>(n) * Log10Of(*b) >= MostExactDigits) return std::nullopt;
  return IntegerPower(*b, n);
}

}  // namespace

void MathEngine::RootOf(std::string radicand, std::string exponent) {
  LoadA(std::move(radicand));
  LoadB(std::move(exponent));
  SignA = 0;
  SignB = 0;
  OpCode = opcode::Add;
  Power();
}

void MathEngine::Power() {
  PowerExponent = RegB;
  const uint8_t exponentSign = SignB;
  const std::string base = RegA;
  NaturalLog();
  PowerLen = VerifiedLen;
  LoadA(Cut(RegC, VerifiedLen));
  LoadB(PowerExponent);
  SplitSigns();
  const uint8_t logSign = SignA;
  MultiplyOperands();
  LoadA(RegC);
  Exponential();
  PowerLen = std::min(PowerLen, VerifiedLen);
  if (RegC == ErrorText || !KeepsIntegerPart(RegC, PowerLen)) {
    // The kept length cannot hold the integer part: only an exact power
    // keeps the magnitude.
    const std::optional<std::string> exact =
        exponentSign == 0 ? ExactPower(base, PowerExponent) : std::nullopt;
    RegC = exact.value_or(std::string(ErrorText));
    return;
  }
  RegC = Cut(RegC, PowerLen);
  if (exponentSign != logSign) {
    LoadA(RegC);
    CheckMode = CheckAndCut;
    Reciprocal();
  }
}

}  // namespace tesselon
