#pragma once

// The zero and one tests of the keys, on any operand text: the text becomes
// operand A (reference and length) and the engine's flag test runs on it.
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

}  // namespace tesselon
