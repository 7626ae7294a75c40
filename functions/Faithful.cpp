#include "functions/Faithful.h"

#include <mpfr.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "engine/Assert.h"
#include "engine/Engine.h"
#include "engine/Limbs.h"
#include "engine/TextScan.h"

namespace tesselon {

namespace {

// The reference carries this many digits beyond the last one a text shows,
// so that its own rounding never moves a cut.
constexpr size_t GuardDigits = 15;
constexpr unsigned long GuardUnits = [] {
  unsigned long units = 1;
  for (size_t i = 0; i < GuardDigits; ++i) units *= 10;
  return units;
}();
// A text within one unit of its last digit, give or take the reference's own
// rounding noise (these many units of its last guard digit), is faithful:
// 0.4999...9 for 0.5 lies exactly one unit off.
constexpr unsigned long NoiseUnits = 1000;

// MPFR keeps the constants it has worked out (pi, log 2) for each thread; a
// key computes on a thread of its own, which gives them back when it ends.
struct ThreadCaches {
  ~ThreadCaches() { mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE); }
};
thread_local ThreadCaches threadCaches;

mpfr_prec_t BitsFor(size_t digits) {
  constexpr double BitsPerDigit = 3.3219280948873623;
  return static_cast<mpfr_prec_t>(static_cast<double>(digits) * BitsPerDigit) + 64;
}

class Real {
 public:
  explicit Real(mpfr_prec_t bits) { mpfr_init2(value_, bits); }
  Real(mpfr_prec_t bits, std::string_view text) : Real(bits) {
    const std::string terminated(text);
    mpfr_strtofr(value_, terminated.c_str(), nullptr, 10, MPFR_RNDN);
  }
  ~Real() { mpfr_clear(value_); }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;

  mpfr_ptr operator*() { return value_; }
  mpfr_srcptr operator*() const { return value_; }

 private:
  mpfr_t value_;
};

class Integer {
 public:
  Integer() { mpz_init(value_); }
  ~Integer() { mpz_clear(value_); }
  Integer(const Integer&) = delete;
  Integer& operator=(const Integer&) = delete;

  mpz_ptr operator*() { return value_; }
  mpz_srcptr operator*() const { return value_; }

 private:
  mpz_t value_;
};

// A decimal text: optional "-", digits, optional point and digits.
struct NumberParts {
  bool negative = false;
  std::string_view whole{};
  std::string_view fraction{};
};

bool SplitNumber(std::string_view text, NumberParts& parts) {
  parts.negative = text.starts_with('-');
  if (parts.negative) text.remove_prefix(1);
  const size_t point = text.find('.');
  parts.whole = text.substr(0, point);
  parts.fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  return !parts.whole.empty() && limbs::AllDigits(parts.whole) && limbs::AllDigits(parts.fraction);
}

bool AllZeros(const NumberParts& parts) {
  const auto zero = [](std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
  };
  return zero(parts.whole) && zero(parts.fraction);
}

std::string_view WithoutLeadingZeros(std::string_view whole) {
  const size_t first = std::min(whole.find_first_not_of('0'), whole.size() - 1);
  return whole.substr(first);
}

// The parts as a number text; no point when the fraction is empty.
std::string TextOf(const NumberParts& parts) {
  std::string text;
  text.reserve(1 + parts.whole.size() + 1 + parts.fraction.size());
  if (parts.negative) text += '-';
  text += parts.whole;
  if (!parts.fraction.empty()) {
    text += '.';
    text += parts.fraction;
  }
  return text;
}

// Arguments up to this many characters are read whole at once.
constexpr size_t ShortArgument = 2000;
// A quotient's check whose product has at most these many digits is tried
// on decimal limbs first.
constexpr size_t ShortCheckDigits = 1000;

// The digits of `whole` then `fraction`, then `zeros` zeros, as limbs.
void ReadLimbs(std::string_view whole, std::string_view fraction, size_t zeros,
               limbs::Limbs& value) {
  thread_local std::string digits;
  digits.assign(whole);
  digits.append(fraction);
  limbs::FromDigitsInto(digits, value);
  limbs::Trim(value);
  limbs::TimesPowerOfTen(value, zeros);
}

// The first `digits` significant digits of a decimal text, as "d.ddd...eE":
// a number of millions of digits read to the digits that matter.
std::string LeadingDigits(std::string_view text, size_t digits) {
  std::string out = text.starts_with('-') ? "-" : "";
  const size_t point = std::min(text.find('.'), text.size());
  const size_t first = FirstSignificant(text);
  if (first == std::string_view::npos) return "0";
  std::string significant;
  for (size_t i = first; i < text.size() && significant.size() < digits; ++i) {
    if (text[i] != '.') significant += text[i];
  }
  const long exponent =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  out += significant.substr(0, 1) + "." + significant.substr(1) + "e" + std::to_string(exponent);
  return out;
}

// ln 2 or log10 2, worked once for the whole program: each key computes on a
// thread of its own, where MPFR's own constants start afresh, and a
// logarithm of 2, 4, 8 (the keys' table constants) would otherwise cost
// more to check than to answer.
class LogOfTwo {
 public:
  explicit LogOfTwo(int (*logarithm)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) : logarithm_(logarithm) {
    mpfr_init2(value_, MPFR_PREC_MIN);
  }
  ~LogOfTwo() { mpfr_clear(value_); }
  LogOfTwo(const LogOfTwo&) = delete;
  LogOfTwo& operator=(const LogOfTwo&) = delete;

