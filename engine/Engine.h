#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/AssignChanged.h"
#include "engine/WorkRegisters.h"

namespace tesselon {

namespace limbs {
struct DecimalValue;
}

// The answer texts of the calculator.
inline constexpr std::string_view ErrorText = "Ungültige Eingabe !";
inline constexpr std::string_view NegativeSuffix = " (Negativ)";
inline constexpr std::string_view ZeroSuffix = " (Null)";

// A message, alone or with its suffix, is never signed, cut or converted.
inline bool IsMessage(std::string_view text) {
  return text.starts_with(ErrorText);
}

// How an evaluation ended: a text in RegC to be shown, a value stored into
// Memory, or nothing at all.
enum class Answer { None, Shown, Stored };

// The decimal engine: digit procedures on the work registers. Each procedure
// takes no arguments and works on the registers only; the composite helpers
// below name the recurring sequences ("multiply", "add", "cut to k") once.
class Engine : public WorkRegisters {
 public:
  // Alignment, addition and subtraction of digit strings.
  void AlignOperands();
  void AddDigits();
  void SubtractDigits();

  // Exact product: 2 * LenA + 1 characters, spaces on the left.
  void MultiplyDigits();

  // 1 / RegA by Newton's iteration, optionally checked and cut.
  void Reciprocal();
  // One Newton step on the texts: RegC = y becomes 2y - (x y^2 cut to
  // 2 Precision, cut to Precision); x is given by its digits and fraction
  // count.
  void NewtonStepOnText(const std::string& xDigits, int32_t fx);
  // Up to NewtonSteps of the same steps on limbs, from `start`; they stop
  // where the texts would leave plain arithmetic. RegC is the text the steps
  // on text would have left; returns the steps taken.
  int32_t NewtonStepsOnLimbs(const std::string& x, const std::string& start);

  // Normalisation and flags.
  void SplitSigns();
  void TidyA();
  void TidyB();
  void TidyResult();
  void RemovePoints();
  void RemovePointA();
  void RemovePointB();
  void InsertPoint();
  void SnapFraction();
  // SnapFraction for a result that is never zero (a quotient of non-zero
  // numbers, a cube): a fraction that begins with the run of zeros is a
  // small value, kept as it is; only a run of nines snaps.
  void SnapUnlessZero();
  void TestZero();
  void TestOne();
  void ClassifyA();
  void FindPoint();
  // The text side of showing a result: final form of RegC, operand registers
  // restored from EntryX and EntryY, LastResult kept.
  void ShowResult();

  // The four-function evaluation of "=" (and of M+ when MemoryAddPending is
  // set). PrepareEvaluation takes RegA, RegB as the fields hold them and
  // returns false when an operand is empty or only a sign.
  bool PrepareEvaluation();
  Answer EvaluateFourFunctions();

  // --- Composite steps shared by the procedures ---

  // RegA (RegB) = text, with LenA (LenB) and RefA (RefB) set to it.
  void LoadA(std::string text);
  void LoadB(std::string text);
  // Exchange the roles of operands A and B (references and lengths only).
  void ExchangeOperands();
  // The longer digit string as operand A.
  void LongerFirst();
  // At equal lengths, compare digit by digit and give the larger the role of
  // A (equal texts keep their order). Signs are not touched; true when the
  // operands were exchanged.
  bool LargerFirstAtEqualLength();
  // Remove the leading spaces of RegC.
  void StripLeadingBlanks();
  // InsertPoint when FracC is not 0.
  void InsertPointIfFraction();
  // "multiply": points out of A and B, longer first, MultiplyDigits, leading
  // blanks removed, FracC = FracA + FracB, point back. No tidy step.
  void MultiplyOperands();
  // "add": points out, AlignOperands, AddDigits, leading blanks removed,
  // FracC = the larger fraction count, point back.
  void AddOperands();
  // "subtract": as "add" with SubtractDigits. AlignOperands puts the longer
  // digit string first; with largerFirst, equal lengths are compared digit by
  // digit as well, so that the larger value is operand A.
  void SubtractOperands(bool largerFirst = false);
  // The product RegA x RegB of two number texts, tidied ("multiply, tidy").
  std::string Product(std::string a, std::string b);
  // RegC = 1 / text with the check on, VerifiedLen the characters it
  // confirms. OpCode 5 keeps operand B out of the sign split while the
  // reciprocal runs; OpCode is 1 afterwards.
  void CheckedReciprocalOf(std::string text, int32_t newtonSteps);

  // "cut to k": the first k characters (all of them when shorter).
  static std::string Cut(std::string_view text, int32_t k);
  // Remove every leading blank of a text.
  static std::string WithoutLeadingBlanks(std::string_view text);

 private:
  void NewtonReciprocal(const std::string& x, std::optional<double> start);
  int32_t NewtonStepsFrom(const std::string& x, limbs::DecimalValue& y, bool yTextHasDecimals);
  void CheckReciprocal(const std::string& x);
  void RemovePointOf(std::string* text, int32_t& len, int32_t& frac);
  void TidyOperand(std::string& text, int32_t& len, std::string*& ref);
  void LeadingZeroTidy(std::string& text, size_t count);
  bool IsZeroOperand(const std::string& text);
  void EvaluateAddition();
  void EvaluateSubtraction();
  void EvaluateMultiplication();
  void EvaluateDivision();
  Answer Deliver();
};

}  // namespace tesselon
