// The engine's hot spots: long products and squares, the reciprocal at the
// working lengths the keys use, and a long addition.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/RandomDigits.h"
#include "engine/Engine.h"

namespace tesselon {
namespace {

// Operands of n digits; the second argument 1 multiplies a text by itself.
void BM_MultiplyDigits(benchmark::State& state) {
  const auto n = static_cast<size_t>(state.range(0));
  Engine e;
  const std::string a = RandomDigits(n, 1);
  const std::string b = state.range(1) == 1 ? a : RandomDigits(n, 2);
  for (auto _ : state) {
    e.LoadA(a);
    e.LoadB(b);
    e.MultiplyDigits();
    benchmark::DoNotOptimize(e.RegC.data());
  }
}
BENCHMARK(BM_MultiplyDigits)
    ->ArgsProduct({{100, 1000, 10000, 20000, 30000, 100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_Reciprocal(benchmark::State& state) {
  Engine e;
  for (auto _ : state) {
    e.LoadA("7.123456789");
    e.Precision = static_cast<int32_t>(state.range(0));
    e.NewtonSteps = static_cast<int32_t>(state.range(1));
    e.CheckMode = 3;
    e.Reciprocal();
    benchmark::DoNotOptimize(e.RegC.data());
  }
}
BENCHMARK(BM_Reciprocal)->Args({100, 5})->Args({268, 3})->Unit(benchmark::kMicrosecond);

void BM_AddDigits(benchmark::State& state) {
  Engine e;
  const std::string a = RandomDigits(100000, 3);
  const std::string b = RandomDigits(100000, 4);
  for (auto _ : state) {
    e.LoadA(a);
    e.LoadB(b);
    e.AddDigits();
    benchmark::DoNotOptimize(e.RegC.data());
  }
}
BENCHMARK(BM_AddDigits)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesselon
