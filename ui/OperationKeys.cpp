// The operation keys, the power key and "=".
#include <array>

#include "ui/FrontEnd.h"

namespace tesselon {

namespace {

constexpr int FirstOperationKey = 34;
constexpr std::array<const char*, 4> OperationNames = {"Add", "Sub", "Mul", "Div"};

}  // namespace

void FrontEnd::setOperationLabel(const std::string& text) {
  tk.setText(control::OperationLabel, text);
}

// A second operator typed while Operand Y is active is ignored: the pending
// operation can only be replaced from Operand X.
bool FrontEnd::canTakeOperation() const {
  return ActiveOperand == 1 && !e.RegA.empty();
}

void FrontEnd::enterOperation(int opCode, const std::string& label) {
  e.OpCode = opCode;
  ActiveOperand = 2;
  tk.setFocus(control::OperandY);
  colourActive(2);
  setOperationLabel(label);
}

void FrontEnd::PressOperation(int control) {
  if (!canTakeOperation()) return;
  const int opCode = control - FirstOperationKey + 1;
  enterOperation(opCode, OperationNames[opCode - 1]);
}

void FrontEnd::PressPowerKey(int) {
  if (!canTakeOperation()) return;
  enterOperation(opcode::Power, "X ^ Y");
}

void FrontEnd::PressEquals(int) {
  evaluate();
}

// Also entered by M+ with MemoryAddPending set: when a guard stops the
// evaluation the flag is dropped, so that the next "=" shows its result.
void FrontEnd::evaluate() {
  if (ActiveOperand != 2 || e.RegA.empty() || e.RegB.empty() || !e.PrepareEvaluation()) {
    e.MemoryAddPending = 0;
    return;
  }
  ActiveOperand = 1;
  if (e.OpCode >= opcode::Add && e.OpCode <= opcode::Divide) {
    // Sums, differences and products are exact; a quotient is not.
    const bool division = e.OpCode == opcode::Divide;
    if (e.EvaluateFourFunctions() != tesselon::Answer::Shown) return;
    if (division) keepTrueDigits(ExactFunction::Quotient);
    displayResult();
  } else if (e.OpCode == opcode::Power) {
    powerOperation();
  }
}

}  // namespace tesselon
