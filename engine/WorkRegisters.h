#pragma once

#include <cstdint>
#include <string>

namespace tesselon {

// The codes of OpCode. 1 to 4 are the operations of "=" on X and Y. The code
// also tells SplitSigns and RemovePoints which operands to treat: every code
// but Function treats operand B as well as A, so a procedure that works on
// two operands sets Add first, and a function key sets Function so that
// Operand Y is left as the user typed it.
namespace opcode {
inline constexpr int32_t None = 0;
inline constexpr int32_t Add = 1;
inline constexpr int32_t Subtract = 2;
inline constexpr int32_t Multiply = 3;
inline constexpr int32_t Divide = 4;
inline constexpr int32_t Function = 5;
inline constexpr int32_t Power = 6;
}  // namespace opcode

// CheckMode: Reciprocal checks x y and cuts y to the characters it confirms.
inline constexpr int32_t CheckAndCut = 3;

// SnapRun: a fraction of SnapRun + 1 equal zeros or nines snaps to the
// neighbouring whole number. The four operations and the function keys snap
// at 90; a power, which keeps only the shorter of its logarithm's and its
// exponential's lengths, at 10; the angle display at 50; the pole tests of
// tan and cot at 100.
inline constexpr int32_t FunctionSnapRun = 90;
inline constexpr int32_t PowerSnapRun = 10;
inline constexpr int32_t AngleDisplaySnapRun = 50;
inline constexpr int32_t PoleSnapRun = 100;

// X / Y works its reciprocal of Y to 100 characters in five Newton steps.
inline constexpr int32_t DivisionPrecision = 100;
inline constexpr int32_t DivisionNewtonSteps = 5;

// The one register set every digit procedure reads and writes. Numbers are
// texts of ASCII digits with at most one point; the sign travels beside the
// text in a sign byte. Procedures take no arguments: the caller loads the
// registers, calls, and reads the result from RegC and the flags.
//
// RefA and RefB name the texts the digit loops take as operands A and B (the
// first LenA and LenB characters of those texts); RefC names the text being
// written. They point at registers of this same set; WorkRegisters below
// makes a copy refer to its own.
struct RegisterValues {
  std::string RegA;
  std::string RegB;
  std::string RegC;
  int32_t LenA = 0;
  int32_t LenB = 0;
  int32_t LenC = 0;
  std::string* RefA = &RegA;
  std::string* RefB = &RegB;
  std::string* RefC = &RegC;
  int32_t FracA = 0;
  int32_t FracB = 0;
  // Digits after the point of the result; AlignOperands leaves in it the
  // number of zeros it appended.
  int32_t FracC = 0;
  // One of the codes of namespace opcode above.
  int32_t OpCode = opcode::None;
  // 2 when the last four-function evaluation was a subtraction as entered;
  // every exchange in AlignOperands reads it.
  int32_t EnteredOp = 0;
  int32_t ZeroFlag = 0;
  int32_t OneFlag = 0;
  int32_t NewtonSteps = 0;
  int32_t Precision = 0;
  int32_t VerifiedLen = 0;
  // CheckAndCut makes Reciprocal check and cut its result; the logarithm
  // series uses the same word as its term counter.
  int32_t CheckMode = 0;
  int32_t PointIndex = 0;
  int32_t SnapRun = 0;
  // RegC as it was before SnapFraction last turned it into a whole number;
  // empty when the last SnapFraction left RegC as it was.
  std::string UnsnappedC;
  uint8_t SizeClass = 0;
  uint8_t SignA = 0;
  uint8_t SignB = 0;
  uint8_t SignC = 0;

  // Texts of the evaluation that outlive a key press.
  std::string EntryX;  // operand texts as they were when an evaluation began
  std::string EntryY;
  std::string HoldX;  // operand X kept aside during an evaluation
  std::string LastResult;
  std::string Memory;
  int32_t MemoryAddPending = 0;
};

// The register set. A copy is the state of before a key, put back when the
// key's computation is cancelled: its references name the same registers of
// the copy as they named in the original.
struct WorkRegisters : RegisterValues {
  WorkRegisters() = default;
  WorkRegisters(const WorkRegisters& other) : RegisterValues(other) { ReferLike(other); }
  WorkRegisters& operator=(const WorkRegisters& other) {
    RegisterValues::operator=(other);
    ReferLike(other);
    return *this;
  }

 private:
  // A reference to a text outside the set is left over from an earlier
  // procedure and is set again before it is read; it becomes RegA.
  std::string* Own(const std::string* ref, const WorkRegisters& other) {
    if (ref == &other.RegB) return &RegB;
    if (ref == &other.RegC) return &RegC;
    return &RegA;
  }
  void ReferLike(const WorkRegisters& other) {
    RefA = Own(other.RefA, other);
    RefB = Own(other.RefB, other);
    RefC = Own(other.RefC, other);
  }
};

}  // namespace tesselon
