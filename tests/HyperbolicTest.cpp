// The hyperbolic procedures at the edge of the exponential's kept length,
// and the quotients tanh and coth.
#include <gtest/gtest.h>

#include <string>

#include "engine/Engine.h"
#include "functions/MathEngine.h"
#include "tests/DecimalReference.h"

namespace tesselon {
namespace {

enum class Hyperbolic { Sinh, Cosh, Tanh, Coth };

void Evaluate(MathEngine& e, Hyperbolic function, const std::string& x) {
  e.LoadA(x);
  e.OpCode = 1;
  e.Precision = 268;
  switch (function) {
    case Hyperbolic::Sinh:
      e.VariantFlag = 1;
      e.HypSineCosine();
      e.VariantFlag = 0;
      break;
    case Hyperbolic::Cosh:
      e.HypSineCosine();
      break;
    case Hyperbolic::Tanh:
      e.HypTangent();
      break;
    case Hyperbolic::Coth:
      e.HypCotangent();
      break;
  }
}

std::string ValueOf(Hyperbolic function, const std::string& x) {
  MathEngine e;
  Evaluate(e, function, x);
  return e.RegC;
}

class HyperbolicLimit : public testing::TestWithParam<Hyperbolic> {};

// From x = 284 on the integer part of e^x no longer fits the length the
// exponential vouches for: the message instead of a number of the wrong
// magnitude.
TEST_P(HyperbolicLimit, RefusesWhereTheIntegerPartWouldBeCut) {
  EXPECT_EQ(ValueOf(GetParam(), "284"), ErrorText);
  EXPECT_EQ(ValueOf(GetParam(), "100000"), ErrorText);
  EXPECT_NE(ValueOf(GetParam(), "280"), ErrorText);
}

INSTANTIATE_TEST_SUITE_P(AllFour, HyperbolicLimit,
                         testing::Values(Hyperbolic::Sinh, Hyperbolic::Cosh, Hyperbolic::Tanh,
                                         Hyperbolic::Coth));

// Just below the limit the 122 integer digits and the first decimals hold.
TEST(HyperbolicLimit, KeepsTheMagnitudeBelowIt) {
  const std::string sinh = ValueOf(Hyperbolic::Sinh, "280");
  const std::string reference = reference::ExponentialSeries(280, 1).odd.text();
  ASSERT_EQ(sinh.find('.'), 122u) << sinh;
  EXPECT_EQ(sinh.substr(0, 118), reference.substr(0, 118));
}

// tanh and coth come from the same sinh and cosh by different quotients.
TEST(HyperbolicQuotients, AreReciprocal) {
  for (const std::string x : {"1", "0.3", "5", "0.0001"}) {
    MathEngine e;
    e.RegC = e.Product(ValueOf(Hyperbolic::Tanh, x), ValueOf(Hyperbolic::Coth, x));
    e.SnapRun = 90;
    e.SnapFraction();
    EXPECT_EQ(e.RegC, "1") << x;
  }
}

// The quotients switch the shared procedure between sinh and cosh and leave
// it on cosh for the next key.
TEST(HyperbolicQuotients, LeaveTheVariantOnCosh) {
  MathEngine e;
  Evaluate(e, Hyperbolic::Tanh, "1");
  EXPECT_EQ(e.VariantFlag, 0);
  Evaluate(e, Hyperbolic::Coth, "1");
  EXPECT_EQ(e.VariantFlag, 0);
  Evaluate(e, Hyperbolic::Cosh, "1");
  EXPECT_EQ(e.RegC, ValueOf(Hyperbolic::Cosh, "1"));
}

}  // namespace
}  // namespace tesselon
