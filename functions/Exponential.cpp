// e^x: the argument is halved below 10, the Taylor series runs a fixed 149
// terms with the table of 1/n!, and the series value is multiplied back up.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

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

// 1/n! truncated to precision - 2 decimals: the first precision - 1
// characters of the table entry with its understood point after the "0".
std::string ReciprocalFactorial(int n, int32_t precision) {
  return PrefixWithPoint(FactorialEntry(n), precision - 1, precision - 2);
}

// Characters before the first significant digit of a digit string; all of
// `whenNone` when it has none.
int32_t LeadingInsignificant(const std::string& digits, int32_t whenNone) {
  const size_t first = digits.find_first_of("123456789");
  return first == std::string::npos ? whenNone : static_cast<int32_t>(first);
}

}  // namespace

bool MathEngine::KeepsIntegerPart(std::string_view text, int32_t k) {
  return static_cast<int64_t>(std::min(text.find('.'), text.size())) <= int64_t{k};
}

void MathEngine::Exponential() {
  LoadA(RegA);
  FindPoint();
  int32_t products = 0;
  while (PointIndex > 1) {
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
