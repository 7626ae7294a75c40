// The four-function evaluation from operand texts to the finished result
// text, and the reciprocal it divides with.
#include <gtest/gtest.h>

#include <string>

#include "engine/Engine.h"

namespace tesselon {
namespace {

struct Evaluation {
  std::string result;
  int32_t opCodeAfter = 0;
};

Evaluation Evaluate(const std::string& x, int32_t opCode, const std::string& y) {
  Engine e;
  e.RegA = x;
  e.RegB = y;
  e.OpCode = opCode;
  if (!e.PrepareEvaluation()) return {"<nothing>", e.OpCode};
  const Answer answer = e.EvaluateFourFunctions();
  EXPECT_EQ(answer, Answer::Shown);
  EXPECT_EQ(e.RegA, x) << "operands are restored";
  EXPECT_EQ(e.RegB, y);
  EXPECT_EQ(e.LastResult, e.RegC);
  return {e.RegC, e.OpCode};
}

constexpr int32_t Add = 1, Sub = 2, Mul = 3, Div = 4;

TEST(FourFunctions, ResultsAndRewrittenOpCode) {
  const std::string thirds(97, '3');
  const struct {
    const char* x;
    int32_t op;
    std::string y;
    std::string result;
    int32_t opAfter;
  } cases[] = {
      {"1.5", Add, "2.25", "3.75", Add},
      {"0.5", Add, "0.5", "1", Add},
      {"999", Add, "1", "1000", Add},
      {"1.5", Add, "0.00", "1.5", Add},
      {"0.000", Sub, "2.5", "-2.5", Sub},
      {"1.5", Sub, "0.00", "1.5", Sub},
      {"5", Add, "-3", "2", Sub},
      {"5", Sub, "-3", "8", Add},
      {"3", Sub, "15", "-12", Sub},
      {"3", Add, "-15", "-12", Sub},
      {"-3", Add, "15", "12", Sub},
      {"-3", Sub, "-15", "12", Sub},
      {"3", Sub, "3", "0", Sub},
      {"-3", Sub, "-3", "-0", Sub},
      {"0", Mul, "-5", "-0", Mul},
      {"0.05", Mul, "0.05", "0.0025", Mul},
      {"1.5", Mul, "2", "3", Mul},
      {"-2", Mul, "-3", "6", Mul},
      {"10", Div, "4", "2.5", Div},
      {"1", Div, "8", "0.125", Div},
      {"-6", Div, "1", "-6", Div},
      {"6", Div, "-1", "-6", Div},
      {"-6", Div, "-2", "3", Div},
      {"7", Div, "0", "Ungültige Eingabe !", Div},
      {"0", Div, "7", "0", Div},
      {"0", Div, "0", "0", Div},
      {"1", Div, "3", "0." + thirds, Div},
      {"2", Div, "3", "0." + std::string(97, '6'), Div},
      {"24", Add, "99." + std::string(91, '9'), "124", Add},
      {"7", Add, "0." + std::string(91, '0') + "4", "7", Add},
      {"007", Add, "-", "<nothing>", Add},
      {"-", Mul, "2", "<nothing>", Mul},
  };
  for (const auto& c : cases) {
    const Evaluation got = Evaluate(c.x, c.op, c.y);
    EXPECT_EQ(got.result, c.result) << c.x << " op" << c.op << " " << c.y;
    EXPECT_EQ(got.opCodeAfter, c.opAfter) << c.x << " op" << c.op << " " << c.y;
  }
}

TEST(FourFunctions, QuotientIsTheProductWithTheCutReciprocal) {
  const std::string q = Evaluate("22", Div, "7").result;
  EXPECT_EQ(q.size(), 99u);
  EXPECT_EQ(q.substr(0, 8), "3.142857");
  EXPECT_EQ(q.substr(q.size() - 8), "71428562");
}

TEST(FourFunctions, MemoryAddStoresWithoutTidying) {
  Engine e;
  e.RegA = "0.5";
  e.RegB = "0.5";
  e.OpCode = Add;
  e.MemoryAddPending = 1;
  ASSERT_TRUE(e.PrepareEvaluation());
  EXPECT_EQ(e.EvaluateFourFunctions(), Answer::Stored);
  EXPECT_EQ(e.Memory, "1.0");
  EXPECT_EQ(e.MemoryAddPending, 0);
  EXPECT_EQ(e.LastResult, "") << "nothing is shown";
}

// Quotients whose reciprocal the double start value cannot serve keep their
// magnitude, and a small quotient is not snapped to zero.
TEST(FourFunctions, ExtremeDivisorsKeepTheirMagnitude) {
  const std::string tiny = "0." + std::string(120, '0') + "1";
  EXPECT_EQ(Evaluate("1", Div, tiny).result, "1" + std::string(121, '0'));
  EXPECT_EQ(Evaluate("3", Div, "0." + std::string(120, '0') + "2").result,
            "15" + std::string(120, '0'));
  const std::string huge = "5" + std::string(400, '0');
  EXPECT_EQ(Evaluate("1" + std::string(400, '0'), Div, huge).result, "0.2");
  EXPECT_EQ(Evaluate("1" + std::string(450, '0'), Div, "4" + std::string(400, '0')).result,
            "25" + std::string(48, '0'));
  EXPECT_EQ(Evaluate("3", Div, "1" + std::string(150, '0')).result,
            "0." + std::string(149, '0') + "3");
  EXPECT_EQ(Evaluate("-1", Div, "4" + std::string(99, '0')).result,
            "-0." + std::string(99, '0') + "25");
}

struct ReciprocalCase {
  const char* x;
  int32_t precision;
  int32_t steps;
  std::string expected;
};

TEST(Reciprocal, CheckedAndCut) {
  const ReciprocalCase cases[] = {
      {"4", 100, 5, "0.25"},  {"0.5", 100, 5, "2."},
      {"8", 100, 5, "0.125"}, {"3", 100, 5, "0." + std::string(97, '3')},
      {"1", 100, 5, "1."},
  };
  for (const auto& c : cases) {
    Engine e;
    e.OpCode = 4;
    e.LoadA(c.x);
    e.Precision = c.precision;
    e.NewtonSteps = c.steps;
    e.CheckMode = 3;
    e.Reciprocal();
    EXPECT_EQ(e.RegC, c.expected) << c.x;
    EXPECT_EQ(e.OpCode, 4) << "OpCode is restored";
  }
}

// The check's verdict, VerifiedLen, for reciprocals the check once misjudged:
// an exact one (x y = 1.000000) holds to the whole working length, and one of
// x just below a power of ten is served by the iteration and checked.
std::string JustAboveABillionth() {
  std::string y = "0.000000001";
  while (y.size() < 199) y += "00000000000000000001";
  return y.substr(0, 199);
}

TEST(Reciprocal, CheckVouchesForWhatHolds) {
  const struct {
    std::string x;
    std::string expected;
    int32_t verifiedLen;
  } cases[] = {
      {"1.5625", "0.64", 200},
      {"999999999.99999999999", JustAboveABillionth(), 199},
  };
  for (const auto& c : cases) {
    Engine e;
    e.LoadA(c.x);
    e.Precision = 200;
    e.NewtonSteps = 5;
    e.CheckMode = 3;
    e.Reciprocal();
    EXPECT_EQ(e.RegC, c.expected) << c.x;
    EXPECT_EQ(e.VerifiedLen, c.verifiedLen) << c.x;
  }
}

TEST(Reciprocal, WithoutCheckKeepsTheIterationAndVerifiedLen) {
  Engine e;
  e.LoadA("3");
  e.Precision = 20;
  e.NewtonSteps = 3;
  e.CheckMode = 5;
  e.VerifiedLen = 77;
  e.Reciprocal();
  // Without the check the text keeps all 20 decimals of the working length,
  // the last ones not yet settled.
  EXPECT_EQ(e.RegC.size(), 22u);
  EXPECT_EQ(e.RegC.substr(0, 18), "0.3333333333333333");
  EXPECT_EQ(e.VerifiedLen, 77);
}

TEST(Reciprocal, StartValueIsTheDoubleWrittenToPrecisionDecimals) {
  Engine e;
  e.LoadA("3");
  e.Precision = 30;
  e.NewtonSteps = 0;
  e.CheckMode = 0;
  e.Reciprocal();
  EXPECT_EQ(e.RegC, "0.333333333333333314829616256247");
}

}  // namespace
}  // namespace tesselon
