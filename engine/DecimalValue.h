#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Limbs.h"

namespace tesselon::limbs {

// A number of at least 0 as digits / Base^fractionLimbs, the digits in limbs
// without zero limbs at the top. The point sits on a limb boundary, so
// aligning two values moves whole limbs and a cut clears digits in place.
// Loops that would otherwise turn texts into limbs and back on every step
// (Newton's iteration) keep their values in this form and reason about the
// texts the steps would have written: a tidy text is the integer part without
// leading zeros ("0" below one), then the point and the fraction without
// trailing zeros when there is one.
struct DecimalValue {
  Limbs digits;
  int64_t fractionLimbs = 0;
};

// The value of a text of digits with at most one point, into `value`; false
// for any other character or an empty text.
bool ParseDecimal(std::string_view text, DecimalValue& value);
// The exact value of a finite double of at least 0 whose binary fraction
// needs at most `maxDecimals` decimals, into `value`; false for any other.
bool ExactDouble(double number, int64_t maxDecimals, DecimalValue& value);
// The tidy text, into `text`.
void TidyTextInto(const DecimalValue& value, std::string& text);

bool IsZero(const DecimalValue& value);
// Decimals of the tidy text.
int64_t TidyDecimals(const DecimalValue& value);
// Characters before the point in the tidy text (1 for values below one).
int64_t IntegerChars(const DecimalValue& value);
// "cut to k" of the tidy text, as a value. False, and the value untouched,
// where the cut would fall inside the integer part.
bool CutToChars(DecimalValue& value, int64_t k);

bool SameValue(const DecimalValue& a, const DecimalValue& b);
// The results go into values whose storage is reused from step to step; a
// result is none of the operands.
void ProductInto(const DecimalValue& a, const DecimalValue& b, DecimalValue& product);
// q = x y^2 cut to k characters, from only the columns of the square that
// can reach the characters kept. False, with q of no use, where a carry from
// the columns left out could reach them, where too few would be left out to
// pay, or where y's tidy text has more than k characters (its square would
// first be cut to 2k).
bool CutSquareTimes(const DecimalValue& x, const DecimalValue& y, int64_t k, DecimalValue& q);
// Whether x y^2 cut to k characters is y itself, for a y whose tidy text
// has decimals and at most k characters; false for any other y. It costs
// the product x y where the cut of x y^2 costs a square and a longer one.
bool CutSquareTimesIsY(const DecimalValue& x, const DecimalValue& y, int64_t k);
// d = 2y - q; false, with d of no use, where q > 2y.
bool TwiceLessInto(const DecimalValue& y, const DecimalValue& q, DecimalValue& d);

}  // namespace tesselon::limbs
