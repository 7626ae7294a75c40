// ReduceAngle: the angle display, the quadrant, the quarter turns and the
// reduced angle, and where the reduction leaves nothing correct.
#include <gtest/gtest.h>

#include <string>

#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"
#include "tests/DecimalReference.h"

namespace tesselon {
namespace {

using reference::Fixed;

struct ReductionRow {
  int32_t degMode;
  std::string angle;
  uint8_t sign;
  std::string display;
  int32_t quadrant;
  std::string quarterTurns;
  std::string reducedStart;
};

void PrintTo(const ReductionRow& row, std::ostream* out) {
  *out << (row.degMode == 1 ? "degrees " : "radians ") << (row.sign == 1 ? "-" : "") << row.angle;
}

void Reduce(MathEngine& e, int32_t degMode, const std::string& angle, uint8_t sign = 0) {
  e.DegMode = degMode;
  e.SignC = sign;
  e.LoadA(angle);
  e.ReduceAngle();
}

std::string ReducedAngle(const std::string& radians) {
  MathEngine e;
  Reduce(e, 0, radians);
  return e.RegA;
}

class ReduceAngleTest : public testing::TestWithParam<ReductionRow> {};

TEST_P(ReduceAngleTest, FoldsIntoTheFirstQuadrant) {
  const ReductionRow& row = GetParam();
  MathEngine e;
  Reduce(e, row.degMode, row.angle, row.sign);
  EXPECT_EQ(e.AngleDisplay, row.display);
  EXPECT_EQ(e.Quadrant, row.quadrant);
  EXPECT_EQ(e.QuarterTurns, row.quarterTurns);
  EXPECT_TRUE(e.RegA.starts_with(row.reducedStart)) << e.RegA;
  EXPECT_LE(e.RegA.size(), 125u);
  EXPECT_EQ(e.Precision, 125);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, ReduceAngleTest,
    testing::Values(
        ReductionRow{0, "1", 0, "Deg= 57.2957795130823208767981548141051703324054724665", 1, "0",
                     "1"},
        // The minus sign counts among the 49 characters.
        ReductionRow{0, "1", 1, "Deg= -57.295779513082320876798154814105170332405472466", 1, "0",
                     "1"},
        // Just below pi/2: no quarter turn is taken off.
        ReductionRow{1, "90", 0, "Rad= 1.57079632679489661923132169163975144209858469968", 1, "0",
                     "1.5707963267948966192313216916397514420985846996875529104874722961539"},
        // Just below pi: two quarter turns minus the angle leave the error of
        // the two prefixes.
        ReductionRow{1, "180", 0, "Rad= 3.14159265358979323846264338327950288419716939937", 2, "2",
                     "0." + std::string(120, '0') + "152"},
        ReductionRow{0, "4", 0, "Deg= 229.183118052329283507192619256420681329621889866", 3, "2",
                     "0.8584073464"},
        ReductionRow{0, "6", 0, "Deg= 343.774677078493925260788928884631021994432834799", 4, "4",
                     "0.2831853071"},
        // 63 quarter turns and a bit: quadrant (63 mod 4) + 1, reduced from
        // the next multiple.
        ReductionRow{0, "100", 0, "Deg= 5729.57795130823208767981548141051703324054724665", 4, "64",
                     "0.5309649148"}));

// r = |x - n pi/2| against pi summed apart: about 123 - (digits of n)
// decimals hold.
TEST(ReduceAngleTest, KeepsTheDecimalsOfPi) {
  Fixed fourMinusPi = Fixed::Ratio(4, 1);
  fourMinusPi -= reference::Pi();
  Fixed twoPiMinusSix = reference::Pi().times(2);
  twoPiMinusSix -= Fixed::Ratio(6, 1);
  Fixed thirtyTwoPiMinusHundred = reference::Pi().times(32);
  thirtyTwoPiMinusHundred -= Fixed::Ratio(100, 1);
  constexpr size_t Checked = 120;
  EXPECT_EQ(ReducedAngle("4").substr(0, Checked), fourMinusPi.text().substr(0, Checked));
  EXPECT_EQ(ReducedAngle("6").substr(0, Checked), twoPiMinusSix.text().substr(0, Checked));
  EXPECT_EQ(ReducedAngle("100").substr(0, Checked - 2),
            thirtyTwoPiMinusHundred.text().substr(0, Checked - 2));
}

struct NoiseRow {
  int32_t degMode;
  int digits;
  bool noise;
};

class ReductionLimitTest : public testing::TestWithParam<NoiseRow> {};

// An angle of `digits` digits (7333...): its reduced angle keeps a correct
// decimal up to a quarter-turn count of 122 digits in radians and 120 in
// degrees.
TEST_P(ReductionLimitTest, RefusesOnlyWhenNoDecimalIsLeft) {
  const NoiseRow& row = GetParam();
  MathEngine e;
  Reduce(e, row.degMode, "7" + std::string(static_cast<size_t>(row.digits - 1), '3'));
  EXPECT_EQ(ReducedAngleIsNoise(e), row.noise) << e.QuarterTurns.size();
}

INSTANTIATE_TEST_SUITE_P(Limits, ReductionLimitTest,
                         testing::Values(NoiseRow{0, 30, false}, NoiseRow{0, 122, false},
                                         NoiseRow{0, 123, true}, NoiseRow{0, 300, true},
                                         NoiseRow{1, 122, false}, NoiseRow{1, 123, true},
                                         NoiseRow{1, 200, true}));

}  // namespace
}  // namespace tesselon
