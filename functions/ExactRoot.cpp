#include "functions/ExactRoot.h"

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/Cancellation.h"
#include "engine/Limbs.h"
#include "engine/TextScan.h"

namespace tesselon {

namespace {

// Beyond this many digits the power x^p or the radicand of the q-th root
// would take longer than a key should: such a power keeps the message.
constexpr double MostRootDigits = 2e6;
// Digits of x read beyond those the kept length needs, so that the digits
// left unread almost never reach the last kept one.
constexpr size_t GuardDigits = 16;

mpz_class TenToThe(int64_t n) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(n));
  return power;
}

// floor(10^n value) for a non-negative n, floor(value / 10^-n) otherwise.
mpz_class Shifted(const mpz_class& value, int64_t n) {
  if (n >= 0) return value * TenToThe(n);
  mpz_class quotient;
  mpz_fdiv_q(quotient.get_mpz_t(), value.get_mpz_t(), TenToThe(-n).get_mpz_t());
  return quotient;
}

// floor(v^(p/q) 10^decimals) for v = a 10^place: the q-th root's radicand
// is formed whole, and the floor of the floor of the radicand's root is the
// floor of the exact root.
mpz_class ScaledPower(const mpz_class& a, int64_t place, const FractionExponent& y,
                      int64_t decimals) {
  const auto p = static_cast<int64_t>(y.numerator);
  const auto q = static_cast<int64_t>(y.denominator);
  CheckCancelled();
  mpz_class power;
  mpz_pow_ui(power.get_mpz_t(), a.get_mpz_t(), static_cast<unsigned long>(p));
  CheckCancelled();
  mpz_class radicand;
  if (!y.negative) {
    radicand = Shifted(power, q * decimals + p * place);
  } else {
    const int64_t n = q * decimals - p * place;
    if (n < 0) return 0;
    mpz_fdiv_q(radicand.get_mpz_t(), TenToThe(n).get_mpz_t(), power.get_mpz_t());
  }
  CheckCancelled();
  if (q == 1) return radicand;
  mpz_class root;
  mpz_root(root.get_mpz_t(), radicand.get_mpz_t(), static_cast<unsigned long>(q));
  return root;
}

// The digits of x without its point, and where its significant ones start.
struct Digits {
  std::string all;
  size_t first = 0;
  int64_t fraction = 0;
  size_t significant() const { return all.size() - first; }
};

Digits DigitsOf(std::string_view x) {
  const size_t point = std::min(x.find('.'), x.size());
  Digits d;
  d.all = std::string(x.substr(0, point));
  if (point < x.size()) d.all += x.substr(point + 1);
  d.fraction = static_cast<int64_t>(x.size() - std::min(point + 1, x.size()));
  d.first = std::min(d.all.find_first_not_of('0'), d.all.size());
  return d;
}

// log10 x from its leading digits and their place.
double Log10Of(const Digits& d) {
  constexpr size_t Leading = 17;
  const std::string head = d.all.substr(d.first, Leading);
  return std::log10(std::stod(head)) +
         static_cast<double>(static_cast<int64_t>(d.significant() - head.size()) - d.fraction);
}

// R as a number text with `decimals` digits after the point.
std::string WithPoint(std::string digits, int64_t decimals) {
  if (decimals == 0) return digits;
  const auto width = static_cast<size_t>(decimals) + 1;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
  return digits;
}

}  // namespace

std::optional<FractionExponent> FractionOf(std::string_view y, bool negative) {
  const size_t point = std::min(y.find('.'), y.size());
  std::string_view whole = y.substr(0, point);
  std::string_view fraction = y.substr(std::min(point + 1, y.size()));
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
  // p and q below 10^18 fit the unsigned 64 bits.
  constexpr size_t MostDigits = 18;
  if (whole.size() + fraction.size() > MostDigits) return std::nullopt;
  const std::string digits = std::string(whole) + std::string(fraction);
  FractionExponent e{negative, digits.empty() ? 0 : std::stoull(digits), 1};
  for (size_t i = 0; i < fraction.size(); ++i) e.denominator *= 10;
  const uint64_t common = std::gcd(e.numerator, e.denominator);
  if (common == 0) return std::nullopt;
  e.numerator /= common;
  e.denominator /= common;
  return e;
}

std::optional<std::string> CutPowerOf(std::string_view x, const FractionExponent& y,
                                      int32_t length) {
  const Digits d = DigitsOf(x);
  if (d.first == d.all.size() || y.numerator == 0 || length < 2) return std::nullopt;
  const double p = static_cast<double>(y.numerator);
  const double q = static_cast<double>(y.denominator);
  const double valueLog = (y.negative ? -p : p) / q * Log10Of(d);
  // log10 of the value is within a little of valueLog: past these bounds
  // the integer part is longer than `length`, or every kept digit is zero.
  if (valueLog > length + 1 || valueLog < -length - 1) return std::nullopt;
  const int64_t integerDigits = valueLog >= 0 ? static_cast<int64_t>(valueLog) + 1 : 1;
  // One decimal more than the estimate leaves room for: an integer part one
  // digit longer is cut off at the end.
  const int64_t decimals = std::max<int64_t>(length - 1 - integerDigits, 0) + 1;
  const size_t needed = static_cast<size_t>(length) + GuardDigits +
                        static_cast<size_t>(std::max(0.0, std::log10(p / q)));
  size_t read = std::min(d.significant(), needed);
  const auto affordable = [&](size_t digits) {
    return p * static_cast<double>(digits) <= MostRootDigits &&
           q * static_cast<double>(length + 2) <= MostRootDigits;
  };
  if (!affordable(read)) return std::nullopt;
  // x lies between a 10^place and (a + 1) 10^place, and so the value between
  // the powers of the two: where their cut digits agree, they are the value's.
  const auto valueFrom = [&](size_t digits) {
    const mpz_class a = limbs::BinaryOf(std::string_view(d.all).substr(d.first, digits));
    const int64_t place = static_cast<int64_t>(d.significant() - digits) - d.fraction;
    mpz_class value = ScaledPower(a, place, y, decimals);
    const bool unreadAreZeros = d.all.find_first_not_of('0', d.first + digits) == std::string::npos;
    if (unreadAreZeros) return std::optional<mpz_class>(std::move(value));
    if (value != ScaledPower(a + 1, place, y, decimals)) return std::optional<mpz_class>();
    return std::optional<mpz_class>(std::move(value));
  };
  std::optional<mpz_class> value = valueFrom(read);
  if (!value && read < d.significant()) {
    read = d.significant();
    if (!affordable(read)) return std::nullopt;
    value = valueFrom(read);
  }
  if (!value || *value == 0) return std::nullopt;
  std::string text = WithPoint(limbs::DecimalText(*value), decimals);
  const size_t point = std::min(text.find('.'), text.size());
  if (point > static_cast<size_t>(length)) return std::nullopt;
  text.resize(std::min(text.size(), static_cast<size_t>(length)));
  if (point < text.size()) {
    // The result's own form: no zeros closing the fraction, no bare point.
    text.resize(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (FirstSignificant(text) == std::string::npos) return std::nullopt;
  return text;
}

}  // namespace tesselon
