// Key sequences for the memory, register and constant keys, Deg, Res Hex and
// Res Bin: the field texts, the active operand, the angle unit and the memory
// afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

struct MemoryKeySequence {
  const char* name;
  std::vector<std::string> steps;
  CalculatorState expect;  // X, Y, Result, Label, Active, Deg, Memory
};

void PrintTo(const MemoryKeySequence& sequence, std::ostream* out) {
  *out << sequence.name;
}

std::string nameOf(const testing::TestParamInfo<MemoryKeySequence>& row) {
  return row.param.name;
}

class MemoryKeysTest : public testing::TestWithParam<MemoryKeySequence> {};

TEST_P(MemoryKeysTest, ShowsTheExpectedTexts) {
  KeySession session;
  for (const std::string& word : GetParam().steps) {
    const std::optional<KeyStep> step = parseStep(word);
    ASSERT_TRUE(step.has_value()) << word;
    session.perform(*step);
  }
  EXPECT_EQ(toJson(session.state()), toJson(GetParam().expect));
}

const std::string Error(ErrorText);
const std::string Pi =
    "3.1415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253"
    "421170679";
const std::string Sqrt3 =
    "1.7320508075688772935274463415058723669428052538103806280558069794519330169088000370811461867"
    "572485756";

INSTANTIATE_TEST_SUITE_P(
    ResHexAndResBin, MemoryKeysTest,
    testing::Values(
        MemoryKeySequence{
            "HexOf255", {"X=200", "+", "Y=55", "=", "ResHex"}, {"200", "55", "$FF", "Add", 1}},
        MemoryKeySequence{"BinOf255",
                          {"X=200", "+", "Y=55", "=", "ResBin"},
                          {"200", "55", "%11111111", "Add", 1}},
        MemoryKeySequence{
            "HexOf256", {"X=16", "*", "Y=16", "=", "ResHex"}, {"16", "16", "$100", "Mul", 1}},
        MemoryKeySequence{"BinOf256",
                          {"X=16", "*", "Y=16", "=", "ResBin"},
                          {"16", "16", "%000100000000", "Mul", 1}},
        MemoryKeySequence{
            "HexOfZero", {"X=3", "-", "Y=3", "=", "ResHex"}, {"3", "3", "$0", "Sub", 1}},
        MemoryKeySequence{
            "BinOfZero", {"X=3", "-", "Y=3", "=", "ResBin"}, {"3", "3", "%0000", "Sub", 1}},
        MemoryKeySequence{"HexOfAHalf",
                          {"X=0.25", "+", "Y=0.25", "=", "ResHex"},
                          {"0.25", "0.25", "$0.8" + std::string(99, '0'), "Add", 1}},
        MemoryKeySequence{"BinOfAHalf",
                          {"X=0.25", "+", "Y=0.25", "=", "ResBin"},
                          {"0.25", "0.25", "%0000.1" + std::string(799, '0'), "Add", 1}},
        MemoryKeySequence{"HexOfATenthIsCutNotRounded",
                          {"X=1", "/", "Y=10", "=", "ResHex"},
                          {"1", "10", "$0.1" + std::string(99, '9'), "Div", 1}},
        // Both keys start from the decimal result, not from the text shown.
        MemoryKeySequence{"BinAfterHex",
                          {"X=200", "+", "Y=55", "=", "ResHex", "ResBin"},
                          {"200", "55", "%11111111", "Add", 1}},
        MemoryKeySequence{"NegativeResultNotConverted",
                          {"X=3", "-", "Y=5", "=", "ResHex"},
                          {"3", "5", "-2", "Sub", 1}},
        MemoryKeySequence{"NoResultNotConverted", {"ResBin"}, {"", "", "", "", 1}},
        MemoryKeySequence{
            "MessageNotConverted", {"X=7", "/", "Y=0", "=", "ResHex"}, {"7", "0", Error, "Div", 1}},
        MemoryKeySequence{"MessageNotConvertedAfterClear",
                          {"X=7", "/", "Y=0", "=", "Clear", "ResBin"},
                          {"", "", "", "", 1}},
        MemoryKeySequence{"ResultToXAfterHexTakesTheDecimal",
                          {"X=200", "+", "Y=55", "=", "ResHex", "R->X"},
                          {"255", "55", "$FF", "Add", 1}},
        MemoryKeySequence{"MemoryStoreAfterBinTakesTheDecimal",
                          {"X=200", "+", "Y=55", "=", "ResBin", "MS"},
                          {"200", "55", "%11111111", "Add", 1, 0, "255"}},
        MemoryKeySequence{"MemoryAddAfterHexTakesTheDecimal",
                          {"X=200", "+", "Y=55", "=", "MS", "ResHex", "M+"},
                          {"200", "55", "$FF", "Add", 1, 0, "510"}},
        // The next digit key works on the operand, not on the converted text.
        MemoryKeySequence{"DigitAfterHex",
                          {"X=200", "+", "Y=55", "=", "ResHex", "7"},
                          {"2007", "55", "$FF", "Add", 1}}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    Memory, MemoryKeysTest,
    testing::Values(
        MemoryKeySequence{"StoreThenRecallIntoY",
                          {"X=5", "*", "Y=6", "=", "MS", "focus:Y", "MR"},
                          {"5", "30", "30", "Mul", 2, 0, "30"}},
        MemoryKeySequence{"RecallIntoX",
                          {"X=5", "*", "Y=6", "=", "MS", "X=1", "MR"},
                          {"30", "6", "30", "Mul", 1, 0, "30"}},
        MemoryKeySequence{
            "RecallEmptyMemoryEmptiesTheField", {"X=5", "MR"}, {"", "", "", "", 1, 0, ""}},
        MemoryKeySequence{"ClearKeepsTheMemory",
                          {"X=5", "*", "Y=6", "=", "MS", "Clear", "MR"},
                          {"30", "", "", "", 1, 0, "30"}},
        MemoryKeySequence{
            "MemoryClear", {"X=5", "*", "Y=6", "=", "MS", "MC"}, {"5", "6", "30", "Mul", 1, 0, ""}},
        // The guard leaves Operand Y active; the label is not M+'s to change.
        MemoryKeySequence{"AddToEmptyMemoryDoesNothing",
                          {"X=5", "*", "Y=3", "=", "M+"},
                          {"5", "3", "15", "Mul", 2, 0, ""}},
        MemoryKeySequence{"EqualsShowsAfterAddToEmptyMemory",
                          {"X=1", "+", "Y=1", "=", "M+", "X=5", "+", "Y=3", "="},
                          {"5", "3", "8", "Add", 1, 0, ""}},
        MemoryKeySequence{"AddTwiceDoublesThenDoublesAgain",
                          {"X=5", "+", "Y=3", "=", "MS", "M+", "M+"},
                          {"5", "3", "8", "Add", 1, 0, "32"}},
        MemoryKeySequence{"AddOfOppositeSigns",
                          {"X=8", "*", "Y=1", "=", "MS", "X=-3", "-", "Y=7.5", "=", "M+"},
                          {"-3", "7.5", "-10.5", "Sub", 1, 0, "-2.5"}},
        MemoryKeySequence{"AddKeepsTrailingFractionZeros",
                          {"X=0.25", "+", "Y=0.25", "=", "MS", "M+"},
                          {"0.25", "0.25", "0.5", "Add", 1, 0, "1.0"}},
        // After M+ the registers hold the field texts again.
        MemoryKeySequence{"DigitAfterAdd",
                          {"X=2", "+", "Y=3", "=", "MS", "M+", "7"},
                          {"27", "3", "5", "Add", 1, 0, "10"}},
        MemoryKeySequence{"ResultToXAfterAddTakesTheSum",
                          {"X=2", "+", "Y=3", "=", "MS", "M+", "R->X"},
                          {"10", "3", "5", "Add", 1, 0, "10"}}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    RegistersAndConstants, MemoryKeysTest,
    testing::Values(
        MemoryKeySequence{"ExchangeWithEmptyY", {"X=12", "X<->Y"}, {"", "12", "", "", 1}},
        MemoryKeySequence{
            "ExchangeKeepsActiveOperand", {"X=1", "Y=2", "X<->Y"}, {"2", "1", "", "", 2}},
        MemoryKeySequence{
            "ExchangeThenDigit", {"X=1", "Y=2", "X<->Y", "3"}, {"2", "13", "", "", 2}},
        MemoryKeySequence{
            "ResultToX", {"X=5", "*", "Y=6", "=", "focus:Y", "R->X"}, {"30", "6", "30", "Mul", 1}},
        MemoryKeySequence{
            "ResultToY", {"X=5", "*", "Y=6", "=", "R->Y"}, {"5", "30", "30", "Mul", 2}},
        MemoryKeySequence{"ResultToYThenDigit",
                          {"X=5", "*", "Y=6", "=", "R->Y", "1"},
                          {"5", "301", "30", "Mul", 2}},
        MemoryKeySequence{
            "MessageToX", {"X=7", "/", "Y=0", "=", "R->X"}, {Error, "0", Error, "Div", 1}},
        MemoryKeySequence{"PiIntoX", {"X=12", "Pi"}, {Pi, "", "", "", 1}},
        MemoryKeySequence{"PiIntoY", {"X=12", "+", "Pi"}, {"12", Pi, "", "Add", 2}},
        MemoryKeySequence{"ConstantReplacesTypedText", {"X=12", "3^1/2"}, {Sqrt3, "", "", "", 1}},
        MemoryKeySequence{"DegOnce", {"Deg"}, {"", "", "", "", 1, 1}},
        MemoryKeySequence{"DegTwice", {"Deg", "Deg"}, {"", "", "", "", 1, 0}},
        MemoryKeySequence{"DegSurvivesClear", {"Deg", "Clear"}, {"", "", "", "", 1, 1}}),
    nameOf);

}  // namespace
}  // namespace tesselon