  // log x = k log 2 for x = 2^k, correctly rounded to r's precision as the
  // logarithm itself would round it; false where x is no power of two (or
  // 1) or the product lies too near a rounding boundary to tell.
  bool logOfPowerOfTwo(mpfr_ptr r, mpfr_srcptr x) {
    if (!mpfr_regular_p(x) || mpfr_sgn(x) < 0 || mpfr_min_prec(x) != 1) return false;
    const long k = mpfr_get_exp(x) - 1;
    if (k == 0) return false;
    const mpfr_prec_t bits = mpfr_get_prec(r) + 32;
    Real product(bits);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (mpfr_get_prec(value_) < bits) {
        // Enough for a text of some thousand digits at once.
        mpfr_set_prec(value_, std::max<mpfr_prec_t>(2 * bits, 4096));
        Real two(2);
        mpfr_set_ui(*two, 2, MPFR_RNDN);
        logarithm_(value_, *two, MPFR_RNDN);
      }
      mpfr_mul_si(*product, value_, k, MPFR_RNDN);
    }
    // The constant's rounding and the product's leave it within
    // 2^(EXP - bits) of k log 2; the test allows four times that.
    if (mpfr_can_round(*product, bits - 2, MPFR_RNDN, MPFR_RNDZ, mpfr_get_prec(r) + 1) == 0) {
      return false;
    }
    mpfr_set(r, *product, MPFR_RNDN);
    return true;
  }

 private:
  int (*logarithm_)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
  std::mutex mutex_;
  mpfr_t value_;
};

LogOfTwo naturalLogOfTwo(mpfr_log);
LogOfTwo decimalLogOfTwo(mpfr_log10);

// The exact function's value, correctly rounded to `bits`. The arguments are
// read with more bits again, as many as their own digits need and more, so
// that an ill-conditioned function (ln near 1, sin near a multiple of pi)
// still sees its argument exactly enough. A long argument is first read to
// its leading digits only, twice as many the second time: where the two
// values agree to the last bit but a few, the digits left unread cannot move
// a cut either.
class Reference {
 public:
  Reference(ExactFunction function, const ExactArguments& arguments, mpfr_prec_t bits)
      : value_(bits), bits_(bits) {
    static_cast<void>(threadCaches);
    if (arguments.x.size() + arguments.y.size() > ShortArgument) {
      const size_t digits = static_cast<size_t>(bits) / 3 + GuardDigits;
      evaluateWithLeading(function, arguments, digits);
      Real first(bits);
      mpfr_set(*first, *value_, MPFR_RNDN);
      evaluateWithLeading(function, arguments, 2 * digits);
      if (agree(*first, *value_)) return;
    }
    evaluateWith(function, arguments.x, arguments.y, arguments.degrees);
  }

  bool isZero() const { return mpfr_zero_p(*value_) != 0; }
  bool isNumber() const { return mpfr_number_p(*value_) != 0; }
  bool isNegative() const { return mpfr_sgn(*value_) < 0; }

  // The value times 10^decimals, to the nearest whole number.
  // 10^decimals has fewer odd bits than the product's precision, so the
  // product is the value times the exact power, rounded once.
  void scaled(size_t decimals, Integer& out) const {
    mpz_ui_pow_ui(*out, 10, decimals);
    Real scaled(bits_ + 64);
    mpfr_mul_z(*scaled, *value_, *out, MPFR_RNDN);
    mpfr_get_z(*out, *scaled, MPFR_RNDN);
  }

 private:
  void evaluateWith(ExactFunction function, std::string_view x, std::string_view y, bool degrees) {
    const mpfr_prec_t argumentBits = bits_ + BitsFor(x.size() + y.size());
    const Real xValue(argumentBits, x);
    if (function != ExactFunction::Quotient && function != ExactFunction::Power) {
      evaluate(function, *xValue, nullptr, degrees);
      return;
    }
    const Real yValue(argumentBits, y.empty() ? "0" : y);
    evaluate(function, *xValue, *yValue, degrees);
  }

  void evaluateWithLeading(ExactFunction function, const ExactArguments& arguments, size_t digits) {
    const std::string y = arguments.y.empty() ? "0" : LeadingDigits(arguments.y, digits);
    evaluateWith(function, LeadingDigits(arguments.x, digits), y, arguments.degrees);
  }

  // A zero or a pole read off leading digits proves nothing (ln of
  // 1.000...0001 reads as ln 1): the whole argument decides those.
  bool agree(mpfr_srcptr a, mpfr_srcptr b) const {
    if (!mpfr_regular_p(a) || !mpfr_regular_p(b)) return false;
    Real difference(bits_);
    mpfr_sub(*difference, a, b, MPFR_RNDN);
    return mpfr_zero_p(*difference) ||
           mpfr_get_exp(*difference) < mpfr_get_exp(b) - static_cast<mpfr_exp_t>(bits_) + 16;
  }

  void evaluate(ExactFunction function, mpfr_srcptr x, mpfr_srcptr y, bool degrees) {
    mpfr_ptr r = *value_;
    constexpr mpfr_rnd_t N = MPFR_RNDN;
    switch (function) {
      case ExactFunction::Quotient:
        mpfr_div(r, x, y, N);
        break;
      case ExactFunction::Reciprocal:
        mpfr_ui_div(r, 1, x, N);
        break;
      case ExactFunction::Power:
        mpfr_pow(r, x, y, N);
        break;
      case ExactFunction::SquareRoot: {
        Real magnitude(mpfr_get_prec(x));
        mpfr_abs(*magnitude, x, N);
        mpfr_sqrt(r, *magnitude, N);
        break;
      }
      case ExactFunction::CubeRoot:
        mpfr_cbrt(r, x, N);
        break;
      case ExactFunction::Exp:
        mpfr_exp(r, x, N);
        break;
      case ExactFunction::Ln:
        if (!naturalLogOfTwo.logOfPowerOfTwo(r, x)) mpfr_log(r, x, N);
        break;
      case ExactFunction::Log:
        if (!decimalLogOfTwo.logOfPowerOfTwo(r, x)) mpfr_log10(r, x, N);
        break;
      case ExactFunction::Sin:
        degrees ? mpfr_sinu(r, x, 360, N) : mpfr_sin(r, x, N);
        break;
      case ExactFunction::Cos:
        degrees ? mpfr_cosu(r, x, 360, N) : mpfr_cos(r, x, N);
        break;
      case ExactFunction::Tan:
        degrees ? mpfr_tanu(r, x, 360, N) : mpfr_tan(r, x, N);
        break;
      case ExactFunction::Cot:
        degrees ? cotangentOfDegrees(x) : static_cast<void>(mpfr_cot(r, x, N));
        break;
      case ExactFunction::ArcSin:
        mpfr_asin(r, x, N);
        break;
      case ExactFunction::ArcCos:
        mpfr_acos(r, x, N);
        break;
      case ExactFunction::ArcTan:
        mpfr_atan(r, x, N);
        break;
      case ExactFunction::ArcCot: {
        // The angle of the point (x, 1): arccot in (0, pi) for either sign.
        Real one(2);
        mpfr_set_ui(*one, 1, N);
        mpfr_atan2(r, *one, x, N);
        break;
      }
      case ExactFunction::Sinh:
        mpfr_sinh(r, x, N);
        break;
      case ExactFunction::Cosh:
        mpfr_cosh(r, x, N);
        break;
      case ExactFunction::Tanh:
        mpfr_tanh(r, x, N);
        break;
      case ExactFunction::Coth:
        mpfr_coth(r, x, N);
        break;
      case ExactFunction::AreaSinh:
        mpfr_asinh(r, x, N);
        break;
      case ExactFunction::AreaCosh:
        mpfr_acosh(r, x, N);
        break;
      case ExactFunction::AreaTanh:
        mpfr_atanh(r, x, N);
        break;
      case ExactFunction::AreaCoth: {
        Real reciprocal(mpfr_get_prec(x));
        mpfr_ui_div(*reciprocal, 1, x, N);
        mpfr_atanh(r, *reciprocal, N);
        break;
      }
      case ExactFunction::DegreesOf:
      case ExactFunction::RadiansOf:
        convertAngle(function, x);
        break;
    }
  }

