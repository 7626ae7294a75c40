// The fields accept whatever the user types; the keys that compute take only
// decimal numbers from them and answer anything else with the message.
#include "ui/TypedOperands.h"

#include <algorithm>

#include "ui/Controls.h"
#include "ui/FrontEnd.h"

namespace tesselon {

namespace {

constexpr int EqualsKey = 32;
constexpr int MemoryAddKey = 73;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool Needs(int control, unsigned need) {
  const ControlRow* row = findControl(control);
  return row != nullptr && (row->needs & need) != 0;
}

// The operations "=" computes; with any other pending code it shows nothing.
bool Evaluates(int32_t opCode) {
  return (opCode >= opcode::Add && opCode <= opcode::Divide) || opCode == opcode::Power;
}

// Replaces an operand by the engine's form of it; false when it is no number.
bool MadeNumber(std::string& text) {
  const std::optional<std::string> number = AsDecimalNumber(text);
  if (!number) return false;
  text = *number;
  return true;
}

bool IsNumber(std::string_view text) {
  return AsDecimalNumber(text).has_value();
}

}  // namespace

std::optional<std::string> AsDecimalNumber(std::string_view text) {
  if (text.size() > MostOperandLength) return std::nullopt;
  std::string number(text);
  std::replace(number.begin(), number.end(), ',', '.');
  const size_t digitsFrom = number.starts_with('-') ? 1 : 0;
  if (number.size() > digitsFrom && number[digitsFrom] == '.') number.insert(digitsFrom, 1, '0');
  const std::string_view body = std::string_view(number).substr(digitsFrom);
  const bool wellFormed =
      !body.empty() && IsDigit(body.front()) && std::count(body.begin(), body.end(), '.') <= 1 &&
      std::all_of(body.begin(), body.end(), [](char c) { return IsDigit(c) || c == '.'; });
  if (!wellFormed) return std::nullopt;
  return number;
}

// Only the texts of a key that will act are checked: a key stopped by its
// own guard (an empty operand, a lone "-", degree mode, "=" with Operand X
// active) still does nothing.
bool FrontEnd::operandsAreNumbers(int control) {
  if (control == EqualsKey) {
    if (ActiveOperand != 2 || !Evaluates(e.OpCode)) return true;
    if (!HoldsMoreThanASign(e.RegA) || !HoldsMoreThanASign(e.RegB)) return true;
    return MadeNumber(e.RegA) && MadeNumber(e.RegB);
  }
  if (control == MemoryAddKey) {
    if (e.Memory.empty() || e.RegC.empty()) return true;
    return IsNumber(e.Memory) && IsNumber(e.RegC);
  }
  if (Needs(control, KeyNeeds::X)) {
    if (!HoldsMoreThanASign(e.RegA)) return true;
    if (Needs(control, KeyNeeds::Radians) && e.DegMode != 0) return true;
    return MadeNumber(e.RegA);
  }
  return true;
}

}  // namespace tesselon
