#include "ui/MemoryBound.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tesselon {

namespace {

// Bytes a result keeps per digit: its text in RegC and LastResult, in the
// snapshot of the registers, in the deferred call and the field (two bytes a
// character in the window), and the product's working space while it forms.
constexpr double BytesPerDigit = 24;
// Results below this many bytes always fit; the available memory is not
// read for them.
constexpr double SmallBytes = 64.0 * 1024 * 1024;

double Length(const std::string& text) {
  return static_cast<double>(text.size());
}

// log10 of |text| from its integer digits and the leading ones; negative
// infinity below 1.
double Log10Magnitude(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  text = text.substr(0, text.find('.'));
  const size_t first = text.find_first_not_of('0');
  if (first == std::string_view::npos) return -std::numeric_limits<double>::infinity();
  text.remove_prefix(first);
  constexpr size_t Leading = 15;
  double leading = 0;
  for (const char c : text.substr(0, Leading)) leading = leading * 10 + (c - '0');
  return std::log10(leading) + static_cast<double>(text.size() - std::min(text.size(), Leading));
}

// Digits of |x|^|y| for whole powers beyond the working length.
double PowerDigits(const std::string& x, const std::string& y) {
  const double exponentLog = Log10Magnitude(y);
  const double baseLog = Log10Magnitude(x);
  if (baseLog <= 0 || exponentLog < 0) return 0;
  return std::pow(10.0, exponentLog) * baseLog + 1;
}

// Digits of n! for the whole part n of |x|, by Stirling's formula:
// n log10(n / e) + log10(2 pi n) / 2.
double FactorialDigits(const std::string& x) {
  const double log10n = Log10Magnitude(x);
  if (log10n <= 1) return 0;
  const double n = std::pow(10.0, log10n);
  return n * (log10n - std::log10(std::exp(1.0))) + (std::log10(2 * M_PI) + log10n) / 2 + 1;
}

double EvaluationDigits(const MathEngine& e) {
  if (e.OpCode == opcode::Multiply) return Length(e.RegA) + Length(e.RegB);
  if (e.OpCode == opcode::Power) return PowerDigits(e.RegA, e.RegB);
  return 0;
}

// The first number on the line of /proc/meminfo or /proc/self/status that
// starts with `key`, or nothing.
std::optional<uint64_t> ProcValue(const char* file, std::string_view key) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with(key)) continue;
    const size_t first = std::min(line.find_first_of("0123456789", key.size()), line.size());
    uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(line.data() + first, line.data() + line.size(), value);
    if (error != std::errc()) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

// What is left under a process limit, given what the process already uses.
uint64_t LeftUnder(int resource, const char* usedKey) {
  rlimit limit{};
  if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    return std::numeric_limits<uint64_t>::max();
  }
  const uint64_t used = ProcValue("/proc/self/status", usedKey).value_or(0) * 1024;
  return limit.rlim_cur > used ? limit.rlim_cur - used : 0;
}

// What is left under the limit of the process's control group (version 2).
uint64_t LeftInGroup() {
  constexpr uint64_t Unlimited = std::numeric_limits<uint64_t>::max();
  std::ifstream groups("/proc/self/cgroup");
  std::string line;
  if (!std::getline(groups, line) || !line.starts_with("0::")) return Unlimited;
  const std::string folder = "/sys/fs/cgroup" + line.substr(3);
  std::ifstream maxFile(folder + "/memory.max");
  std::ifstream currentFile(folder + "/memory.current");
  uint64_t most = 0;
  uint64_t current = 0;
  if (!(maxFile >> most) || !(currentFile >> current)) return Unlimited;
  return most > current ? most - current : 0;
}

}  // namespace

double ResultDigits(FrontEnd::KeyHandler press, const MathEngine& e) {
  if (press == &FrontEnd::PressEquals || press == &FrontEnd::PressMemoryAdd) {
    return EvaluationDigits(e);
  }
  if (press == &FrontEnd::PressSquare) return 2 * Length(e.RegA);
  if (press == &FrontEnd::PressCube) return 3 * Length(e.RegA);
  if (press == &FrontEnd::PressFactorial) return FactorialDigits(e.RegA);
  if (press == &FrontEnd::PressResBin) return Length(e.LastResult) * std::log2(10.0);
  // The other keys make nothing much longer than their operands; Clear and
  // the keys that drop texts must work even when memory is short.
  return 0;
}

uint64_t AvailableBytes() {
  uint64_t available = std::numeric_limits<uint64_t>::max();
  if (const auto kilobytes = ProcValue("/proc/meminfo", "MemAvailable:")) {
    available = *kilobytes * 1024;
  }
  available = std::min(available, LeftUnder(RLIMIT_AS, "VmSize:"));
  available = std::min(available, LeftUnder(RLIMIT_DATA, "VmData:"));
  return std::min(available, LeftInGroup());
}

bool FitsInMemory(double digits, uint64_t available) {
  return digits * BytesPerDigit <= static_cast<double>(available);
}

bool KeyFitsInMemory(FrontEnd::KeyHandler press, const MathEngine& e) {
  const double digits = ResultDigits(press, e);
  if (digits * BytesPerDigit < SmallBytes) return true;
  return FitsInMemory(digits, AvailableBytes());
}

// A key refused for its memory shows the label it shows with its other
// messages; "=" and M+ keep the pending operation's.
bool FrontEnd::keyFitsInMemory(KeyHandler press) {
  if (KeyFitsInMemory(press, e)) return true;
  if (press == &FrontEnd::PressSquare) setOperationLabel("X ^ 2");
  if (press == &FrontEnd::PressCube) setOperationLabel("X ^ 3");
  if (press == &FrontEnd::PressFactorial) setOperationLabel("X !");
  return false;
}

}  // namespace tesselon
