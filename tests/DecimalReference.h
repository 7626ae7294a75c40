#pragma once

// Reference values for the function tests, computed apart from the engine:
// fixed-point numbers held as exact non-negative integers scaled by
// 10^Scale, summed from series whose steps only multiply and divide by small
// integers. Each division truncates, so a value is low by at most a few
// hundred units of 10^-Scale; the tests compare far fewer decimals.
#include <cstdint>
#include <string>
#include <vector>

namespace tesselon::reference {

class Fixed {
 public:
  static constexpr int Scale = 300;

  // n / d.
  static Fixed Ratio(uint32_t n, uint32_t d) {
    Fixed value;
    value.limbs_ = {n};
    for (int i = 0; i < Scale; ++i) value.times(10);
    value.divide(d);
    return value;
  }

  Fixed& times(uint32_t m) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      carry += uint64_t{limb} * m;
      limb = static_cast<uint32_t>(carry % Base);
      carry /= Base;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
    return *this;
  }

  Fixed& divide(uint32_t d) {
    uint64_t rest = 0;
    for (size_t i = limbs_.size(); i-- > 0;) {
      rest = rest * Base + limbs_[i];
      limbs_[i] = static_cast<uint32_t>(rest / d);
      rest %= d;
    }
    trim();
    return *this;
  }

  bool isZero() const { return limbs_.empty(); }

  Fixed& operator+=(const Fixed& other) {
    uint64_t carry = 0;
    for (size_t i = 0; i < other.limbs_.size() || carry != 0; ++i) {
      if (i == limbs_.size()) limbs_.push_back(0);
      carry += limbs_[i] + (i < other.limbs_.size() ? other.limbs_[i] : 0);
      limbs_[i] = static_cast<uint32_t>(carry % Base);
      carry /= Base;
    }
    return *this;
  }

  // Requires *this >= other.
  Fixed& operator-=(const Fixed& other) {
    int64_t borrow = 0;
    for (size_t i = 0; i < limbs_.size(); ++i) {
      int64_t d = int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
      borrow = d < 0;
      limbs_[i] = static_cast<uint32_t>(d + (borrow ? Base : 0));
    }
    trim();
    return *this;
  }

  // The value as a number text with all Scale decimals.
  std::string text() const {
    std::string digits;
    for (size_t i = limbs_.size(); i-- > 0;) {
      std::string limb = std::to_string(limbs_[i]);
      if (i + 1 != limbs_.size()) limb.insert(0, 9 - limb.size(), '0');
      digits += limb;
    }
    if (digits.size() <= Scale) digits.insert(0, Scale + 1 - digits.size(), '0');
    digits.insert(digits.size() - Scale, 1, '.');
    return digits;
  }

 private:
  static constexpr uint64_t Base = 1000000000;
  void trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<uint32_t> limbs_;
};

// sin x (odd = true) or cos x for x = p/q where the value is positive:
// the alternating Taylor series, its positive and negative terms summed
// apart.
inline std::string SineOrCosine(uint32_t p, uint32_t q, bool odd) {
  Fixed term = odd ? Fixed::Ratio(p, q) : Fixed::Ratio(1, 1);
  Fixed positive = term;
  Fixed negative;
  for (uint32_t n = odd ? 1 : 0; !term.isZero(); n += 2) {
    term.times(p).times(p).divide(q).divide(q).divide(n + 1).divide(n + 2);
    ((n / 2) % 2 == 0 ? negative : positive) += term;
  }
  positive -= negative;
  return positive.text();
}

// e^x for x = p/q split into the sums of its even and odd terms: cosh x is
// the even part, sinh x the odd one.
struct ExponentialParts {
  Fixed even;
  Fixed odd;
};

inline ExponentialParts ExponentialSeries(uint32_t p, uint32_t q) {
  ExponentialParts parts{Fixed::Ratio(1, 1), Fixed()};
  Fixed term = Fixed::Ratio(1, 1);
  for (uint32_t n = 1; !term.isZero(); ++n) {
    term.times(p).divide(q).divide(n);
    (n % 2 == 0 ? parts.even : parts.odd) += term;
  }
  return parts;
}

// artanh(1/n) = 1/n + 1/(3 n^3) + 1/(5 n^5) + ...
inline Fixed AreaTangentOfReciprocal(uint32_t n) {
  Fixed sum;
  Fixed power = Fixed::Ratio(1, n);
  for (uint32_t k = 1; !power.isZero(); k += 2) {
    Fixed term = power;
    sum += term.divide(k);
    power.divide(n).divide(n);
  }
  return sum;
}

// arctan(1/n) = 1/n - 1/(3 n^3) + 1/(5 n^5) - ...
inline Fixed ArcTangentOfReciprocal(uint32_t n) {
  Fixed positive;
  Fixed negative;
  Fixed power = Fixed::Ratio(1, n);
  for (uint32_t k = 1; !power.isZero(); k += 2) {
    Fixed term = power;
    (k % 4 == 1 ? positive : negative) += term.divide(k);
    power.divide(n).divide(n);
  }
  positive -= negative;
  return positive;
}

// pi = 16 arctan(1/5) - 4 arctan(1/239).
inline Fixed Pi() {
  Fixed pi = ArcTangentOfReciprocal(5).times(16);
  pi -= ArcTangentOfReciprocal(239).times(4);
  return pi;
}

}  // namespace tesselon::reference
