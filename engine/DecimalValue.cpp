#include "engine/DecimalValue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tesselon::limbs {

namespace {

int64_t DigitCount(const Limbs& digits) {
  if (digits.empty()) return 0;
  // The digits of the top limb from its bit length: 1233 / 4096 is just
  // above log10(2), so the estimate is the count or one more.
  const uint32_t top = digits.back();
  const auto bits = static_cast<uint32_t>(32 - __builtin_clz(top));
  uint32_t count = (bits * 1233) >> 12;
  count += top >= PowersOfTen[count] ? 1 : 0;
  return static_cast<int64_t>(digits.size() - 1) * DigitsPerLimb + count;
}

int64_t Decimals(const DecimalValue& value) {
  return value.fractionLimbs * DigitsPerLimb;
}

void DropLowLimbs(Limbs& digits, int64_t count) {
  digits.erase(digits.begin(),
               digits.begin() + std::min(static_cast<std::ptrdiff_t>(count),
                                         static_cast<std::ptrdiff_t>(digits.size())));
}

// Where a cut to k characters falls in a value with `integer` characters
// before the point: the decimals it keeps, in `limbs` fraction limbs of which
// the lowest loses its `cleared` lowest digits.
struct CutPlace {
  int64_t decimals;
  int64_t limbs;
  int64_t cleared;
};

CutPlace CutPlaceFor(int64_t integer, int64_t k) {
  const int64_t decimals = std::max<int64_t>(k - integer - 1, 0);
  const int64_t limbs = (decimals + DigitsPerLimb - 1) / DigitsPerLimb;
  return {.decimals = decimals, .limbs = limbs, .cleared = limbs * DigitsPerLimb - decimals};
}

// Zero limbs below the point add length to every product, not value.
void DropZeroFractionLimbs(DecimalValue& value) {
  int64_t zeros = 0;
  while (zeros < value.fractionLimbs && zeros < static_cast<int64_t>(value.digits.size()) &&
         value.digits[static_cast<size_t>(zeros)] == 0) {
    ++zeros;
  }
  if (zeros == 0) return;
  DropLowLimbs(value.digits, zeros);
  value.fractionLimbs -= zeros;
}

}  // namespace

bool ParseDecimal(std::string_view text, DecimalValue& value) {
  const size_t point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (integer.size() + fraction.size() == 0 || !AllDigits(integer) || !AllDigits(fraction)) {
    return false;
  }
  value.fractionLimbs = static_cast<int64_t>((fraction.size() + DigitsPerLimb - 1) / DigitsPerLimb);
  if (fraction.empty()) {
    FromDigitsInto(integer, value.digits);
  } else {
    // The digits without the point, the fraction filled with zeros to whole
    // limbs.
    thread_local std::string room;
    room.assign(integer);
    room.append(fraction);
    room.resize(integer.size() + static_cast<size_t>(Decimals(value)), '0');
    FromDigitsInto(room, value.digits);
  }
  Trim(value.digits);
  DropZeroFractionLimbs(value);
  return true;
}

namespace {

// value *= base^exponent, in the largest powers of base below Base and one
// for the rest.
void ScaleByPower(Limbs& value, uint32_t base, int64_t exponent) {
  uint32_t chunk = 1;
  int64_t chunkExponent = 0;
  for (; uint64_t{chunk} * base < Base; ++chunkExponent) chunk *= base;
  for (; exponent >= chunkExponent; exponent -= chunkExponent) ScaleBy(value, chunk);
  uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= base;
  if (rest > 1) ScaleBy(value, rest);
}

}  // namespace

bool ExactDouble(double number, int64_t maxDecimals, DecimalValue& value) {
  if (!(number >= 0) || !std::isfinite(number)) return false;
  // number = m 2^e with m odd; m 2^-k = m 5^k / 10^k.
  int binaryExponent = 0;
  auto m = static_cast<uint64_t>(std::ldexp(std::frexp(number, &binaryExponent), 53));
  int64_t e = binaryExponent - 53;
  value.digits.clear();
  value.fractionLimbs = 0;
  if (m == 0) return true;
  const int zeros = __builtin_ctzll(m);
  m >>= zeros;
  e += zeros;
  if (-e > maxDecimals) return false;
  for (; m > 0; m /= Base) value.digits.push_back(static_cast<uint32_t>(m % Base));
  if (e >= 0) {
    ScaleByPower(value.digits, 2, e);
    return true;
  }
  ScaleByPower(value.digits, 5, -e);
  // The point on a limb boundary.
  value.fractionLimbs = (-e + DigitsPerLimb - 1) / DigitsPerLimb;
  ScaleByPower(value.digits, 10, value.fractionLimbs * DigitsPerLimb + e);
  return true;
}

void TidyTextInto(const DecimalValue& value, std::string& text) {
  const auto decimals = static_cast<size_t>(TidyDecimals(value));
  const auto integer = static_cast<size_t>(IntegerChars(value));
  // All the digits down to the last limb, then the point moved in and the
  // zeros below the tidy decimals dropped.
  text.resize(integer + static_cast<size_t>(Decimals(value)));
  ToDigits(value.digits, text.data(), text.size());
  text.resize(integer + decimals);
  if (decimals > 0) text.insert(integer, 1, '.');
}

bool IsZero(const DecimalValue& value) {
  return value.digits.empty();
}

int64_t TidyDecimals(const DecimalValue& value) {
  int64_t zeros = 0;
  for (size_t i = 0; i < value.digits.size() && value.digits[i] == 0; ++i) zeros += DigitsPerLimb;
  if (zeros / DigitsPerLimb < static_cast<int64_t>(value.digits.size())) {
    for (uint32_t low = value.digits[static_cast<size_t>(zeros / DigitsPerLimb)]; low % 10 == 0;
         low /= 10) {
      ++zeros;
    }
  }
  return std::max<int64_t>(Decimals(value) - zeros, 0);
}

int64_t IntegerChars(const DecimalValue& value) {
  return std::max<int64_t>(DigitCount(value.digits) - Decimals(value), 1);
}

bool CutToChars(DecimalValue& value, int64_t k) {
  const int64_t integer = IntegerChars(value);
  if (k < integer) return false;
  const CutPlace cut = CutPlaceFor(integer, k);
  if (cut.decimals >= Decimals(value)) return true;
  DropLowLimbs(value.digits, value.fractionLimbs - cut.limbs);
  value.fractionLimbs = cut.limbs;
  if (cut.cleared > 0 && !value.digits.empty())
    value.digits[0] -= value.digits[0] % PowersOfTen[static_cast<size_t>(cut.cleared)];
  Trim(value.digits);
  DropZeroFractionLimbs(value);
  return true;
}

bool SameValue(const DecimalValue& a, const DecimalValue& b) {
  if (a.fractionLimbs < b.fractionLimbs) return SameValue(b, a);
  return Compare(a.digits, b.digits, static_cast<size_t>(a.fractionLimbs - b.fractionLimbs)) == 0;
}

void ProductInto(const DecimalValue& a, const DecimalValue& b, DecimalValue& product) {
  MultiplyTo(a.digits, b.digits, product.digits);
  Trim(product.digits);
  product.fractionLimbs = a.fractionLimbs + b.fractionLimbs;
}

namespace {

// Whether adding less than one unit of limb `from` to q leaves its cut to k
// characters as it is: the carry such an addition may pass up stops below
// the digits the cut keeps.
bool CutHoldsAbove(const DecimalValue& q, size_t from, int64_t k) {
  const int64_t integer = IntegerChars(q);
  const CutPlace cut = CutPlaceFor(integer, k);
  if (k < integer || cut.decimals >= Decimals(q)) return false;
  const auto cutLimb = static_cast<size_t>(q.fractionLimbs - cut.limbs);
  const auto limb = [&q](size_t i) { return i < q.digits.size() ? q.digits[i] : 0u; };
  size_t i = from;
  while (i < cutLimb && limb(i) == Base - 1) ++i;
  if (i < cutLimb) return true;
  // The carry reaches the limb the cut clears in part.
  const uint32_t below = PowersOfTen[static_cast<size_t>(cut.cleared)];
  return i == cutLimb && limb(i) % below != below - 1;
}

}  // namespace

