#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

CalculatorState replay(KeySession& session, const std::vector<std::string>& steps) {
  for (const std::string& word : steps) {
    const std::optional<KeyStep> step = parseStep(word);
    EXPECT_TRUE(step.has_value()) << word;
    if (step) session.perform(*step);
  }
  return session.state();
}

struct KeySequence {
  const char* name;
  std::vector<std::string> steps;
  CalculatorState expect;  // X, Y, Result, Label, Active, Deg, Memory
};

void PrintTo(const KeySequence& sequence, std::ostream* out) {
  *out << sequence.name;
}

class KeySequenceTest : public testing::TestWithParam<KeySequence> {};

TEST_P(KeySequenceTest, ShowsTheExpectedTexts) {
  KeySession session;
  EXPECT_EQ(toJson(replay(session, GetParam().steps)), toJson(GetParam().expect));
}

std::string nameOf(const testing::TestParamInfo<KeySequence>& row) {
  return row.param.name;
}

const std::string OneThird = "0." + std::string(97, '3');

// 99 characters: the product of 22 with the cut reciprocal of 7, not rounded.
std::string twentyTwoSevenths() {
  std::string text = "3.1";
  for (int i = 0; i < 15; ++i) text += "428571";
  // The steps' last two digits (62) are off; the true digits end before them.
  return text + "4285";
}
const std::string TwentyTwoSevenths = twentyTwoSevenths();

