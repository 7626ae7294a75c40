// Every answer reaches the Result field here.
#include <utility>

#include "ui/FrontEnd.h"

namespace tesselon {

void FrontEnd::ShowResult() {
  e.ShowResult();
  displayResult();
}

// Input returns to Operand X whichever operand was active; the focus event
// that follows makes it the active operand and the change event of the
// Result field re-reads both operand fields.
void FrontEnd::displayResult() {
  tk.setText(control::ResultField, e.RegC);
  colourActive(1);
  tk.moveCaretToEnd(control::OperandX);
  tk.setFocus(control::OperandX);
}

void FrontEnd::Answer(std::string text) {
  e.RegC = std::move(text);
  ShowResult();
}

void FrontEnd::showAngle() {
  if (e.AngleDisplay.empty()) return;
  tk.setText(control::OperandY, e.AngleDisplay);
  e.AngleDisplay.clear();
}

}  // namespace tesselon
