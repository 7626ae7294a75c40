// The area functions by their logarithmic forms: arsinh x = ln(x + sqrt(x^2
// + 1)), arcosh x = ln(x + sqrt(x^2 - 1)), artanh x = ln((1 + x)/(1 - x))/2
// and arcoth x = ln((x + 1)/(x - 1))/2.
#include <string>

#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

constexpr int32_t AreaPrecision = 268;
constexpr int32_t AreaNewtonSteps = 3;
// arsinh and arcosh cut every text to 100 characters.
constexpr int32_t AreaLength = 100;
// artanh and arcoth keep four characters less than the logarithm vouches
// for.
constexpr int32_t HalfLogMargin = 4;

// RegC = ln of a positive tidied text.
void Logarithm(MathEngine& e, std::string x) {
  e.LoadA(std::move(x));
  e.NewtonSteps = AreaNewtonSteps;
  e.NaturalLog();
}

}  // namespace

void MathEngine::AreaSineCosine() {
  const std::string x = RegA;
  // From 52 integer digits on, x^2 +- 1 has more than 100: the square of a
  // long x is not formed only to learn that.
  const bool longX = !KeepsIntegerPart(x, AreaLength / 2 + 1);
  const std::string square = longX ? std::string() : Product(x, x);
  // x^2 - 1 keeps a leading zero when x^2 lies just above a power of ten
  // (09.24 for x = 3.2); the logarithm would read it as part of the number.
  const std::string radicand = longX              ? std::string()
                               : VariantFlag == 1 ? Sum(*this, square, "1")
                                                  : Tidied(*this, Difference(*this, square, "1"));
  if (longX || !KeepsIntegerPart(radicand, AreaLength)) {
    // From x = 10^50 on the cut would fall inside the integer part of
    // x^2 +- 1. There x + sqrt(x^2 +- 1) = 2x +- 1/(2x), and ln(2x) differs
    // from the function by less than x^-2, below the last kept decimal.
    Logarithm(*this, TidiedSum(*this, x, x));
    RegC = Cut(RegC, AreaLength);
    return;
  }
  Precision = AreaPrecision;
  NewtonSteps = AreaNewtonSteps;
  RootOf(Cut(radicand, AreaLength), "0.5");
  const std::string root = Cut(RegC, AreaLength);
  Logarithm(*this, Cut(Sum(*this, root, Cut(x, AreaLength)), AreaLength));
  RegC = Cut(RegC, AreaLength);
}

void MathEngine::AreaTangentCotangent() {
  const std::string x = RegA;
  const std::string onePlusX = Sum(*this, x, "1");
  const std::string denominator =
      VariantFlag == 1 ? TidiedDifference(*this, "1", x) : TidiedDifference(*this, x, "1");
  CheckedReciprocalOf(denominator, AreaNewtonSteps);
  Logarithm(*this, Cut(Product(WithoutLeadingBlanks(RegC), onePlusX), VerifiedLen));
  RegC = Cut(Product(RegC, "0.5"), VerifiedLen - HalfLogMargin);
}

}  // namespace tesselon
