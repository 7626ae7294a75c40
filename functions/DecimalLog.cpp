// log10 x = ln x * log10 e, cut to the length the natural logarithm left.
#include <algorithm>
#include <string>

#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

void MathEngine::DecimalLog() {
  NaturalLog();
  SignC = 0;
  if (RegC.starts_with('-')) {
    std::erase(RegC, '-');
    SignC = 1;
  }
  const int32_t length = VerifiedLen;
  LoadA(PrefixWithPoint(ConstLog10E, length + 1, length));
  LoadB(Cut(RegC, length));
  MultiplyOperands();
  TidyResult();
  RegC = Cut(RegC, length);
  if (SignC == 1) RegC.insert(0, 1, '-');
}

}  // namespace tesselon
