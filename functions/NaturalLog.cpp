// ln x = E ln 10 + k ln 2 + ln r: x = m 10^E with 1 <= m < 10, m halved k
// times into 1/2 < r <= 1, and ln r = -2 (z + z^3/3 + z^5/5 + ...) with
// z = (1 - r) / (1 + r).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/Cancellation.h"
#include "engine/TextScan.h"
#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

// x >= 1: one less than the characters before the point. x < 1: one minus
// the leading characters that are not a digit above zero (0.005 gives -3).
int32_t DecimalExponentOf(MathEngine& e) {
  e.ClassifyA();
  if (e.SizeClass != 0) {
    e.FindPoint();
    return e.PointIndex - 1;
  }
  const size_t first = FirstSignificant(e.RegA);
  return 1 - static_cast<int32_t>(first == std::string::npos ? e.RegA.size() : first);
}

// The series works to at most 268 characters: digits of the mantissa past
// its thousandth significant one could reach those cuts only through a run
// of some 700 carried nines, so a longer x is read to that many digits and
// its length. Ln of a number of millions of digits then costs no more than
// of a short one.
constexpr int32_t MantissaDigits = 1000;

// HoldX = m with 1 <= m < 10 and DecExponent = E, for x in RegA.
void SplitMantissa(MathEngine& e) {
  e.LoadA(e.RegA);
  e.DecExponent = DecimalExponentOf(e);
  e.RemovePointA();
  const int32_t kept = std::min(e.LenA, LeadingInsignificant(e.RegA, e.LenA) + MantissaDigits);
  e.RegC = Engine::Cut(e.RegA, kept);
  e.FracC = e.FracA + e.DecExponent - (e.LenA - kept);
  e.InsertPoint();
  e.LoadA(e.RegC);
  e.TidyA();
  e.HoldX = e.RegA;
}

// m halved, exactly and untidied, until it is at most one; returns the
// number of halvings and leaves r in RegA.
int32_t HalveToAtMostOne(MathEngine& e) {
  constexpr uint8_t CodeOfTwo = '2';
  int32_t halvings = 0;
  e.LoadA(e.HoldX);
  e.ClassifyA();
  while (e.SizeClass >= CodeOfTwo) {
    CheckCancelled();
    ++halvings;
    e.LoadA(Multiplied(e, e.RegA, "0.5"));
    e.ClassifyA();
  }
  return halvings;
}

// m was 2, 4 or 8: ln m is 1, 2 or 3 times ln 2, exactly.
std::string LnOfPowerOfTwo(MathEngine& e) {
  std::string ln2 = Engine::Cut(ConstLn2, e.Precision);
  switch (e.HoldX.front()) {
    case '2':
      return ln2;
    case '4':
      return Multiplied(e, ln2, "2");
    default:
      return Multiplied(e, ln2, "3");
  }
}

// SeriesSum = -(z + z^3/3 + ...) for r in RegA; the series counter lives in
// CheckMode, so only the reciprocals of 1/v and of the first term 3 v^3 are
// checked and set the working length. The series runs until its terms no
// longer reach the working length: stopped at a fixed count, a slowly
// converging series (r near 1/2, as for ln 9) would leave a wrong tail.
void SumSeries(MathEngine& e) {
  const std::string r = e.RegA;
  e.LnWork = r;
  const std::string u = TidiedDifference(e, "1", r);
  const std::string v = TidiedSum(e, "1", r);
  e.NumPower = u;
  e.DenPower = v;
  const std::string u2 = Multiplied(e, u, u);
  const std::string v2 = Multiplied(e, v, v);
  e.HoldX = u;
  e.LoadA(v);
  e.CheckMode = CheckAndCut;
  e.Reciprocal();
  e.SeriesSum = "-" + e.Product(Engine::Cut(e.HoldX, e.VerifiedLen), e.RegC);
  for (e.CheckMode = CheckAndCut;; e.CheckMode += 2) {
    CheckCancelled();
    e.LoadA(e.NumPower);
    e.LoadB(u2);
    e.SplitSigns();
    e.MultiplyOperands();
    e.TidyResult();
    e.NumPower = Engine::Cut("-" + e.RegC, e.VerifiedLen);
    e.DenPower = Engine::Cut(e.Product(e.DenPower, v2), e.VerifiedLen);
    e.LoadA(e.Product(std::to_string(e.CheckMode), e.DenPower));
    e.Reciprocal();
    const std::string numerator = Engine::Cut(e.NumPower, e.VerifiedLen);
    if (numerator == "-0") break;
    const std::string denominator = Engine::Cut(e.RegC, e.VerifiedLen);
    e.LoadA(numerator);
    e.LoadB(denominator);
    e.SplitSigns();
    e.MultiplyOperands();
    e.TidyResult();
    const std::string term = Engine::Cut(e.RegC, e.VerifiedLen);
    if (FirstSignificant(term) == std::string::npos) break;
    e.OpCode = opcode::Add;
    e.LoadA(Engine::Cut(e.SeriesSum, e.VerifiedLen));
    e.LoadB(term);
    e.SplitSigns();
    e.AddOperands();
    e.SeriesSum = "-" + e.RegC;
  }
}

// ln m = k ln 2 - (-ln r), from the series sum and the halving count.
std::string LnFromSeries(MathEngine& e) {
  e.LnWork = Engine::Cut(e.Product("2", e.SeriesSum.substr(1)), e.VerifiedLen);
  const std::string kLn2 = e.Product(Engine::Cut(ConstLn2, e.VerifiedLen), e.HalvingCount);
  e.LoadA(kLn2);
  e.LoadB(e.LnWork);
  e.SubtractOperands(true);
  return e.RegC;
}

// ln m for the mantissa in HoldX.
std::string LnOfMantissa(MathEngine& e) {
  e.LoadA(e.HoldX);
  e.TestOne();
  if (e.OneFlag == 1) return "0";
  const int32_t halvings = HalveToAtMostOne(e);
  e.TestOne();
  if (e.OneFlag == 1) return LnOfPowerOfTwo(e);
  e.HalvingCount = std::to_string(halvings);
  SumSeries(e);
  return LnFromSeries(e);
}

// |E| ln 10, cut to the working length.
std::string ExponentTimesLn10(MathEngine& e) {
  const int32_t length = e.VerifiedLen;
  const std::string ln10 = PrefixWithPoint(ConstLn10, length, length - 1);
  return Engine::Cut(e.Product(ln10, std::to_string(std::abs(e.DecExponent))), length);
}

}  // namespace

void MathEngine::NaturalLog() {
  VerifiedLen = Precision;
  SignA = 0;
  SignB = 0;
  SplitMantissa(*this);
  const std::string lnM = LnOfMantissa(*this);
  OpCode = opcode::Add;
  if (DecExponent == 0) {
    RegC = lnM;
    return;
  }
  LoadA(ExponentTimesLn10(*this));
  LoadB(Cut(lnM, VerifiedLen));
  if (DecExponent > 0) {
    AddOperands();
  } else {
    // ln m < ln 10 <= |E| ln 10, so the difference is never negative.
    SubtractOperands();
    RegC.insert(0, 1, '-');
  }
}

}  // namespace tesselon