  // cos/sin in degrees: both exact at the multiples of 90, so cot 90 is 0
  // and cot 180 has no value.
  void cotangentOfDegrees(mpfr_srcptr x) {
    const mpfr_prec_t bits = bits_ + 64;
    Real cosine(bits);
    Real sine(bits);
    mpfr_cosu(*cosine, x, 360, MPFR_RNDN);
    mpfr_sinu(*sine, x, 360, MPFR_RNDN);
    mpfr_div(*value_, *cosine, *sine, MPFR_RNDN);
  }

  void convertAngle(ExactFunction function, mpfr_srcptr x) {
    Real pi(bits_ + 64);
    mpfr_const_pi(*pi, MPFR_RNDN);
    if (function == ExactFunction::DegreesOf) {
      mpfr_mul_ui(*value_, x, 180, MPFR_RNDN);
      mpfr_div(*value_, *value_, *pi, MPFR_RNDN);
    } else {
      mpfr_mul(*value_, x, *pi, MPFR_RNDN);
      mpfr_div_ui(*value_, *value_, 180, MPFR_RNDN);
    }
  }

  Real value_;
  mpfr_prec_t bits_;
};

mpfr_prec_t BitsToCheck(size_t characters) {
  return BitsFor(characters + GuardDigits);
}

// Whether a text cut to some decimals is faithful. The exact path answers
// Unsure where the reference's own rounding could tip the answer either way;
// the reference then decides.
enum class Verdict { Faithful, NotFaithful, Unsure };

// A count of decimals: the exact path could not tell.
constexpr int UnsureDecimals = -2;

// The text and the reference as whole numbers of units of the text's last
// digit's 10^-GuardDigits, so that each cut is a division by a power of ten.
class ScaledComparison {
 public:
  ScaledComparison(const Reference& reference, const NumberParts& parts)
      : decimals_(parts.fraction.size()) {
    thread_local std::string digits;
    digits.assign(parts.whole);
    digits.append(parts.fraction);
    mpz_set_str(*text_, digits.c_str(), 10);
    mpz_mul_ui(*text_, *text_, GuardUnits);
    if (parts.negative) mpz_neg(*text_, *text_);
    reference.scaled(decimals_ + GuardDigits, exact_);
  }

  // |text cut to `kept` decimals - value| <= one unit of its last digit.
  Verdict verdict(size_t kept) const {
    thread_local Integer unit;
    thread_local Integer difference;
    if (kept == decimals_) {
      mpz_sub(*difference, *text_, *exact_);
      return mpz_cmpabs_ui(*difference, GuardUnits + NoiseUnits) <= 0 ? Verdict::Faithful
                                                                      : Verdict::NotFaithful;
    }
    mpz_ui_pow_ui(*unit, 10, decimals_ - kept + GuardDigits);
    mpz_tdiv_q(*difference, *text_, *unit);
    mpz_mul(*difference, *difference, *unit);
    mpz_sub(*difference, *difference, *exact_);
    mpz_abs(*difference, *difference);
    mpz_add_ui(*unit, *unit, NoiseUnits);
    return mpz_cmp(*difference, *unit) <= 0 ? Verdict::Faithful : Verdict::NotFaithful;
  }

 private:
  size_t decimals_;
  Integer text_;
  Integer exact_;
};

// Faithfulness only shrinks as digits are dropped from the right: a prefix
// within one unit of its last digit stays so when cut further. So the
// longest faithful prefix of a text of `decimals` decimals is found by
// halving.
template <class Comparison>
int LongestFaithful(const Comparison& comparison, size_t decimals) {
  // Most texts are faithful to their last digit: one comparison settles them.
  const Verdict toTheEnd = comparison.verdict(decimals);
  if (toTheEnd == Verdict::Faithful) return static_cast<int>(decimals);
  if (toTheEnd == Verdict::Unsure) return UnsureDecimals;
  const Verdict wholePart = comparison.verdict(0);
  if (wholePart != Verdict::Faithful) return wholePart == Verdict::Unsure ? UnsureDecimals : -1;
  size_t good = 0;
  size_t bad = decimals;
  while (bad - good > 1) {
    const size_t middle = good + (bad - good) / 2;
    const Verdict verdict = comparison.verdict(middle);
    if (verdict == Verdict::Unsure) return UnsureDecimals;
    (verdict == Verdict::Faithful ? good : bad) = middle;
  }
  return static_cast<int>(good);
}

