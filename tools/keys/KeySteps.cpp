#include "tools/keys/KeySteps.h"

#include <charconv>
#include <cstdio>
#include <sstream>
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

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
size_t Utf8Length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  unsigned char low = 0x80;  // the range of the second byte
  unsigned char high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// A JSON string, written in pieces so that a long text needs no second copy.
void writeQuoted(std::ostream& out, std::string_view text) {
  constexpr size_t Piece = 1 << 16;
  std::string buffer = "\"";
  buffer.reserve(Piece + 16);
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    const size_t length = Utf8Length(text.substr(i));
    if (length == 0) {
      buffer += "\\ufffd";
      ++i;
      continue;
    }
    switch (c) {
      case '"':
        buffer += "\\\"";
        break;
      case '\\':
        buffer += "\\\\";
        break;
      case '\n':
        buffer += "\\n";
        break;
      case '\t':
        buffer += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          buffer += escaped;
        } else {
          buffer.append(text.substr(i, length));
        }
    }
    i += length;
    if (buffer.size() >= Piece) {
      out << buffer;
      buffer.clear();
    }
  }
  out << buffer << '"';
}

struct TextsShown {
  std::string_view x, y, result, label;
  int active;
  int deg;
  std::string_view memory;
};

void writeJson(std::ostream& out, const TextsShown& shown) {
  out << "{\"X\": ";
  writeQuoted(out, shown.x);
  out << ", \"Y\": ";
  writeQuoted(out, shown.y);
  out << ", \"Result\": ";
  writeQuoted(out, shown.result);
  out << ", \"Label\": ";
  writeQuoted(out, shown.label);
  out << ", \"Active\": " << shown.active << ", \"Deg\": " << shown.deg << ", \"Memory\": ";
  writeQuoted(out, shown.memory);
  out << '}';
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
  std::ostringstream out;
  writeJson(out,
            {state.x, state.y, state.result, state.label, state.active, state.deg, state.memory});
  return out.str();
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

void KeySession::writeState(std::ostream& out) const {
  writeJson(out, {tk_.textOf(control::OperandX), tk_.textOf(control::OperandY),
                  tk_.textOf(control::ResultField), tk_.textOf(control::OperationLabel),
                  frontEnd_.activeOperand(), engine_.DegMode, engine_.Memory});
  out << '\n';
}

}  // namespace tesselon
