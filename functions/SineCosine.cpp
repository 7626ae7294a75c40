#include <algorithm>
#include <string>

#include "engine/Cancellation.h"
#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

// The subtracted terms run r^3/3! ... r^75/75!, each followed by the added
// term of the next power.
constexpr int32_t FirstSubtractedPower = 3;
constexpr int32_t LastSubtractedPower = 75;

int32_t SignificantDigits(const std::string& text, int32_t count) {
  const std::string head = Engine::Cut(text, count);
  return static_cast<int32_t>(
      std::count_if(head.begin(), head.end(), [](char c) { return c >= '1' && c <= '9'; }));
}

// sin r = r - r^3/3! + r^5/5! - ..., one subtracted and one added term a
// pass. The result keeps the characters that stand before the last added
// term begins to show.
void SumSineSeries(MathEngine& e) {
  const int32_t p = e.Precision;
  const std::string r = e.RegA;
  const std::string rSquared = Multiplied(e, r, r);
  std::string sum = r;
  std::string power = r;
  e.TermDigits = 0;
  for (e.SeriesIndex = FirstSubtractedPower; e.SeriesIndex <= LastSubtractedPower;
       e.SeriesIndex += 4) {
    CheckCancelled();
    power = Multiplied(e, rSquared, Engine::Cut(power, p));
    std::string term = e.Product(power, ReciprocalFactorial(e.SeriesIndex, p));
    sum = Engine::Cut(TidiedDifference(e, sum, Engine::Cut(term, p)), p);
    // The power is left uncut here: the added term is formed from the full
    // product.
    power = Multiplied(e, rSquared, power);
    term = e.Product(power, ReciprocalFactorial(e.SeriesIndex + 2, p));
    const int32_t digits = SignificantDigits(term, p);
    if (digits == 0) break;
    e.TermDigits = digits;
    sum = Engine::Cut(TidiedSum(e, sum, Engine::Cut(term, p)), p);
  }
  // A term with k significant characters begins about p - k characters in.
  // When the first added term already vanished, the whole sum holds.
  e.VerifiedLen = e.TermDigits == 0 ? p : p + 1 - e.TermDigits;
  e.RegC = Tidied(e, Engine::Cut(sum, e.VerifiedLen));
}

}  // namespace

void MathEngine::Sine() {
  if (VariantFlag == 1) {
    ReduceAngle();
    if (ReducedAngleIsNoise(*this)) {
      RegC = std::string(ErrorText);
      return;
    }
  }
  SumSineSeries(*this);
}

// cos r = sin(pi/2 - r).
void MathEngine::Cosine() {
  ReduceAngle();
  if (ReducedAngleIsNoise(*this)) {
    RegC = std::string(ErrorText);
    return;
  }
  const std::string complement = TidiedDifference(*this, ReductionPiOver2(), RegA, true);
  LoadA(Cut(complement, Precision));
  VariantFlag = 0;
  Sine();
}

}  // namespace tesselon
