// The function keys Log, Ln, X !, 1 / X, the powers and roots of X and e^ X.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "functions/ExactRoot.h"
#include "ui/FrontEnd.h"
#include "ui/KeyTests.h"

namespace tesselon {

namespace {

constexpr int32_t LogarithmPrecision = 200;
constexpr int32_t LogarithmNewtonSteps = 4;
constexpr int32_t ReciprocalPrecision = 125;
constexpr int32_t ReciprocalNewtonSteps = 3;
constexpr int32_t PowerPrecision = 268;
constexpr int32_t PowerNewtonSteps = 3;
constexpr int32_t ExpNewtonSteps = 5;

std::string Message(std::string_view suffix) {
  return std::string(ErrorText) + std::string(suffix);
}

// Keys 57 to 61 work on |X|: with OpCode 5 the split leaves Operand Y alone.
// False when X is empty or was only a sign.
bool SplitSignOfX(MathEngine& e) {
  e.OpCode = opcode::Function;
  if (e.RegA.empty()) return false;
  e.SplitSigns();
  return !e.RegA.empty();
}

// The digit keys keep leading zeros; the routines and the reciprocal's
// check count characters from the start, so X is tidied before them.
void TidyX(MathEngine& e) {
  ReferAsOperandA(e, e.RegA);
  e.TidyA();
}

// The answers of Log, Ln and X ! that need no computation: a negative X,
// zero and one.
std::optional<std::string> AnswerWithoutComputing(MathEngine& e, int& negativeInput,
                                                  std::string_view zeroAnswer,
                                                  std::string_view oneAnswer) {
  negativeInput = e.RegA.starts_with('-');
  if (negativeInput == 1) return Message(NegativeSuffix);
  if (OperandIsZero(e, e.RegA)) return std::string(zeroAnswer);
  if (OperandIsOne(e, e.RegA)) return std::string(oneAnswer);
  return std::nullopt;
}

// "0." and Precision - 2 threes.
std::string CubeRootExponent(int32_t precision) {
  std::string exponent = "0.";
  for (int32_t i = 0; i <= precision / 10; ++i) exponent += "3333333333";
  return Engine::Cut(exponent, precision);
}

// A root of |X| in RegA through the power; the sign of the exponent is
// always positive, whatever an earlier "=" left in SignB.
void RootOfX(MathEngine& e, std::string exponent) {
  e.Precision = PowerPrecision;
  e.NewtonSteps = PowerNewtonSteps;
  e.RootOf(e.RegA, std::move(exponent));
  SnapResult(e);
}

// The root of |X| for a radicand of so many integer digits that the power's
// steps keep no true integer part: from the exact root, cut to the working
// length and snapped like the steps' result. False where even that cannot
// hold the integer part.
bool ExactRootOf(MathEngine& e, std::string_view radicand, uint64_t degree) {
  const std::optional<std::string> root =
      CutPowerOf(radicand, {.numerator = 1, .denominator = degree}, PowerPrecision);
  if (!root) return false;
  e.RegC = *root;
  SnapResult(e);
  return true;
}

}  // namespace

void FrontEnd::PressLog(int) {
  if (e.RegA.empty()) return;
  setOperationLabel("Log");
  if (const auto answer = AnswerWithoutComputing(e, NegativeInput, Message(ZeroSuffix), "0")) {
    Answer(*answer);
    return;
  }
  e.EntryX = e.RegA;
  e.TidyA();
  e.OpCode = opcode::Add;
  e.Precision = LogarithmPrecision;
  e.NewtonSteps = LogarithmNewtonSteps;
  e.DecimalLog();
  SnapResult(e);
  ShowChecked(ExactFunction::Log);
}

void FrontEnd::PressLn(int) {
  if (e.RegA.empty()) return;
  setOperationLabel("Ln");
  if (const auto answer = AnswerWithoutComputing(e, NegativeInput, Message(ZeroSuffix), "0")) {
    Answer(*answer);
    return;
  }
  e.EntryX = e.RegA;
  e.OpCode = opcode::Add;
  e.Precision = LogarithmPrecision;
  e.NewtonSteps = LogarithmNewtonSteps;
  e.TidyA();
  e.NaturalLog();
  SnapResult(e);
  ShowChecked(ExactFunction::Ln);
}

void FrontEnd::PressFactorial(int) {
  if (e.RegA.empty()) return;
  setOperationLabel("X !");
  if (const auto answer = AnswerWithoutComputing(e, NegativeInput, "1", "1")) {
    Answer(*answer);
    return;
  }
  e.EntryX = e.RegA;
  e.OpCode = opcode::Multiply;
  e.Factorial();
  ShowResult();
}

void FrontEnd::PressReciprocal(int) {
  if (!SplitSignOfX(e)) return;
  setOperationLabel("1 / X");
  const bool negative = e.SignA == 1;
  if (OperandIsZero(e, e.RegA)) return Answer(Message(ZeroSuffix));
  if (OperandIsOne(e, e.RegA)) return Answer(negative ? "-1" : "1");
  e.EntryX = e.RegA;
  TidyX(e);
  e.Precision = ReciprocalPrecision;
  e.NewtonSteps = ReciprocalNewtonSteps;
  e.CheckMode = CheckAndCut;
  e.Reciprocal();
  e.CheckMode = 0;
  e.SnapRun = FunctionSnapRun;
  e.SnapUnlessZero();
  if (negative) e.RegC.insert(0, 1, '-');
  ShowChecked(ExactFunction::Reciprocal);
}

void FrontEnd::PressSquare(int) {
  if (!SplitSignOfX(e)) return;
  setOperationLabel("X ^ 2");
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA)) return Answer("1");
  e.EntryX = e.RegA;
  TidyX(e);
  e.RemovePoints();
  e.LoadB(e.RegA);
  e.MultiplyDigits();
  e.StripLeadingBlanks();
  if (e.FracA != 0) {
    e.FracC = 2 * e.FracA;
    e.InsertPoint();
  }
  ShowResult();
}

