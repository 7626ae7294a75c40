// The circular, inverse circular, hyperbolic and area function keys (38 to
// 53). Each runs the common skeleton of the function keys: guard, label,
// sign split, the zero, one and range answers, the engine call, the sign
// rule, ShowResult.
#include <string>

#include "functions/ConstantTables.h"
#include "functions/TrigSteps.h"
#include "ui/FrontEnd.h"
#include "ui/KeyTests.h"

namespace tesselon {

namespace {

constexpr int32_t FunctionPrecision = 268;
// The constant answers: pi/2 as its first 100 digits with the point after
// the first; pi, pi/4 and 3pi/4 as their first 100 characters.
constexpr int32_t ConstantAnswerLength = 100;

enum class Unit { Any, RadiansOnly };

std::string PiOver2Text() {
  return PrefixWithPoint(ConstPiOver2, ConstantAnswerLength, ConstantAnswerLength - 1);
}

std::string FirstCharacters(std::string_view constant) {
  return std::string(constant.substr(0, ConstantAnswerLength));
}

std::string Negative(const std::string& text) {
  return "-" + text;
}

// The key acts on a non-empty Operand X; the inverse, hyperbolic and area
// keys only in radian mode, otherwise they do nothing at all.
bool MayAct(const MathEngine& e, Unit unit) {
  return !e.RegA.empty() && (unit == Unit::Any || e.DegMode == 0);
}

// The sign of X into SignA, X as operand A. False when nothing but a sign
// was typed.
bool SplitX(MathEngine& e) {
  e.SplitSigns();
  if (e.RegA.empty()) return false;
  ReferAsOperandA(e, e.RegA);
  return true;
}

// SizeClass compared with the code of "1": above it |X| > 1, from it on
// |X| >= 1.
bool AboveOne(MathEngine& e) {
  e.ClassifyA();
  return e.SizeClass > '1';
}

bool AtLeastOne(MathEngine& e) {
  e.ClassifyA();
  return e.SizeClass >= '1';
}

// Before the engine call: the operand kept for ShowResult, operand A
// tidied.
void PrepareCall(MathEngine& e) {
  e.EntryX = e.RegA;
  e.OpCode = opcode::Add;
  e.TidyA();
}

void PrepareHyperbolicCall(MathEngine& e) {
  PrepareCall(e);
  e.Precision = FunctionPrecision;
}

// A message is never signed.
void PutMinus(MathEngine& e) {
  if (!IsMessage(e.RegC)) e.RegC.insert(0, 1, '-');
}

void MinusIfNegative(MathEngine& e) {
  if (e.SignC == 1) PutMinus(e);
}

// The sign of an odd function whose zero stays unsigned.
void MinusIfNegativeAndNotZero(MathEngine& e) {
  if (e.SignC == 1 && e.RegC != "0") PutMinus(e);
}

// sin is odd and negative in quadrants 3 and 4.
void SineSign(MathEngine& e) {
  if (e.Quadrant >= 3) e.SignC ^= 1;
  MinusIfNegative(e);
}

// cos is even and negative in quadrants 2 and 3.
void CosineSign(MathEngine& e) {
  if (e.Quadrant == 2 || e.Quadrant == 3) PutMinus(e);
}

// tan and cot are odd with period pi, negative in quadrants 2 and 4.
void TangentSign(MathEngine& e) {
  if (e.Quadrant == 2 || e.Quadrant == 4) e.SignC ^= 1;
  MinusIfNegativeAndNotZero(e);
}

// arccos(-x) = pi - arccos x.
void ArcCosineOfNegative(MathEngine& e) {
  if (e.SignC != 1 || e.RegC == "0" || IsMessage(e.RegC)) return;
  e.RegC = Difference(e, FirstCharacters(ConstPi), e.RegC);
}

}  // namespace

void FrontEnd::PressSin(int) {
  if (!MayAct(e, Unit::Any)) return;
  setOperationLabel("Sin");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  PrepareCall(e);
  e.VariantFlag = 1;
  e.Sine();
  e.VariantFlag = 0;
  showAngle();
  SnapResult(e);
  SineSign(e);
  ShowChecked(ExactFunction::Sin);
}

void FrontEnd::PressCos(int) {
  if (!MayAct(e, Unit::Any)) return;
  setOperationLabel("Cos");
  if (!SplitX(e)) return;
  // Only the angle display reads the sign: cos is even.
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("1");
  PrepareCall(e);
  e.Cosine();
  showAngle();
  SnapResult(e);
  CosineSign(e);
  ShowChecked(ExactFunction::Cos);
}

void FrontEnd::PressTan(int) {
  if (!MayAct(e, Unit::Any)) return;
  setOperationLabel("Tan");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  PrepareCall(e);
  e.Tangent();
  showAngle();
  SnapResult(e);
  TangentSign(e);
  ShowChecked(ExactFunction::Tan);
}

void FrontEnd::PressCot(int) {
  if (!MayAct(e, Unit::Any)) return;
  setOperationLabel("Cot");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer(std::string(ErrorText));
  PrepareCall(e);
  e.Cotangent();
  showAngle();
  SnapResult(e);
  TangentSign(e);
  ShowChecked(ExactFunction::Cot);
}

void FrontEnd::PressArcSin(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ASin");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA))
    return Answer(e.SignC == 1 ? Negative(PiOver2Text()) : PiOver2Text());
  if (AboveOne(e)) return Answer(std::string(ErrorText));
  PrepareCall(e);
  e.ArcSine();
  MinusIfNegativeAndNotZero(e);
  ShowChecked(ExactFunction::ArcSin);
}

void FrontEnd::PressArcCos(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ACos");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer(PiOver2Text());
  if (OperandIsOne(e, e.RegA)) return Answer(e.SignC == 1 ? FirstCharacters(ConstPi) : "0");
  if (AboveOne(e)) return Answer(std::string(ErrorText));
  PrepareCall(e);
  e.ArcCosine();
  ArcCosineOfNegative(e);
  ShowChecked(ExactFunction::ArcCos);
}

void FrontEnd::PressArcTan(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ATan");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA)) {
    const std::string quarterPi = FirstCharacters(ConstPiOver4);
    return Answer(e.SignC == 1 ? Negative(quarterPi) : quarterPi);
  }
  PrepareCall(e);
  e.ArcTangent();
  MinusIfNegative(e);
  ShowChecked(ExactFunction::ArcTan);
}

void FrontEnd::PressArcCot(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ACot");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer(PiOver2Text());
  if (OperandIsOne(e, e.RegA)) {
    return Answer(FirstCharacters(e.SignC == 1 ? Const3PiOver4 : ConstPiOver4));
  }
  PrepareCall(e);
  // The value lies in (0, pi) with its sign: ArcCotangent reads SignC.
  e.ArcCotangent();
  ShowChecked(ExactFunction::ArcCot);
}

void FrontEnd::PressSinh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("Sinh");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  PrepareHyperbolicCall(e);
  e.VariantFlag = 1;
  e.HypSineCosine();
  e.VariantFlag = 0;
  MinusIfNegative(e);
  ShowChecked(ExactFunction::Sinh);
}

void FrontEnd::PressCosh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("Cosh");
  if (!SplitX(e)) return;
  if (OperandIsZero(e, e.RegA)) return Answer("1");
  PrepareHyperbolicCall(e);
  e.HypSineCosine();
  ShowChecked(ExactFunction::Cosh);
}

void FrontEnd::PressTanh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("Tanh");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  PrepareHyperbolicCall(e);
  e.HypTangent();
  MinusIfNegative(e);
  ShowChecked(ExactFunction::Tanh);
}

void FrontEnd::PressCoth(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("Coth");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer(std::string(ErrorText));
  PrepareHyperbolicCall(e);
  e.HypCotangent();
  MinusIfNegative(e);
  ShowChecked(ExactFunction::Coth);
}

void FrontEnd::PressAreaSinh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ASinh");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  PrepareHyperbolicCall(e);
  e.VariantFlag = 1;
  e.AreaSineCosine();
  e.VariantFlag = 0;
  MinusIfNegative(e);
  ShowChecked(ExactFunction::AreaSinh);
}

void FrontEnd::PressAreaCosh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ACosh");
  if (!SplitX(e)) return;
  if (e.SignA == 1) return Answer(std::string(ErrorText));
  if (OperandIsOne(e, e.RegA)) return Answer("0");
  if (!AboveOne(e)) return Answer(std::string(ErrorText));
  PrepareHyperbolicCall(e);
  e.AreaSineCosine();
  ShowChecked(ExactFunction::AreaCosh);
}

void FrontEnd::PressAreaTanh(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ATanh");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (AtLeastOne(e)) return Answer(std::string(ErrorText));
  PrepareHyperbolicCall(e);
  e.VariantFlag = 1;
  e.AreaTangentCotangent();
  e.VariantFlag = 0;
  MinusIfNegative(e);
  ShowChecked(ExactFunction::AreaTanh);
}

void FrontEnd::PressAreaCoth(int) {
  if (!MayAct(e, Unit::RadiansOnly)) return;
  setOperationLabel("ACoth");
  if (!SplitX(e)) return;
  e.SignC = e.SignA;
  if (!AboveOne(e)) return Answer(std::string(ErrorText));
  PrepareHyperbolicCall(e);
  e.AreaTangentCotangent();
  MinusIfNegative(e);
  ShowChecked(ExactFunction::AreaCoth);
}

}  // namespace tesselon
