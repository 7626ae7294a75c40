// Typed operands that are no numbers, keys cancelled halfway, and arguments
// whose answers no register could hold: the calculator answers with its
// message or puts back what it had, and never computes with garbage.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "functions/MathEngine.h"
#include "tests/RegisterSnapshot.h"
#include "tests/Replay.h"
#include "tools/keys/KeySteps.h"
#include "ui/TypedOperands.h"

namespace tesselon {
namespace {

const std::string Message(ErrorText);

TEST(TypedOperandTest, DecimalNumbersAsTheEngineTakesThem) {
  const struct {
    const char* typed;
    std::optional<std::string> number;
  } cases[] = {
      {"12", "12"},
      {"-12.5", "-12.5"},
      {"0.", "0."},
      {"-0.", "-0."},
      {"1,5", "1.5"},
      {",5", "0.5"},
      {".5", "0.5"},
      {"-.5", "-0.5"},
      {"-,", "-0."},
      {".", "0."},
      {"007", "007"},
      {"5.", "5."},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+5", std::nullopt},
      {"--5", std::nullopt},
      {"5-", std::nullopt},
      {"1-2", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1,2.3", std::nullopt},
      {"1e5", std::nullopt},
      {"12a", std::nullopt},
      {"Ungültige Eingabe !", std::nullopt},
      {"..5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(AsDecimalNumber(c.typed), c.number) << c.typed;
}

struct Sequence {
  const char* name;
  std::vector<std::string> steps;
  CalculatorState expect;  // X, Y, Result, Label, Active, Deg, Memory
};

void PrintTo(const Sequence& sequence, std::ostream* out) {
  *out << sequence.name;
}

class TypedSequenceTest : public testing::TestWithParam<Sequence> {};

TEST_P(TypedSequenceTest, ShowsTheExpectedTexts) {
  KeySession session;
  Replay(session, GetParam().steps);
  EXPECT_EQ(toJson(session.state()), toJson(GetParam().expect));
  EXPECT_EQ(session.engine().RegA, session.state().x);
  EXPECT_EQ(session.engine().RegB, session.state().y);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedSequenceTest,
    testing::Values(
        Sequence{"CommaIsThePoint", {"X=1,5", "+", "Y=2", "="}, {"1,5", "2", "3.5", "Add", 1}},
        Sequence{"LeadingPointGetsAZero", {"X=,5", "X^2"}, {",5", "", "0.25", "X ^ 2", 1}},
        Sequence{"SignThenPoint", {"X=-.5", "1/X"}, {"-.5", "", "-2", "1 / X", 1}},
        Sequence{"BarePointIsZero", {"X=.", "e^X"}, {".", "", "1", "e^ X", 1}},
        Sequence{"NegativeZeroWithPoint", {"X=-0.", "X^3"}, {"-0.", "", "0", "X ^ 3", 1}},
        Sequence{"LettersInX", {"X=12a", "+", "Y=1", "="}, {"12a", "1", Message, "Add", 1}},
        Sequence{"LettersInY", {"X=2", "X^Y", "Y=3x", "="}, {"2", "3x", Message, "X ^ Y", 1}},
        Sequence{"SecondPoint", {"X=1.2.3", "Sin"}, {"1.2.3", "", Message, "", 1}},
        Sequence{"Blank", {"X= 5", "Ln"}, {" 5", "", Message, "", 1}},
        Sequence{"TrailingMinus", {"X=5-", "X^2"}, {"5-", "", Message, "", 1}},
        Sequence{"DoubleMinus", {"X=--5", "X^1/2"}, {"--5", "", Message, "", 1}},
        Sequence{"PlusSign", {"X=+5", "X!"}, {"+5", "", Message, "", 1}},
        Sequence{"Exponent", {"X=1e5", "e^X"}, {"1e5", "", Message, "", 1}},
        Sequence{"MessageTakenBackIntoX",
                 {"X=1", "/", "Y=0", "=", "R->X", "Log"},
                 {Message, "0", Message, "Div", 1}},
        // Keys stopped by their own guards still do nothing.
        Sequence{"LoneMinusStaysUnanswered", {"X=-", "Sin"}, {"-", "", "", "Sin", 1}},
        Sequence{
            "DegreeModeKeepsInverseKeysInert", {"Deg", "X=abc", "ASin"}, {"abc", "", "", "", 1, 1}},
        Sequence{"EqualsWithoutY", {"X=abc", "+", "="}, {"abc", "", "", "Add", 2}},
        // Keys that only move texts move them unchanged.
        Sequence{"ExchangeMovesJunk", {"X=abc", "Y=1,5", "X<->Y"}, {"1,5", "abc", "", "", 2}},
        Sequence{"MemoryKeepsJunkOut",
                 {"X=2", "*", "Y=3", "=", "MS", "focus:X", "/", "Y=0", "=", "M+"},
                 {"2", "0", Message, "Div", 1, 0, "6"}},
        // "=" with nothing to compute tidies the registers; the next key must
        // still find what the fields show, sign and zeros included.
        Sequence{"RegistersFollowTheFieldsAfterAStop",
                 {"X=-05", "X^2", "Y=7", "=", "focus:X", "1"},
                 {"-051", "7", "25", "X ^ 2", 1}}),
    [](const testing::TestParamInfo<Sequence>& row) { return std::string(row.param.name); });

// What the fuzz target found in the keys before they checked their operands
// and re-read the fields after a stop.
INSTANTIATE_TEST_SUITE_P(
    FuzzFindings, TypedSequenceTest,
    testing::Values(
        Sequence{"EqualsWithoutOperation", {"X=0.0", "Y=-29", "="}, {"0.0", "-29", "", "", 1}},
        Sequence{"LoneMinusCubed", {"X=-", "X^3"}, {"-", "", "", "", 1}},
        Sequence{"LoneMinusExponential", {"X=-", "e^X"}, {"-", "", "", "", 1}},
        Sequence{"LoneMinusDivided", {"X=-", "/", "Y=5", "X^1/2"}, {"-", "5", "", "Div", 2}},
        Sequence{"LetterAmongZeros",
                 {"X=0.000Y000000000000007", "-", "Y=18", "="},
                 {"0.000Y000000000000007", "18", Message, "Sub", 1}},
        Sequence{"SignsAndLettersIntoSin", {"X==oLn", "Sin"}, {"=oLn", "", Message, "", 1}}),
    [](const testing::TestParamInfo<Sequence>& row) { return std::string(row.param.name); });

// The headless toolkit with a user who presses Escape as soon as the next
// key begins.
class EscapingToolkit : public HeadlessToolkit {
 public:
  void runWork(const std::function<void()>& work, const std::function<void()>& cancel) override {
    if (escapeNextKey) cancel();
    escapeNextKey = false;
    work();
  }
  bool escapeNextKey = false;
};

struct Cancelled {
  const char* name;
  std::vector<std::string> setup;
  std::string key;
};

void PrintTo(const Cancelled& c, std::ostream* out) {
  *out << c.name;
}

class CancelledKeyTest : public testing::TestWithParam<Cancelled> {};

std::vector<std::string> Registers(KeySession& session) {
  return RegisterSnapshot(session.engine(), session.state().active);
}

TEST_P(CancelledKeyTest, LeavesEverythingAsBeforeTheKey) {
  auto toolkit = std::make_unique<EscapingToolkit>();
  EscapingToolkit& escaping = *toolkit;
  KeySession session(std::move(toolkit));
  Replay(session, {"X=6", "*", "Y=7", "=", "MS"});
  Replay(session, GetParam().setup);
  const std::string before = toJson(session.state());
  const std::vector<std::string> registersBefore = Registers(session);
  escaping.escapeNextKey = true;
  Replay(session, {GetParam().key});
  EXPECT_EQ(toJson(session.state()), before);
  EXPECT_EQ(Registers(session), registersBefore);
  EXPECT_FALSE(session.toolkit().pending());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CancelledKeyTest,
    testing::Values(Cancelled{"Factorial", {"X=3000"}, "X!"}, Cancelled{"Logarithm", {"X=5"}, "Ln"},
                    Cancelled{"Exponential", {"X=-20"}, "e^X"},
                    Cancelled{"SquareRoot", {"X=2"}, "X^1/2"},
                    Cancelled{"Reciprocal", {"X=3"}, "1/X"}, Cancelled{"Sine", {"X=1"}, "Sin"},
                    Cancelled{"ArcSine", {"X=0,5"}, "ASin"},
                    Cancelled{"HyperbolicTangent", {"X=1"}, "Tanh"},
                    Cancelled{"Division", {"X=22", "/", "Y=7"}, "="},
                    Cancelled{"Power", {"X=3", "X^Y", "Y=0.3"}, "="},
                    Cancelled{"ResultInHex", {"X=2", "X^Y", "Y=3000", "="}, "ResHex"}),
    [](const testing::TestParamInfo<Cancelled>& row) { return std::string(row.param.name); });

// e^x for an x of a thousand or more has an integer part longer than any
// kept length: answered at once, however long x is (a long x used to be
// halved millions of times first).
TEST(BoundsTest, ExponentialOfAHugeArgumentIsRefusedAtOnce) {
  MathEngine e;
  for (const std::string& x : {std::string("1000"), std::string("0001000.5"),
                               std::string(100000, '9'), "9" + std::string(100000, '0') + ".5"}) {
    e.RegA = x;
    e.Precision = 268;
    e.OpCode = 1;
    e.Exponential();
    EXPECT_EQ(e.RegC, Message) << x.substr(0, 20);
  }
}

TEST(BoundsTest, HugeArgumentsOfTheKeysAreAnswered) {
  const std::string huge(100000, '7');
  const struct {
    std::vector<std::string> steps;
    std::string result;
  } cases[] = {
      {{"X=" + huge, "e^X"}, Message},  {{"X=-" + huge, "e^X"}, Message},
      {{"X=" + huge, "Sinh"}, Message}, {{"X=" + huge, "X!"}, Message},
      {{"X=" + huge, "Sin"}, Message},  {{"X=2", "X^Y", "Y=" + huge, "="}, Message},
  };
  for (const auto& c : cases) {
    KeySession session;
    Replay(session, c.steps);
    EXPECT_EQ(session.state().result, c.result)
        << c.steps.front().substr(0, 12) << " " << c.steps[1];
  }
}

TEST(BoundsTest, OperandsBeyondTheRegistersAreNoNumbers) {
  // Only the length is looked at; a text of that size is not made here.
  EXPECT_EQ(MostOperandLength, 536870911u);
  EXPECT_GE(int64_t{4} * MostOperandLength + 3, int64_t{4} * MostOperandLength);
  EXPECT_LE(int64_t{4} * MostOperandLength + 3, int64_t{INT32_MAX});
}

// A copy of the registers (the state put back after a cancelled key) refers
// to its own texts, never to those of the original.
TEST(BoundsTest, CopiedRegistersReferToTheirOwnTexts) {
  MathEngine e;
  e.RefA = &e.RegB;
  e.RefB = &e.RegC;
  std::string elsewhere;
  e.RefC = &elsewhere;
  MathEngine copy;
  copy = e;
  EXPECT_EQ(copy.RefA, &copy.RegB);
  EXPECT_EQ(copy.RefB, &copy.RegC);
  EXPECT_EQ(copy.RefC, &copy.RegA);
  const MathEngine constructed = e;
  EXPECT_EQ(constructed.RefA, &constructed.RegB);
}

}  // namespace
}  // namespace tesselon
