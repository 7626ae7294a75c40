// e^x: the argument is halved below 10, the Taylor series runs a fixed 149
// terms with the table of 1/n!, and the series value is multiplied back up.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/Cancellation.h"
#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

// After m halvings the series value is multiplied by itself 2^m - 1 times.
// An argument without leading zeros (a power's exponent product carries one
// at most) is halved to at least 2.5, so every product multiplies by at
// least e^2.5 and the magnitude check ends the loop within a few hundred
// products; the count saturates only so that it cannot overflow.
constexpr int32_t MostProducts = std::numeric_limits<int32_t>::max() - 1;

int32_t ProductsAfterOneMoreHalving(int32_t products) {
  return static_cast<int32_t>(std::min<int64_t>(2 * int64_t{products} + 1, MostProducts));
}

// e^x has more than x log10(e) integer digits, and x is at least 10^(n-1)
// when its integer part has n significant digits. When that bound already
// exceeds the precision (by a margin for the cuts of the power-up loop), no
// kept length can hold the integer part and the magnitude check would refuse
// the result at the end: the function refuses before halving a long argument
// millions of times to the same answer.
bool IntegerPartOutgrows(std::string_view x, int32_t precision) {
  constexpr size_t BeyondAnyPrecision = 12;
  constexpr double CutMargin = 2;
  const size_t point = std::min(x.find('.'), x.size());
  const size_t integerDigits = point - std::min(x.find_first_not_of('0'), point);
  if (integerDigits == 0) return false;
  if (integerDigits > BeyondAnyPrecision) return true;
  const double leastExponentDigits =
      std::pow(10.0, static_cast<double>(integerDigits - 1)) * std::numbers::log10e;
  return leastExponentDigits >= precision + CutMargin;
}

}  // namespace

bool MathEngine::KeepsIntegerPart(std::string_view text, int32_t k) {
  return static_cast<int64_t>(std::min(text.find('.'), text.size())) <= int64_t{k};
}

void MathEngine::Exponential() {
  if (IntegerPartOutgrows(RegA, Precision)) {
    RegC = std::string(ErrorText);
    return;
  }
  LoadA(RegA);
  FindPoint();
  int32_t products = 0;
  while (PointIndex > 1) {
    CheckCancelled();
    products = ProductsAfterOneMoreHalving(products);
    LoadB("0.5");
    MultiplyOperands();
    TidyResult();
    LoadA(RegC);
    FindPoint();
  }
  ExpCore();
  if (!KeepsIntegerPart(RegC, VerifiedLen)) {
    RegC = std::string(ErrorText);
    return;
  }
  LoadA(Cut(RegC, VerifiedLen));
  HoldX = RegA;
  // One multiplication after the other, each product cut to the kept
  // length; a product whose integer part no longer fits that length would
  // lose its magnitude, so the function refuses instead.
  for (SeriesIndex = 1; SeriesIndex <= products; ++SeriesIndex) {
    CheckCancelled();
    LoadB(HoldX);
    MultiplyOperands();
    TidyResult();
    if (!KeepsIntegerPart(RegC, VerifiedLen)) {
      RegC = std::string(ErrorText);
      return;
    }
    LoadA(Cut(RegC, VerifiedLen));
  }
  RegC = RegA;
}

// The sum is never cut; only the powers of x are, to Precision characters.
// The last term's first significant digit bounds the characters the sum can
// vouch for.
void MathEngine::ExpCore() {
  const std::string x = RegA;
  std::string power = x;
  LoadA(x);
  LoadB("1");
  AddOperands();
  TidyResult();
  std::string sum = RegC;
  for (SeriesIndex = FactorialFirst; SeriesIndex <= FactorialLast; ++SeriesIndex) {
    CheckCancelled();
    power = Cut(Multiplied(*this, std::move(power), x), Precision);
    LoadA(ReciprocalFactorial(SeriesIndex, Precision));
    LoadB(power);
    MultiplyOperands();
    TidyResult();
    sum = TidiedSum(*this, std::move(sum), RegC);
  }
  // RegB still holds the last term's digits, padded to the sum's fraction.
  VerifiedLen = std::min(LeadingInsignificant(RegB, LenA), Precision);
  RegC = std::move(sum);
}

}  // namespace tesselon
