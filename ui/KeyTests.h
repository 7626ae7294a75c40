#pragma once

// Steps the function keys share: the zero and one tests on any operand text
// (the text becomes operand A, reference and length, and the engine's flag
// test runs on it), the message test, and the snap of a finished result.
#include <cstdint>
#include <string>

#include "functions/MathEngine.h"

namespace tesselon {

inline void ReferAsOperandA(MathEngine& e, std::string& text) {
  e.RefA = &text;
  e.LenA = static_cast<int32_t>(text.size());
}

inline bool OperandIsZero(MathEngine& e, std::string& text) {
  ReferAsOperandA(e, text);
  e.TestZero();
  return e.ZeroFlag == 1;
}

inline bool OperandIsOne(MathEngine& e, std::string& text) {
  ReferAsOperandA(e, text);
  e.TestOne();
  return e.OneFlag == 1;
}

inline void SnapResult(MathEngine& e, int32_t run = FunctionSnapRun) {
  e.SnapRun = run;
  e.SnapFraction();
}

}  // namespace tesselon
