#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesselon {

// Whether two texts are equal. Most texts compared here are a few
// characters long, for which a loop costs less than the call to memcmp.
inline bool SameText(std::string_view a, std::string_view b) {
  constexpr size_t ShortText = 16;
  if (a.size() != b.size()) return false;
  if (a.size() > ShortText) return a == b;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// `into` made equal to `from`. Where a text is mostly what it was (the
// registers from one key to the next, the fields read after every event),
// comparing it costs less than copying it.
template <class T>
void AssignChanged(T& into, const T& from) {
  into = from;
}
inline void AssignChanged(std::string& into, const std::string& from) {
  if (!SameText(into, from)) into = from;
}

}  // namespace tesselon
