// Every digit a key shows is true: the Result of each hard argument is held
// against the exact value, evaluated here with GNU MPFR far beyond the
// digits shown, and must keep at least the true decimals the table names.
// The seeded random sweep over every key is tesselon-accuracy
// (tools/accuracy); the suite runs it briefly, `--random 400` runs it long.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "tests/Replay.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

constexpr mpfr_prec_t ExactBits = 4000;
using Exact = std::function<void(mpfr_ptr, mpfr_srcptr, mpfr_srcptr)>;

struct AccuracyRow {
  std::string name;
  std::vector<std::string> steps;
  std::string x;
  std::string y;
  Exact exact;
  // The fewest true decimals the Result may keep; -1: the message is a
  // fair answer too (no significant digit of the steps' text is true).
  int minDecimals;
};

void PrintTo(const AccuracyRow& row, std::ostream* out) {
  *out << row.name;
}

std::string Zeros(int count) {
  return std::string(static_cast<size_t>(count), '0');
}

std::string Nines(int count) {
  return std::string(static_cast<size_t>(count), '9');
}

Exact Of(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
  return [f](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr) { f(r, x, MPFR_RNDN); };
}

const Exact Quotient = [](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y) {
  mpfr_div(r, x, y, MPFR_RNDN);
};
const Exact Power = [](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y) { mpfr_pow(r, x, y, MPFR_RNDN); };
const Exact ArcCot = [](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr) {
  mpfr_ui_div(r, 1, x, MPFR_RNDN);
  mpfr_atan(r, r, MPFR_RNDN);
};
const Exact AreaCoth = [](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr) {
  mpfr_ui_div(r, 1, x, MPFR_RNDN);
  mpfr_atanh(r, r, MPFR_RNDN);
};
const Exact Cube = [](mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr) { mpfr_pow_ui(r, x, 3, MPFR_RNDN); };

AccuracyRow Key(std::string name, std::string x, std::string key, Exact exact, int minDecimals) {
  return {name, {"X=" + x, key}, x, "", std::move(exact), minDecimals};
}

AccuracyRow Operation(std::string name, std::string x, std::string op, std::string y, Exact exact,
                      int minDecimals) {
  return {name, {"X=" + x, op, "Y=" + y, "="}, x, y, std::move(exact), minDecimals};
}

std::vector<AccuracyRow> Rows() {
  const std::string tiny140 = "0." + Zeros(139) + "1";
  const std::string tiny100 = "0." + Zeros(99) + "1";
  return {
      Key("Ln9", "9", "Ln", Of(mpfr_log), 190),
      Key("Ln4_5", "4.5", "Ln", Of(mpfr_log), 190),
      Key("Ln0_9", "0.9", "Ln", Of(mpfr_log), 190),
      Key("Ln1_01", "1.01", "Ln", Of(mpfr_log), 190),
      Key("Log9", "9", "Log", Of(mpfr_log10), 190),
      Key("Log123_456", "123.456", "Log", Of(mpfr_log10), 190),
      Key("LnOfNinesNearOne", "0." + Nines(160), "Ln", Of(mpfr_log), -1),
      Key("Tanh1", "1", "Tanh", Of(mpfr_tanh), 250),
      Key("Coth1", "1", "Coth", Of(mpfr_coth), 250),
      Key("ExpMinus10", "-10", "e^X", Of(mpfr_exp), 160),
      Key("Sinh200", "200", "Sinh", Of(mpfr_sinh), 54),
      Key("ArcCosMinus0_7", "-0.7", "ACos", Of(mpfr_acos), 40),
      Key("SquareRoot2", "2", "X^1/2", Of(mpfr_sqrt), 264),
      Key("ArcCot2", "2", "ACot", ArcCot, 87),
      Key("Tan1_5", "1.5", "Tan", Of(mpfr_tan), 96),
      Operation("TwentyTwoSevenths", "22", "/", "7", Quotient, 95),
      Operation("LongNinesBySeven", "0." + Nines(300), "/", "7", Quotient, 96),
      Operation("TenthToThe11", "0.1", "X^Y", "11", Power, 100),
      Operation("TenthToThe9", "0.1", "X^Y", "9", Power, 100),
      Operation("TwoToTheMinus40", "2", "X^Y", "-40", Power, 100),
      Operation("OneAndAHalfToTheMinus100", "1.5", "X^Y", "-100", Power, 100),
      Key("AreaCothOfHuge", "1" + Zeros(266), "ACoth", AreaCoth, -1),
      Key("CothOfTiny", tiny140, "Coth", Of(mpfr_coth), -1),
      Key("ArcTanOfTiny", "0." + Zeros(49) + "1", "ATan", Of(mpfr_atan), -1),
      Key("ArcSinOfTiny", tiny100, "ASin", Of(mpfr_asin), -1),
      Key("AreaSinhOfTiny", tiny100, "ASinh", Of(mpfr_asinh), -1),
      Key("SinhOfTiny", tiny140, "Sinh", Of(mpfr_sinh), -1),
      Key("TanhOfTiny", tiny140, "Tanh", Of(mpfr_tanh), -1),
      Key("SquareRootOfTiny", "0." + Zeros(199) + "1", "X^1/2", Of(mpfr_sqrt), 100),
      Key("CubeOfTiny", "0." + Zeros(30) + "1", "X^3", Cube, 93),
      Key("ExpOf350", "350", "e^X", Of(mpfr_exp), -1),
      Key("CoshOf350", "350", "Cosh", Of(mpfr_cosh), -1),
  };
}

int DecimalsOf(const std::string& text) {
  const size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

class AccuracyTest : public testing::TestWithParam<AccuracyRow> {};

TEST_P(AccuracyTest, ShowsOnlyTrueDigits) {
  const AccuracyRow& row = GetParam();
  KeySession session;
  Replay(session, row.steps);
  const std::string result = session.state().result;
  if (result == ErrorText && row.minDecimals < 0) return;
  ASSERT_NE(result.find_first_of("123456789"), std::string::npos) << result;
  mpfr_t x, y, exact, shown;
  mpfr_inits2(ExactBits, x, y, exact, shown, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_str(x, row.x.c_str(), 10, MPFR_RNDN);
  mpfr_set_str(y, row.y.empty() ? "0" : row.y.c_str(), 10, MPFR_RNDN);
  row.exact(exact, x, y);
  mpfr_set_str(shown, result.c_str(), 10, MPFR_RNDN);
  mpfr_sub(shown, shown, exact, MPFR_RNDN);
  mpfr_abs(shown, shown, MPFR_RNDN);
  mpfr_set_ui(x, 10, MPFR_RNDN);
  mpfr_pow_si(x, x, -DecimalsOf(result), MPFR_RNDN);
  mpfr_mul_d(x, x, 1.0 + 1e-12, MPFR_RNDN);
  EXPECT_LE(mpfr_cmp(shown, x), 0) << "not faithful: " << result;
  EXPECT_GE(DecimalsOf(result), row.minDecimals) << result;
  mpfr_clears(x, y, exact, shown, static_cast<mpfr_ptr>(nullptr));
}

INSTANTIATE_TEST_SUITE_P(HardArguments, AccuracyTest, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<AccuracyRow>& row) {
                           return row.param.name;
                         });

}  // namespace
}  // namespace tesselon
