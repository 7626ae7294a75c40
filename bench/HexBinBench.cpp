// Res Hex on long integer parts and on a fraction that uses every bit step.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/RandomDigits.h"
#include "functions/MathEngine.h"

namespace {

void ConvertToHex(benchmark::State& state, const std::string& source) {
  tesselon::MathEngine e;
  for (auto _ : state) {
    e.HexBinSource = source;
    e.HexBinMode = tesselon::MathEngine::HexadecimalMode;
    e.HexBinResult();
    benchmark::DoNotOptimize(e.HexBinText);
  }
}

void BM_HexIntegerPart(benchmark::State& state) {
  ConvertToHex(state, tesselon::RandomDigits(static_cast<size_t>(state.range(0)), 1));
}
BENCHMARK(BM_HexIntegerPart)
    ->Arg(300)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(6000000)
    ->Unit(benchmark::kMillisecond);

void BM_HexFraction(benchmark::State& state) {
  ConvertToHex(state, "0." + tesselon::RandomDigits(1600, 1));
}
BENCHMARK(BM_HexFraction)->Unit(benchmark::kMillisecond);

}  // namespace
