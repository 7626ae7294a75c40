#include <algorithm>
#include <utility>

#include "engine/Engine.h"

namespace tesselon {

bool Engine::PrepareEvaluation() {
  LenA = static_cast<int32_t>(RegA.size());
  LenB = static_cast<int32_t>(RegB.size());
  if (LenA == 0 || LenB == 0) return false;
  AssignChanged(EntryX, RegA);
  AssignChanged(EntryY, RegB);
  RefA = &RegA;
  RefB = &RegB;
  SignC = 0;
  EnteredOp = OpCode == opcode::Subtract ? opcode::Subtract : opcode::None;
  SplitSigns();
  // An operand that was only "-" has nothing left to compute with; the tidy
  // step below would otherwise turn it into 0.
  if (LenA == 0 || LenB == 0) return false;
  TidyA();
  TidyB();
  if (OpCode < opcode::Divide) RemovePoints();
  return true;
}

Answer Engine::EvaluateFourFunctions() {
  if (OpCode == opcode::Add) {
    if (SignA == SignB) {
      SignC = SignA;
    } else {
      OpCode = opcode::Subtract;
    }
  } else if (OpCode == opcode::Subtract && SignA != SignB) {
    OpCode = opcode::Add;
    SignC = SignA;
  }
  switch (OpCode) {
    case opcode::Add:
      EvaluateAddition();
      return Deliver();
    case opcode::Subtract:
      EvaluateSubtraction();
      return Deliver();
    case opcode::Multiply:
      EvaluateMultiplication();
      return Deliver();
    case opcode::Divide:
      EvaluateDivision();
      return Deliver();
    default:
      return Answer::None;
  }
}

// Tests one operand for zero through operand A, then puts X back.
bool Engine::IsZeroOperand(const std::string& text) {
  LoadA(text);
  TestZero();
  LoadA(HoldX);
  return ZeroFlag == 1;
}

void Engine::EvaluateAddition() {
  HoldX = RegA;
  if (IsZeroOperand(RegB)) {
    RegC = RegA;
    FracC = FracA;
  } else if (IsZeroOperand(HoldX)) {
    RegC = RegB;
    FracC = FracB;
  } else {
    AlignOperands();
    AddDigits();
    StripLeadingBlanks();
    FracC = std::max(FracA, FracB);
  }
  InsertPointIfFraction();
  SnapRun = FunctionSnapRun;
  SnapFraction();
  if (SignC == 1) RegC.insert(0, 1, '-');
}

void Engine::EvaluateSubtraction() {
  HoldX = RegA;
  if (IsZeroOperand(RegB)) {
    RegC = RegA;
    FracC = FracA;
    SignC = SignA;
  } else {
    AlignOperands();
    // At equal lengths the larger magnitude goes first; the result then takes
    // Y's sign, inverted when the user entered a subtraction.
    if (LargerFirstAtEqualLength()) {
      std::swap(SignA, SignB);
      if (EnteredOp == 2) SignA ^= 1;
    }
    SubtractDigits();
    StripLeadingBlanks();
    SignC = SignA;
    FracC = std::max(FracA, FracB);
  }
  InsertPointIfFraction();
  TidyResult();
  SnapRun = FunctionSnapRun;
  SnapFraction();
  if (SignC == 1) RegC.insert(0, 1, '-');
}

void Engine::EvaluateMultiplication() {
  LongerFirst();
  MultiplyDigits();
  StripLeadingBlanks();
  FracC = FracA + FracB;
  InsertPointIfFraction();
  SnapRun = FunctionSnapRun;
  SnapFraction();
  if (SignA != SignB) RegC.insert(0, 1, '-');
}

// X / Y = X times the reciprocal of Y, worked to 100 characters and cut to
// what its check confirms; the product with X keeps all its digits.
void Engine::EvaluateDivision() {
  TestZero();
  if (ZeroFlag == 1) {
    RegC = "0";
    return;
  }
  SignC = static_cast<uint8_t>(SignA + SignB);
  HoldX = RegA;
  LoadA(RegB);
  TestZero();
  if (ZeroFlag == 1) {
    RegC = std::string(ErrorText);
    return;
  }
  TestOne();
  if (OneFlag == 1) {
    RegC = SignC == 1 ? "-" + HoldX : HoldX;
    return;
  }
  Precision = DivisionPrecision;
  NewtonSteps = DivisionNewtonSteps;
  CheckMode = CheckAndCut;
  Reciprocal();
  LoadA(HoldX);
  // The reciprocal's text moves on as operand B; the product below rewrites
  // RegC.
  LoadB(std::move(RegC));
  SplitSigns();
  RemovePoints();
  LongerFirst();
  MultiplyDigits();
  StripLeadingBlanks();
  FracC = FracA + FracB;
  InsertPointIfFraction();
  TidyResult();
  SnapRun = FunctionSnapRun;
  SnapUnlessZero();
  if (SignC == 1) RegC.insert(0, 1, '-');
}

// The memory-add path stores the signed result instead of showing it.
Answer Engine::Deliver() {
  if (MemoryAddPending == 1) {
    Memory = RegC;
    MemoryAddPending = 0;
    return Answer::Stored;
  }
  ShowResult();
  return Answer::Shown;
}

}  // namespace tesselon
