// Presses every key whose result is not exact on known hard arguments and on
// seeded random ones, and counts the decimals of each Result that are true
// (held against GNU MPFR). Any unfaithful Result is printed and makes the
// exit status 1.
//
//   tesselon-accuracy [--seed N] [--random N]     sweep, one row per key
//   tesselon-accuracy --list [--seed N] [--random N]
//       the cases as lines "KEY<TAB>X<TAB>Y<TAB>steps..." (Y may be empty)
//   tesselon-accuracy --score < lines
//       the same lines with a fifth column RESULT, as another build of the
//       calculator showed them: the table of their true decimals
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "functions/Faithful.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

struct KeyUnderTest {
  std::string name;  // as tesselon-keys names the key, or "/" and "X^Y"
  ExactFunction function;
  bool degrees = false;
  std::vector<std::string> hard;  // "X" or "X Y"
  double lowest = 0;              // random arguments: sign * 10^[lowest, highest]
  double highest = 0;
  bool negativeToo = false;
};

std::string Nines(int count) {
  return "0." + std::string(static_cast<size_t>(count), '9');
}

std::string PowerOfTen(int exponent) {
  if (exponent >= 0) return "1" + std::string(static_cast<size_t>(exponent), '0');
  return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + "1";
}

std::vector<KeyUnderTest> Keys() {
  using F = ExactFunction;
  return {
      {"/", F::Quotient, false, {"22 7", Nines(300) + " 7", "1 3"}, -20, 20, true},
      {"1/X", F::Reciprocal, false, {"3", "7", "1.5625"}, -30, 30, true},
      {"Log", F::Log, false, {"9", "123.456", Nines(95), Nines(160)}, -30, 30},
      {"Ln", F::Ln, false, {"9", "4.5", "2.25", "0.9", "90", "1.01", Nines(160)}, -30, 30},
      {"e^X", F::Exp, false, {"-10", "350", "1", "-1"}, -3, 2.4, true},
      {"X^1/2", F::SquareRoot, false, {"2", "3", PowerOfTen(-200)}, -30, 30},
      {"X^1/3", F::CubeRoot, false, {"2", "-3"}, -30, 30, true},
      {"X^Y", F::Power, false, {"0.1 11", "2 -40", "1.5 -100", "0.1 9"}, -2, 2},
      {"Sin", F::Sin, false, {"1", "10", PowerOfTen(-140)}, -3, 2, true},
      {"Cos", F::Cos, false, {"1", "10"}, -3, 2, true},
      {"Tan", F::Tan, false, {"1.5", "1"}, -3, 2, true},
      {"Cot", F::Cot, false, {"1.5", "1"}, -3, 2, true},
      {"Sin", F::Sin, true, {"30", "45", "1"}, -2, 3, true},
      {"Cos", F::Cos, true, {"60", "1"}, -2, 3, true},
      {"Tan", F::Tan, true, {"45", "1"}, -2, 3, true},
      {"Cot", F::Cot, true, {"45", "1"}, -2, 3, true},
      {"ASin", F::ArcSin, false, {"0.5", "0.9999999999", PowerOfTen(-100)}, -3, -0.01, true},
      {"ACos", F::ArcCos, false, {"0.5", "-0.7", "0.7"}, -3, -0.01, true},
      {"ATan", F::ArcTan, false, {"2", PowerOfTen(-50)}, -3, 3, true},
      {"ACot", F::ArcCot, false, {"2", "-2"}, -3, 3, true},
      {"Sinh", F::Sinh, false, {"1", "200", PowerOfTen(-140)}, -3, 2.3, true},
      {"Cosh", F::Cosh, false, {"1", "350"}, -3, 2.3, true},
      {"Tanh", F::Tanh, false, {"1", PowerOfTen(-140)}, -3, 2.3, true},
      {"Coth", F::Coth, false, {"1", PowerOfTen(-140)}, -3, 2.3, true},
      {"ASinh", F::AreaSinh, false, {"2", PowerOfTen(-100)}, -3, 3, true},
      {"ACosh", F::AreaCosh, false, {"2"}, 0.01, 3},
      {"ATanh", F::AreaTanh, false, {"0.5"}, -3, -0.01, true},
      {"ACoth", F::AreaCoth, false, {"2", PowerOfTen(266)}, 0.01, 3, true},
  };
}

// A random decimal text: sign, up to 20 significant digits, the first of
// them at 10^e with e uniform in [lowest, highest].
std::string RandomNumber(std::mt19937_64& random, const KeyUnderTest& key) {
  std::uniform_real_distribution<double> exponent(key.lowest, key.highest);
  std::uniform_int_distribution<int> length(1, 20);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string digits(1, static_cast<char>('1' + digit(random) % 9));
  for (int i = length(random); i > 1; --i) digits += static_cast<char>('0' + digit(random));
  digits.erase(std::max<size_t>(digits.find_last_not_of('0') + 1, 1));
  const long units = static_cast<long>(std::floor(exponent(random))) + 1;
  std::string number;
  if (units <= 0) {
    number = "0." + std::string(static_cast<size_t>(-units), '0') + digits;
  } else if (static_cast<size_t>(units) >= digits.size()) {
    number = digits + std::string(static_cast<size_t>(units) - digits.size(), '0');
  } else {
    number = digits.substr(0, static_cast<size_t>(units)) + "." +
             digits.substr(static_cast<size_t>(units));
  }
  const bool negative = key.negativeToo && random() % 2 == 1;
  return negative ? "-" + number : number;
}

