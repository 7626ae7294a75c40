#pragma once

// What the Result field may show after any key: nothing, one of the three
// messages, a "$" or "%" conversion, or a number text in the one form
// results are shown in. Shared by the soak test and the fuzz target; results
// run to millions of digits, so the forms are read by hand, not by regex.
#include <algorithm>
#include <string_view>

namespace tesselon {

namespace result_form {

inline bool AllOf(std::string_view text, std::string_view alphabet) {
  return text.find_first_not_of(alphabet) == std::string_view::npos;
}

// An optional "-", the integer digits without leading zeros ("0" alone for
// zero) and a fraction. A fraction may end in "0" only where the check of
// true digits cut it there: those zeros are true digits.
inline bool IsNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const size_t point = std::min(text.find('.'), text.size());
  const std::string_view whole = text.substr(0, point);
  if (whole.empty() || !AllOf(whole, "0123456789")) return false;
  if (whole.size() > 1 && whole.front() == '0') return false;
  if (point == text.size()) return true;
  const std::string_view fraction = text.substr(point + 1);
  return !fraction.empty() && AllOf(fraction, "0123456789");
}

// "$" or "%", the integer digits, and the fraction digits of a result with a
// fraction: 100 hexadecimal or 800 binary digits.
inline bool IsConversion(std::string_view text) {
  if (text.empty() || (text.front() != '$' && text.front() != '%')) return false;
  const bool hexadecimal = text.front() == '$';
  const std::string_view digits = hexadecimal ? "0123456789ABCDEF" : "01";
  const size_t fractionDigits = hexadecimal ? 100 : 800;
  text.remove_prefix(1);
  const size_t point = std::min(text.find('.'), text.size());
  const std::string_view whole = text.substr(0, point);
  if (whole.empty() || !AllOf(whole, digits)) return false;
  if (hexadecimal ? whole.size() > 1 && whole.front() == '0' : whole.size() % 4 != 0) return false;
  if (point == text.size()) return true;
  const std::string_view fraction = text.substr(point + 1);
  return fraction.size() == fractionDigits && AllOf(fraction, digits);
}

}  // namespace result_form

inline bool IsShownForm(std::string_view text) {
  return text.empty() || text == "Ungültige Eingabe !" || text == "Ungültige Eingabe ! (Negativ)" ||
         text == "Ungültige Eingabe ! (Null)" || result_form::IsNumber(text) ||
         result_form::IsConversion(text);
}

}  // namespace tesselon
