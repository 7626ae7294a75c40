// tan r = s / c and cot r = c / s from s = sin r alone, with
// c = sqrt(1 - s^2); every text is cut to the length the sine vouched for.
#include <string>

#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

constexpr int32_t RootPrecision = 250;
constexpr int32_t RootNewtonSteps = 4;

// sin r of the reduced angle, snapped for the pole tests. False when the
// reduction left no correct decimal; RegC then holds the message.
bool SnappedSine(MathEngine& e) {
  e.ReduceAngle();
  if (ReducedAngleIsNoise(e)) {
    e.RegC = std::string(ErrorText);
    return false;
  }
  e.Sine();
  e.SnapRun = PoleSnapRun;
  e.SnapFraction();
  return true;
}

// c = sqrt(1 - s^2), each step cut to the sine's length.
std::string CosineFromSine(MathEngine& e, const std::string& sine, int32_t length) {
  const std::string square = Engine::Cut(Multiplied(e, sine, sine), length);
  const std::string rest = Engine::Cut(TidiedDifference(e, "1", square, true), length);
  e.Precision = RootPrecision;
  e.NewtonSteps = RootNewtonSteps;
  e.RootOf(rest, "0.5");
  return Engine::Cut(e.RegC, length);
}

// numerator x (1 / denominator), cut. The reciprocal runs unchecked: its
// check could only cut it, and it is cut to the sine's length anyway.
std::string CutQuotient(MathEngine& e, const std::string& numerator, const std::string& denominator,
                        int32_t length) {
  e.LoadA(denominator);
  e.CheckMode = 0;
  e.Reciprocal();
  const std::string reciprocal = Engine::Cut(e.RegC, length);
  return Engine::Cut(e.Product(reciprocal, numerator), length);
}

}  // namespace

void MathEngine::Tangent() {
  if (!SnappedSine(*this)) return;
  if (RegC == "1") {
    RegC = std::string(ErrorText);
    return;
  }
  const int32_t length = VerifiedLen;
  LoadA(Cut(RegC, length));
  TestZero();
  if (ZeroFlag == 1) {
    RegC = "0";
    return;
  }
  const std::string sine = RegC;
  const std::string cosine = CosineFromSine(*this, sine, length);
  RegC = CutQuotient(*this, sine, cosine, length);
}

void MathEngine::Cotangent() {
  if (!SnappedSine(*this)) return;
  if (RegC == "0") {
    RegC = std::string(ErrorText);
    return;
  }
  const int32_t length = VerifiedLen;
  LoadA(Cut(RegC, length));
  TestOne();
  if (OneFlag == 1) {
    RegC = "0";
    return;
  }
  const std::string sine = RegC;
  const std::string cosine = CosineFromSine(*this, sine, length);
  RegC = CutQuotient(*this, cosine, Cut(sine, length), length);
}

}  // namespace tesselon
