// What the check of true digits costs a key: the check alone on the text a
// key shows, to set beside that key's whole time in the key benchmarks.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "functions/Faithful.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

std::string ShownBy(const std::vector<std::string>& words) {
  KeySession session;
  for (const std::string& word : words) session.perform(*parseStep(word));
  return session.state().result;
}

void Check(benchmark::State& state, ExactFunction function, std::string x, std::string y,
           const std::vector<std::string>& words) {
  const std::string shown = ShownBy(words);
  const ExactArguments arguments{.x = x, .y = y};
  for (auto _ : state) benchmark::DoNotOptimize(FaithfulText(function, arguments, shown));
}

using Words = std::vector<std::string>;
using F = ExactFunction;

BENCHMARK_CAPTURE(Check, Quotient22By7, F::Quotient, "22", "7", Words{"X=22", "/", "Y=7", "="})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, LnOf2, F::Ln, "2", "", Words{"X=2", "Ln"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, ExpOf1, F::Exp, "1", "", Words{"X=1", "e^X"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, SquareRootOf2, F::SquareRoot, "2", "", Words{"X=2", "X^1/2"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, SinOf1, F::Sin, "1", "", Words{"X=1", "Sin"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, ArcSinOf0_5, F::ArcSin, "0.5", "", Words{"X=0.5", "ASin"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, TanhOf1, F::Tanh, "1", "", Words{"X=1", "Tanh"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, AreaSinhOf2, F::AreaSinh, "2", "", Words{"X=2", "ASinh"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesselon
