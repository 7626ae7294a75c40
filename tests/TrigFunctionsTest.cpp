// The circular and hyperbolic functions and their inverses against values
// summed apart (tests/DecimalReference.h), and the steps of the sine series
// that decide a result's length.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "functions/MathEngine.h"
#include "tests/DecimalReference.h"
#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

using reference::Fixed;

std::string ResultOf(const std::vector<std::string>& words) {
  KeySession session;
  for (const std::string& word : words) session.perform(*parseStep(word));
  return session.state().result;
}

// A key's result against a reference; all but the last `untrusted`
// characters must agree (the cuts may leave the last ones a unit off).
struct ReferenceRow {
  std::vector<std::string> steps;
  std::function<std::string()> reference;
  size_t untrusted;
};

void PrintTo(const ReferenceRow& row, std::ostream* out) {
  for (const std::string& step : row.steps) *out << step << ' ';
}

class AgainstReference : public testing::TestWithParam<ReferenceRow> {};

TEST_P(AgainstReference, AgreesUpToTheCut) {
  const ReferenceRow& row = GetParam();
  const std::string result = ResultOf(row.steps);
  ASSERT_GT(result.size(), row.untrusted + 40) << result;
  const size_t trusted = result.size() - row.untrusted;
  EXPECT_EQ(result.substr(0, trusted), row.reference().substr(0, trusted));
}

Fixed PiOver(uint32_t n) {
  return reference::Pi().divide(n);
}

INSTANTIATE_TEST_SUITE_P(
    CircularFunctions, AgainstReference,
    testing::Values(
        ReferenceRow{{"X=1", "Sin"}, [] { return reference::SineOrCosine(1, 1, true); }, 1},
        ReferenceRow{{"X=0.5", "Sin"}, [] { return reference::SineOrCosine(1, 2, true); }, 1},
        ReferenceRow{{"X=1", "Cos"}, [] { return reference::SineOrCosine(1, 1, false); }, 1},
        ReferenceRow{{"X=0.5", "Cos"}, [] { return reference::SineOrCosine(1, 2, false); }, 1},
        ReferenceRow{{"X=0.5", "ASin"}, [] { return PiOver(6).text(); }, 1},
        ReferenceRow{{"X=0.5", "ACos"}, [] { return PiOver(3).text(); }, 1},
        ReferenceRow{{"X=2", "ATan"},
                     [] {
                       Fixed value = PiOver(2);
                       value -= reference::ArcTangentOfReciprocal(2);
                       return value.text();
                     },
                     1},
        // arccot keeps four decimals of pi/2 beyond the arctangent it is
        // formed from.
        ReferenceRow{
            {"X=2", "ACot"}, [] { return reference::ArcTangentOfReciprocal(2).text(); }, 5},
        ReferenceRow{{"X=-2", "ACot"},
                     [] {
                       Fixed value = reference::Pi();
                       value -= reference::ArcTangentOfReciprocal(2);
                       return value.text();
                     },
                     5}));

Fixed LnOf2() {
  return reference::AreaTangentOfReciprocal(3).times(2);
}

INSTANTIATE_TEST_SUITE_P(
    HyperbolicFunctions, AgainstReference,
    testing::Values(
        ReferenceRow{
            {"X=1", "Sinh"}, [] { return reference::ExponentialSeries(1, 1).odd.text(); }, 1},
        ReferenceRow{
            {"X=1", "Cosh"}, [] { return reference::ExponentialSeries(1, 1).even.text(); }, 1},
        ReferenceRow{
            {"X=0.5", "Sinh"}, [] { return reference::ExponentialSeries(1, 2).odd.text(); }, 1},
        ReferenceRow{
            {"X=0.5", "Cosh"}, [] { return reference::ExponentialSeries(1, 2).even.text(); }, 1},
        // arsinh 3/4 = ln(3/4 + 5/4) and arcosh 5/4 = ln(5/4 + 3/4) are ln 2.
        ReferenceRow{{"X=0.75", "ASinh"}, [] { return LnOf2().text(); }, 1},
        ReferenceRow{{"X=1.25", "ACosh"}, [] { return LnOf2().text(); }, 1},
        ReferenceRow{
            {"X=0.5", "ATanh"}, [] { return reference::AreaTangentOfReciprocal(2).text(); }, 1},
        ReferenceRow{
            {"X=2", "ACoth"}, [] { return reference::AreaTangentOfReciprocal(2).text(); }, 1},
        ReferenceRow{
            {"X=3", "ACoth"}, [] { return reference::AreaTangentOfReciprocal(3).text(); }, 1}));

// tan and cot come from the same sine by different quotients: their
// product is 1 to far more than the 91 characters the snap needs.
TEST(TangentCotangent, AreReciprocal) {
  for (const std::string x : {"1", "0.3", "2.5", "-4"}) {
    MathEngine e;
    e.RegC = e.Product(ResultOf({"X=" + x, "Tan"}), ResultOf({"X=" + x, "Cot"}));
    e.SnapRun = 90;
    e.SnapFraction();
    EXPECT_EQ(e.RegC, "1") << x;
  }
}

void RunSeries(MathEngine& e, const std::string& reducedAngle) {
  e.LoadA(reducedAngle);
  e.OpCode = 1;
  e.Precision = 125;
  e.VariantFlag = 0;
  e.Sine();
}

// Only the added terms are tested for vanishing; the result keeps
// 126 - (their significant characters).
TEST(SineSeries, CutsWhereTheLastAddedTermBeginsToShow) {
  MathEngine e;
  RunSeries(e, "0.5");
  EXPECT_GT(e.TermDigits, 0);
  EXPECT_EQ(e.VerifiedLen, 126 - e.TermDigits);
  EXPECT_EQ(e.RegC.size(), static_cast<size_t>(e.VerifiedLen));
}

// r^5/5! already vanishes for r = 10^-30: the loop stops in its first pass,
// after r^3/3! was subtracted, and the whole sum is kept, whatever an
// earlier call left.
TEST(SineSeries, KeepsTheWholeSumWhenTheFirstAddedTermVanishes) {
  MathEngine e;
  e.TermDigits = 7;
  RunSeries(e, "0." + std::string(29, '0') + "1");
  EXPECT_EQ(e.VerifiedLen, 125);
  EXPECT_EQ(e.RegC,
            "0." + std::string(30, '0') + std::string(60, '9') + "8" + std::string(31, '3') + "4");
}

}  // namespace
}  // namespace tesselon
