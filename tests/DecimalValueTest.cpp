// A double's exact value on limbs must be the value of the text the double
// is written as with that many decimals, wherever it claims to be exact; a
// step's product from part of a square must be the cut of the whole one.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "engine/DecimalValue.h"

namespace tesselon::limbs {
namespace {

// The fixed text with `decimals` decimals, without trailing zeros or point.
std::string TidyFixed(double number, int decimals) {
  std::array<char, 1200> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), number,
                                     std::chars_format::fixed, decimals);
  std::string tidy(text.data(), written.ptr);
  if (tidy.find('.') != std::string::npos) {
    tidy.erase(tidy.find_last_not_of('0') + 1);
    if (tidy.back() == '.') tidy.pop_back();
  }
  return tidy;
}

TEST(ExactDouble, IsTheValueOfTheDoublesFixedText) {
  struct Case {
    double number;
    int decimals;
    bool exact;
  };
  const Case cases[] = {
      {1.0 / 3, 100, true},
      {1.0 / 7, 54, true},
      {1.0 / 7, 53, false},
      {0.5, 1, true},
      {0.5, 0, false},
      {20.0, 30, true},
      {1e20, 5, true},
      {1e300, 0, true},
      {std::ldexp(1.0, -60), 60, true},
      {std::ldexp(1.0, -60), 59, false},
      {0.0, 0, true},
      {5e-324, 512, false},
      {1.0 / 3e13, 95, true},
      {1.0 / 3e14, 100, false},
  };
  for (const auto& c : cases) {
    DecimalValue value;
    ASSERT_EQ(ExactDouble(c.number, c.decimals, value), c.exact) << c.number << " " << c.decimals;
    if (!c.exact) continue;
    std::string text;
    TidyTextInto(value, text);
    EXPECT_EQ(text, TidyFixed(c.number, c.decimals)) << c.number << " " << c.decimals;
  }
}

// x, y and k of a Newton step, and what the step's shortcut should answer.
struct StepCase {
  const char* x;
  const char* y;
  int64_t k;
  bool expected;
};

// Where the partial square answers, its cut is that of the whole product;
// it refuses where the carry of the columns left out could reach the cut.
TEST(CutSquareTimes, IsTheCutOfTheWholeProductOrRefuses) {
  const StepCase cases[] = {
      {"3", "0.333333333333333333333333333333333333333333333333", 50, true},
      {"7", "0.142857142857142857142857142857142857142857142857", 50, true},
      {"3.1415926535897932384626433832795", "0.31830988618379067153776752674502872406891929148", 50,
       true},
      {"1", "0.9999999999999999999999999999999999999999999999", 50, false},
      {"3", "0.5099999999999999999999999999999999999999999999", 50, false},
      {"3", "0.33", 50, false},
  };
  for (const auto& c : cases) {
    DecimalValue x;
    DecimalValue y;
    ASSERT_TRUE(ParseDecimal(c.x, x) && ParseDecimal(c.y, y));
    DecimalValue partial;
    ASSERT_EQ(CutSquareTimes(x, y, c.k, partial), c.expected) << c.x << " " << c.y;
    if (!c.expected) continue;
    DecimalValue square;
    DecimalValue whole;
    ProductInto(y, y, square);
    ProductInto(x, square, whole);
    ASSERT_TRUE(CutToChars(whole, c.k));
    EXPECT_TRUE(SameValue(partial, whole)) << c.x << " " << c.y;
  }
}

// x y^2 cut to k characters is y itself exactly where the test says so: on
// either side of x y = 1, and on either side of the last kept decimal.
TEST(CutSquareTimesIsY, TellsWhetherTheStepGivesYBack) {
  const StepCase cases[] = {
      {"3", "0.3333333333", 12, false},    // x y below one
      {"3", "0.3333333334", 12, true},     // y e = 6.7e-11, below a unit of 1e-10
      {"3", "0.3333333335", 12, false},    // y e = 1.7e-10
      {"7", "0.142857142858", 14, true},   // 7 y = 1 + 6e-12
      {"0.5", "2.0000000001", 12, false},  // x y = 1 + 5e-11, y e = 1e-10
      {"4", "0.25", 12, true},             // x y = 1 exactly
      {"3", "0.3333333334", 11, false},    // y has more than k characters
  };
  for (const auto& c : cases) {
    DecimalValue x;
    DecimalValue y;
    ASSERT_TRUE(ParseDecimal(c.x, x) && ParseDecimal(c.y, y));
    EXPECT_EQ(CutSquareTimesIsY(x, y, c.k), c.expected) << c.x << " " << c.y << " " << c.k;
  }
}

}  // namespace
}  // namespace tesselon::limbs
