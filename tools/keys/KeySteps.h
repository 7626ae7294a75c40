#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "functions/MathEngine.h"
#include "ui/FrontEnd.h"
#include "ui/toolkit/HeadlessToolkit.h"

namespace tesselon {

// One step of a key sequence, as the user would do it:
//   X=TEXT, Y=TEXT   click into the operand field and edit it to TEXT;
//   focus:X, focus:Y click into the field;
//   a key's name ("7", "+/-", "Sin", "M+" ...) or #NN: press the key;
//   show             report the state.
struct KeyStep {
  enum class Kind { Type, Click, Press, Show };
  Kind kind = Kind::Show;
  int control = NoControl;
  std::string text{};
};

// The step a word stands for, or nothing when the word is unknown.
std::optional<KeyStep> parseStep(std::string_view word);

// What the user sees, and the two registers behind the Deg key and memory.
struct CalculatorState {
  std::string x{};
  std::string y{};
  std::string result{};
  std::string label{};
  int active = 0;
  int deg = 0;
  std::string memory{};
  friend bool operator==(const CalculatorState&, const CalculatorState&) = default;
};

// One line of JSON with the keys X, Y, Result, Label, Active, Deg, Memory.
// The texts are written as UTF-8; a byte that does not belong to a valid
// UTF-8 sequence is written as U+FFFD, so the line is always valid JSON.
std::string toJson(const CalculatorState& state);

// A freshly started calculator on the headless toolkit. Every step is
// followed by all the events it causes.
class KeySession {
 public:
  KeySession();
  // On a toolkit of the caller's, such as one that cancels keys that run
  // too long.
  explicit KeySession(std::unique_ptr<HeadlessToolkit> toolkit);
  void perform(const KeyStep& step);
  CalculatorState state() const;
  // The line toJson(state()) gives, with its newline, written from the
  // fields themselves: a result of millions of digits is not copied on the
  // way out.
  void writeState(std::ostream& out) const;
  // Whether the last key pressed was cancelled (its registers put back).
  bool lastKeyCancelled() const { return frontEnd_.lastKeyCancelled(); }

  HeadlessToolkit& toolkit() { return tk_; }
  MathEngine& engine() { return engine_; }

 private:
  void settle();

  std::unique_ptr<HeadlessToolkit> toolkit_;
  HeadlessToolkit& tk_ = *toolkit_;
  MathEngine engine_;
  FrontEnd frontEnd_{tk_, engine_};
};

}  // namespace tesselon
