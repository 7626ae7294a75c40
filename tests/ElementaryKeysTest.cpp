// Log, Ln, X !, 1 / X, the powers and roots of X, e^ X and the power
// operation of "=", pressed through the headless front end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "functions/ConstantTables.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

struct KeyCase {
  const char* name;
  std::vector<std::string> steps;
  std::string result;
  std::string label;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << c.name;
}

CalculatorState Replay(const std::vector<std::string>& steps) {
  KeySession session;
  for (const std::string& word : steps) {
    const std::optional<KeyStep> step = parseStep(word);
    EXPECT_TRUE(step.has_value()) << word;
    if (step) session.perform(*step);
  }
  return session.state();
}

std::string Result(const std::vector<std::string>& steps) {
  return Replay(steps).result;
}

class ElementaryKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ElementaryKey, ShowsTheExactText) {
  const CalculatorState state = Replay(GetParam().steps);
  EXPECT_EQ(state.result, GetParam().result);
  EXPECT_EQ(state.label, GetParam().label);
  EXPECT_EQ(state.active, 1);
}

std::string NameOf(const testing::TestParamInfo<KeyCase>& row) {
  return row.param.name;
}

const std::string Invalid = "Ungültige Eingabe !";
const std::string InvalidNegative = Invalid + " (Negativ)";
const std::string InvalidZero = Invalid + " (Null)";

