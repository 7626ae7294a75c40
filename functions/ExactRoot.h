#pragma once

// Roots and fractional powers whose integer part e^(y ln x) cannot keep: for
// x of some hundreds of integer digits, y ln x is large, the exponential
// keeps only some hundred true characters and the integer part of the
// result is no longer true. Written as x = m 10^(q k), x^(p/q) is
// m^(p/q) 10^(p k): the point of a q-th root moves by whole places. Here
// the digits come from an exact integer q-th root (GMP), so every one is
// the exact value's, cut, never rounded.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesselon {

// An exponent p/q in lowest terms.
struct FractionExponent {
  bool negative = false;
  uint64_t numerator = 0;
  uint64_t denominator = 1;
};

// The decimal text y (digits with an optional point, no sign) as p/q; nothing
// when p or q would make the exact root too costly.
std::optional<FractionExponent> FractionOf(std::string_view y, bool negative);

// x^(p/q) for x > 0 (digits with an optional point, no sign), cut to at most
// `length` characters, the point counted. Nothing when the integer part is
// longer than `length`, when every kept digit would be zero, or when the
// root would cost too much. Reads x to its leading digits where they decide
// every kept one.
std::optional<std::string> CutPowerOf(std::string_view x, const FractionExponent& y,
                                      int32_t length);

}  // namespace tesselon
