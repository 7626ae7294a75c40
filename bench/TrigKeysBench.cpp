// The circular, inverse circular, hyperbolic and area keys pressed through
// the headless front end, the way a user would: Operand X typed once, then
// the key pressed again and again.
#include <benchmark/benchmark.h>

#include <string>

#include "tools/keys/KeySteps.h"

namespace {

void PressTrigKey(benchmark::State& state, const std::string& x, const std::string& key,
                  bool degrees) {
  tesselon::KeySession session;
  if (degrees) session.perform(*tesselon::parseStep("Deg"));
  session.perform(*tesselon::parseStep("X=" + x));
  const tesselon::KeyStep press = *tesselon::parseStep(key);
  for (auto _ : state) {
    session.perform(press);
    benchmark::DoNotOptimize(session.engine().LastResult.data());
  }
}

constexpr bool Radians = false;
constexpr bool Degrees = true;

BENCHMARK_CAPTURE(PressTrigKey, Sin_1, "1", "Sin", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Cos_1, "1", "Cos", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Tan_1, "1", "Tan", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Sin_4, "4", "Sin", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Cos_4, "4", "Cos", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Tan_4, "4", "Tan", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Sin_30_degrees, "30", "Sin", Degrees)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, ArcSin_0_5, "0.5", "ASin", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, ArcTan_2, "2", "ATan", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, ArcCot_minus_2, "-2", "ACot", Radians)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Sinh_1, "1", "Sinh", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Cosh_1, "1", "Cosh", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, Tanh_1, "1", "Tanh", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, AreaSinh_2, "2", "ASinh", Radians)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressTrigKey, AreaTanh_0_5, "0.5", "ATanh", Radians)
    ->Unit(benchmark::kMillisecond);

}  // namespace
