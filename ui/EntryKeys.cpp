// Operand entry: which operand is active, the digit, point and sign keys, and
// Clear.
#include <algorithm>

#include "ui/FrontEnd.h"

namespace tesselon {

namespace {

constexpr int FirstDigitKey = 22;

int fieldOf(int operand) {
  return operand == 1 ? control::OperandX : control::OperandY;
}

}  // namespace

// Only between keys, when nothing is deferred: the fields are read from the
// window itself.
void FrontEnd::readOperands() {
  window.copyText(control::OperandX, e.RegA);
  window.copyText(control::OperandY, e.RegB);
}

void FrontEnd::followFocus() {
  const int focused = tk.focusedControl();
  if (focused == control::OperandX) {
    markActive(1);
  } else if (focused == control::OperandY) {
    markActive(2);
  }
}

void FrontEnd::markActive(int operand) {
  ActiveOperand = operand;
  colourActive(operand);
}

void FrontEnd::colourActive(int operand) {
  tk.setBackground(fieldOf(operand), ActiveGreen);
  tk.setBackground(fieldOf(3 - operand), InactiveWhite);
}

// The caret goes to the end so that the next digit key appends even when
// the user had clicked into the middle of the text.
void FrontEnd::writeBackActive() {
  const int field = activeField();
  tk.setText(field, activeRegister());
  tk.moveCaretToEnd(field);
  tk.setFocus(field);
}

void FrontEnd::PressDigit(int control) {
  activeRegister() += static_cast<char>('0' + control - FirstDigitKey);
  writeBackActive();
}

// One point per operand until Clear, whatever the field shows: a point the
// user deleted by keyboard does not re-arm the key.
void FrontEnd::PressPoint(int) {
  int& pointTyped = ActiveOperand == 1 ? PointTypedX : PointTypedY;
  if (pointTyped != 0) return;
  std::string& text = activeRegister();
  if (text.empty()) {
    text = "0";
  } else if (text == "-") {
    text = "-0";
  }
  pointTyped = 1;
  text += '.';
  writeBackActive();
}

// Taking the sign off removes every "-", also those typed inside the text by
// keyboard, as the sign split of an evaluation would.
void FrontEnd::PressSign(int) {
  std::string& text = activeRegister();
  if (text.starts_with('-')) {
    std::erase(text, '-');
  } else {
    text.insert(text.begin(), '-');
  }
  writeBackActive();
}

// Memory, LastResult, EntryX, EntryY and the angle unit survive Clear.
void FrontEnd::PressClear(int) {
  e.RegA.clear();
  e.RegB.clear();
  e.RegC.clear();
  for (const int number :
       {control::OperandX, control::OperandY, control::ResultField, control::OperationLabel}) {
    tk.setText(number, "");
  }
  PointTypedX = 0;
  PointTypedY = 0;
  e.ZeroFlag = 0;
  ActiveOperand = 1;
  e.OpCode = opcode::None;
  tk.setFocus(control::OperandX);
  colourActive(1);
}

}  // namespace tesselon
