// What the check of true digits costs a key: the check alone on the text a
// key shows, to set beside that key's whole time in the key benchmarks.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/RandomDigits.h"
#include "engine/Engine.h"
#include "functions/Faithful.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

CalculatorState StateAfter(const std::vector<std::string>& words) {
  KeySession session;
  for (const std::string& word : words) session.perform(*parseStep(word));
  return session.state();
}

void Check(benchmark::State& state, ExactFunction function, std::string x, std::string y,
           const std::vector<std::string>& words) {
  const std::string shown = StateAfter(words).result;
  const ExactArguments arguments{.x = x, .y = y};
  for (auto _ : state) benchmark::DoNotOptimize(FaithfulText(function, arguments, shown));
}

// The angle a trigonometric key of a radian argument writes into Operand Y
// ("Deg= 57.29..."), checked as that key checks it.
void CheckAngle(benchmark::State& state, std::string x, const std::string& key) {
  const std::string angle = StateAfter({"X=" + x, key}).y.substr(std::string_view("Deg= ").size());
  const ExactArguments arguments{.x = x};
  for (auto _ : state) {
    benchmark::DoNotOptimize(FaithfulText(ExactFunction::DegreesOf, arguments, angle));
  }
}

// X / Y as the steps leave it, before the check: a long dividend's text is
// cut to the message only by the check.
void CheckQuotient(benchmark::State& state, const std::string& x, const std::string& y) {
  Engine e;
  e.RegA = x;
  e.RegB = y;
  e.OpCode = opcode::Divide;
  e.PrepareEvaluation();
  e.EvaluateFourFunctions();
  const ExactArguments arguments{.x = x, .y = y};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FaithfulText(ExactFunction::Quotient, arguments, e.RegC, e.UnsnappedC));
  }
}

using Words = std::vector<std::string>;
using F = ExactFunction;

BENCHMARK_CAPTURE(CheckQuotient, 22By7, "22", "7")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckQuotient, 2By3, "2", "3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckQuotient, 1By3, "1", "3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, ReciprocalOf3, F::Reciprocal, "3", "", Words{"X=3", "1/X"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckQuotient, ThousandDigitsBy7, RandomDigits(1000, 1), "7")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckQuotient, MillionDigitsBy7, RandomDigits(1'000'000, 1), "7")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckQuotient, MillionDigitsByMillionDigits, RandomDigits(1'000'000, 1),
                  RandomDigits(1'000'000, 2))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, LnOf2, F::Ln, "2", "", Words{"X=2", "Ln"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, LogOf8, F::Log, "8", "", Words{"X=8", "Log"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, ExpOf1, F::Exp, "1", "", Words{"X=1", "e^X"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, SquareRootOf2, F::SquareRoot, "2", "", Words{"X=2", "X^1/2"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, SinOf1, F::Sin, "1", "", Words{"X=1", "Sin"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CheckAngle, AngleOfSinOf1, "1", "Sin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, ArcSinOf0_5, F::ArcSin, "0.5", "", Words{"X=0.5", "ASin"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, TanhOf1, F::Tanh, "1", "", Words{"X=1", "Tanh"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, AreaSinhOf2, F::AreaSinh, "2", "", Words{"X=2", "ASinh"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesselon
