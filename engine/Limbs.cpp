#include "engine/Limbs.h"

#include <algorithm>
#include <cassert>

#include "engine/Cancellation.h"

namespace tesselon::limbs {

namespace {

// Below this many limbs of the shorter operand the schoolbook product is
// faster than splitting.
constexpr size_t KaratsubaThreshold = 40;

uint32_t DigitValue(char c) {
  return c >= '0' && c <= '9' ? static_cast<uint32_t>(c - '0') : 0;
}

// out[0, na + nb) = a * b, column by column: each column's products are
// summed in 128 bits and carried once, so the inner loop is a plain
// multiply-add.
__extension__ typedef unsigned __int128 Wide;

void MultiplyBasecase(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  Wide column = 0;
  for (size_t k = 0; k + 1 < na + nb; ++k) {
    const size_t iFirst = k >= nb ? k - nb + 1 : 0;
    const size_t iLast = std::min(k, na - 1);
    for (size_t i = iFirst; i <= iLast; ++i) {
      column += static_cast<uint64_t>(a[i]) * b[k - i];
    }
    const auto high = static_cast<uint64_t>(column / Base);
    out[k] = static_cast<uint32_t>(column - static_cast<Wide>(high) * Base);
    column = high;
  }
  out[na + nb - 1] = static_cast<uint32_t>(column);
}

// target[0, n) += source[0, m), m <= n; the final carry must fit in target.
void AddInto(uint32_t* target, size_t n, const uint32_t* source, size_t m) {
  uint32_t carry = 0;
  size_t i = 0;
  for (; i < m; ++i) {
    uint32_t s = target[i] + source[i] + carry;
    carry = s >= Base;
    target[i] = carry ? s - Base : s;
  }
  for (; carry && i < n; ++i) {
    uint32_t s = target[i] + 1;
    carry = s >= Base;
    target[i] = carry ? 0 : s;
  }
}

// target[0, n) -= source[0, m), m <= n; the caller knows target >= source.
void SubtractFrom(uint32_t* target, size_t n, const uint32_t* source, size_t m) {
  uint32_t borrow = 0;
  size_t i = 0;
  for (; i < m; ++i) {
    const uint32_t sub = source[i] + borrow;
    borrow = target[i] < sub;
    target[i] = borrow ? target[i] + Base - sub : target[i] - sub;
  }
  for (; borrow && i < n; ++i) {
    borrow = target[i] == 0;
    target[i] = borrow ? Base - 1 : target[i] - 1;
  }
}

size_t Significant(const uint32_t* v, size_t n) {
  while (n > 0 && v[n - 1] == 0) --n;
  return n;
}

void MultiplyInto(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out);

// a is at least twice as long as b: multiply b by slices of a as long as b.
void MultiplyUnbalanced(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  std::fill(out, out + na + nb, 0u);
  std::vector<uint32_t> slice(2 * nb);
  for (size_t offset = 0; offset < na; offset += nb) {
    CheckCancelled();
    const size_t len = std::min(nb, na - offset);
    MultiplyInto(a + offset, len, b, nb, slice.data());
    AddInto(out + offset, na + nb - offset, slice.data(), len + nb);
  }
}

// (a1 B^m + a0)(b1 B^m + b0) from three half-size products.
void MultiplyKaratsuba(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  CheckCancelled();
  const size_t m = na / 2;
  const size_t nb0 = std::min(m, nb);
  std::vector<uint32_t> z0(m + nb0), z2(na - m + nb - nb0);
  MultiplyInto(a, m, b, nb0, z0.data());
  MultiplyInto(a + m, na - m, b + nb0, nb - nb0, z2.data());

  std::vector<uint32_t> sa(a, a + m), sb(b, b + nb0);
  sa.resize(std::max(m, na - m) + 1, 0);
  sb.resize(std::max(nb0, nb - nb0) + 1, 0);
  AddInto(sa.data(), sa.size(), a + m, na - m);
  AddInto(sb.data(), sb.size(), b + nb0, nb - nb0);
  const size_t lsa = Significant(sa.data(), sa.size());
  const size_t lsb = Significant(sb.data(), sb.size());
  std::vector<uint32_t> z1(lsa + lsb + 1, 0);
  MultiplyInto(sa.data(), lsa, sb.data(), lsb, z1.data());
  SubtractFrom(z1.data(), z1.size(), z0.data(), Significant(z0.data(), z0.size()));
  SubtractFrom(z1.data(), z1.size(), z2.data(), Significant(z2.data(), z2.size()));

  std::fill(out, out + na + nb, 0u);
  std::copy(z0.begin(), z0.end(), out);
  const size_t lz2 = Significant(z2.data(), z2.size());
  std::copy(z2.begin(), z2.begin() + static_cast<std::ptrdiff_t>(lz2), out + 2 * m);
  AddInto(out + m, na + nb - m, z1.data(), Significant(z1.data(), z1.size()));
}

void MultiplyInto(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  if (na < nb) {
    std::swap(a, b);
    std::swap(na, nb);
  }
  if (nb == 0) {
    std::fill(out, out + na, 0u);
  } else if (nb < KaratsubaThreshold) {
    MultiplyBasecase(a, na, b, nb, out);
  } else if (na >= 2 * nb) {
    MultiplyUnbalanced(a, na, b, nb, out);
  } else {
    MultiplyKaratsuba(a, na, b, nb, out);
  }
}

}  // namespace

Limbs FromDigits(std::string_view digits) {
  Limbs value((digits.size() + DigitsPerLimb - 1) / DigitsPerLimb, 0);
  size_t end = digits.size();
  for (uint32_t& limb : value) {
    const size_t begin = end >= DigitsPerLimb ? end - DigitsPerLimb : 0;
    uint32_t v = 0;
    for (size_t i = begin; i < end; ++i) v = v * 10 + DigitValue(digits[i]);
    limb = v;
    end = begin;
  }
  return value;
}

void ToDigits(const Limbs& value, char* out, size_t width) {
  size_t pos = width;
  for (size_t k = 0; pos > 0; ++k) {
    uint32_t v = k < value.size() ? value[k] : 0;
    for (int d = 0; d < DigitsPerLimb && pos > 0; ++d) {
      out[--pos] = static_cast<char>('0' + v % 10);
      v /= 10;
    }
  }
}

Limbs Multiply(const Limbs& a, const Limbs& b) {
  Limbs product(a.size() + b.size());
  if (!product.empty()) MultiplyInto(a.data(), a.size(), b.data(), b.size(), product.data());
  return product;
}

void Trim(Limbs& value) {
  value.resize(Significant(value.data(), value.size()));
}

std::string ToText(const Limbs& value) {
  const size_t width = std::max<size_t>(value.size(), 1) * DigitsPerLimb;
  std::string digits(width, '0');
  ToDigits(value, digits.data(), width);
  return digits.substr(std::min(digits.find_first_not_of('0'), width - 1));
}

}  // namespace tesselon::limbs
