#include "tools/keys/KeySteps.h"

#include <charconv>
#include <cstdio>
#include <utility>

#include "ui/Controls.h"

namespace tesselon {

namespace {

std::optional<int> keyNumber(std::string_view word) {
  if (word.starts_with('#')) {
    int number = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data() + 1, end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    const ControlRow* row = findControl(number);
    if (row == nullptr || row->kind != ControlKind::Button) return std::nullopt;
    return number;
  }
  const ControlRow* row = findKey(word);
  if (row == nullptr) return std::nullopt;
  return row->number;
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

}  // namespace

std::optional<KeyStep> parseStep(std::string_view word) {
  using Kind = KeyStep::Kind;
  if (word == "show") return KeyStep{.kind = Kind::Show};
  if (word == "focus:X") return KeyStep{.kind = Kind::Click, .control = control::OperandX};
  if (word == "focus:Y") return KeyStep{.kind = Kind::Click, .control = control::OperandY};
  if (word.starts_with("X=") || word.starts_with("Y=")) {
    return KeyStep{.kind = Kind::Type,
                   .control = word[0] == 'X' ? control::OperandX : control::OperandY,
                   .text = std::string(word.substr(2))};
  }
  if (const std::optional<int> number = keyNumber(word)) {
    return KeyStep{.kind = Kind::Press, .control = *number};
  }
  return std::nullopt;
}

std::string toJson(const CalculatorState& state) {
  return "{\"X\": " + quoted(state.x) + ", \"Y\": " + quoted(state.y) +
         ", \"Result\": " + quoted(state.result) + ", \"Label\": " + quoted(state.label) +
         ", \"Active\": " + std::to_string(state.active) +
         ", \"Deg\": " + std::to_string(state.deg) + ", \"Memory\": " + quoted(state.memory) + "}";
}

KeySession::KeySession() : KeySession(std::make_unique<HeadlessToolkit>()) {}

KeySession::KeySession(std::unique_ptr<HeadlessToolkit> toolkit) : toolkit_(std::move(toolkit)) {
  frontEnd_.start();
  settle();
}

void KeySession::perform(const KeyStep& step) {
  switch (step.kind) {
    case KeyStep::Kind::Type:
      tk_.clickInto(step.control);
      settle();
      tk_.typeInto(step.control, step.text);
      break;
    case KeyStep::Kind::Click:
      tk_.clickInto(step.control);
      break;
    case KeyStep::Kind::Press:
      tk_.press(step.control);
      break;
    case KeyStep::Kind::Show:
      break;
  }
  settle();
}

void KeySession::settle() {
  while (tk_.pending()) frontEnd_.handle(tk_.waitEvent());
}

CalculatorState KeySession::state() const {
  return {tk_.text(control::OperandX),
          tk_.text(control::OperandY),
          tk_.text(control::ResultField),
          tk_.text(control::OperationLabel),
          frontEnd_.activeOperand(),
          engine_.DegMode,
          engine_.Memory};
}

}  // namespace tesselon
