// Newton's steps on limbs must leave the very texts the steps on text leave,
// trailing points and cuts included, for divisors of every shape and start
// values good, poor and exact.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "engine/Engine.h"

namespace tesselon {
namespace {

struct StepCase {
  std::string x;
  std::string start;
  int32_t precision;
  int32_t steps;
};

// The text the steps on text leave after `steps` steps.
std::string StepsOnText(const StepCase& c, int32_t steps) {
  Engine e;
  e.OpCode = opcode::Add;
  e.Precision = c.precision;
  e.LoadA(c.x);
  e.RemovePointA();
  const std::string digits = Engine::Cut(e.RegA, e.LenA);
  const int32_t fx = e.FracA;
  e.RegC = c.start;
  for (int32_t step = 0; step < steps; ++step) e.NewtonStepOnText(digits, fx);
  return e.RegC;
}

void ExpectSameTexts(const StepCase& c) {
  Engine e;
  e.OpCode = opcode::Add;
  e.Precision = c.precision;
  e.NewtonSteps = c.steps;
  const int32_t taken = e.NewtonStepsOnLimbs(c.x, c.start);
  EXPECT_EQ(e.RegC, StepsOnText(c, taken))
      << "x " << c.x << ", start " << c.start << ", " << taken << " steps";
}

TEST(NewtonSteps, OnLimbsWriteTheTextsOfTheStepsOnText) {
  const StepCase cases[] = {
      {"0.5", "2.0000", 100, 5},                      // an exact quotient keeps "2."
      {"0.05", "20.000", 30, 1},                      // a start whose decimals are all zeros
      {"3", "0.3333333333333333", 100, 5},            // the division's case
      {"4", "0.3", 100, 3},                           // a poor start
      {"7", "5", 100, 3},                             // a start so poor that 2y < q
      {"003.50", "0.28", 20, 4},                      // a divisor with leading and trailing zeros
      {"1" + std::string(60, '0'), "1e-60", 100, 2},  // not a number: steps on text
      {"0.0000001", "10000000", 8, 3},                // cuts that reach the integer part
      {std::string(40, '9'), "0." + std::string(39, '0') + "1", 268, 5},
  };
  for (const auto& c : cases) ExpectSameTexts(c);
}

TEST(NewtonSteps, OnLimbsAgreeOnASeededSweep) {
  std::mt19937_64 random(2026);
  const auto digits = [&](size_t n) {
    std::string text;
    for (size_t i = 0; i < n; ++i) text += static_cast<char>('0' + random() % 10);
    return text;
  };
  const int32_t precisions[] = {5, 20, 100, 125, 200, 250, 268};
  for (int i = 0; i < 400; ++i) {
    const std::string x = digits(1 + random() % 30) + "." + digits(random() % 40);
    const int32_t precision = precisions[random() % 7];
    // Starts from a few right digits of 1/x to none at all, written as the
    // engine writes its double start value.
    const double start = 1 / std::stod(x) * (0.5 + static_cast<double>(random() % 100) / 50);
    std::array<char, 700> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), start,
                                       std::chars_format::fixed, precision);
    ExpectSameTexts({x, std::isfinite(start) ? std::string(text.data(), written.ptr) : "1",
                     precision, 1 + static_cast<int32_t>(random() % 6)});
  }
}

}  // namespace
}  // namespace tesselon
