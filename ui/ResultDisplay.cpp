// Every answer reaches the Result field here.
#include <string_view>
#include <utility>

#include "ui/FrontEnd.h"

namespace tesselon {

void FrontEnd::ShowResult() {
  e.ShowResult();
  displayResult();
}

void FrontEnd::ShowChecked(ExactFunction function, const std::function<bool()>& instead) {
  e.ShowResult();
  keepTrueDigits(function);
  if (instead && IsMessage(e.RegC) && instead()) {
    e.ShowResult();
    keepTrueDigits(function);
  }
  displayResult();
}

void FrontEnd::keepTrueDigits(ExactFunction function) {
  e.RegC = FaithfulText(function, {.x = typedX, .y = typedY, .degrees = e.DegMode == 1}, e.RegC,
                        e.UnsnappedC);
  e.LastResult = e.RegC;
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

// The angle in the other unit follows the same rule as a result: only true
// digits are shown.
void FrontEnd::showAngle() {
  if (e.AngleDisplay.empty()) return;
  constexpr size_t UnitLength = std::string_view("Deg= ").size();
  const ExactFunction conversion =
      e.DegMode == 1 ? ExactFunction::RadiansOf : ExactFunction::DegreesOf;
  const std::string angle =
      FaithfulText(conversion, {.x = typedX}, std::string_view(e.AngleDisplay).substr(UnitLength));
  tk.setText(control::OperandY, e.AngleDisplay.substr(0, UnitLength) + angle);
  e.AngleDisplay.clear();
}

}  // namespace tesselon