// A long text is looked at to this many decimals first: a wrong tail shows
// itself there (a quotient of long operands is true to some hundred digits),
// and only a text true that far is checked to its end.
constexpr size_t FirstLookDecimals = 1000;

size_t FirstLookLength(const NumberParts& parts) {
  return parts.whole.size() + 2 + std::min(parts.fraction.size(), FirstLookDecimals);
}

// The check against MPFR: a reference worked to the first look at the text
// (its zero and sign serve any length), and one worked to the whole text
// where that is needed.
class ReferenceJudge {
 public:
  ReferenceJudge(ExactFunction function, const ExactArguments& arguments, size_t firstLookLength)
      : function_(function),
        arguments_(arguments),
        firstLook_(function, arguments, BitsToCheck(firstLookLength)) {}

  bool isZero() const { return firstLook_.isZero(); }
  bool isNegative() const { return firstLook_.isNegative(); }

  int longestFaithful(const NumberParts& parts, bool firstLook) const {
    if (firstLook) return LongestFaithfulTo(firstLook_, parts);
    const Reference whole(function_, arguments_,
                          BitsToCheck(parts.whole.size() + 2 + parts.fraction.size()));
    return LongestFaithfulTo(whole, parts);
  }

 private:
  static int LongestFaithfulTo(const Reference& reference, const NumberParts& parts) {
    if (!reference.isNumber()) return -1;
    return LongestFaithful(ScaledComparison(reference, parts), parts.fraction.size());
  }

  ExactFunction function_;
  const ExactArguments& arguments_;
  Reference firstLook_;
};

constexpr uint64_t TenTo(size_t n) {
  return n == 0 ? 1 : 10 * TenTo(n - 1);
}

// The whole numbers of a quotient's check, kept by each thread from one
// check to the next so that a short one allocates nothing.
struct QuotientScratch {
  QuotientScratch() {
    mpz_inits(text, dividend, divisor, difference, ceiling, bound, power, tens, nullptr);
    mpz_set_ui(tens, 1);
  }
  ~QuotientScratch() {
    mpz_clears(text, dividend, divisor, difference, ceiling, bound, power, tens, nullptr);
  }
  QuotientScratch(const QuotientScratch&) = delete;
  QuotientScratch& operator=(const QuotientScratch&) = delete;

  // The digits of `head` then `tail`, then `zeros` zeros. A text of a few
  // hundred digits is read nineteen digits to a word; GMP's conversion,
  // sub-quadratic, reads longer ones.
  void read(mpz_ptr out, std::string_view head, std::string_view tail, size_t zeros) {
    constexpr size_t ReadByWords = 400;
    if (head.size() + tail.size() <= ReadByWords) {
      mpz_set_ui(out, 0);
      uint64_t word = 0;
      size_t inWord = 0;
      const auto add = [&](std::string_view part) {
        for (const char digit : part) {
          word = word * 10 + static_cast<uint64_t>(digit - '0');
          if (++inWord == WordDigits) {
            mpz_mul_ui(out, out, TenTo(WordDigits));
            mpz_add_ui(out, out, word);
            word = 0;
            inWord = 0;
          }
        }
      };
      add(head);
      add(tail);
      if (inWord > 0) {
        mpz_mul_ui(out, out, TenTo(inWord));
        mpz_add_ui(out, out, word);
      }
    } else {
      digits.assign(head);
      digits.append(tail);
      mpz_set_str(out, digits.c_str(), 10);
    }
    if (zeros > 0) mpz_mul(out, out, tenTo(zeros));
  }
  // The digits of `parts` up to `decimals` of them after the point, then
  // `zeros` zeros, as a whole number with the sign of `parts`.
  void read(mpz_ptr out, const NumberParts& parts, size_t decimals, size_t zeros) {
    read(out, parts.whole, parts.fraction.substr(0, decimals), zeros);
    if (parts.negative) mpz_neg(out, out);
  }

  // 10^n, kept for the next check of a text as long.
  mpz_srcptr tenTo(size_t n) {
    if (n != tensExponent) {
      mpz_ui_pow_ui(tens, 10, n);
      tensExponent = n;
    }
    return tens;
  }

  static constexpr size_t WordDigits = 19;

  mpz_t text, dividend, divisor, difference, ceiling, bound, power, tens;
  size_t tensExponent = 0;
  std::string digits;
};

// The check of a / b without a reference. A text q with k decimals lies
// within one unit of its last digit of a / b exactly when
// |q b - a| <= 10^-k |b|, all made whole numbers by powers of ten. The
// reference's verdict differs from that only in its noise: it also takes a
// text up to NoiseUnits units of the text's last guard digit beyond one unit
// of its last digit, give or take half a unit for its rounding. Outside that
// narrow band the exact answer is the reference's; inside it, the exact path
// leaves the verdict to the reference.
class ExactQuotient {
 public:
  // False where the exact path does not apply: an argument that is not a
  // plain decimal (MPFR reads more forms), a divisor of zero, operands much
  // longer than the text's first look (MPFR reads only their leading
  // digits, the exact path all of them).
  bool read(ExactFunction function, const ExactArguments& arguments, size_t firstLookLength) {
    if (arguments.x.size() + arguments.y.size() > 2 * firstLookLength + ShortArgument) return false;
    if (function == ExactFunction::Quotient) {
      if (!SplitNumber(arguments.x, dividend_) || !SplitNumber(arguments.y, divisor_)) return false;
    } else if (function == ExactFunction::Reciprocal) {
      dividend_ = NumberParts{.whole = "1"};
      if (!SplitNumber(arguments.x, divisor_)) return false;
    } else {
      return false;
    }
    return !AllZeros(divisor_);
  }

  bool isZero() const { return AllZeros(dividend_); }
  bool isNegative() const { return !isZero() && dividend_.negative != divisor_.negative; }

  int longestFaithful(const NumberParts& parts, bool) const {
    const int decimals = cut(parts);
    if (decimals != UnsureDecimals) return decimals;
    return LongestFaithful(Comparison{*this, parts}, parts.fraction.size());
  }

 private:
  struct Comparison {
    const ExactQuotient& quotient;
    const NumberParts& parts;
    Verdict verdict(size_t kept) const { return quotient.verdict(parts, kept); }
  };

  // q = Q 10^-k, a = A 10^-fa, b = B 10^-fb. With e and z the powers that
  // bring both to one scale, (q - a / b) 10^k = (Q B 10^e - A 10^z) / (B 10^e):
  // leaves that numerator in s.difference and the denominator in s.divisor.
  void measure(QuotientScratch& s, const NumberParts& parts, size_t kept) const {
    const auto [e, z] = scales(kept);
    s.read(s.text, parts, kept, 0);
    s.read(s.dividend, dividend_, dividend_.fraction.size(), z);
    s.read(s.divisor, divisor_, divisor_.fraction.size(), e);
    mpz_mul(s.difference, s.text, s.divisor);
    mpz_sub(s.difference, s.difference, s.dividend);
  }

  struct Scales {
    size_t e;
    size_t z;
  };
  Scales scales(size_t kept) const {
    const size_t fa = dividend_.fraction.size();
    const size_t fb = divisor_.fraction.size();
    return {.e = fa > kept + fb ? fa - kept - fb : 0, .z = kept + fb > fa ? kept + fb - fa : 0};
  }

  // Whether |Q B 10^e - A 10^z| <= |B 10^e| the short way, on the engine's
  // decimal limbs: a text of some hundred digits and operands of a few
  // settle it in one small product, where the whole numbers would cost
  // conversions to binary and powers of ten. True where the text cut to
  // `kept` decimals is faithful; false where it is not, or where the numbers
  // are long, and the whole numbers tell.
  bool faithfulOnLimbs(const NumberParts& parts, size_t kept) const {
    const auto [e, z] = scales(kept);
    const auto length = [](const NumberParts& number, size_t zeros) {
      return number.whole.size() + number.fraction.size() + zeros;
    };
    if (parts.whole.size() + kept + length(divisor_, e) > ShortCheckDigits ||
        length(dividend_, z) > ShortCheckDigits) {
      return false;
    }
    thread_local limbs::Limbs text;
    thread_local limbs::Limbs dividend;
    thread_local limbs::Limbs divisor;
    thread_local limbs::Limbs product;
    ReadLimbs(parts.whole, parts.fraction.substr(0, kept), 0, text);
    ReadLimbs(dividend_.whole, dividend_.fraction, z, dividend);
    ReadLimbs(divisor_.whole, divisor_.fraction, e, divisor);
    limbs::MultiplyTo(text, divisor, product);
    limbs::Trim(product);
    // With P = |Q B 10^e|, A = |A 10^z| and M = |B 10^e|: where the text and
    // a / b have one sign, |P - A| <= M, that is P <= A + M and A <= P + M;
    // where they differ, P + A <= M.
    if ((parts.negative != divisor_.negative) != dividend_.negative) {
      limbs::AddTo(product, dividend);
      return limbs::Compare(product, divisor) <= 0;
    }
    thread_local limbs::Limbs sum;
    sum = product;
    limbs::AddTo(sum, divisor);
    if (limbs::Compare(dividend, sum) > 0) return false;
    limbs::AddTo(dividend, divisor);
    return limbs::Compare(product, dividend) <= 0;
  }

