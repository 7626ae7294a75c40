// The memory, register and constant keys, Deg, Res Hex and Res Bin. None of
// them touches the Operation label.
#include <string_view>
#include <utility>

#include "functions/ConstantTables.h"
#include "ui/Controls.h"
#include "ui/FrontEnd.h"

namespace tesselon {

namespace {

constexpr int PiKey = 80;
constexpr int EKey = 81;
constexpr int Sqrt2Key = 82;
// The integer digit, the point and 100 decimals.
constexpr int32_t ConstantLength = 102;

std::string_view constantOf(int control) {
  switch (control) {
    case PiKey:
      return ConstPi;
    case EKey:
      return ConstE;
    case Sqrt2Key:
      return ConstSqrt2;
    default:
      return ConstSqrt3;
  }
}

// The last result in the given base, shown in the Result field. Negative
// results and messages are not converted and nothing is shown; the decimal
// result stays the one R->X, MS and M+ work on.
void showLastResultInBase(Toolkit& tk, MathEngine& e, int32_t mode) {
  e.HexBinSource = e.LastResult;
  if (!MathEngine::HexBinConvertible(e.HexBinSource)) return;
  e.HexBinMode = mode;
  e.HexBinResult();
  tk.setText(control::ResultField, e.HexBinText);
}

}  // namespace

void FrontEnd::PressResHex(int) {
  showLastResultInBase(tk, e, MathEngine::HexadecimalMode);
}

void FrontEnd::PressResBin(int) {
  showLastResultInBase(tk, e, MathEngine::BinaryMode);
}

// The toolkit flips the toggle's look on the same click, so both start
// released and stay in step. The keys that do nothing in degree mode are
// shown unavailable meanwhile.
void FrontEnd::PressDeg(int) {
  e.DegMode = 1 - e.DegMode;
  for (const ControlRow& row : controlTable()) {
    if ((row.needs & KeyNeeds::Radians) != 0) tk.setEnabled(row.number, e.DegMode == 0);
  }
}

// The active operand, the colours and the focus stay as they are.
void FrontEnd::PressExchange(int) {
  std::swap(e.RegA, e.RegB);
  tk.setText(control::OperandX, e.RegA);
  tk.setText(control::OperandY, e.RegB);
}

// The focus event that follows makes the field the active operand.
void FrontEnd::PressResultToX(int) {
  e.RegA = e.RegC;
  tk.setText(control::OperandX, e.RegA);
  tk.moveCaretToEnd(control::OperandX);
  tk.setFocus(control::OperandX);
}

void FrontEnd::PressResultToY(int) {
  e.RegB = e.RegC;
  tk.setText(control::OperandY, e.RegB);
  tk.moveCaretToEnd(control::OperandY);
  tk.setFocus(control::OperandY);
}

void FrontEnd::PressMemoryClear(int) {
  e.Memory.clear();
}

// Replaces the active operand's text without moving the caret or the focus.
void FrontEnd::PressMemoryRecall(int) {
  activeRegister() = e.Memory;
  tk.setText(activeField(), activeRegister());
}

void FrontEnd::PressMemoryStore(int) {
  e.Memory = e.RegC;
}

// Memory + RegC by the "=" evaluation, stored into Memory instead of shown;
// the Result field, the colours and the focus stay as they were. An empty
// memory or result stops at the guards of "=", which drop the pending flag.
// The evaluation leaves its tidied, unsigned operands in RegA and RegB; like
// every key's, they are read back from the fields when the key has ended.
void FrontEnd::PressMemoryAdd(int) {
  e.RegA = e.Memory;
  e.RegB = e.RegC;
  ActiveOperand = 2;
  e.OpCode = opcode::Add;
  e.MemoryAddPending = 1;
  evaluate();
}

// The constant replaces the whole text of the active operand; the caret and
// the focus do not move.
void FrontEnd::PressConstant(int control) {
  activeRegister() = Engine::Cut(constantOf(control), ConstantLength);
  tk.setText(activeField(), activeRegister());
}

}  // namespace tesselon
