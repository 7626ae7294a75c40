#pragma once

// The check that keeps every shown digit true. The steps of a function cut
// their results and vouch for a length they read off a series term or the
// reciprocal's check; where that length is too generous, the text's tail is
// wrong. Each inexact result is held against an independent, correctly
// rounded evaluation of the same function (GNU MPFR) and cut where it stops
// being faithful: within one unit of its last digit of the exact value. The
// reference decides only where the cut falls; every character shown is the
// calculator's own.
#include <string>
#include <string_view>

namespace tesselon {

// The exact function behind a result that the steps can only approximate.
enum class ExactFunction {
  Quotient,
  Reciprocal,
  Power,
  SquareRoot,  // of |x|
  CubeRoot,
  Exp,
  Ln,
  Log,
  Sin,
  Cos,
  Tan,
  Cot,
  ArcSin,
  ArcCos,
  ArcTan,
  ArcCot,  // in (0, pi)
  Sinh,
  Cosh,
  Tanh,
  Coth,
  AreaSinh,
  AreaCosh,
  AreaTanh,
  AreaCoth,
  DegreesOf,  // the angle x radians in degrees
  RadiansOf,  // the angle x degrees in radians
};

struct ExactArguments {
  // Decimal texts with an optional leading "-".
  std::string_view x;
  // The divisor of Quotient, the exponent of Power.
  std::string_view y{};
  // Sin ... Cot take x in degrees.
  bool degrees = false;
};

// `shown` cut to its longest faithful prefix (whole integer part, then as
// many decimals as stay faithful). A message stays as it is. The answer is
// the message where not even the integer part is faithful, or where a value
// that is not zero would show nothing but zeros; `unsnapped` is the text a
// snap to a whole number turned into that zero, offered in its place.
std::string FaithfulText(ExactFunction function, const ExactArguments& arguments,
                         std::string_view shown, std::string_view unsnapped = {});

// FaithfulText worked against MPFR alone: quotients and reciprocals are
// otherwise checked exactly where that settles them, and their tests hold
// the exact check against this one.
std::string FaithfulTextByReference(ExactFunction function, const ExactArguments& arguments,
                                    std::string_view shown, std::string_view unsnapped = {});

// How many decimals of `text` are faithful to `function` (-1 where not even
// its integer part is); for the accuracy sweep and its tests.
int FaithfulDecimals(ExactFunction function, const ExactArguments& arguments,
                     std::string_view text);

}  // namespace tesselon
