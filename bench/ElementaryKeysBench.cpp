// The elementary function keys pressed through the headless front end on
// typical operands, the display of the result included.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

void PressKeys(benchmark::State& state, const std::vector<std::string>& words) {
  std::vector<KeyStep> steps;
  for (const std::string& word : words) {
    const std::optional<KeyStep> step = parseStep(word);
    if (!step) {
      state.SkipWithError(("unknown step " + word).c_str());
      return;
    }
    steps.push_back(*step);
  }
  KeySession session;
  for (auto _ : state) {
    for (const KeyStep& step : steps) session.perform(step);
    benchmark::DoNotOptimize(session.engine().LastResult.data());
  }
}

using Words = std::vector<std::string>;

BENCHMARK_CAPTURE(PressKeys, ExpOf1, Words{"X=1", "e^X"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, ExpOf20, Words{"X=20", "e^X"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, ExpOfMinus5, Words{"X=-5", "e^X"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, LnOf2, Words{"X=2", "Ln"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, LnOf5, Words{"X=5", "Ln"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, LnOf0_005, Words{"X=0.005", "Ln"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, LogOf2, Words{"X=2", "Log"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, SquareRootOf2, Words{"X=2", "X^1/2"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, CubeRootOf2, Words{"X=2", "X^1/3"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, ThreeToThe0_3, Words{"X=3", "X^Y", "Y=0.3", "="})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, FactorialOf1000, Words{"X=1000", "X!"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, FactorialOf10000, Words{"X=10000", "X!"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, FactorialOf100000, Words{"X=100000", "X!"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, FactorialOf1000000, Words{"X=1000000", "X!"})
    ->Unit(benchmark::kMillisecond);
// 7^1183291 has a million digits.
BENCHMARK_CAPTURE(PressKeys, PowerOfAMillionDigits, Words{"X=7", "X^Y", "Y=1183291", "="})
    ->Unit(benchmark::kMillisecond);
// Functions of an operand of five million digits read the digits they need
// (typing the operand is part of each round).
const std::string FiveMillionSevens = "X=" + std::string(5'000'000, '7');
BENCHMARK_CAPTURE(PressKeys, LnOfFiveMillionDigits, Words{FiveMillionSevens, "Ln"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, SquareRootOfFiveMillionDigits, Words{FiveMillionSevens, "X^1/2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, AreaSinhOfFiveMillionDigits, Words{FiveMillionSevens, "ASinh"})
    ->Unit(benchmark::kMillisecond);
// Roots whose integer part the steps cannot keep: the steps, their check,
// then the exact root of the leading digits.
BENCHMARK_CAPTURE(PressKeys, SquareRootOfThreeHundredNines,
                  Words{"X=" + std::string(300, '9'), "X^1/2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, SquareRootOfAMillionDecimals,
                  Words{"X=" + std::string(300, '7') + "." + std::string(1'000'000, '7'), "X^1/2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressKeys, MillionDigitsToThe0_0002,
                  Words{"X=" + std::string(1'000'000, '7'), "X^Y", "Y=0.0002", "="})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesselon
