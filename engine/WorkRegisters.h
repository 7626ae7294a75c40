#pragma once

#include <cstdint>
#include <string>

namespace tesselon {

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
  // 0 none, 1 add, 2 subtract, 3 multiply, 4 divide, 5 one-operand function,
  // 6 power.
  int32_t OpCode = 0;
  // 2 when the last four-function evaluation was a subtraction as entered;
  // every exchange in AlignOperands reads it.
  int32_t EnteredOp = 0;
  int32_t ZeroFlag = 0;
  int32_t OneFlag = 0;
  int32_t NewtonSteps = 0;
  int32_t Precision = 0;
  int32_t VerifiedLen = 0;
  // 3 makes Reciprocal check and cut its result; the logarithm series uses
  // the same word as its term counter.
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
