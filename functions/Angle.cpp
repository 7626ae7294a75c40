#include <string>

#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

constexpr int32_t ReductionPrecision = 125;
// The angle display shows this many characters of the converted angle, its
// sign included, and snaps a radian angle within 51 equal decimals of a
// whole number of degrees (pi/2 typed to 60 digits shows as 90).
constexpr int32_t AngleDisplayLength = 49;

std::string Signed(const std::string& text, uint8_t sign) {
  return sign == 1 ? "-" + text : text;
}

// (whole part mod 4) + 1, read off the last two digits since 100 is a
// multiple of 4.
int32_t QuadrantOf(const std::string& wholePart) {
  const std::string lastTwo =
      wholePart.size() < 2 ? "0" + wholePart : wholePart.substr(wholePart.size() - 2);
  return ((lastTwo[0] - '0') * 10 + (lastTwo[1] - '0')) % 4 + 1;
}

}  // namespace

// Folds |angle| into 0 <= r <= pi/2 as r = |x - n pi/2|, n the multiple of
// pi/2 that leaves a remainder in that range, and leaves the angle in the
// other unit for the Operand Y field.
void MathEngine::ReduceAngle() {
  Precision = ReductionPrecision;
  // The constants enter as prefixes with their understood points: 180/pi
  // with 122 decimals, pi/180 with 123, 2/pi with 124.
  if (DegMode == 0) {
    HoldX = RegA;
    Product(RegA, PrefixWithPoint(Const180OverPi, 124, 122));
    SnapRun = AngleDisplaySnapRun;
    SnapFraction();
    AngleDisplay = "Deg= " + Cut(Signed(RegC, SignC), AngleDisplayLength);
    LoadB(HoldX);
  } else {
    // The radian angle is cut to the working length: in degree mode every
    // integer digit costs a decimal of r.
    Product(RegA, PrefixWithPoint(ConstPiOver180, 124, 123));
    LoadB(Cut(RegC, Precision));
    HoldX = RegB;
    AngleDisplay = "Rad= " + Cut(Signed(RegC, SignC), AngleDisplayLength);
  }
  const std::string quarters = Product(RegB, PrefixWithPoint(Const2OverPi, 125, 124));
  LoadA(quarters);
  FindPoint();
  QuarterTurns = Cut(quarters, PointIndex);
  Quadrant = QuadrantOf(QuarterTurns);
  if (Quadrant == 2 || Quadrant == 4) {
    LoadA(QuarterTurns);
    LoadB("1");
    AddOperands();
    QuarterTurns = RegC;
  }
  const std::string turned = Product(QuarterTurns, ReductionPiOver2());
  LoadA(Cut(TidiedDifference(*this, HoldX, turned, true), Precision));
}

}  // namespace tesselon
