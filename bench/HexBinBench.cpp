// Res Hex on long integer parts and on a fraction that uses every bit step.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "functions/MathEngine.h"

namespace {

std::string RandomDigits(size_t length) {
  std::mt19937 random(1);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text = "9";
  while (text.size() < length) text += static_cast<char>('0' + digit(random));
  return text;
}

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
  ConvertToHex(state, RandomDigits(static_cast<size_t>(state.range(0))));
}
BENCHMARK(BM_HexIntegerPart)
    ->Arg(300)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(6000000)
    ->Unit(benchmark::kMillisecond);

void BM_HexFraction(benchmark::State& state) {
  ConvertToHex(state, "0." + RandomDigits(1600));
}
BENCHMARK(BM_HexFraction)->Unit(benchmark::kMillisecond);

}  // namespace
