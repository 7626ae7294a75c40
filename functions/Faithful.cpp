#include "functions/Faithful.h"

#include <mpfr.h>

#include <algorithm>
#include <string>

#include "engine/Engine.h"

namespace tesselon {

namespace {

// The reference carries this many digits beyond the last one a text shows,
// so that its own rounding never moves a cut.
constexpr size_t GuardDigits = 15;
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
  std::string_view whole;
  std::string_view fraction;
};

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool SplitNumber(std::string_view text, NumberParts& parts) {
  parts.negative = text.starts_with('-');
  if (parts.negative) text.remove_prefix(1);
  const size_t point = text.find('.');
  parts.whole = text.substr(0, point);
  parts.fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  return !parts.whole.empty() && IsDigits(parts.whole) && IsDigits(parts.fraction);
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
  std::string text = parts.negative ? "-" : "";
  text += parts.whole;
  if (!parts.fraction.empty()) {
    text += '.';
    text += parts.fraction;
  }
  return text;
}

// Arguments up to this many characters are read whole at once.
constexpr size_t ShortArgument = 2000;

// The first `digits` significant digits of a decimal text, as "d.ddd...eE":
// a number of millions of digits read to the digits that matter.
std::string LeadingDigits(std::string_view text, size_t digits) {
  std::string out = text.starts_with('-') ? "-" : "";
  const size_t point = std::min(text.find('.'), text.size());
  const size_t first = text.find_first_of("123456789");
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
  void scaled(size_t decimals, Integer& out) const {
    Real scaled(bits_ + 64);
    mpfr_ui_pow_ui(*scaled, 10, decimals, MPFR_RNDN);
    mpfr_mul(*scaled, *scaled, *value_, MPFR_RNDN);
    mpfr_get_z(*out, *scaled, MPFR_RNDN);
  }

 private:
  void evaluateWith(ExactFunction function, std::string_view x, std::string_view y, bool degrees) {
    const mpfr_prec_t argumentBits = bits_ + BitsFor(x.size() + y.size());
    const Real xValue(argumentBits, x);
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
        mpfr_log(r, x, N);
        break;
      case ExactFunction::Log:
        mpfr_log10(r, x, N);
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

// The text and the reference as whole numbers of units of the text's last
// digit's 10^-GuardDigits, so that each cut is a division by a power of ten.
class ScaledComparison {
 public:
  ScaledComparison(const Reference& reference, const NumberParts& parts)
      : decimals_(parts.fraction.size()) {
    const std::string digits = std::string(parts.whole) + std::string(parts.fraction);
    mpz_set_str(*text_, digits.c_str(), 10);
    Integer guard;
    mpz_ui_pow_ui(*guard, 10, GuardDigits);
    mpz_mul(*text_, *text_, *guard);
    if (parts.negative) mpz_neg(*text_, *text_);
    reference.scaled(decimals_ + GuardDigits, exact_);
  }

  // |text cut to `kept` decimals - value| <= one unit of its last digit.
  bool isWithinOneUnit(size_t kept) const {
    Integer unit;
    mpz_ui_pow_ui(*unit, 10, decimals_ - kept + GuardDigits);
    Integer difference;
    mpz_tdiv_q(*difference, *text_, *unit);
    mpz_mul(*difference, *difference, *unit);
    mpz_sub(*difference, *difference, *exact_);
    mpz_abs(*difference, *difference);
    mpz_add_ui(*unit, *unit, NoiseUnits);
    return mpz_cmp(*difference, *unit) <= 0;
  }

 private:
  size_t decimals_;
  Integer text_;
  Integer exact_;
};

// Faithfulness only shrinks as digits are dropped from the right: a prefix
// within one unit of its last digit stays so when cut further. So the
// longest faithful prefix is found by halving.
int LongestFaithful(const Reference& reference, const NumberParts& parts) {
  if (!reference.isNumber()) return -1;
  const ScaledComparison comparison(reference, parts);
  // Most texts are faithful to their last digit: one comparison settles them.
  if (comparison.isWithinOneUnit(parts.fraction.size())) {
    return static_cast<int>(parts.fraction.size());
  }
  if (!comparison.isWithinOneUnit(0)) return -1;
  size_t good = 0;
  size_t bad = parts.fraction.size();
  while (bad - good > 1) {
    const size_t middle = good + (bad - good) / 2;
    (comparison.isWithinOneUnit(middle) ? good : bad) = middle;
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

// The longest faithful prefix's decimals, from a reference worked to the
// first look at `parts` (its zero and sign serve any length).
int TrueDecimals(ExactFunction function, const ExactArguments& arguments,
                 const Reference& firstLook, const NumberParts& parts) {
  if (parts.fraction.size() <= FirstLookDecimals) return LongestFaithful(firstLook, parts);
  NumberParts head = parts;
  head.fraction = parts.fraction.substr(0, FirstLookDecimals);
  const int decimals = LongestFaithful(firstLook, head);
  if (decimals < static_cast<int>(FirstLookDecimals)) return decimals;
  const Reference whole(function, arguments,
                        BitsToCheck(parts.whole.size() + 2 + parts.fraction.size()));
  return LongestFaithful(whole, parts);
}

}  // namespace

int FaithfulDecimals(ExactFunction function, const ExactArguments& arguments,
                     std::string_view text) {
  NumberParts parts;
  if (!SplitNumber(text, parts)) return -1;
  const Reference firstLook(function, arguments, BitsToCheck(FirstLookLength(parts)));
  return TrueDecimals(function, arguments, firstLook, parts);
}

std::string FaithfulText(ExactFunction function, const ExactArguments& arguments,
                         std::string_view shown, std::string_view unsnapped) {
  NumberParts parts;
  if (!SplitNumber(shown, parts)) return std::string(shown);
  NumberParts before;
  const bool hasUnsnapped = SplitNumber(unsnapped, before) && !AllZeros(before);
  const Reference reference(
      function, arguments,
      BitsToCheck(std::max(FirstLookLength(parts), hasUnsnapped ? FirstLookLength(before) : 0)));
  if (AllZeros(parts) && !reference.isZero() && hasUnsnapped) {
    // The snap made zero of a value that is not: the digits before it are
    // the steps' own; the sign rule left none on the zero.
    before.negative = reference.isNegative();
    before.whole = WithoutLeadingZeros(before.whole);
    parts = before;
  }
  const int decimals = TrueDecimals(function, arguments, reference, parts);
  if (decimals < 0) return std::string(ErrorText);
  NumberParts kept = parts;
  kept.fraction = parts.fraction.substr(0, static_cast<size_t>(decimals));
  if (AllZeros(kept) && !reference.isZero()) return std::string(ErrorText);
  return TextOf(kept);
}

}  // namespace tesselon