void FrontEnd::PressCube(int) {
  if (!SplitSignOfX(e)) return;
  setOperationLabel("X ^ 3");
  const bool negative = e.SignA == 1;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA)) return Answer(negative ? "-1" : "1");
  e.EntryX = e.RegA;
  TidyX(e);
  e.RemovePoints();
  e.LoadB(e.RegA);
  e.MultiplyDigits();
  e.LoadA(Engine::WithoutLeadingBlanks(e.RegC));
  e.MultiplyDigits();
  e.StripLeadingBlanks();
  if (e.FracA != 0) {
    e.FracC = 3 * e.FracA;
    e.InsertPoint();
  }
  // The cube is exact: a tiny one stays itself rather than snapping to 0.
  e.SnapRun = FunctionSnapRun;
  e.SnapUnlessZero();
  if (negative) e.RegC.insert(0, 1, '-');
  ShowResult();
}

void FrontEnd::PressSquareRoot(int) {
  if (!SplitSignOfX(e)) return;
  e.SignA = 0;
  setOperationLabel("X^1/2");
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA)) return Answer("1");
  e.EntryX = e.RegA;
  TidyX(e);
  const std::string radicand = e.RegA;
  RootOfX(e, "0.5");
  // Only a root the steps could not answer is taken exactly: every other one
  // keeps the steps' own digits.
  ShowChecked(ExactFunction::SquareRoot, [&] { return ExactRootOf(e, radicand, 2); });
}

void FrontEnd::PressCubeRoot(int) {
  if (!SplitSignOfX(e)) return;
  e.SignC = e.SignA;
  e.SignA = 0;
  setOperationLabel("X^1/3");
  const bool negative = e.SignC == 1;
  if (OperandIsZero(e, e.RegA)) return Answer("0");
  if (OperandIsOne(e, e.RegA)) return Answer(negative ? "-1" : "1");
  e.EntryX = e.RegA;
  TidyX(e);
  const std::string radicand = e.RegA;
  RootOfX(e, CubeRootExponent(PowerPrecision));
  if (negative && !IsMessage(e.RegC)) e.RegC.insert(0, 1, '-');
  ShowChecked(ExactFunction::CubeRoot, [&] {
    if (!ExactRootOf(e, radicand, 3)) return false;
    if (negative) e.RegC.insert(0, 1, '-');
    return true;
  });
}

// e^-x is the reciprocal of e^x, cut to the characters its check confirms.
void FrontEnd::PressExp(int) {
  if (e.RegA.empty() || e.RegA == "-") return;
  setOperationLabel("e^ X");
  if (OperandIsZero(e, e.RegA)) return Answer("1");
  e.EntryX = e.RegA;
  e.OpCode = opcode::Function;
  e.SplitSigns();
  e.SignC = e.SignA;
  TidyX(e);
  e.OpCode = opcode::Add;
  e.Precision = PowerPrecision;
  e.Exponential();
  if (e.SignC == 1 && !IsMessage(e.RegC)) {
    e.SignA = 0;
    e.CheckedReciprocalOf(e.RegC, ExpNewtonSteps);
  }
  ShowChecked(ExactFunction::Exp);
}

}  // namespace tesselon
