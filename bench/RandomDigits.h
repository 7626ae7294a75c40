#pragma once

#include <random>
#include <string>

namespace tesselon {

// n pseudo-random decimal digits from `seed`, the first a 7, so that the
// number has exactly n digits.
inline std::string RandomDigits(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> digit(0, 9);
  std::string s(n, '0');
  for (char& c : s) c = static_cast<char>('0' + digit(rng));
  if (!s.empty()) s[0] = '7';
  return s;
}

}  // namespace tesselon
