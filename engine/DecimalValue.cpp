#include "engine/DecimalValue.h"

#include <algorithm>
#include <array>

#include "engine/Assert.h"

namespace tesselon::limbs {

namespace {

constexpr std::array<uint32_t, DigitsPerLimb + 1> PowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

int64_t DigitCount(const Limbs& digits) {
  if (digits.empty()) return 0;
  const auto top = std::upper_bound(PowersOfTen.begin(), PowersOfTen.end(), digits.back());
  return static_cast<int64_t>(digits.size() - 1) * DigitsPerLimb + (top - PowersOfTen.begin());
}

// digits / 10^Part for 0 < Part < 9; the divisor is a constant, so the
// divisions are multiplications.
template <int Part>
void ShiftLimbsRight(Limbs& digits) {
  constexpr uint32_t Divisor = PowersOfTen[Part];
  constexpr uint32_t Carried = PowersOfTen[DigitsPerLimb - Part];
  for (size_t i = 0; i + 1 < digits.size(); ++i) {
    digits[i] = digits[i] / Divisor + digits[i + 1] % Divisor * Carried;
  }
  digits.back() /= Divisor;
}

// ShiftsRight[part] divides by 10^part, for 0 < part < 9.
constexpr std::array<void (*)(Limbs&), DigitsPerLimb> ShiftsRight = {nullptr,
                                                                     ShiftLimbsRight<1>,
                                                                     ShiftLimbsRight<2>,
                                                                     ShiftLimbsRight<3>,
                                                                     ShiftLimbsRight<4>,
                                                                     ShiftLimbsRight<5>,
                                                                     ShiftLimbsRight<6>,
                                                                     ShiftLimbsRight<7>,
                                                                     ShiftLimbsRight<8>};

// digits / 10^shift, the dropped digits lost.
void DropLowDigits(Limbs& digits, int64_t shift) {
  const auto whole = static_cast<size_t>(shift / DigitsPerLimb);
  const auto part = static_cast<int>(shift % DigitsPerLimb);
  if (whole >= digits.size()) {
    digits.clear();
    return;
  }
  digits.erase(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(whole));
  if (part > 0) ShiftsRight[static_cast<size_t>(part)](digits);
  Trim(digits);
}

// digits * 10^shift.
void AppendZeros(Limbs& digits, int64_t shift) {
  if (digits.empty()) return;
  const auto part = static_cast<size_t>(shift % DigitsPerLimb);
  if (part > 0) {
    const uint64_t factor = PowersOfTen[part];
    uint64_t carry = 0;
    for (uint32_t& limb : digits) {
      const uint64_t v = limb * factor + carry;
      carry = v / Base;
      limb = static_cast<uint32_t>(v - carry * Base);
    }
    if (carry > 0) digits.push_back(static_cast<uint32_t>(carry));
  }
  digits.insert(digits.begin(), static_cast<size_t>(shift / DigitsPerLimb), 0u);
}

// Both values with the larger count of decimals.
void Align(DecimalValue& a, DecimalValue& b) {
  if (a.decimals < b.decimals) {
    AppendZeros(a.digits, b.decimals - a.decimals);
    a.decimals = b.decimals;
  } else if (b.decimals < a.decimals) {
    AppendZeros(b.digits, a.decimals - b.decimals);
    b.decimals = a.decimals;
  }
}

bool Less(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

}  // namespace

std::optional<DecimalValue> ParseDecimal(std::string_view text) {
  const size_t point = text.find('.');
  std::string_view integer = text.substr(0, point);
  std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto isDigits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (integer.size() + fraction.size() == 0 || !isDigits(integer) || !isDigits(fraction)) {
    return std::nullopt;
  }
  DecimalValue value;
  value.decimals = static_cast<int64_t>(fraction.size());
  if (fraction.empty()) {
    value.digits = FromDigits(integer);
  } else {
    // The digits without the point, in room on the stack when they are short.
    std::array<char, 1024> shortRoom;
    std::string longRoom;
    char* digits = shortRoom.data();
    if (integer.size() + fraction.size() > shortRoom.size()) {
      longRoom.resize(integer.size() + fraction.size());
      digits = longRoom.data();
    }
    std::copy(fraction.begin(), fraction.end(), std::copy(integer.begin(), integer.end(), digits));
    value.digits = FromDigits(std::string_view(digits, integer.size() + fraction.size()));
  }
  Trim(value.digits);
  return value;
}

std::string TidyText(const DecimalValue& value) {
  const int64_t count = DigitCount(value.digits);
  const int64_t width = std::max(count, value.decimals + 1);
  std::string text(static_cast<size_t>(width), '0');
  ToDigits(value.digits, text.data(), text.size());
  if (value.decimals == 0) return text;
  text.insert(text.size() - static_cast<size_t>(value.decimals), 1, '.');
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
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
  return std::max<int64_t>(value.decimals - zeros, 0);
}

int64_t IntegerChars(const DecimalValue& value) {
  return std::max<int64_t>(DigitCount(value.digits) - value.decimals, 1);
}

bool CutToChars(DecimalValue& value, int64_t k) {
  const int64_t integer = IntegerChars(value);
  const int64_t kept = k - integer - 1;
  if (kept >= value.decimals) return true;
  if (k < integer) return false;
  DropLowDigits(value.digits, value.decimals - std::max<int64_t>(kept, 0));
  value.decimals = std::max<int64_t>(kept, 0);
  return true;
}

bool SameValue(const DecimalValue& a, const DecimalValue& b) {
  if (a.decimals == b.decimals) return a.digits == b.digits;
  DecimalValue alignedA = a;
  DecimalValue alignedB = b;
  Align(alignedA, alignedB);
  return alignedA.digits == alignedB.digits;
}

void ProductInto(const DecimalValue& a, const DecimalValue& b, DecimalValue& product) {
  MultiplyTo(a.digits, b.digits, product.digits);
  Trim(product.digits);
  product.decimals = a.decimals + b.decimals;
}

void TwiceInto(const DecimalValue& a, DecimalValue& twice) {
  twice.digits.resize(a.digits.size());
  twice.decimals = a.decimals;
  uint32_t carry = 0;
  for (size_t i = 0; i < a.digits.size(); ++i) {
    const uint32_t v = 2 * a.digits[i] + carry;
    carry = v >= Base;
    twice.digits[i] = carry ? v - Base : v;
  }
  if (carry) twice.digits.push_back(1);
}

bool SubtractFrom(DecimalValue& a, DecimalValue& b) {
  Align(a, b);
  if (Less(a.digits, b.digits)) return false;
  uint32_t borrow = 0;
  for (size_t i = 0; i < a.digits.size(); ++i) {
    const uint32_t sub = (i < b.digits.size() ? b.digits[i] : 0) + borrow;
    borrow = a.digits[i] < sub;
    a.digits[i] = borrow ? a.digits[i] + Base - sub : a.digits[i] - sub;
  }
  ASSERT(borrow == 0);
  Trim(a.digits);
  return true;
}

}  // namespace tesselon::limbs
