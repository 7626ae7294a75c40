#pragma once

// Everything a later key can see of the engine and the front end, as texts,
// so that a test can compare the state before and after a cancelled key.
#include <string>
#include <vector>

#include "functions/MathEngine.h"

namespace tesselon {

inline std::vector<std::string> RegisterSnapshot(const MathEngine& e, int activeOperand) {
  return {e.RegA,
          e.RegB,
          e.RegC,
          e.Memory,
          e.LastResult,
          e.EntryX,
          e.EntryY,
          e.HoldX,
          std::to_string(e.OpCode),
          std::to_string(e.DegMode),
          std::to_string(e.MemoryAddPending),
          std::to_string(e.CheckMode),
          std::to_string(activeOperand)};
}

}  // namespace tesselon
