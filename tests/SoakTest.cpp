// Thousands of random key sequences through the calculator without a window:
// random keys, clicks and typed texts (short and long numbers, long
// fractions, malformed texts). After every step nothing may have escaped,
// the registers must equal the fields, and the Result field must show a form
// a result can take. The seed is printed; TESSELON_SOAK_SEED replays a run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "testing/ResultForm.h"
#include "tools/keys/DeadlineToolkit.h"
#include "tools/keys/KeySteps.h"
#include "ui/Controls.h"

namespace tesselon {
namespace {

constexpr int Sequences = 3000;
constexpr int MostStepsPerSequence = 4;
// A key still computing then is cancelled as Escape would cancel it; the
// texts below keep that rare (no factorial of a six-digit number, no exact
// power of a thousand-digit base).
constexpr std::chrono::milliseconds KeyDeadline{2000};

uint64_t SeedOfThisRun() {
  if (const char* replay = std::getenv("TESSELON_SOAK_SEED"))
    return std::strtoull(replay, nullptr, 10);
  return std::random_device{}();
}

class RandomUser {
 public:
  explicit RandomUser(uint64_t seed) : rng_(seed) {
    for (const ControlRow& row : controlTable()) {
      if (row.kind == ControlKind::Button) keys_.push_back(row.number);
    }
  }

  KeyStep next() {
    const int roll = below(100);
    if (roll < 45) return {.kind = KeyStep::Kind::Press, .control = keys_[below(keys_.size())]};
    if (roll < 55) return {.kind = KeyStep::Kind::Click, .control = field()};
    return {.kind = KeyStep::Kind::Type, .control = field(), .text = text()};
  }

 private:
  size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
  bool chance(int percent) { return static_cast<int>(below(100)) < percent; }
  int field() { return chance(50) ? control::OperandX : control::OperandY; }

  std::string digits(size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i) out += static_cast<char>('0' + below(10));
    return out;
  }

  std::string text() {
    const int kind = static_cast<int>(below(100));
    if (kind < 35) return shortNumber();
    if (kind < 50) return digits(1 + below(2));
    if (kind < 62) return longFraction();
    if (kind < 70) return (chance(30) ? "-" : "") + digits(8 + below(33));
    return malformed();
  }

  // Up to three integer digits (a factorial stays short), a point typed as
  // "." or ",", or one at the start.
  std::string shortNumber() {
    std::string number = chance(25) ? "-" : "";
    if (!chance(10)) number += digits(1 + below(3));
    if (chance(60) || number.empty() || number == "-") {
      number += chance(70) ? "." : ",";
      number += digits(below(26));
    }
    return number;
  }

  std::string longFraction() {
    const size_t length = chance(10) ? 2000 + below(8000) : 50 + below(1000);
    return digits(1) + "." + digits(length);
  }

  std::string malformed() {
    static const std::string alphabet = "0123456789.,-+ eEaU\t";
    switch (below(6)) {
      case 0: {
        std::string junk;
        for (size_t i = 1 + below(12); i > 0; --i) junk += alphabet[below(alphabet.size())];
        return junk;
      }
      case 1: {
        std::string number = shortNumber();
        number.insert(below(number.size() + 1), 1, alphabet[below(alphabet.size())]);
        return number;
      }
      case 2:
        return digits(1 + below(4)) + "." + digits(1 + below(4)) + "." + digits(1 + below(3));
      case 3:
        return chance(50) ? "" : "-";
      case 4:
        return digits(1 + below(3)) + "-" + digits(below(3));
      default:
        return digits(10000 + below(40000)) + "x";
    }
  }

  std::mt19937_64 rng_;
  std::vector<int> keys_;
};

std::string Describe(const KeyStep& step) {
  switch (step.kind) {
    case KeyStep::Kind::Press:
      return "#" + std::to_string(step.control);
    case KeyStep::Kind::Click:
      return step.control == control::OperandX ? "focus:X" : "focus:Y";
    case KeyStep::Kind::Type:
      return (step.control == control::OperandX ? "X=" : "Y=") + step.text.substr(0, 80) +
             (step.text.size() > 80 ? "..." : "");
    case KeyStep::Kind::Show:
      break;
  }
  return "show";
}

TEST(SoakTest, RandomKeySequencesKeepTheCalculatorSound) {
  const uint64_t seed = SeedOfThisRun();
  std::cout << "soak seed " << seed << " (replay with TESSELON_SOAK_SEED=" << seed << ")\n";
  RandomUser user(seed);
  int steps = 0;
  for (int sequence = 0; sequence < Sequences; ++sequence) {
    KeySession session(std::make_unique<DeadlineToolkit>(KeyDeadline));
    std::vector<std::string> done;
    const size_t length = 1 + static_cast<size_t>(sequence % MostStepsPerSequence);
    for (size_t i = 0; i < length; ++i, ++steps) {
      const KeyStep step = user.next();
      done.push_back(Describe(step));
      const auto trail = [&] {
        std::string text =
            "seed " + std::to_string(seed) + ", sequence " + std::to_string(sequence) + ":";
        for (const std::string& word : done) text += " " + word;
        return text;
      };
      try {
        session.perform(step);
      } catch (const std::exception& escaped) {
        FAIL() << "exception escaped: " << escaped.what() << "\n" << trail();
      } catch (...) {
        FAIL() << "exception escaped\n" << trail();
      }
      const CalculatorState state = session.state();
      ASSERT_EQ(session.engine().RegA, state.x) << trail();
      ASSERT_EQ(session.engine().RegB, state.y) << trail();
      ASSERT_TRUE(IsShownForm(state.result)) << state.result.substr(0, 200) << "\n" << trail();
    }
  }
  std::cout << "soak: " << Sequences << " sequences, " << steps << " steps\n";
}

}  // namespace
}  // namespace tesselon
