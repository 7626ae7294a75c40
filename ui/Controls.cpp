#include "ui/Controls.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace tesselon {

namespace {

using K = ControlKind;
using S = ButtonStyle;
using F = FrontEnd;
namespace N = KeyNeeds;

// The digit keys 22 to 31 and the operation keys 34 to 37 are numbered in
// order: their handlers derive the digit and the operation from the number.
//
// Shortcuts leave to the operand fields every key that typing and editing
// there need: plain and shifted keys, and Ctrl with A, C, V, X, Y, Z, E, K, U
// and the arrows. Ctrl with the character of a digit, point or operation key
// presses that key; Alt with a letter runs a function, Shift added makes it
// the inverse and a leading Alt+H the hyperbolic one; Ctrl+Shift moves texts
// (constants, result, exchange); the memory keys have the Ctrl+L, R, M, P of
// other desktop calculators.
// clang-format off
constexpr ControlRow Table[] = {
    // number, kind, x, y, w, h, label, style, needs, handler, name,
    // shortcut, tip
    {0, K::Frame, {10, 10, 350, 60}, "1.Operand (X)", S::Plain, N::None, nullptr, "Operand X frame",
     "", ""},
    {1, K::Frame, {440, 10, 350, 60}, "2.Operand (Y)", S::Plain, N::None, nullptr, "Operand Y frame",
     "", ""},
    {2, K::Frame, {50, 80, 700, 60}, "Result", S::Plain, N::None, nullptr, "Result frame",
     "", ""},
    {3, K::Frame, {370, 10, 60, 60}, "Operation", S::Plain, N::None, nullptr, "Operation frame",
     "", ""},
    {4, K::Frame, {10, 150, 780, 180}, "Input", S::Plain, N::None, nullptr, "Input frame",
     "", ""},
    {10, K::EntryField, {20, 30, 330, 25}, "", S::Plain, N::None, nullptr, "Operand X",
     "", "Operand X: the first operand, and the number every function key works on"},
    {11, K::EntryField, {450, 30, 330, 25}, "", S::Plain, N::None, nullptr, "Operand Y",
     "", "Operand Y: the second operand of + \u2014 \u00d7 / and X^ Y"},
    {12, K::ReadOnlyField, {60, 100, 680, 25}, "", S::Plain, N::None, nullptr, "Result",
     "Ctrl+Shift+R",
     "Result: the last answer with every digit, to select and copy; each digit is checked "
     "true. A double-click or Ctrl+Shift+V shows it whole"},
    {20, K::Button, {700, 290, 30, 30}, ",", S::Plain, N::None, &F::PressPoint, ",",
     "Ctrl+,", "Point: appends the decimal point to the active operand, once until Clear"},
    {21, K::Button, {660, 290, 30, 30}, "+ / \u2014", S::Plain, N::None, &F::PressSign, "+/-",
     "F9", "+ / \u2014: puts a minus in front of the active operand or takes it away"},
    {22, K::Button, {620, 290, 30, 30}, "0", S::Plain, N::None, &F::PressDigit, "0",
     "Ctrl+0", "0: appends the digit 0 to the end of the active operand"},
    {23, K::Button, {620, 250, 30, 30}, "1", S::Plain, N::None, &F::PressDigit, "1",
     "Ctrl+1", "1: appends the digit 1 to the end of the active operand"},
    {24, K::Button, {660, 250, 30, 30}, "2", S::Plain, N::None, &F::PressDigit, "2",
     "Ctrl+2", "2: appends the digit 2 to the end of the active operand"},
    {25, K::Button, {700, 250, 30, 30}, "3", S::Plain, N::None, &F::PressDigit, "3",
     "Ctrl+3", "3: appends the digit 3 to the end of the active operand"},
    {26, K::Button, {620, 210, 30, 30}, "4", S::Plain, N::None, &F::PressDigit, "4",
     "Ctrl+4", "4: appends the digit 4 to the end of the active operand"},
    {27, K::Button, {660, 210, 30, 30}, "5", S::Plain, N::None, &F::PressDigit, "5",
     "Ctrl+5", "5: appends the digit 5 to the end of the active operand"},
    {28, K::Button, {700, 210, 30, 30}, "6", S::Plain, N::None, &F::PressDigit, "6",
     "Ctrl+6", "6: appends the digit 6 to the end of the active operand"},
    {29, K::Button, {620, 170, 30, 30}, "7", S::Plain, N::None, &F::PressDigit, "7",
     "Ctrl+7", "7: appends the digit 7 to the end of the active operand"},
    {30, K::Button, {660, 170, 30, 30}, "8", S::Plain, N::None, &F::PressDigit, "8",
     "Ctrl+8", "8: appends the digit 8 to the end of the active operand"},
    {31, K::Button, {700, 170, 30, 30}, "9", S::Plain, N::None, &F::PressDigit, "9",
     "Ctrl+9", "9: appends the digit 9 to the end of the active operand"},
    {32, K::Button, {740, 185, 40, 40}, "=", S::Plain, N::None, &F::PressEquals, "=",
     "Return; Enter", "=: computes the pending operation of X and Y"},
    {33, K::Button, {740, 265, 40, 40}, "Clear", S::Plain, N::None, &F::PressClear, "Clear",
     "Esc", "Clear: empties both operands, the result and the operation; the memory stays"},
    {34, K::Button, {560, 170, 30, 30}, "+", S::Plain, N::None, &F::PressOperation, "+",
     "Ctrl++", "+: X plus Y; enter Y next, then press ="},
    {35, K::Button, {560, 210, 30, 30}, "\u2014", S::Plain, N::None, &F::PressOperation, "-",
     "Ctrl+-", "\u2014: X minus Y; enter Y next, then press ="},
    {36, K::Button, {560, 250, 30, 30}, "\u00d7", S::Plain, N::None, &F::PressOperation, "*",
     "Ctrl+*", "\u00d7: X times Y; enter Y next, then press ="},
    {37, K::Button, {560, 290, 30, 30}, "/", S::Plain, N::None, &F::PressOperation, "/",
     "Ctrl+/", "/: X divided by Y, to 100 characters; enter Y next, then press ="},
    {38, K::Button, {494, 170, 36, 30}, "Sin", S::Plain, N::X, &F::PressSin, "Sin",
     "Alt+S", "Sin: sine of X, in radians or, with Deg pressed, in degrees"},
    {39, K::Button, {494, 210, 36, 30}, "Cos", S::Plain, N::X, &F::PressCos, "Cos",
     "Alt+C", "Cos: cosine of X, in radians or, with Deg pressed, in degrees"},
    {40, K::Button, {494, 250, 36, 30}, "Tan", S::Plain, N::X, &F::PressTan, "Tan",
     "Alt+T", "Tan: tangent of X, in radians or, with Deg pressed, in degrees"},
    {41, K::Button, {494, 290, 36, 30}, "Cot", S::Plain, N::X, &F::PressCot, "Cot",
     "Alt+O", "Cot: cotangent of X, in radians or, with Deg pressed, in degrees"},
    {42, K::Button, {443, 170, 36, 30}, "Arcus Sin", S::MultiLine, N::X | N::Radians, &F::PressArcSin, "ASin",
     "Alt+Shift+S", "Arcus Sin: inverse sine, result in radians; off while Deg is pressed"},
    {43, K::Button, {443, 210, 36, 30}, "Arcus Cos", S::MultiLine, N::X | N::Radians, &F::PressArcCos, "ACos",
     "Alt+Shift+C", "Arcus Cos: inverse cosine, result in radians; off while Deg is pressed"},
    {44, K::Button, {443, 250, 36, 30}, "Arcus Tan", S::MultiLine, N::X | N::Radians, &F::PressArcTan, "ATan",
     "Alt+Shift+T", "Arcus Tan: inverse tangent, result in radians; off while Deg is pressed"},
    {45, K::Button, {443, 290, 36, 30}, "Arcus Cot", S::MultiLine, N::X | N::Radians, &F::PressArcCot, "ACot",
     "Alt+Shift+O", "Arcus Cot: inverse cotangent, result in radians; off while Deg is pressed"},
    {46, K::Button, {392, 170, 36, 30}, "Sin hyp", S::MultiLine, N::X | N::Radians, &F::PressSinh, "Sinh",
     "Alt+H, Alt+S", "Sin hyp: hyperbolic sine of X; off while Deg is pressed"},
    {47, K::Button, {392, 210, 36, 30}, "Cos hyp", S::MultiLine, N::X | N::Radians, &F::PressCosh, "Cosh",
     "Alt+H, Alt+C", "Cos hyp: hyperbolic cosine of X; off while Deg is pressed"},
    {48, K::Button, {392, 250, 36, 30}, "Tan hyp", S::MultiLine, N::X | N::Radians, &F::PressTanh, "Tanh",
     "Alt+H, Alt+T", "Tan hyp: hyperbolic tangent of X; off while Deg is pressed"},
    {49, K::Button, {392, 290, 36, 30}, "Cot hyp", S::MultiLine, N::X | N::Radians, &F::PressCoth, "Coth",
     "Alt+H, Alt+O", "Cot hyp: hyperbolic cotangent of X; off while Deg is pressed"},
    {50, K::Button, {341, 170, 36, 30}, "Area Sinh", S::MultiLine, N::X | N::Radians, &F::PressAreaSinh, "ASinh",
     "Alt+H, Alt+Shift+S", "Area Sinh: inverse hyperbolic sine of X; off while Deg is pressed"},
    {51, K::Button, {341, 210, 36, 30}, "Area Cosh", S::MultiLine, N::X | N::Radians, &F::PressAreaCosh, "ACosh",
     "Alt+H, Alt+Shift+C", "Area Cosh: inverse hyperbolic cosine of X; off while Deg is pressed"},
    {52, K::Button, {341, 250, 36, 30}, "Area Tanh", S::MultiLine, N::X | N::Radians, &F::PressAreaTanh, "ATanh",
     "Alt+H, Alt+Shift+T", "Area Tanh: inverse hyperbolic tangent of X; off while Deg is pressed"},
    {53, K::Button, {341, 290, 36, 30}, "Area Coth", S::MultiLine, N::X | N::Radians, &F::PressAreaCoth, "ACoth",
     "Alt+H, Alt+Shift+O",
     "Area Coth: inverse hyperbolic cotangent of X; off while Deg is pressed"},
    {54, K::Button, {290, 170, 36, 30}, "Log", S::Plain, N::X, &F::PressLog, "Log",
     "Alt+L", "Log: logarithm to base 10 of X"},
    {55, K::Button, {290, 210, 36, 30}, "Ln", S::Plain, N::X, &F::PressLn, "Ln",
     "Alt+N", "Ln: natural logarithm of X"},
    {56, K::Button, {290, 250, 36, 30}, "X !", S::Plain, N::X, &F::PressFactorial, "X!",
     "Alt+!", "X !: factorial of the whole part of X, exact"},
    {57, K::Button, {290, 290, 36, 30}, "1 / X", S::Plain, N::X, &F::PressReciprocal, "1/X",
     "Alt+R", "1 / X: reciprocal of X, to 125 characters"},
    {58, K::Button, {239, 170, 36, 30}, "X ^2", S::Plain, N::X, &F::PressSquare, "X^2",
     "Alt+2", "X ^2: square of X, exact"},
    {59, K::Button, {239, 210, 36, 30}, "X ^3", S::Plain, N::X, &F::PressCube, "X^3",
     "Alt+3", "X ^3: cube of X, exact"},
    {60, K::Button, {239, 250, 36, 30}, "X^1/2", S::Plain, N::X, &F::PressSquareRoot, "X^1/2",
     "Alt+Shift+2", "X^1/2: square root of X; the sign of X is ignored"},
    {61, K::Button, {239, 290, 36, 30}, "X^1/3", S::Plain, N::X, &F::PressCubeRoot, "X^1/3",
     "Alt+Shift+3", "X^1/3: cube root of X"},
    {62, K::Button, {188, 170, 36, 30}, "X^ Y", S::Plain, N::None, &F::PressPowerKey, "X^Y",
     "Alt+Y", "X^ Y: X to the power Y; enter Y next, then press ="},
    {63, K::Button, {188, 210, 36, 30}, "e^ X", S::Plain, N::X, &F::PressExp, "e^X",
     "Alt+E", "e^ X: e to the power X"},
    {64, K::Button, {188, 250, 36, 30}, "Res Hex", S::MultiLine, N::None, &F::PressResHex, "ResHex",
     "Alt+X", "Res Hex: the last result in hexadecimal"},
    {65, K::Button, {188, 290, 36, 30}, "Res Bin", S::MultiLine, N::None, &F::PressResBin, "ResBin",
     "Alt+B", "Res Bin: the last result in binary"},
    {66, K::Button, {120, 170, 36, 30}, "Deg", S::Toggle, N::None, &F::PressDeg, "Deg",
     "Alt+D", "Deg: while pressed, Sin, Cos, Tan and Cot take X in degrees"},
    {67, K::Button, {120, 210, 36, 30}, "X<->Y", S::Plain, N::None, &F::PressExchange, "X<->Y",
     "Ctrl+Shift+S", "X<->Y: exchanges Operand X and Operand Y"},
    {68, K::Button, {120, 250, 36, 30}, "R->X", S::Plain, N::None, &F::PressResultToX, "R->X",
     "Ctrl+Shift+X", "R->X: copies the result into Operand X"},
    {69, K::Button, {120, 290, 36, 30}, "R->Y", S::Plain, N::None, &F::PressResultToY, "R->Y",
     "Ctrl+Shift+Y", "R->Y: copies the result into Operand Y"},
    {70, K::Button, {70, 170, 36, 30}, "MC", S::Plain, N::None, &F::PressMemoryClear, "MC",
     "Ctrl+L", "MC: clears the memory"},
    {71, K::Button, {70, 210, 36, 30}, "MR", S::Plain, N::None, &F::PressMemoryRecall, "MR",
     "Ctrl+R", "MR: puts the memory into the active operand"},
    {72, K::Button, {70, 250, 36, 30}, "MS", S::Plain, N::None, &F::PressMemoryStore, "MS",
     "Ctrl+M", "MS: stores the result in the memory"},
    {73, K::Button, {70, 290, 36, 30}, "M+", S::Plain, N::None, &F::PressMemoryAdd, "M+",
     "Ctrl+P", "M+: adds the result to the memory"},
    {80, K::Button, {20, 170, 36, 30}, "Pi", S::Plain, N::None, &F::PressConstant, "Pi",
     "Ctrl+Shift+P", "Pi: puts pi with 100 decimals into the active operand"},
    {81, K::Button, {20, 210, 36, 30}, "e", S::Plain, N::None, &F::PressConstant, "e",
     "Ctrl+Shift+N",
     "e: puts e, the base of the natural logarithm, with 100 decimals into the active operand"},
    {82, K::Button, {20, 250, 36, 30}, "2^1/2", S::Plain, N::None, &F::PressConstant, "2^1/2",
     "Ctrl+Shift+2", "2^1/2: puts the square root of 2 with 100 decimals into the active operand"},
    {83, K::Button, {20, 290, 36, 30}, "3^1/2", S::Plain, N::None, &F::PressConstant, "3^1/2",
     "Ctrl+Shift+3", "3^1/2: puts the square root of 3 with 100 decimals into the active operand"},
    {90, K::Label, {385, 35, 35, 20}, "", S::Plain, N::None, nullptr, "Operation",
     "", "Operation: the pending operation, or the function last run"},
};
// clang-format on

// The row of every control number, for lookups in constant time: a key's
// row is looked up at every event.
constexpr int HighestNumber = std::ranges::max(Table, {}, &ControlRow::number).number;
constexpr auto RowOfNumber = [] {
  std::array<int16_t, HighestNumber + 1> rows{};
  rows.fill(-1);
  for (size_t i = 0; i < std::size(Table); ++i) rows[Table[i].number] = static_cast<int16_t>(i);
  return rows;
}();

// The keys by name, grouped by the length of the name: a driver names a key
// in every step, and a search compares names of the searched length only.
struct KeyName {
  std::string_view name;
  const ControlRow* row;
};
constexpr size_t KeyCount = std::ranges::count(Table, ControlKind::Button, &ControlRow::kind);
constexpr auto KeysByLength = [] {
  std::array<KeyName, KeyCount> keys{};
  size_t next = 0;
  for (const ControlRow& row : Table) {
    if (row.kind == ControlKind::Button) keys[next++] = {row.name, &row};
  }
  std::ranges::sort(keys, {}, [](const KeyName& key) { return key.name.size(); });
  return keys;
}();
constexpr size_t LongestKeyName = KeysByLength.back().name.size();
// The names of length n are KeysByLength[FirstOfLength[n]] up to
// FirstOfLength[n + 1].
constexpr auto FirstOfLength = [] {
  std::array<size_t, LongestKeyName + 2> first{};
  for (size_t n = 0; n < first.size(); ++n) {
    first[n] = std::ranges::count_if(KeysByLength,
                                     [n](const KeyName& key) { return key.name.size() < n; });
  }
  return first;
}();
static_assert(
    [] {
      for (size_t i = 0; i < KeyCount; ++i) {
        for (size_t j = i + 1; j < KeyCount; ++j) {
          if (KeysByLength[i].name == KeysByLength[j].name) return false;
        }
      }
      return true;
    }(),
    "two keys share a name");

}  // namespace

std::span<const ControlRow> controlTable() {
  return Table;
}

const ControlRow* findControl(int number) {
  if (number < 0 || number > HighestNumber || RowOfNumber[number] < 0) return nullptr;
  return &Table[RowOfNumber[number]];
}

const ControlRow* findKey(std::string_view name) {
  if (name.empty() || name.size() > LongestKeyName) return nullptr;
  for (size_t i = FirstOfLength[name.size()]; i < FirstOfLength[name.size() + 1]; ++i) {
    const KeyName& key = KeysByLength[i];
    if (key.name.front() == name.front() && key.name == name) return key.row;
  }
  return nullptr;
}

std::string toolTip(const ControlRow& row) {
  std::string tip = row.tip;
  std::string_view keys = row.shortcut;
  if (tip.empty() || keys.empty()) return tip;
  constexpr std::string_view Alternatives = "; ";
  tip += " (";
  for (size_t next; (next = keys.find(Alternatives)) != std::string_view::npos;) {
    tip.append(keys.substr(0, next)).append(" or ");
    keys.remove_prefix(next + Alternatives.size());
  }
  return tip.append(keys).append(")");
}

}  // namespace tesselon
