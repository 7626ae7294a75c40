#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/FrontEnd.h"
#include "ui/toolkit/Toolkit.h"

namespace tesselon {

inline constexpr int ClientWidth = 800;
inline constexpr int ClientHeight = 340;
inline constexpr std::string_view WindowTitle = "Tesselon V.0.73 (Tesselon=Number of Ciphers) ";

enum class ControlKind { Frame, EntryField, ReadOnlyField, Label, Button };

// What a key needs before it acts: X, a typed Operand X that is a decimal
// number (anything else is answered with the message); Radians, radian mode
// (in degree mode the key does nothing and is shown unavailable).
namespace KeyNeeds {
inline constexpr unsigned None = 0;
inline constexpr unsigned X = 1;
inline constexpr unsigned Radians = 2;
}  // namespace KeyNeeds

// One control of the main window. `label` is the caption of a frame, the text
// of the label or the face of a key (UTF-8); `needs` says what a key needs
// before it acts (KeyNeeds); `name` is a short ASCII name: the
// accessible name in the window and the word that names a key in key sequences.
// `shortcut` lists the key combinations that press a key or put the focus into
// a field (Qt's portable key text, alternatives separated by "; "); `tip` says
// in words what the control does, for its tooltip and for screen readers.
struct ControlRow {
  int number;
  ControlKind kind;
  Rect where;
  const char* label;
  ButtonStyle style;
  unsigned needs;
  FrontEnd::KeyHandler press;
  const char* name;
  const char* shortcut;
  const char* tip;
};

// Every control of the window, in the order the window creates them.
std::span<const ControlRow> controlTable();

// The row of a control number, or nullptr.
const ControlRow* findControl(int number);

// The key called `name`, or nullptr.
const ControlRow* findKey(std::string_view name);

// The tooltip of a control: its tip followed by its shortcuts, "Ln: natural
// logarithm of X (Alt+N)"; empty for a control without a tip.
std::string toolTip(const ControlRow& row);

}  // namespace tesselon