  Verdict verdict(const NumberParts& parts, size_t kept) const {
    if (faithfulOnLimbs(parts, kept)) return Verdict::Faithful;
    thread_local QuotientScratch s;
    measure(s, parts, kept);
    if (mpz_cmpabs(s.difference, s.divisor) <= 0) return Verdict::Faithful;
    // Beyond one unit: measured in units u of the guard digit, the
    // reference's verdict is certain unless the distance lies within a unit
    // of u + NoiseUnits.
    mpz_abs(s.difference, s.difference);
    mpz_abs(s.divisor, s.divisor);
    mpz_ui_pow_ui(s.power, 10, parts.fraction.size() - kept + GuardDigits);
    mpz_mul(s.difference, s.difference, s.power);
    mpz_add_ui(s.power, s.power, NoiseUnits - 1);
    mpz_mul(s.bound, s.power, s.divisor);
    if (mpz_cmp(s.difference, s.bound) <= 0) return Verdict::Faithful;
    mpz_add_ui(s.power, s.power, 2);
    mpz_mul(s.bound, s.power, s.divisor);
    if (mpz_cmp(s.difference, s.bound) >= 0) return Verdict::NotFaithful;
    return Verdict::Unsure;
  }

  // The cut found from one measure of the whole text instead of by halving.
  // With t the text's distance from a / b in units of its last digit (its
  // sign that of the text's overshoot in size), the text cut by j digits is
  // faithful exactly when -(10^j - tail) <= t <= tail + 10^j, tail being the
  // value of the j digits cut off. The bound for the sign of t grows with j,
  // by (9 + digit) 10^j or (9 - digit) 10^j for the next digit cut; the cut
  // is the first j it reaches |t|. Unsure where the step before the cut lies
  // so near its bound that the reference's noise could take it.
  int cut(const NumberParts& parts) const {
    const size_t decimals = parts.fraction.size();
    if (faithfulOnLimbs(parts, decimals)) return static_cast<int>(decimals);
    thread_local QuotientScratch s;
    measure(s, parts, decimals);
    if (mpz_cmpabs(s.difference, s.divisor) <= 0) return static_cast<int>(decimals);
    const bool overshoot = (mpz_sgn(s.difference) == mpz_sgn(s.divisor)) != parts.negative;
    mpz_abs(s.difference, s.difference);
    mpz_abs(s.divisor, s.divisor);
    // ceiling = the least whole number at least |t|: |t| <= bound for a
    // whole bound exactly when ceiling <= bound.
    mpz_cdiv_q(s.ceiling, s.difference, s.divisor);
    // A bound below 2 10^j falls short of a ceiling of more digits than j + 1.
    const size_t length = mpz_sizeinbase(s.ceiling, 10);
    size_t j = std::min(length > 2 ? length - 2 : 0, decimals);
    setBound(s, parts, j, overshoot);
    constexpr size_t LongestWalk = 64;
    for (size_t steps = 0; mpz_cmp(s.ceiling, s.bound) > 0; ++steps) {
      if (j == decimals) {
        ++j;
        break;
      }
      if (steps == LongestWalk) return UnsureDecimals;
      const unsigned long digit =
          static_cast<unsigned long>(parts.fraction[decimals - j - 1] - '0');
      mpz_addmul_ui(s.bound, s.power, overshoot ? 9 + digit : 9 - digit);
      mpz_mul_ui(s.power, s.power, 10);
      ++j;
    }
    // |t| > 1 = the bound for j = 0, so the cut drops at least one digit.
    ASSERT(j > 0);
    // The text cut by one digit fewer is not faithful; past doubt only where
    // |t| exceeds that bound by more than one unit.
    setBound(s, parts, j - 1, overshoot);
    mpz_add_ui(s.bound, s.bound, 1);
    if (mpz_cmp(s.ceiling, s.bound) <= 0 &&
        verdict(parts, decimals - (j - 1)) != Verdict::NotFaithful) {
      return UnsureDecimals;
    }
    return j > decimals ? -1 : static_cast<int>(decimals - j);
  }

