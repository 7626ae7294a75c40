#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tesselon {

// Operands up to this many characters keep every length and fraction count
// of the digit procedures within their 32-bit registers: the cube, the
// longest text made from one operand, is laid out in four times its length.
inline constexpr size_t MostOperandLength = (std::numeric_limits<int32_t>::max() - 3) / 4;

// A text that holds more than a sign; the keys' own guards deal with an
// empty operand and with a lone "-".
inline bool HoldsMoreThanASign(std::string_view text) {
  return !text.empty() && text != "-";
}

// The text as the engine takes it, when it is a decimal number as the keys
// write one: an optional leading "-", digits and at most one point ("0." and
// "-0." included). A comma counts as the point, since the point key is
// labelled ","; a point at the start, or right after the "-", gets a "0"
// before it. Nothing for any other text (letters, blanks, a second point, a
// "-" elsewhere, a "+") and for a text longer than MostOperandLength.
std::optional<std::string> AsDecimalNumber(std::string_view text);

}  // namespace tesselon