bool CutSquareTimes(const DecimalValue& x, const DecimalValue& y, int64_t k, DecimalValue& q) {
  const size_t n = y.digits.size();
  const int64_t integer = IntegerChars(y);
  const int64_t decimals = TidyDecimals(y);
  if (n > ShortSquareLimbs || integer + (decimals > 0 ? 1 + decimals : 0) > k) return false;
  // x y is near 1, so q has about y's integer part and the cut keeps about
  // as many of its fraction limbs as of y's. The columns left out pass less
  // than Base^2 up into the square, less than a unit of limb `reach` into q;
  // one guard limb lies between that and the cut.
  constexpr int64_t GuardLimbs = 1;
  constexpr int64_t FewestLeftOut = 2;
  const int64_t keptLimbs = CutPlaceFor(integer, k).limbs;
  const auto reach = static_cast<int64_t>(x.digits.size()) + 2;
  const int64_t first = std::min(
      x.fractionLimbs + 2 * y.fractionLimbs - keptLimbs - reach - GuardLimbs, 2 * y.fractionLimbs);
  if (first < FewestLeftOut || first >= static_cast<int64_t>(2 * n)) return false;
  thread_local DecimalValue high;
  SquareHighColumns(y.digits, static_cast<size_t>(first), high.digits);
  high.fractionLimbs = 2 * y.fractionLimbs - first;
  ProductInto(x, high, q);
  return CutHoldsAbove(q, static_cast<size_t>(reach), k) && CutToChars(q, k);
}

bool CutSquareTimesIsY(const DecimalValue& x, const DecimalValue& y, int64_t k) {
  const int64_t decimals = TidyDecimals(y);
  const int64_t integer = IntegerChars(y);
  if (decimals == 0 || integer + 1 + decimals > k) return false;
  // x y^2 = y (x y). Below x y = 1 it is below y, and so is its cut; from
  // x y = 1 + e on it lies in [y, y + y e], and the cut keeps
  // k - integer - 1 decimals, y's among them: it is y exactly where y e
  // stays below a unit of the last of them.
  thread_local DecimalValue product;
  thread_local DecimalValue excess;
  ProductInto(x, y, product);
  const auto units = static_cast<size_t>(product.fractionLimbs);
  if (product.digits.size() != units + 1 || product.digits[units] != 1) return false;
  excess.digits.assign(product.digits.begin(),
                       product.digits.begin() + static_cast<std::ptrdiff_t>(units));
  Trim(excess.digits);
  excess.fractionLimbs = product.fractionLimbs;
  // y e below 10^-kept: the digits of y e as a whole number, which the
  // digits of y and e bound within one, fit below the kept decimals.
  const int64_t room = Decimals(y) + Decimals(excess) - CutPlaceFor(integer, k).decimals;
  const int64_t most = DigitCount(y.digits) + DigitCount(excess.digits);
  if (excess.digits.empty() || most <= room) return true;
  if (most - 1 > room) return false;
  ProductInto(y, excess, product);
  return DigitCount(product.digits) <= room;
}

bool TwiceLessInto(const DecimalValue& y, const DecimalValue& q, DecimalValue& d) {
  d.fractionLimbs = std::max(y.fractionLimbs, q.fractionLimbs);
  const auto shiftY = static_cast<size_t>(d.fractionLimbs - y.fractionLimbs);
  const auto shiftQ = static_cast<size_t>(d.fractionLimbs - q.fractionLimbs);
  const size_t n = std::max(y.digits.size() + shiftY, q.digits.size() + shiftQ);
  // y in place first, then one pass: each limb of 2y - q lies between -Base
  // and 2 Base, so the carry into the next is -1, 0 or 1.
  d.digits.assign(n, 0u);
  std::copy(y.digits.begin(), y.digits.end(),
            d.digits.begin() + static_cast<std::ptrdiff_t>(shiftY));
  int64_t carry = 0;
  const auto settle = [&](size_t i, int64_t subtrahend) {
    int64_t limb = 2 * static_cast<int64_t>(d.digits[i]) - subtrahend + carry;
    carry = static_cast<int64_t>(limb >= Base) - static_cast<int64_t>(limb < 0);
    limb -= carry * Base;
    d.digits[i] = static_cast<uint32_t>(limb);
  };
  for (size_t i = 0; i < shiftQ; ++i) settle(i, 0);
  for (size_t i = 0; i < q.digits.size(); ++i) settle(shiftQ + i, q.digits[i]);
  for (size_t i = shiftQ + q.digits.size(); i < n; ++i) settle(i, 0);
  if (carry < 0) return false;
  if (carry > 0) d.digits.push_back(static_cast<uint32_t>(carry));
  Trim(d.digits);
  DropZeroFractionLimbs(d);
  return true;
}

}  // namespace tesselon::limbs
