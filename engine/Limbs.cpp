#include "engine/Limbs.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>

#include "engine/Assert.h"
#include "engine/Cancellation.h"

namespace tesselon::limbs {

namespace {

// Below this many limbs of the shorter operand the schoolbook product is
// faster than splitting.
constexpr size_t KaratsubaThreshold = 40;
// From this many limbs of the shorter operand on (some 25,000 digits), the
// binary product with the conversions of its operands and of the result
// costs less than Karatsuba on decimal limbs; a square, with one operand to
// convert, from some 11,000 digits on. A product whose longer operand has
// more than eight times the limbs of the shorter stays decimal: its slices
// cost less than converting the longer operand.
constexpr size_t BinaryProductLimbs = 2800;
constexpr size_t BinarySquareLimbs = 1200;
constexpr size_t BinaryMostImbalance = 8;
// Longer conversions are split in halves at a power of ten. A part of this
// size converts in about a tenth of a second; the splits add some 8 % to the
// conversion of 1,000,000!.
constexpr size_t ConversionPartDigits = size_t{1} << 21;

uint32_t DigitValue(char c) {
  return c >= '0' && c <= '9' ? static_cast<uint32_t>(c - '0') : 0;
}

__extension__ typedef unsigned __int128 Wide;

// Up to this many products below 10^18 sum to less than 2^64, with room for
// a carry below 2^40.
constexpr size_t ShortColumn = 18;

// column / Base, the remainder left in column.
uint64_t CarryOut(uint64_t& column) {
  const uint64_t high = column / Base;
  column -= high * Base;
  return high;
}

// A wide column holds fewer than 2^96 (a few dozen products below 10^18), so
// two 64-bit divisions by the constant serve where a 128-bit division would
// be a library call.
uint64_t CarryOut(Wide& column) {
  if (column >> 96 != 0) {
    const auto high = static_cast<uint64_t>(column / Base);
    column -= static_cast<Wide>(high) * Base;
    return high;
  }
  const auto upper = static_cast<uint64_t>(column >> 32);
  const auto lower = static_cast<uint32_t>(column);
  const uint64_t upperQuotient = upper / Base;
  const uint64_t rest = (upper - upperQuotient * Base) << 32 | lower;
  const uint64_t restQuotient = rest / Base;
  column = rest - restQuotient * Base;
  return upperQuotient << 32 | restQuotient;
}

// The 64-bit sums of the columns of a short product, on the stack when the
// product is short.
class ColumnSums {
 public:
  explicit ColumnSums(size_t n) {
    if (n > ShortRoom) {
      longRoom_ = std::make_unique<uint64_t[]>(n);
      sums_ = longRoom_.get();
    }
    std::fill(sums_, sums_ + n, uint64_t{0});
  }
  uint64_t* data() { return sums_; }

 private:
  static constexpr size_t ShortRoom = 160;
  uint64_t shortRoom_[ShortRoom];
  std::unique_ptr<uint64_t[]> longRoom_;
  uint64_t* sums_ = shortRoom_;
};

// out[0, n) = the columns with their carries passed up; the last column
// takes the final carry.
void CarryColumns(const uint64_t* sums, size_t n, uint32_t* out) {
  uint64_t carry = 0;
  for (size_t k = 0; k < n; ++k) {
    uint64_t column = sums[k] + carry;
    carry = CarryOut(column);
    out[k] = static_cast<uint32_t>(column);
  }
  ASSERT(carry == 0);
}

// out[0, na + nb) = a * b for nb <= ShortColumn, row by row: every column
// sums at most nb products in 64 bits, and one pass carries at the end.
void MultiplyRows(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  ColumnSums sums(na + nb);
  uint64_t* s = sums.data();
  for (size_t j = 0; j < nb; ++j) {
    const uint64_t factor = b[j];
    for (size_t i = 0; i < na; ++i) s[i + j] += a[i] * factor;
  }
  CarryColumns(s, na + nb, out);
}

// out[0, 2n - first) = the columns from `first` on of a * a, for n <=
// ShortColumn: each product of two different limbs taken once, two rows at a
// time (row i + 1 meets column i + j one step behind row i), then doubled,
// with the squares of the limbs and the carries, in one pass. No carry comes
// from the columns below `first`.
void SquareRows(const uint32_t* a, size_t n, size_t first, uint32_t* out) {
  ColumnSums sums(2 * n - first);
  // The sum of column k is s[k - first].
  uint64_t* s = sums.data();
  for (size_t i = 0; i + 1 < n; i += 2) {
    const uint64_t low = a[i];
    const uint64_t high = a[i + 1];
    if (2 * i + 1 >= first) s[2 * i + 1 - first] += low * high;
    // Row i meets column i + j from j = `from` on, and so does row i + 1.
    const size_t from = std::max(i + 2, first > i ? first - i : 0);
    uint64_t behind = from > i + 2 && from <= n ? a[from - 1] : 0;
    for (size_t j = from; j < n; ++j) {
      const uint64_t limb = a[j];
      s[i + j - first] += low * limb + high * behind;
      behind = limb;
    }
    if (i + n >= first) s[i + n - first] += high * behind;
  }
  uint64_t carry = 0;
  const auto carryColumn = [&](size_t k, uint64_t square) {
    uint64_t column = 2 * s[k - first] + square + carry;
    carry = CarryOut(column);
    out[k - first] = static_cast<uint32_t>(column);
  };
  if (first % 2 == 1) carryColumn(first, 0);
  for (size_t i = (first + 1) / 2; i < n; ++i) {
    carryColumn(2 * i, static_cast<uint64_t>(a[i]) * a[i]);
    carryColumn(2 * i + 1, 0);
  }
  ASSERT(carry == 0);
}

// out[0, na + nb) = a * b, column by column in 128 bits: each column's
// products are summed and carried once.
void MultiplyColumns(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  Wide column = 0;
  for (size_t k = 0; k + 1 < na + nb; ++k) {
    const size_t iFirst = k >= nb ? k - nb + 1 : 0;
    const size_t iLast = std::min(k, na - 1);
    for (size_t i = iFirst; i <= iLast; ++i) {
      column += static_cast<uint64_t>(a[i]) * b[k - i];
    }
    const uint64_t high = CarryOut(column);
    out[k] = static_cast<uint32_t>(column);
    column = high;
  }
  out[na + nb - 1] = static_cast<uint32_t>(column);
}

// out[0, 2n) = a * a, column by column like the product, each product of two
// different limbs taken once and doubled.
void SquareColumns(const uint32_t* a, size_t n, uint32_t* out) {
  Wide column = 0;
  for (size_t k = 0; k + 1 < 2 * n; ++k) {
    Wide pairs = 0;
    size_t i = k >= n ? k - n + 1 : 0;
    for (; i < k - i; ++i) pairs += static_cast<uint64_t>(a[i]) * a[k - i];
    column += 2 * pairs;
    if (i == k - i) column += static_cast<uint64_t>(a[i]) * a[i];
    const uint64_t high = CarryOut(column);
    out[k] = static_cast<uint32_t>(column);
    column = high;
  }
  out[2 * n - 1] = static_cast<uint32_t>(column);
}

}  // namespace

static_assert(ShortSquareLimbs <= ShortColumn, "the columns of a short square fit 64 bits");

void SquareHighColumns(const Limbs& value, size_t first, Limbs& high) {
  const size_t n = value.size();
  ASSERT(n <= ShortSquareLimbs && first < 2 * n);
  high.resize(2 * n - first);
  SquareRows(value.data(), n, first, high.data());
  Trim(high);
}

void MultiplyByLimb(const uint32_t* a, size_t n, uint64_t factor, uint32_t* out) {
  uint64_t carry = 0;
  for (size_t i = 0; i < n; ++i) {
    uint64_t v = a[i] * factor + carry;
    carry = CarryOut(v);
    out[i] = static_cast<uint32_t>(v);
  }
  out[n] = static_cast<uint32_t>(carry);
}

namespace {

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
  ASSERT(carry == 0);
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
  ASSERT(borrow == 0);
}

// nb <= na.
void MultiplyBasecase(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  if (nb == 1) {
    MultiplyByLimb(a, na, b[0], out);
  } else if (nb <= ShortColumn) {
    MultiplyRows(a, na, b, nb, out);
  } else {
    MultiplyColumns(a, na, b, nb, out);
  }
}

void SquareBasecase(const uint32_t* a, size_t n, uint32_t* out) {
  if (n <= ShortColumn) {
    SquareRows(a, n, 0, out);
  } else {
    SquareColumns(a, n, out);
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

// (a1 B^m + a0)(b1 B^m + b0) from three half-size products; of a square,
// three half-size squares.
void MultiplyKaratsuba(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* out) {
  CheckCancelled();
  const bool square = a == b && na == nb;
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
  MultiplyInto(sa.data(), lsa, square ? sa.data() : sb.data(), lsb, z1.data());
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
    if (a == b && na == nb) {
      SquareBasecase(a, na, out);
    } else {
      MultiplyBasecase(a, na, b, nb, out);
    }
  } else if (na >= 2 * nb) {
    MultiplyUnbalanced(a, na, b, nb, out);
  } else {
    MultiplyKaratsuba(a, na, b, nb, out);
  }
}

// Whether a product of operands of these lengths in limbs is formed in
// binary; `isSquare` tells whether the operands are equal, asked only where
// it matters.
template <typename IsSquare>
bool Binary(size_t na, size_t nb, IsSquare isSquare) {
  const size_t shorter = std::min(na, nb);
  if (shorter < BinarySquareLimbs || std::max(na, nb) > BinaryMostImbalance * shorter) return false;
  return shorter >= BinaryProductLimbs || isSquare();
}

// Operands of up to 19 digits are machine words, and their product fits 128
// bits.
constexpr size_t ShortTextDigits = 19;

uint64_t ValueOf(std::string_view digits) {
  uint64_t value = 0;
  for (char c : digits) value = value * 10 + DigitValue(c);
  return value;
}

// The value as exactly `width` digits, right-aligned with leading zeros; one
// 128-bit division splits it into two machine words.
void WriteDigits(Wide value, char* out, size_t width) {
  constexpr uint64_t Split = 10000000000000000000u;
  const auto high = static_cast<uint64_t>(value / Split);
  uint64_t part = static_cast<uint64_t>(value - static_cast<Wide>(high) * Split);
  size_t pos = width;
  for (int digit = 0; digit < 19 && pos > 0; ++digit, part /= 10) {
    out[--pos] = static_cast<char>('0' + part % 10);
  }
  for (part = high; pos > 0; part /= 10) out[--pos] = static_cast<char>('0' + part % 10);
}

uint64_t EightCharacters(const char* text) {
  uint64_t word = 0;
  std::memcpy(&word, text, sizeof word);
  return word;
}

// No byte has its top bit set of itself, after adding 0x46 (nothing beyond
// '9' = 0x39) or after subtracting '0' (nothing below it). A carry or borrow
// crosses into the next byte only from a byte that is no digit, and the
// lowest such byte shows its top bit, so no word of other characters passes.
bool EightDigits(uint64_t word) {
  constexpr uint64_t TopBits = 0x8080808080808080u;
  return ((word | (word + 0x4646464646464646u) | (word - 0x3030303030303030u)) & TopBits) == 0;
}

// The value of nine digit characters; eight of them are read as one word
// when they are all digits.
uint32_t NineDigits(const char* text) {
  uint64_t word = EightCharacters(text + 1);
  if (!EightDigits(word)) return static_cast<uint32_t>(ValueOf({text, DigitsPerLimb}));
  // The first character is in the lowest byte: pairs, then fours, then all
  // eight are combined by multiplications.
  word -= 0x3030303030303030u;
  word = word * 10 + (word >> 8);
  word = ((word & 0x000000FF000000FFu) * (100 + (1000000ull << 32)) +
          ((word >> 16) & 0x000000FF000000FFu) * (1 + (10000ull << 32))) >>
         32;
  return DigitValue(text[0]) * 100000000u + static_cast<uint32_t>(word);
}

// "00", "01", ..., "99".
constexpr std::array<char, 200> DigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The nine characters of a limb without a division: the limb over 10^8 in
// fixed point with 32 bits below the point has the first digit above it, and
// each multiplication of what is below the point by 100 lifts the next pair
// above it. The constant (2^58 / 10^8 rounded up) and the 4 added to the
// scaled value make every limb come out exactly.
void WriteLimb(uint32_t limb, char* out) {
  uint64_t fixed = ((limb * uint64_t{2882303762}) >> 26) + 4;
  out[0] = static_cast<char>('0' + (fixed >> 32));
  for (int i = 1; i < DigitsPerLimb; i += 2) {
    fixed = static_cast<uint32_t>(fixed) * uint64_t{100};
    std::memcpy(out + i, DigitPairs.data() + 2 * (fixed >> 32), 2);
  }
}

}  // namespace

void FromDigitsInto(std::string_view digits, Limbs& value) {
  value.resize((digits.size() + DigitsPerLimb - 1) / DigitsPerLimb);
  uint32_t* limb = value.data();
  size_t end = digits.size();
  for (; end >= DigitsPerLimb; end -= DigitsPerLimb) {
    *limb++ = NineDigits(digits.data() + end - DigitsPerLimb);
  }
  if (end == 0) return;
  // The leading digits short of a whole limb.
  *limb = static_cast<uint32_t>(ValueOf(digits.substr(0, end)));
}

bool AllDigits(std::string_view text) {
  size_t i = 0;
  for (; i + sizeof(uint64_t) <= text.size(); i += sizeof(uint64_t)) {
    if (!EightDigits(EightCharacters(text.data() + i))) return false;
  }
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

void ToDigits(const Limbs& value, char* out, size_t width) {
  // The limbs are read through a local pointer: the characters written could
  // otherwise alias the vector's own pointers.
  const uint32_t* limbs = value.data();
  const size_t count = value.size();
  size_t pos = width;
  size_t k = 0;
  for (; k < count && pos >= DigitsPerLimb; ++k, pos -= DigitsPerLimb) {
    WriteLimb(limbs[k], out + pos - DigitsPerLimb);
  }
  if (k == count) {
    std::fill(out, out + pos, '0');
    return;
  }
  for (uint32_t v = limbs[k]; pos > 0; v /= 10) out[--pos] = static_cast<char>('0' + v % 10);
}

void AddTo(Limbs& a, const Limbs& b) {
  a.resize(std::max(a.size(), b.size()) + 1, 0u);
  AddInto(a.data(), a.size(), b.data(), b.size());
  Trim(a);
}

void ScaleBy(Limbs& value, uint32_t factor) {
  value.push_back(0);
  MultiplyByLimb(value.data(), value.size() - 1, factor, value.data());
  if (value.back() == 0) value.pop_back();
}

void TimesPowerOfTen(Limbs& value, size_t exponent) {
  if (value.empty()) return;
  if (exponent % DigitsPerLimb > 0) ScaleBy(value, PowersOfTen[exponent % DigitsPerLimb]);
  value.insert(value.begin(), exponent / DigitsPerLimb, 0u);
}

int Compare(const Limbs& a, const Limbs& b, size_t shift) {
  const size_t bTop = b.empty() ? 0 : b.size() + shift;
  if (a.size() != bTop) return a.size() < bTop ? -1 : 1;
  for (size_t i = b.size(); i-- > 0;) {
    if (a[i + shift] != b[i]) return a[i + shift] < b[i] ? -1 : 1;
  }
  // Equal above: a is the larger where it has digits below b's last.
  const auto below = a.begin() + static_cast<std::ptrdiff_t>(std::min(shift, a.size()));
  return std::all_of(a.begin(), below, [](uint32_t limb) { return limb == 0; }) ? 0 : 1;
}

void MultiplyTo(const Limbs& a, const Limbs& b, Limbs& product) {
  // Zero limbs at the top add length, not work.
  const size_t na = Significant(a.data(), a.size());
  const size_t nb = Significant(b.data(), b.size());
  if (Binary(na, nb, [&] { return &a == &b || a == b; })) {
    const auto text = [](const Limbs& value) {
      std::string digits(value.size() * DigitsPerLimb, '0');
      ToDigits(value, digits.data(), digits.size());
      return digits;
    };
    const std::string ta = text(a);
    const std::string tb = &a == &b ? ta : text(b);
    std::string digits(ta.size() + tb.size(), '0');
    MultiplyTexts(ta, tb, digits.data(), digits.size());
    FromDigitsInto(digits, product);
    return;
  }
  if (na == 0 || nb == 0) {
    product.clear();
    return;
  }
  product.resize(na + nb);
  // Equal operands go in as one, so that the product is found as a square.
  const bool square =
      &a == &b ||
      (na == nb && std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(na), b.begin()));
  MultiplyInto(a.data(), na, square ? a.data() : b.data(), nb, product.data());
}

std::string ToText(const Limbs& value) {
  const size_t width = std::max<size_t>(value.size(), 1) * DigitsPerLimb;
  std::string digits(width, '0');
  ToDigits(value, digits.data(), width);
  return digits.substr(std::min(digits.find_first_not_of('0'), width - 1));
}

void MultiplyTexts(std::string_view a, std::string_view b, char* out, size_t width) {
  ASSERT(width >= a.size() + b.size());
  // Leading zeros add length, not work.
  a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
  b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
  if (a.size() <= ShortTextDigits && b.size() <= ShortTextDigits) {
    WriteDigits(static_cast<Wide>(ValueOf(a)) * ValueOf(b), out, width);
    return;
  }
  const auto limbCount = [](std::string_view digits) {
    return (digits.size() + DigitsPerLimb - 1) / DigitsPerLimb;
  };
  if (!Binary(limbCount(a), limbCount(b), [&] { return a == b; })) {
    // The limbs keep their storage from one product to the next; the
    // product below never comes back here.
    thread_local Limbs limbsA;
    thread_local Limbs limbsB;
    thread_local Limbs product;
    FromDigitsInto(a, limbsA);
    FromDigitsInto(b, limbsB);
    MultiplyTo(limbsA, a == b ? limbsA : limbsB, product);
    ToDigits(product, out, width);
    return;
  }
  const mpz_class x = BinaryOf(a);
  mpz_class product;
  if (a == b) {
    mpz_mul(product.get_mpz_t(), x.get_mpz_t(), x.get_mpz_t());  // GMP squares
  } else {
    const mpz_class y = BinaryOf(b);
    CheckCancelled();
    mpz_mul(product.get_mpz_t(), x.get_mpz_t(), y.get_mpz_t());
  }
  DecimalInto(product, out, width);
}

mpz_class BinaryOf(std::string_view digits) {
  CheckCancelled();
  if (digits.size() > ConversionPartDigits) {
    const size_t low = digits.size() / 2;
    mpz_class value = BinaryOf(digits.substr(0, digits.size() - low));
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, low);
    value *= scale;
    value += BinaryOf(digits.substr(digits.size() - low));
    return value;
  }
  std::string text(digits);
  for (char& c : text) c = static_cast<char>('0' + DigitValue(c));
  mpz_class value;
  if (!text.empty()) {
    const int valid = mpz_set_str(value.get_mpz_t(), text.c_str(), 10);
    ASSERT(valid == 0);
  }
  return value;
}

void DecimalInto(const mpz_class& value, char* out, size_t width) {
  CheckCancelled();
  ASSERT(sgn(value) >= 0);
  if (width > ConversionPartDigits) {
    const size_t low = width / 2;
    mpz_class scale, high, rest;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, low);
    mpz_tdiv_qr(high.get_mpz_t(), rest.get_mpz_t(), value.get_mpz_t(), scale.get_mpz_t());
    DecimalInto(high, out, width - low);
    DecimalInto(rest, out + width - low, low);
    return;
  }
  std::string text(mpz_sizeinbase(value.get_mpz_t(), 10) + 2, '\0');
  mpz_get_str(text.data(), 10, value.get_mpz_t());
  const size_t length = sgn(value) == 0 ? 0 : text.find('\0');
  ASSERT(length <= width);
  std::fill(out, out + width - length, '0');
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), out + width - length);
}

std::string DecimalText(const mpz_class& value) {
  // mpz_sizeinbase may count one digit too many.
  std::string digits(std::max<size_t>(mpz_sizeinbase(value.get_mpz_t(), 10), 1), '0');
  DecimalInto(value, digits.data(), digits.size());
  if (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  return digits;
}

}  // namespace tesselon::limbs
