// sinh, cosh, tanh and coth from one exponential E = e^|x| and its
// reciprocal.
#include <string>

#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

constexpr int32_t ExponentialNewtonSteps = 3;
constexpr int32_t QuotientNewtonSteps = 4;

bool IsMessage(const std::string& text) {
  return text == ErrorText;
}

// numerator(x) x 1/denominator(x), the two functions chosen by their
// VariantFlag; cut to the characters the last reciprocal confirms.
void HyperbolicQuotient(MathEngine& e, int32_t numeratorVariant) {
  const std::string x = e.RegA;
  e.VariantFlag = numeratorVariant;
  e.HypSineCosine();
  const std::string numerator = e.RegC;
  e.LoadA(x);
  e.VariantFlag = 1 - numeratorVariant;
  e.HypSineCosine();
  e.VariantFlag = 0;
  if (IsMessage(numerator) || IsMessage(e.RegC)) {
    e.RegC = std::string(ErrorText);
    return;
  }
  e.LoadA(e.RegC);
  e.OpCode = 5;
  e.NewtonSteps = QuotientNewtonSteps;
  e.Reciprocal();
  e.OpCode = 1;
  e.RegC = Engine::Cut(e.Product(Engine::WithoutLeadingBlanks(e.RegC), numerator), e.VerifiedLen);
}

}  // namespace

// sinh = (E - 1/E) / 2, cosh = (E + 1/E) / 2. An exponential whose integer
// part would not fit the kept length leaves the message.
void MathEngine::HypSineCosine() {
  VerifiedLen = Precision;
  Exponential();
  if (IsMessage(RegC)) return;
  const std::string exponential = Cut(RegC, VerifiedLen);
  SignA = 0;
  LoadA(exponential);
  OpCode = 5;
  NewtonSteps = ExponentialNewtonSteps;
  CheckMode = 3;
  Reciprocal();
  OpCode = 1;
  const std::string sumOrDifference =
      VariantFlag == 1 ? Difference(*this, exponential, RegC) : Sum(*this, exponential, RegC);
  RegC = Cut(Product(sumOrDifference, "0.5"), VerifiedLen);
}

void MathEngine::HypTangent() {
  HyperbolicQuotient(*this, 1);
}

void MathEngine::HypCotangent() {
  HyperbolicQuotient(*this, 0);
}

}  // namespace tesselon
