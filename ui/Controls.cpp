#include "ui/Controls.h"

#include <algorithm>
#include <iterator>

namespace tesselon {

namespace {

using K = ControlKind;
using S = ButtonStyle;
using F = FrontEnd;

// The digit keys 22 to 31 and the operation keys 34 to 37 are numbered in
// order: their handlers derive the digit and the operation from the number.
constexpr ControlRow Table[] = {
    // number, kind, x, y, w, h, label, style, handler, name
    {0, K::Frame, {10, 10, 350, 60}, "1.Operand (X)", S::Plain, nullptr, "Operand X frame"},
    {1, K::Frame, {440, 10, 350, 60}, "2.Operand (Y)", S::Plain, nullptr, "Operand Y frame"},
    {2, K::Frame, {50, 80, 700, 60}, "Result", S::Plain, nullptr, "Result frame"},
    {3, K::Frame, {370, 10, 60, 60}, "Operation", S::Plain, nullptr, "Operation frame"},
    {4, K::Frame, {10, 150, 780, 180}, "Input", S::Plain, nullptr, "Input frame"},
    {10, K::EntryField, {20, 30, 330, 25}, "", S::Plain, nullptr, "Operand X"},
    {11, K::EntryField, {450, 30, 330, 25}, "", S::Plain, nullptr, "Operand Y"},
    {12, K::ReadOnlyField, {60, 100, 680, 25}, "", S::Plain, nullptr, "Result"},
    {20, K::Button, {700, 290, 30, 30}, ",", S::Plain, &F::PressPoint, ","},
    {21, K::Button, {660, 290, 30, 30}, "+ / \u2014", S::Plain, &F::PressSign, "+/-"},
    {22, K::Button, {620, 290, 30, 30}, "0", S::Plain, &F::PressDigit, "0"},
    {23, K::Button, {620, 250, 30, 30}, "1", S::Plain, &F::PressDigit, "1"},
    {24, K::Button, {660, 250, 30, 30}, "2", S::Plain, &F::PressDigit, "2"},
    {25, K::Button, {700, 250, 30, 30}, "3", S::Plain, &F::PressDigit, "3"},
    {26, K::Button, {620, 210, 30, 30}, "4", S::Plain, &F::PressDigit, "4"},
    {27, K::Button, {660, 210, 30, 30}, "5", S::Plain, &F::PressDigit, "5"},
    {28, K::Button, {700, 210, 30, 30}, "6", S::Plain, &F::PressDigit, "6"},
    {29, K::Button, {620, 170, 30, 30}, "7", S::Plain, &F::PressDigit, "7"},
    {30, K::Button, {660, 170, 30, 30}, "8", S::Plain, &F::PressDigit, "8"},
    {31, K::Button, {700, 170, 30, 30}, "9", S::Plain, &F::PressDigit, "9"},
    {32, K::Button, {740, 185, 40, 40}, "=", S::Plain, &F::PressEquals, "="},
    {33, K::Button, {740, 265, 40, 40}, "Clear", S::Plain, &F::PressClear, "Clear"},
    {34, K::Button, {560, 170, 30, 30}, "+", S::Plain, &F::PressOperation, "+"},
    {35, K::Button, {560, 210, 30, 30}, "\u2014", S::Plain, &F::PressOperation, "-"},
    {36, K::Button, {560, 250, 30, 30}, "\u00d7", S::Plain, &F::PressOperation, "*"},
    {37, K::Button, {560, 290, 30, 30}, "/", S::Plain, &F::PressOperation, "/"},
    {38, K::Button, {494, 170, 36, 30}, "Sin", S::Plain, &F::PressSin, "Sin"},
    {39, K::Button, {494, 210, 36, 30}, "Cos", S::Plain, &F::PressCos, "Cos"},
    {40, K::Button, {494, 250, 36, 30}, "Tan", S::Plain, &F::PressTan, "Tan"},
    {41, K::Button, {494, 290, 36, 30}, "Cot", S::Plain, &F::PressCot, "Cot"},
    {42, K::Button, {443, 170, 36, 30}, "Arcus Sin", S::MultiLine, &F::PressArcSin, "ASin"},
    {43, K::Button, {443, 210, 36, 30}, "Arcus Cos", S::MultiLine, &F::PressArcCos, "ACos"},
    {44, K::Button, {443, 250, 36, 30}, "Arcus Tan", S::MultiLine, &F::PressArcTan, "ATan"},
    {45, K::Button, {443, 290, 36, 30}, "Arcus Cot", S::MultiLine, &F::PressArcCot, "ACot"},
    {46, K::Button, {392, 170, 36, 30}, "Sin hyp", S::MultiLine, &F::PressSinh, "Sinh"},
    {47, K::Button, {392, 210, 36, 30}, "Cos hyp", S::MultiLine, &F::PressCosh, "Cosh"},
    {48, K::Button, {392, 250, 36, 30}, "Tan hyp", S::MultiLine, &F::PressTanh, "Tanh"},
    {49, K::Button, {392, 290, 36, 30}, "Cot hyp", S::MultiLine, &F::PressCoth, "Coth"},
    {50, K::Button, {341, 170, 36, 30}, "Area Sinh", S::MultiLine, &F::PressAreaSinh, "ASinh"},
    {51, K::Button, {341, 210, 36, 30}, "Area Cosh", S::MultiLine, &F::PressAreaCosh, "ACosh"},
    {52, K::Button, {341, 250, 36, 30}, "Area Tanh", S::MultiLine, &F::PressAreaTanh, "ATanh"},
    {53, K::Button, {341, 290, 36, 30}, "Area Coth", S::MultiLine, &F::PressAreaCoth, "ACoth"},
    {54, K::Button, {290, 170, 36, 30}, "Log", S::Plain, &F::PressLog, "Log"},
    {55, K::Button, {290, 210, 36, 30}, "Ln", S::Plain, &F::PressLn, "Ln"},
    {56, K::Button, {290, 250, 36, 30}, "X !", S::Plain, &F::PressFactorial, "X!"},
    {57, K::Button, {290, 290, 36, 30}, "1 / X", S::Plain, &F::PressReciprocal, "1/X"},
    {58, K::Button, {239, 170, 36, 30}, "X ^2", S::Plain, &F::PressSquare, "X^2"},
    {59, K::Button, {239, 210, 36, 30}, "X ^3", S::Plain, &F::PressCube, "X^3"},
    {60, K::Button, {239, 250, 36, 30}, "X^1/2", S::Plain, &F::PressSquareRoot, "X^1/2"},
    {61, K::Button, {239, 290, 36, 30}, "X^1/3", S::Plain, &F::PressCubeRoot, "X^1/3"},
    {62, K::Button, {188, 170, 36, 30}, "X^ Y", S::Plain, &F::PressPowerKey, "X^Y"},
    {63, K::Button, {188, 210, 36, 30}, "e^ X", S::Plain, &F::PressExp, "e^X"},
    {64, K::Button, {188, 250, 36, 30}, "Res Hex", S::MultiLine, &F::PressResHex, "ResHex"},
    {65, K::Button, {188, 290, 36, 30}, "Res Bin", S::MultiLine, &F::PressResBin, "ResBin"},
    {66, K::Button, {120, 170, 36, 30}, "Deg", S::Toggle, &F::PressDeg, "Deg"},
    {67, K::Button, {120, 210, 36, 30}, "X<->Y", S::Plain, &F::PressExchange, "X<->Y"},
    {68, K::Button, {120, 250, 36, 30}, "R->X", S::Plain, &F::PressResultToX, "R->X"},
    {69, K::Button, {120, 290, 36, 30}, "R->Y", S::Plain, &F::PressResultToY, "R->Y"},
    {70, K::Button, {70, 170, 36, 30}, "MC", S::Plain, &F::PressMemoryClear, "MC"},
    {71, K::Button, {70, 210, 36, 30}, "MR", S::Plain, &F::PressMemoryRecall, "MR"},
    {72, K::Button, {70, 250, 36, 30}, "MS", S::Plain, &F::PressMemoryStore, "MS"},
    {73, K::Button, {70, 290, 36, 30}, "M+", S::Plain, &F::PressMemoryAdd, "M+"},
    {80, K::Button, {20, 170, 36, 30}, "Pi", S::Plain, &F::PressConstant, "Pi"},
    {81, K::Button, {20, 210, 36, 30}, "e", S::Plain, &F::PressConstant, "e"},
    {82, K::Button, {20, 250, 36, 30}, "2^1/2", S::Plain, &F::PressConstant, "2^1/2"},
    {83, K::Button, {20, 290, 36, 30}, "3^1/2", S::Plain, &F::PressConstant, "3^1/2"},
    {90, K::Label, {385, 35, 35, 20}, "", S::Plain, nullptr, "Operation"},
};

}  // namespace

std::span<const ControlRow> controlTable() {
  return Table;
}

const ControlRow* findControl(int number) {
  const auto row = std::ranges::find(Table, number, &ControlRow::number);
  return row == std::end(Table) ? nullptr : row;
}

const ControlRow* findKey(std::string_view name) {
  const auto row = std::ranges::find_if(Table, [name](const ControlRow& r) {
    return r.kind == ControlKind::Button && r.name == name;
  });
  return row == std::end(Table) ? nullptr : row;
}

}  // namespace tesselon