// One followed by n zeros, and its reciprocal.
std::string TenToThe(int n) {
  return "1" + std::string(static_cast<size_t>(n), '0');
}
std::string TenToTheMinus(int n) {
  return "0." + std::string(static_cast<size_t>(n - 1), '0') + "1";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ElementaryKey,
    testing::Values(KeyCase{"LogOfNegative", {"X=-5", "Log"}, InvalidNegative, "Log"},
                    KeyCase{"LogOfZero", {"X=0.00", "Log"}, InvalidZero, "Log"},
                    KeyCase{"LogOfOne", {"X=1.000", "Log"}, "0", "Log"},
                    KeyCase{"LnOfZero", {"X=0", "Ln"}, InvalidZero, "Ln"},
                    KeyCase{"LnOfOne", {"X=1", "Ln"}, "0", "Ln"},
                    KeyCase{"FactorialOfNegative", {"X=-3", "X!"}, InvalidNegative, "X !"},
                    KeyCase{"FactorialOfZero", {"X=0", "X!"}, "1", "X !"},
                    KeyCase{"ReciprocalOfZero", {"X=-0", "1/X"}, InvalidZero, "1 / X"},
                    KeyCase{"ReciprocalOfOne", {"X=1", "1/X"}, "1", "1 / X"},
                    KeyCase{"ReciprocalOfMinusOne", {"X=-1", "1/X"}, "-1", "1 / X"},
                    KeyCase{"SquareOfZero", {"X=-0.0", "X^2"}, "0", "X ^ 2"},
                    KeyCase{"CubeOfMinusOne", {"X=-1", "X^3"}, "-1", "X ^ 3"},
                    KeyCase{"SquareRootOfMinusOne", {"X=-1", "X^1/2"}, "1", "X^1/2"},
                    KeyCase{"CubeRootOfMinusOne", {"X=-1", "X^1/3"}, "-1", "X^1/3"},
                    KeyCase{"ExpOfZero", {"X=-0.0", "e^X"}, "1", "e^ X"}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Computed, ElementaryKey,
    testing::Values(KeyCase{"LogOfThousand", {"X=1000", "Log"}, "3", "Log"},
                    KeyCase{"LogOfHundredth", {"X=0.01", "Log"}, "-2", "Log"},
                    // The snap's carry keeps the sign in front.
                    KeyCase{"LogOfTenToTheMinusTen", {"X=0.0000000001", "Log"}, "-10", "Log"},
                    KeyCase{"FactorialOfTwenty", {"X=20", "X!"}, "2432902008176640000", "X !"},
                    KeyCase{"FactorialIgnoresTheFraction", {"X=3.7", "X!"}, "6", "X !"},
                    KeyCase{"FactorialOfAHalf", {"X=0.5", "X!"}, "1", "X !"},
                    KeyCase{"ReciprocalOfMinusFour", {"X=-4", "1/X"}, "-0.25", "1 / X"},
                    KeyCase{"ReciprocalOfEight", {"X=8", "1/X"}, "0.125", "1 / X"},
                    KeyCase{"SquareOfMinusThree", {"X=-3", "X^2"}, "9", "X ^ 2"},
                    KeyCase{"SquareOfAFraction", {"X=1.5", "X^2"}, "2.25", "X ^ 2"},
                    KeyCase{"CubeOfMinusThree", {"X=-3", "X^3"}, "-27", "X ^ 3"},
                    KeyCase{"CubeOfAHalf", {"X=0.5", "X^3"}, "0.125", "X ^ 3"},
                    KeyCase{"SquareRootOfSixteen", {"X=16", "X^1/2"}, "4", "X^1/2"},
                    KeyCase{"SquareRootIgnoresTheSign", {"X=-16", "X^1/2"}, "4", "X^1/2"},
                    KeyCase{"CubeRootKeepsTheSign", {"X=-27", "X^1/3"}, "-3", "X^1/3"},
                    KeyCase{"CubeRootOfMinusEight", {"X=-8", "X^1/3"}, "-2", "X^1/3"},
                    // From Operand Y the function keys still work on Operand X.
                    KeyCase{"KeyWithYActive", {"X=25", "focus:Y", "X^1/2"}, "5", "X^1/2"}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    PowerOperation, ElementaryKey,
    testing::Values(
        KeyCase{"TwoToTheTen", {"X=2", "X^Y", "Y=10", "="}, "1024", "X ^ Y"},
        KeyCase{"ZeroToTheZero", {"X=0", "X^Y", "Y=0.0", "="}, "1", "X ^ Y"},
        KeyCase{"ZeroToTheFive", {"X=0", "X^Y", "Y=5", "="}, "0", "X ^ Y"},
        KeyCase{"ZeroToANegativeHasNoValue", {"X=0", "X^Y", "Y=-2", "="}, Invalid, "X ^ Y"},
        KeyCase{"OneToAnything", {"X=1.00", "X^Y", "Y=-7.5", "="}, "1", "X ^ Y"},
        KeyCase{"AnythingToTheZero", {"X=-7.5", "X^Y", "Y=0", "="}, "1", "X ^ Y"},
        KeyCase{"AnythingToTheOne", {"X=-7.5", "X^Y", "Y=1", "="}, "-7.5", "X ^ Y"},
        // -1 is no one: it goes through the power.
        KeyCase{"HalfToTheMinusOne", {"X=0.5", "X^Y", "Y=-1", "="}, "2", "X ^ Y"},
        KeyCase{"NegativeBaseOddExponent", {"X=-2", "X^Y", "Y=3", "="}, "-8", "X ^ Y"},
        KeyCase{"NegativeBaseEvenExponent", {"X=-2", "X^Y", "Y=4", "="}, "16", "X ^ Y"},
        KeyCase{"NegativeBaseTenthPower", {"X=-2", "X^Y", "Y=10", "="}, "1024", "X ^ Y"},
        KeyCase{"NegativeBaseFraction", {"X=-2", "X^Y", "Y=0.5", "="}, Invalid, "X ^ Y"},
        // A fraction of zeros leaves the sign to the integer digits.
        KeyCase{"OddExponentWithZeroFraction", {"X=-2", "X^Y", "Y=3.0", "="}, "-8", "X ^ Y"},
        KeyCase{"EvenExponentWithBarePoint", {"X=-2", "X^Y", "Y=4.", "="}, "16", "X ^ Y"},
        KeyCase{"MinusOneToAnOddPower", {"X=-1", "X^Y", "Y=7", "="}, "-1", "X ^ Y"},
        KeyCase{"MinusOneToAnEvenPower", {"X=-1", "X^Y", "Y=-8", "="}, "1", "X ^ Y"},
        KeyCase{"MinusOneToAFraction", {"X=-1", "X^Y", "Y=0.5", "="}, Invalid, "X ^ Y"},
        // Beyond the kept length: exact for whole numbers, refused otherwise.
        KeyCase{"TenToTheFourHundred", {"X=10", "X^Y", "Y=400", "="}, TenToThe(400), "X ^ Y"},
        KeyCase{"NegativeTenToAnOddPower",
                {"X=-10", "X^Y", "Y=301", "="},
                "-" + TenToThe(301),
                "X ^ Y"},
        KeyCase{"LargeFractionalPower", {"X=10", "X^Y", "Y=400.5", "="}, Invalid, "X ^ Y"}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    MendedFaults, ElementaryKey,
    testing::Values(
        // "=" with no operation pending splits the sign of a negative Y off
        // and shows nothing; a root's exponent is positive all the same.
        KeyCase{"RootAfterNegativeY", {"Clear", "X=9", "Y=-3", "=", "X^1/2"}, "3", "X^1/2"},
        KeyCase{"CubeRootAfterNegativeY", {"Clear", "X=8", "Y=-3", "=", "X^1/3"}, "2", "X^1/3"},
        KeyCase{"ExpBeyondTheKeptLength", {"X=300", "e^X"}, Invalid, "e^ X"},
        KeyCase{"NegativeExpBeyondTheKeptLength", {"X=-300", "e^X"}, Invalid, "e^ X"},
        KeyCase{"RootBeyondTheKeptLength", {"X=" + TenToThe(700), "X^1/2"}, Invalid, "X^1/2"},
        KeyCase{"FactorialBeyondThirtyTwoBits", {"X=4294967298", "X!"}, Invalid, "X !"},
        KeyCase{"FactorialBeyondItsBound", {"X=1000001", "X!"}, Invalid, "X !"},
        // A reciprocal is small, never zero.
        KeyCase{"ReciprocalBeyondTheWorkingLength",
                {"X=-" + TenToThe(200), "1/X"},
                "-" + TenToTheMinus(200),
                "1 / X"},
        KeyCase{"ReciprocalInsideTheSnapRun",
                {"X=" + TenToThe(100), "1/X"},
                TenToTheMinus(100),
                "1 / X"}),
    NameOf);

std::string Nines(int n) {
  return std::string(static_cast<size_t>(n), '9');
}
std::string TimesTenToThe(const char* digit, int n) {
  return digit + std::string(static_cast<size_t>(n), '0');
}

// The exact values below come from an integer root apart from the program,
// cut to the working length of 268 characters and snapped like the key's
// result.
const std::string RootOfTwoTimesTenToThe400 =
    "1414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534327"
    "6"
    "4157273501384623091229702492483605585073721264412149709993583141322266592750559275579995050115"
    "2"
    "78206057147.01095599716059702745345968620147285174186408891986095523292304843";
const std::string CubeRootOfSevenTimesTenToThe500 =
    "8879040017426007084292689552528771406823360214385810580080857944091890156584975719526387160676"
    "6"
    "943191404881701134702530438804877684220512623028640064778230866277683129."
    "9682157781952442128442"
    "685212409962886939793880307676317716552096952743788830039703854548994213156803";
const std::string TwoTimesTenToThe150ToOneAndAHalf =
    "2828427124746190097603377448419396157139343750753896146353359475981464956924214077700775068655"
    "2"
    "8314547002769246182459404984967211170147442528824299419987166282644533185501118551159990100230"
    "5"
    "564121142940219119943211940549069193.72402945703483728177839721910465846096861";

// Radicands of hundreds of integer digits, where the power's steps keep no
// true integer part: the root is the exact one, cut to the working length.
// Up to 240 nines the steps still answer, and their digits stay.
INSTANTIATE_TEST_SUITE_P(
    LongRadicands, ElementaryKey,
    testing::Values(
        // The fraction's run of nines snaps to the next integer.
        KeyCase{
            "SquareRootOfThreeHundredNines", {"X=" + Nines(300), "X^1/2"}, TenToThe(150), "X^1/2"},
        KeyCase{"SquareRootOfTenToThe300", {"X=" + TenToThe(300), "X^1/2"}, TenToThe(150), "X^1/2"},
        KeyCase{"SquareRootOfTwoTimesTenToThe400",
                {"X=" + TimesTenToThe("2", 400), "X^1/2"},
                RootOfTwoTimesTenToThe400,
                "X^1/2"},
        KeyCase{"CubeRootOfTenToThe600", {"X=" + TenToThe(600), "X^1/3"}, TenToThe(200), "X^1/3"},
        KeyCase{"CubeRootOfSevenTimesTenToThe500",
                {"X=" + TimesTenToThe("7", 500), "X^1/3"},
                CubeRootOfSevenTimesTenToThe500,
                "X^1/3"},
        KeyCase{"CubeRootKeepsTheSignOfALongRadicand",
                {"X=" + TimesTenToThe("-7", 500), "X^1/3"},
                "-" + CubeRootOfSevenTimesTenToThe500,
                "X^1/3"},
        KeyCase{"SquareRootTheStepsStillAnswer", {"X=" + Nines(240), "X^1/2"}, Nines(120), "X^1/2"},
        KeyCase{
            "SquareRootJustBeyondTheSteps", {"X=" + Nines(242), "X^1/2"}, TenToThe(121), "X^1/2"},
        KeyCase{
            "SquareRootOfTheLongestIntegerPart", {"X=" + Nines(536), "X^1/2"}, Nines(268), "X^1/2"},
        KeyCase{
            "SquareRootWithAnIntegerPartTooLong", {"X=" + Nines(537), "X^1/2"}, Invalid, "X^1/2"},
        KeyCase{"PowerTheStepsStillAnswer",
                {"X=" + Nines(240), "X^Y", "Y=0.5", "="},
                Nines(120),
                "X ^ Y"},
        KeyCase{"LongBaseToOneAndAHalf",
                {"X=" + TimesTenToThe("2", 150), "X^Y", "Y=1.5", "="},
                TwoTimesTenToThe150ToOneAndAHalf,
                "X ^ Y"},
        KeyCase{"LongBaseToMinusAHalf",
                {"X=" + TimesTenToThe("4", 400), "X^Y", "Y=-0.5", "="},
                "0." + std::string(200, '0') + "5",
                "X ^ Y"},
        // 10^2000 ^ (1000001 / 10^7): a root of that degree is not taken.
        KeyCase{"LongBaseToAnExponentOfManyDecimals",
                {"X=" + TenToThe(2000), "X^Y", "Y=0.1000001", "="},
                Invalid,
                "X ^ Y"}),
    NameOf);

// Leading zeros typed into Operand X change nothing.
TEST(ElementaryKeys, LeadingZerosAreTidiedFirst) {
  const struct {
    const char* padded;
    const char* plain;
    const char* key;
  } cases[] = {{"007", "7", "X^1/2"}, {"00.5", "0.5", "X^1/3"},
               {"007", "7", "1/X"},   {"-007", "-7", "X^3"},
               {"0005", "5", "e^X"},  {"0000000000000000000005", "5", "e^X"}};
  for (const auto& c : cases) {
    EXPECT_EQ(Result({std::string("X=") + c.padded, c.key}),
              Result({std::string("X=") + c.plain, c.key}))
        << c.key << " of " << c.padded;
  }
}

// The logarithm of 0.5 is cut to the 132 characters its reciprocal check
// confirms, so the steps give 0.25 and a wrong tail far down; only the
// true zeros before that tail are shown.
TEST(ElementaryKeys, HalfSquaredCarriesTheLogarithmsCut) {
  EXPECT_EQ(Result({"X=0.5", "X^Y", "Y=2", "="}), "0.25" + std::string(126, '0'));
}

// Through the power, 1 / 2 keeps the reciprocal's working length: 0.5 and
// zeros up to a last digit far down, not X itself.
TEST(ElementaryKeys, TwoToTheMinusOneGoesThroughThePower) {
  const std::string result = Result({"X=2", "X^Y", "Y=-1", "="});
  EXPECT_EQ(result.size(), 268u);
  EXPECT_EQ(result.substr(0, 200), "0.5" + std::string(197, '0'));
}

TEST(ElementaryKeys, ExpOfOneShowsTwoHundredSixtyOneDecimals) {
  const std::string result = Result({"X=1", "e^X"});
  EXPECT_EQ(result.size(), 263u);
  EXPECT_EQ(result, std::string(ConstE.substr(0, 263)));
}

TEST(ElementaryKeys, PowerLeavesOperandsAndOpCode) {
  KeySession session;
  for (const char* word : {"X=2", "X^Y", "Y=10", "="}) session.perform(*parseStep(word));
  const CalculatorState state = session.state();
  EXPECT_EQ(state.x, "2");
  EXPECT_EQ(state.y, "10");
  EXPECT_EQ(session.engine().OpCode, 1);
}

TEST(ElementaryKeys, NegativeExpIsTheReciprocal) {
  const std::string result = Result({"X=-1", "e^X"});
  EXPECT_EQ(result.size(), 264u);
  EXPECT_EQ(result.substr(0, 22), "0.36787944117144232159");
}

TEST(ElementaryKeys, LoneSignIsNoOperand) {
  for (const char* key : {"1/X", "X^2", "X^3", "X^1/2", "X^1/3"}) {
    const CalculatorState state = Replay({"X=-", key});
    EXPECT_EQ(state.result, "") << key;
    EXPECT_EQ(state.label, "") << key;
  }
}

}  // namespace
}  // namespace tesselon
