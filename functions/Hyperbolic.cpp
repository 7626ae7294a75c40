// sinh, cosh, tanh and coth from one exponential E = e^|x| and its
// reciprocal.
#include <string>

#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

constexpr int32_t ExponentialNewtonSteps = 3;
constexpr int32_t QuotientNewtonSteps = 4;
// Inside tanh and coth the reciprocal of E is worked to the whole length:
// three steps from the double start reach some 128 characters, and the
// quotient's own reciprocal would then carry that short tail on unseen.
constexpr int32_t QuotientExponentialNewtonSteps = 5;

// E = e^|x| for x in RegA, cut to the characters the series vouches for; the
// message where its integer part would not fit.
std::string ExponentialOfX(MathEngine& e) {
  e.VerifiedLen = e.Precision;
  e.Exponential();
  return IsMessage(e.RegC) ? e.RegC : Engine::Cut(e.RegC, e.VerifiedLen);
}

// 1/E, checked: VerifiedLen becomes the characters it confirms.
std::string ReciprocalOf(MathEngine& e, const std::string& exponential, int32_t steps) {
  e.SignA = 0;
  e.CheckedReciprocalOf(exponential, steps);
  return e.RegC;
}

// sinh = (E - 1/E) / 2 (variant 1), cosh = (E + 1/E) / 2 (variant 0).
std::string HalfSumOrDifference(MathEngine& e, const std::string& exponential,
                                const std::string& reciprocal, int32_t variant) {
  const std::string sumOrDifference =
      variant == 1 ? Difference(e, exponential, reciprocal) : Sum(e, exponential, reciprocal);
  return Engine::Cut(e.Product(sumOrDifference, "0.5"), e.VerifiedLen);
}

// numerator(x) x 1/denominator(x), the two functions chosen by their
// variants, both from one E and its reciprocal; cut to the characters the
// last reciprocal confirms.
void HyperbolicQuotient(MathEngine& e, int32_t numeratorVariant) {
  const std::string exponential = ExponentialOfX(e);
  if (IsMessage(exponential)) return;
  const std::string reciprocal = ReciprocalOf(e, exponential, QuotientExponentialNewtonSteps);
  const std::string numerator = HalfSumOrDifference(e, exponential, reciprocal, numeratorVariant);
  const std::string denominator =
      HalfSumOrDifference(e, exponential, reciprocal, 1 - numeratorVariant);
  e.LoadA(denominator);
  e.OpCode = opcode::Function;
  e.NewtonSteps = QuotientNewtonSteps;
  e.Reciprocal();
  e.OpCode = opcode::Add;
  e.RegC = Engine::Cut(e.Product(Engine::WithoutLeadingBlanks(e.RegC), numerator), e.VerifiedLen);
}

}  // namespace

// sinh = (E - 1/E) / 2, cosh = (E + 1/E) / 2. An exponential whose integer
// part would not fit the kept length leaves the message.
void MathEngine::HypSineCosine() {
  const std::string exponential = ExponentialOfX(*this);
  if (IsMessage(exponential)) return;
  const std::string reciprocal = ReciprocalOf(*this, exponential, ExponentialNewtonSteps);
  RegC = HalfSumOrDifference(*this, exponential, reciprocal, VariantFlag);
}

void MathEngine::HypTangent() {
  HyperbolicQuotient(*this, 1);
}

void MathEngine::HypCotangent() {
  HyperbolicQuotient(*this, 0);
}

}  // namespace tesselon