struct Case {
  const KeyUnderTest* key;
  std::string x;
  std::string y;
};

std::vector<std::string> StepsOf(const Case& c) {
  std::vector<std::string> steps;
  if (c.key->degrees) steps.push_back("Deg");
  steps.push_back("X=" + c.x);
  if (c.key->name == "/" || c.key->name == "X^Y") {
    steps.insert(steps.end(), {c.key->name, "Y=" + c.y, "="});
  } else {
    steps.push_back(c.key->name);
  }
  return steps;
}

std::vector<Case> Cases(const std::vector<KeyUnderTest>& keys, uint64_t seed, int randomPerKey) {
  std::mt19937_64 random(seed);
  std::vector<Case> cases;
  for (const KeyUnderTest& key : keys) {
    const bool twoOperands = key.name == "/" || key.name == "X^Y";
    for (const std::string& hard : key.hard) {
      const size_t blank = hard.find(' ');
      cases.push_back(
          {&key, hard.substr(0, blank), blank == std::string::npos ? "" : hard.substr(blank + 1)});
    }
    for (int i = 0; i < randomPerKey; ++i) {
      cases.push_back(
          {&key, RandomNumber(random, key), twoOperands ? RandomNumber(random, key) : ""});
    }
  }
  return cases;
}

std::string RowName(const KeyUnderTest& key) {
  return key.degrees ? key.name + " (Deg)" : key.name;
}

int DecimalsOf(const std::string& text) {
  const size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Per key: the true decimals of each numeric Result, and how many were not
// all true.
struct Tally {
  std::vector<int> trueDecimals;
  int unfaithful = 0;
  int messages = 0;
};

void Count(Tally& tally, const Case& c, const std::string& result, bool report) {
  if (result.empty() || !(std::isdigit(static_cast<unsigned char>(result.back())))) {
    ++tally.messages;
    return;
  }
  const ExactArguments arguments{.x = c.x, .y = c.y, .degrees = c.key->degrees};
  const int good = FaithfulDecimals(c.key->function, arguments, result);
  tally.trueDecimals.push_back(std::max(good, 0));
  if (good != DecimalsOf(result)) {
    ++tally.unfaithful;
    if (report) std::cout << "unfaithful: " << RowName(*c.key) << " " << c.x << " " << c.y << "\n";
  }
}

void PrintTable(const std::vector<KeyUnderTest>& keys, std::map<std::string, Tally>& tallies) {
  std::cout << "| key | results | true decimals: median | worst | with a wrong tail | messages |\n"
               "|---|---|---|---|---|---|\n";
  for (const KeyUnderTest& key : keys) {
    Tally& t = tallies[RowName(key)];
    if (t.trueDecimals.empty() && t.messages == 0) continue;
    std::sort(t.trueDecimals.begin(), t.trueDecimals.end());
    const auto at = [&](size_t i) { return t.trueDecimals.empty() ? 0 : t.trueDecimals[i]; };
    std::cout << "| " << RowName(key) << " | " << t.trueDecimals.size() << " | "
              << at(t.trueDecimals.size() / 2) << " | " << at(0) << " | " << t.unfaithful << " | "
              << t.messages << " |\n";
  }
}

int Sweep(const std::vector<KeyUnderTest>& keys, const std::vector<Case>& cases) {
  std::map<std::string, Tally> tallies;
  for (const Case& c : cases) {
    KeySession session;
    for (const std::string& word : StepsOf(c)) session.perform(*parseStep(word));
    Count(tallies[RowName(*c.key)], c, session.state().result, true);
  }
  PrintTable(keys, tallies);
  int unfaithful = 0;
  for (const auto& [name, tally] : tallies) unfaithful += tally.unfaithful;
  return unfaithful == 0 ? 0 : 1;
}

void List(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    std::cout << RowName(*c.key) << '\t' << c.x << '\t' << c.y;
    for (const std::string& step : StepsOf(c)) std::cout << '\t' << step;
    std::cout << '\n';
  }
}

// Lines as --list writes them, with the Result another build showed last.
int Score(const std::vector<KeyUnderTest>& keys) {
  std::map<std::string, Tally> tallies;
  for (std::string line; std::getline(std::cin, line);) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    if (fields.size() < 4) continue;
    const auto key = std::find_if(keys.begin(), keys.end(),
                                  [&](const KeyUnderTest& k) { return RowName(k) == fields[0]; });
    if (key == keys.end()) continue;
    Count(tallies[fields[0]], {&*key, fields[1], fields[2]}, fields.back(), false);
  }
  PrintTable(keys, tallies);
  return 0;
}

}  // namespace
}  // namespace tesselon

int main(int argc, char** argv) {
  using namespace tesselon;
  uint64_t seed = 12;
  int randomPerKey = 40;
  bool list = false;
  bool score = false;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--seed" && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (word == "--random" && i + 1 < argc) {
      randomPerKey = std::atoi(argv[++i]);
    } else if (word == "--list") {
      list = true;
    } else if (word == "--score") {
      score = true;
    } else {
      std::cerr << "usage: tesselon-accuracy [--list | --score] [--seed N] [--random N]\n";
      return 2;
    }
  }
  const std::vector<KeyUnderTest> keys = Keys();
  if (score) return Score(keys);
  const std::vector<Case> cases = Cases(keys, seed, randomPerKey);
  if (list) {
    List(cases);
    return 0;
  }
  std::cout << "seed " << seed << ", " << randomPerKey << " random arguments per key\n";
  return Sweep(keys, cases);
}
