// The power operation that "=" runs for X ^ Y.
#include <optional>
#include <string>
#include <string_view>

#include "functions/ExactRoot.h"
#include "ui/FrontEnd.h"
#include "ui/KeyTests.h"

namespace tesselon {

namespace {

constexpr int32_t PowerPrecision = 268;
constexpr int32_t PowerNewtonSteps = 3;

// A digit other than 0 after the point: a negative base has no real power.
bool HasFraction(std::string_view number) {
  const size_t point = number.find('.');
  return point != std::string_view::npos &&
         number.find_first_of("123456789", point + 1) != std::string_view::npos;
}

// The last digit of the exponent's integer part, with the even digits as 0:
// non-zero exactly when a negative base gives a negative power. An exponent
// written with a fraction of zeros (3.0, 4.) counts by its integer digits.
int ParityDigit(std::string_view exponent) {
  const std::string_view whole = exponent.substr(0, exponent.find('.'));
  const int digit = whole.empty() ? 0 : whole.back() - '0';
  return digit % 2 == 0 ? 0 : digit;
}

}  // namespace

// RegA and RegB hold |X| and |Y|, tidied and with their points; the signs
// are in SignA and SignB.
void FrontEnd::powerOperation() {
  const bool negativeBase = e.SignA == 1;
  const bool negativeExponent = e.SignB == 1;
  if (OperandIsZero(e, e.RegA)) {
    // 0 ^ Y has no value for a negative Y.
    if (OperandIsZero(e, e.RegB)) return Answer("1");
    return Answer(negativeExponent ? std::string(ErrorText) : "0");
  }
  const bool baseIsOne = OperandIsOne(e, e.RegA);
  if (baseIsOne && !negativeBase) return Answer("1");
  if (negativeBase && HasFraction(e.RegB)) return Answer(std::string(ErrorText));
  if (OperandIsZero(e, e.RegB)) return Answer("1");
  // Only a positive one leaves X as it is; -1 goes through the power.
  if (OperandIsOne(e, e.RegB) && !negativeExponent) {
    return Answer(negativeBase ? "-" + e.RegA : e.RegA);
  }
  PowerSign = negativeBase ? ParityDigit(e.RegB) : 0;
  if (baseIsOne) {
    // -1 to a whole exponent: only the sign rule is left.
    Answer(PowerSign != 0 ? "-1" : "1");
    PowerSign = 0;
    return;
  }
  const std::string base = e.RegA;
  const std::string exponent = e.RegB;
  const int sign = PowerSign;
  e.LoadA(e.RegA);
  e.OpCode = opcode::Add;
  e.Precision = PowerPrecision;
  e.NewtonSteps = PowerNewtonSteps;
  e.Power();
  SnapResult(e, PowerSnapRun);
  if (PowerSign != 0 && !IsMessage(e.RegC)) e.RegC.insert(0, 1, '-');
  PowerSign = 0;
  // Only an exact whole power is longer than the working length; it needs no
  // check.
  if (e.RegC.size() > static_cast<size_t>(PowerPrecision)) return ShowResult();
  // A power whose integer part the steps could not keep, such as a root of a
  // long base, is taken exactly where Y is a fraction with a short
  // denominator; every other power keeps the steps' own digits.
  ShowChecked(ExactFunction::Power, [&] {
    const std::optional<FractionExponent> y = FractionOf(exponent, negativeExponent);
    const std::optional<std::string> power =
        y ? CutPowerOf(base, *y, PowerPrecision) : std::nullopt;
    if (!power) return false;
    e.RegC = *power;
    SnapResult(e, PowerSnapRun);
    if (sign != 0) e.RegC.insert(0, 1, '-');
    return true;
  });
}

}  // namespace tesselon
