// A double's exact value on limbs must be the value of the text the double
// is written as with that many decimals, wherever it claims to be exact.
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

}  // namespace
}  // namespace tesselon::limbs
