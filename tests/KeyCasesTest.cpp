// Replays the key-sequence cases (tests/cases/keys.jsonl, a copy of the
// independently computed cases) through the headless front end and compares
// the whole state after the last step. A case whose steps end in digits that
// are not all true carries the exact value instead of a Result: the Result
// shown must then be faithful to it and keep at least the true decimals of
// the steps' text.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cctype>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "tests/Replay.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

struct TruthRule {
  std::string designResult;
  std::string exact;
  int minDecimals = 0;
};

struct KeyCase {
  int line = 0;
  std::string family;
  std::vector<std::string> steps;
  CalculatorState expect;
  std::optional<TruthRule> truth;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
  *out << "line " << keyCase.line << " (" << keyCase.family << ")";
}

KeyCase keyCaseFrom(const nlohmann::json& json, int line) {
  const nlohmann::json& expect = json.at("expect");
  KeyCase keyCase{
      .line = line,
      .family = json.at("family"),
      .steps = json.at("steps"),
      .expect = {expect.at("X"), expect.at("Y"), expect.value("Result", ""), expect.at("Label"),
                 expect.at("Active"), expect.at("Deg"), expect.at("Memory")},
      .truth = std::nullopt};
  if (json.contains("exact")) {
    keyCase.truth = TruthRule{json.at("design_result"), json.at("exact"), json.at("min_decimals")};
  }
  return keyCase;
}

std::vector<KeyCase> loadCases() {
  std::ifstream file(TESSELON_CASES);
  std::vector<KeyCase> cases;
  int line = 0;
  for (std::string text; std::getline(file, text);) {
    ++line;
    if (!text.empty()) cases.push_back(keyCaseFrom(nlohmann::json::parse(text), line));
  }
  return cases;
}

size_t DecimalsOf(const std::string& text) {
  const size_t point = text.find('.');
  return point == std::string::npos ? 0 : text.size() - point - 1;
}

bool HasSignificantDigit(const std::string& text) {
  return text.find_first_of("123456789") != std::string::npos;
}

// |shown - exact| <= one unit of shown's last digit, worked with far more
// bits than either text has digits.
bool IsFaithful(const std::string& shown, const std::string& exact) {
  const mpfr_prec_t bits = 8 * static_cast<mpfr_prec_t>(shown.size() + exact.size()) + 128;
  mpfr_t difference, unit;
  mpfr_inits2(bits, difference, unit, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_str(difference, shown.c_str(), 10, MPFR_RNDN);
  mpfr_set_str(unit, exact.c_str(), 10, MPFR_RNDN);
  mpfr_sub(difference, difference, unit, MPFR_RNDN);
  mpfr_abs(difference, difference, MPFR_RNDN);
  mpfr_set_ui(unit, 10, MPFR_RNDN);
  mpfr_pow_si(unit, unit, -static_cast<long>(DecimalsOf(shown)), MPFR_RNDN);
  mpfr_mul_d(unit, unit, 1.0 + 1e-12, MPFR_RNDN);
  const bool faithful = mpfr_lessequal_p(difference, unit) != 0;
  mpfr_clears(difference, unit, static_cast<mpfr_ptr>(nullptr));
  return faithful;
}

// The truth rule for a Result: faithful, at least the true decimals of the
// steps' text, never zero for a value that is not; the message is accepted
// only where the steps' true part holds no significant digit.
void ExpectTrue(const std::string& result, const TruthRule& rule) {
  const std::string designTruePart =
      rule.designResult.substr(0, rule.designResult.find('.') + 1 + rule.minDecimals);
  if (result == ErrorText) {
    EXPECT_FALSE(HasSignificantDigit(designTruePart)) << "the steps had true digits";
    return;
  }
  EXPECT_TRUE(IsFaithful(result, rule.exact)) << result << "\nexact " << rule.exact;
  EXPECT_GE(DecimalsOf(result), static_cast<size_t>(rule.minDecimals)) << result;
  EXPECT_EQ(HasSignificantDigit(result), HasSignificantDigit(rule.exact)) << result;
}

std::string nameOf(const testing::TestParamInfo<KeyCase>& row) {
  std::string name = "line" + std::to_string(row.param.line) + "_";
  for (const char c : row.param.family)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

class KeyCaseTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCaseTest, EndsInTheExpectedState) {
  const KeyCase& keyCase = GetParam();
  KeySession session;
  Replay(session, keyCase.steps);
  CalculatorState state = session.state();
  if (keyCase.truth) {
    ExpectTrue(state.result, *keyCase.truth);
    state.result.clear();
  }
  EXPECT_EQ(toJson(state), toJson(keyCase.expect));
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyCaseTest, testing::ValuesIn(loadCases()), nameOf);

TEST(KeyCaseFileTest, HasCases) {
  EXPECT_GT(loadCases().size(), 100u) << TESSELON_CASES;
}

}  // namespace
}  // namespace tesselon
