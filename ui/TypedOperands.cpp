// The fields accept whatever the user types; the keys that compute take only
// decimal numbers from them and answer anything else with the message.
#include "ui/TypedOperands.h"

#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/FrontEnd.h"

namespace tesselon {

namespace {

constexpr int EqualsKey = 32;
constexpr int MemoryAddKey = 73;

// The operations "=" computes; with any other pending code it shows nothing.
bool Evaluates(int32_t opCode) {
  return (opCode >= opcode::Add && opCode <= opcode::Divide) || opCode == opcode::Power;
}

// Whether AsDecimalNumber takes the text: a sign, then digits and at most one
// point or comma, not nothing. Counted without a branch per character, so
// that the check of a long operand runs many characters at a time.
bool IsNumber(std::string_view text) {
  if (text.size() > MostOperandLength) return false;
  if (text.starts_with('-')) text.remove_prefix(1);
  // 32 bits count any text of MostOperandLength characters.
  uint32_t points = 0;
  uint32_t others = 0;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    const uint32_t point = static_cast<uint32_t>(u == '.') | static_cast<uint32_t>(u == ',');
    const uint32_t digit = static_cast<unsigned char>(u - '0') < 10;
    points += point;
    others += 1 - (point | digit);
  }
  return !text.empty() && points <= 1 && others == 0;
}

// A number text as the engine takes it: the point written ".", a "0" before
// a leading one. The text holds at most one point or comma.
void WriteAsTheEngineTakes(std::string& number) {
  if (const size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  const size_t digitsFrom = number.starts_with('-') ? 1 : 0;
  if (number[digitsFrom] == '.') number.insert(digitsFrom, 1, '0');
}

// Replaces an operand by the engine's form of it, in its own room; false
// when it is no number.
bool MadeNumber(std::string& text) {
  if (!IsNumber(text)) return false;
  WriteAsTheEngineTakes(text);
  return true;
}

}  // namespace

std::optional<std::string> AsDecimalNumber(std::string_view text) {
  if (!IsNumber(text)) return std::nullopt;
  std::string number(text);
  WriteAsTheEngineTakes(number);
  return number;
}

// Only the texts of a key that will act are checked: a key stopped by its
// own guard (an empty operand, a lone "-", degree mode, "=" with Operand X
// active) still does nothing.
bool FrontEnd::operandsAreNumbers(const ControlRow& key) {
  if (key.number == EqualsKey) {
    if (ActiveOperand != 2 || !Evaluates(e.OpCode)) return true;
    if (!HoldsMoreThanASign(e.RegA) || !HoldsMoreThanASign(e.RegB)) return true;
    return MadeNumber(e.RegA) && MadeNumber(e.RegB);
  }
  if (key.number == MemoryAddKey) {
    if (e.Memory.empty() || e.RegC.empty()) return true;
    return IsNumber(e.Memory) && IsNumber(e.RegC);
  }
  if ((key.needs & KeyNeeds::X) != 0) {
    if (!HoldsMoreThanASign(e.RegA)) return true;
    if ((key.needs & KeyNeeds::Radians) != 0 && e.DegMode != 0) return true;
    return MadeNumber(e.RegA);
  }
  return true;
}

}  // namespace tesselon