INSTANTIATE_TEST_SUITE_P(
    Entry, KeySequenceTest,
    testing::Values(
        KeySequence{"PointAfterZero", {"0", ",", "5"}, {"0.5", "", "", "", 1}},
        KeySequence{"SecondPointIgnored", {"0", ",", "5", ","}, {"0.5", "", "", "", 1}},
        KeySequence{
            "PointDeletedByKeyboardStaysUsed", {"1", ",", "X=1", ","}, {"1", "", "", "", 1}},
        KeySequence{"SignOnEmpty", {"+/-"}, {"-", "", "", "", 1}},
        KeySequence{"PointAfterBareSign", {"+/-", ","}, {"-0.", "", "", "", 1}},
        KeySequence{"SignOffKeepsPoint", {"+/-", ",", "+/-"}, {"0.", "", "", "", 1}},
        KeySequence{"SignBeforeTypedMinuses", {"X=12-3-", "+/-"}, {"-12-3-", "", "", "", 1}},
        KeySequence{"SignOffRemovesEveryMinus", {"X=-1-2", "+/-"}, {"12", "", "", "", 1}},
        KeySequence{"DigitsAppendToTypedText", {"X=12", "3"}, {"123", "", "", "", 1}},
        KeySequence{"DigitsFollowFocus", {"focus:Y", "7", "focus:X", "8"}, {"8", "7", "", "", 1}},
        KeySequence{"ClearRearmsPointOfX", {"1", ",", "Clear", "2", ","}, {"2.", "", "", "", 1}},
        KeySequence{
            "ClearRearmsPointOfY", {"1", "+", ",", "Clear", "focus:Y", ","}, {"", "0.", "", "", 2}},
        KeySequence{
            "ClearEmptiesEverything", {"X=5", "*", "Y=6", "=", "Clear"}, {"", "", "", "", 1}}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    Operations, KeySequenceTest,
    testing::Values(
        KeySequence{"OperatorNeedsX", {"*"}, {"", "", "", "", 1}},
        KeySequence{"OperatorMovesInputToY", {"5", "+", "3"}, {"5", "3", "", "Add", 2}},
        KeySequence{
            "SecondOperatorIgnored", {"X=5", "+", "Y=3", "*", "="}, {"5", "3", "8", "Add", 1}},
        KeySequence{"PowerKeyMovesInputToY", {"2", "X^Y"}, {"2", "", "", "X ^ Y", 2}},
        KeySequence{"EqualsWithoutY", {"5", "+", "="}, {"5", "", "", "Add", 2}},
        KeySequence{
            "EqualsWithXActive", {"X=5", "+", "Y=3", "focus:X", "="}, {"5", "3", "", "Add", 1}},
        // The first "=" turns 5 + (-3) into a subtraction; a second "="
        // must not evaluate 5 - (-3).
        KeySequence{
            "SecondEqualsIgnored", {"X=5", "+", "Y=-3", "=", "="}, {"5", "-3", "2", "Add", 1}},
        KeySequence{"XOnlyMinus", {"X=-", "+", "Y=5", "="}, {"-", "5", "", "Add", 2}},
        KeySequence{"YOnlyMinus", {"X=5", "+", "Y=-", "="}, {"5", "-", "", "Add", 2}},
        KeySequence{"ByKeys",
                    {"1", ",", "5", "-", "0", ",", "2", "5", "+/-", "="},
                    {"1.5", "-0.25", "1.75", "Sub", 1}}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, KeySequenceTest,
    testing::Values(
        KeySequence{"Add", {"X=1.5", "+", "Y=2.25", "="}, {"1.5", "2.25", "3.75", "Add", 1}},
        KeySequence{"SubtractLarger", {"X=3", "-", "Y=15", "="}, {"3", "15", "-12", "Sub", 1}},
        KeySequence{"AddNegative", {"X=5", "+", "Y=-3", "="}, {"5", "-3", "2", "Add", 1}},
        KeySequence{
            "NegativeZeroDifference", {"X=-3", "-", "Y=-3", "="}, {"-3", "-3", "-0", "Sub", 1}},
        KeySequence{"NegativeZeroProduct", {"X=0", "*", "Y=-5", "="}, {"0", "-5", "-0", "Mul", 1}},
        KeySequence{"Divide", {"X=10", "/", "Y=4", "="}, {"10", "4", "2.5", "Div", 1}},
        KeySequence{
            "DivideByZero", {"X=7", "/", "Y=0", "="}, {"7", "0", "Ungültige Eingabe !", "Div", 1}},
        KeySequence{"OneThird", {"X=1", "/", "Y=3", "="}, {"1", "3", OneThird, "Div", 1}},
        KeySequence{"QuotientIsCutNotRounded",
                    {"X=22", "/", "Y=7", "="},
                    {"22", "7", TwentyTwoSevenths, "Div", 1}}),
    nameOf);

TEST(FrontEndTest, StartsWithOperandXActive) {
  KeySession session;
  HeadlessToolkit& tk = session.toolkit();
  EXPECT_EQ(tk.focusedControl(), control::OperandX);
  EXPECT_EQ(tk.background(control::OperandX), ActiveGreen);
  EXPECT_EQ(tk.background(control::OperandY), InactiveWhite);
  EXPECT_EQ(tk.background(control::ResultField), ResultYellow);
  EXPECT_EQ(toJson(session.state()), toJson({"", "", "", "", 1}));
}

TEST(FrontEndTest, ClickIntoFieldColoursIt) {
  KeySession session;
  replay(session, {"focus:Y"});
  EXPECT_EQ(session.toolkit().background(control::OperandY), ActiveGreen);
  EXPECT_EQ(session.toolkit().background(control::OperandX), InactiveWhite);
}

TEST(FrontEndTest, ResultReturnsInputToOperandX) {
  KeySession session;
  replay(session, {"X=1", "+", "Y=2", "focus:Y", "="});
  HeadlessToolkit& tk = session.toolkit();
  EXPECT_EQ(tk.focusedControl(), control::OperandX);
  EXPECT_EQ(tk.background(control::OperandX), ActiveGreen);
  EXPECT_EQ(tk.background(control::OperandY), InactiveWhite);
  EXPECT_EQ(session.engine().LastResult, "3");
}

TEST(FrontEndTest, TypingIsMirroredInBothRegisters) {
  KeySession session;
  replay(session, {"X=12", "Y=-4.5"});
  EXPECT_EQ(session.engine().RegA, "12");
  EXPECT_EQ(session.engine().RegB, "-4.5");
}

TEST(FrontEndTest, ClearKeepsMemoryAndLastResult) {
  KeySession session;
  replay(session, {"X=6", "*", "Y=7", "="});
  session.engine().Memory = "42";
  replay(session, {"Clear"});
  EXPECT_EQ(session.engine().Memory, "42");
  EXPECT_EQ(session.engine().LastResult, "42");
  EXPECT_EQ(session.engine().OpCode, 0);
}

// M+ runs "=" with this flag set; a stop at a guard must drop it so that the
// next "=" shows its result instead of storing it.
TEST(FrontEndTest, GuardStopDropsPendingMemoryAdd) {
  KeySession session;
  replay(session, {"5", "+"});
  session.engine().MemoryAddPending = 1;
  replay(session, {"="});
  EXPECT_EQ(session.engine().MemoryAddPending, 0);
}

}  // namespace
}  // namespace tesselon
