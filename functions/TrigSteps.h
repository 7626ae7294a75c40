#pragma once

// Steps shared by the angle, circular, hyperbolic and area procedures: the
// recurring "multiply", "add", "subtract" and "tidy" of a pair of texts, and
// the constant prefixes read with their understood point.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Engine.h"
#include "engine/TextScan.h"
#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"

namespace tesselon {

// The first `length` characters of a constant stored without a point, as a
// number text whose last `decimals` characters follow the point. Taking the
// point out again gives the same digits with `decimals` as fraction count.
inline std::string PrefixWithPoint(std::string_view bare, int32_t length, int32_t decimals) {
  std::string text(bare.substr(0, static_cast<size_t>(length)));
  text.insert(text.size() - static_cast<size_t>(decimals), 1, '.');
  return text;
}

// 1/n! truncated to precision - 2 decimals: the first precision - 1
// characters of the table entry with its understood point after the "0".
inline std::string ReciprocalFactorial(int32_t n, int32_t precision) {
  return PrefixWithPoint(FactorialEntry(n), precision - 1, precision - 2);
}

// Characters before the first significant digit of a digit string,
// `whenNone` when it has none. The last term of a series read this way
// bounds the characters its sum can vouch for.
inline int32_t LeadingInsignificant(std::string_view digits, int32_t whenNone) {
  const size_t first = FirstSignificant(digits);
  return first == std::string_view::npos ? whenNone : static_cast<int32_t>(first);
}

// pi/2 as the reduction and the cosine take it: 124 characters, 123
// decimals.
inline std::string ReductionPiOver2() {
  return PrefixWithPoint(ConstPiOver2, 124, 123);
}

// "multiply" of two number texts, not tidied.
inline std::string Multiplied(Engine& e, std::string a, std::string b) {
  e.LoadA(std::move(a));
  e.LoadB(std::move(b));
  e.MultiplyOperands();
  return e.RegC;
}

// "add", not tidied.
inline std::string Sum(Engine& e, std::string a, std::string b) {
  e.LoadA(std::move(a));
  e.LoadB(std::move(b));
  e.AddOperands();
  return e.RegC;
}

// "subtract", not tidied; the caller knows that a is not below b.
inline std::string Difference(Engine& e, std::string a, std::string b) {
  e.LoadA(std::move(a));
  e.LoadB(std::move(b));
  e.SubtractOperands();
  return e.RegC;
}

// "add", then tidy.
inline std::string TidiedSum(Engine& e, std::string a, std::string b) {
  e.LoadA(std::move(a));
  e.LoadB(std::move(b));
  e.AddOperands();
  e.TidyResult();
  return e.RegC;
}

// "subtract" (the larger value first when asked), then tidy.
inline std::string TidiedDifference(Engine& e, std::string a, std::string b,
                                    bool largerFirst = false) {
  e.LoadA(std::move(a));
  e.LoadB(std::move(b));
  e.SubtractOperands(largerFirst);
  e.TidyResult();
  return e.RegC;
}

// TidyResult on a text: leading zeros go, and trailing fraction zeros (with
// a bare point) when the text has a point.
inline std::string Tidied(Engine& e, std::string text) {
  e.RegC = std::move(text);
  e.FracC = e.RegC.find('.') != std::string::npos ? 1 : 0;
  e.TidyResult();
  return e.RegC;
}

// True when the last reduction left no correct decimal in the reduced angle.
// The prefixes of pi/2 and pi/180 carry 123 decimals and r inherits n times
// their error: every digit of the quarter-turn count n costs one decimal,
// and in degree mode the factor pi/180 (about 90 degrees a quarter turn)
// two more.
inline bool ReducedAngleIsNoise(const MathEngine& e) {
  constexpr size_t PrefixDecimals = 123;
  const size_t degreeCost = e.DegMode == 1 ? 2 : 0;
  return e.QuarterTurns.size() + degreeCost >= PrefixDecimals;
}

}  // namespace tesselon