  // The bound for the text cut by j digits; 10^j in s.power.
  static void setBound(QuotientScratch& s, const NumberParts& parts, size_t j, bool overshoot) {
    mpz_ui_pow_ui(s.power, 10, j);
    s.read(s.bound, "0", parts.fraction.substr(parts.fraction.size() - j), 0);
    if (overshoot) {
      mpz_add(s.bound, s.bound, s.power);
    } else {
      mpz_sub(s.bound, s.power, s.bound);
    }
  }

  NumberParts dividend_;
  NumberParts divisor_;
};

// The longest faithful prefix's decimals.
template <class Judge>
int TrueDecimals(const Judge& judge, const NumberParts& parts) {
  if (parts.fraction.size() <= FirstLookDecimals) return judge.longestFaithful(parts, true);
  NumberParts head = parts;
  head.fraction = parts.fraction.substr(0, FirstLookDecimals);
  const int decimals = judge.longestFaithful(head, true);
  if (decimals < static_cast<int>(FirstLookDecimals)) return decimals;
  return judge.longestFaithful(parts, false);
}

// The shown text cut to its true digits, or nothing where the judge could
// not tell.
template <class Judge>
std::optional<std::string> CheckedText(const Judge& judge, NumberParts parts,
                                       const NumberParts& unsnapped, bool hasUnsnapped) {
  if (AllZeros(parts) && !judge.isZero() && hasUnsnapped) {
    // The snap made zero of a value that is not: the digits before it are
    // the steps' own; the sign rule left none on the zero.
    parts = unsnapped;
    parts.negative = judge.isNegative();
    parts.whole = WithoutLeadingZeros(parts.whole);
  }
  const int decimals = TrueDecimals(judge, parts);
  if (decimals == UnsureDecimals) return std::nullopt;
  if (decimals < 0) return std::string(ErrorText);
  NumberParts kept = parts;
  kept.fraction = parts.fraction.substr(0, static_cast<size_t>(decimals));
  if (AllZeros(kept) && !judge.isZero()) return std::string(ErrorText);
  return TextOf(kept);
}

std::string TextCheckedBy(ExactFunction function, const ExactArguments& arguments,
                          std::string_view shown, std::string_view unsnapped, bool exactFirst) {
  NumberParts parts;
  if (!SplitNumber(shown, parts)) return std::string(shown);
  NumberParts before;
  const bool hasUnsnapped = SplitNumber(unsnapped, before) && !AllZeros(before);
  const size_t firstLookLength =
      std::max(FirstLookLength(parts), hasUnsnapped ? FirstLookLength(before) : 0);
  ExactQuotient exact;
  if (exactFirst && exact.read(function, arguments, firstLookLength)) {
    std::optional<std::string> text = CheckedText(exact, parts, before, hasUnsnapped);
    if (text) return *std::move(text);
  }
  const ReferenceJudge reference(function, arguments, firstLookLength);
  return *CheckedText(reference, parts, before, hasUnsnapped);
}

}  // namespace

int FaithfulDecimals(ExactFunction function, const ExactArguments& arguments,
                     std::string_view text) {
  NumberParts parts;
  if (!SplitNumber(text, parts)) return -1;
  ExactQuotient exact;
  if (exact.read(function, arguments, FirstLookLength(parts))) {
    const int decimals = TrueDecimals(exact, parts);
    if (decimals != UnsureDecimals) return decimals;
  }
  return TrueDecimals(ReferenceJudge(function, arguments, FirstLookLength(parts)), parts);
}

std::string FaithfulText(ExactFunction function, const ExactArguments& arguments,
                         std::string_view shown, std::string_view unsnapped) {
  return TextCheckedBy(function, arguments, shown, unsnapped, true);
}

std::string FaithfulTextByReference(ExactFunction function, const ExactArguments& arguments,
                                    std::string_view shown, std::string_view unsnapped) {
  return TextCheckedBy(function, arguments, shown, unsnapped, false);
}

}  // namespace tesselon
