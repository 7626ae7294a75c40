#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "engine/Cancellation.h"
#include "engine/DecimalValue.h"
#include "engine/Engine.h"
#include "engine/TextScan.h"

namespace tesselon {

namespace {

// Position of the first significant digit relative to the point: 0 for
// 1 <= x < 10, 2 for 123.4, -3 for 0.00123; none for a text without one.
std::optional<int64_t> DecimalExponent(std::string_view number) {
  const size_t first = FirstSignificant(number);
  if (first == std::string_view::npos) return std::nullopt;
  const size_t point = std::min(number.find('.'), number.size());
  if (first < point) return static_cast<int64_t>(point - first) - 1;
  return -static_cast<int64_t>(first - point);
}

// The number times 10^shift, written with a point only when it has a
// fraction and without leading zeros before the units digit.
std::string ShiftPoint(std::string_view number, int64_t shift) {
  std::string digits;
  int64_t frac = 0;
  bool afterPoint = false;
  for (char c : number) {
    if (c == '.') {
      afterPoint = true;
    } else {
      digits += c;
      frac += afterPoint;
    }
  }
  frac -= shift;
  if (frac < 0) {
    digits.append(static_cast<size_t>(-frac), '0');
    frac = 0;
  }
  if (static_cast<int64_t>(digits.size()) <= frac) {
    digits.insert(0, static_cast<size_t>(frac) + 1 - digits.size(), '0');
  }
  const size_t units = digits.size() - static_cast<size_t>(frac);
  const size_t firstKept = std::min(digits.find_first_not_of('0'), units - 1);
  std::string shifted = digits.substr(firstKept, units - firstKept);
  if (frac > 0) shifted += '.' + digits.substr(units);
  return shifted;
}

// The double-precision quotient 1 / x; none when x or 1 / x is outside the
// double range.
std::optional<double> DoubleReciprocal(std::string_view x) {
  double value = 0;
  const auto parsed = std::from_chars(x.data(), x.data() + x.size(), value);
  if (parsed.ec != std::errc() || !(value > 0)) return std::nullopt;
  const double reciprocal = 1.0 / value;
  if (!std::isfinite(reciprocal) || reciprocal == 0) return std::nullopt;
  return reciprocal;
}

// The iteration starts from the double quotient written with the working
// length's decimals, never more than these.
constexpr int32_t MostStartDecimals = 512;
// Significant digits a double quotient gets right.
constexpr int64_t DoubleDigits = 15;

std::string StartText(double reciprocal, int32_t decimals) {
  std::array<char, 1200> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), reciprocal,
                                     std::chars_format::fixed, decimals);
  return std::string(text.data(), written.ptr);
}

bool HasDecimals(std::string_view number) {
  const size_t point = number.find('.');
  return point != std::string_view::npos && point + 1 < number.size();
}

// 10^0 to 10^16, each exact in a double.
constexpr std::array<double, 17> DoublePowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

// The value of a number text to double precision, from its first
// significant digits and its decimal exponent; none for zero.
std::optional<double> Approximately(std::string_view number, int64_t& exponent) {
  const std::optional<int64_t> e = DecimalExponent(number);
  if (!e) return std::nullopt;
  exponent = *e;
  // The first 17 significant digits as a whole number, then scaled to [1, 10).
  uint64_t leading = 0;
  int count = 0;
  for (size_t i = FirstSignificant(number); i < number.size() && count < 17; ++i) {
    if (number[i] >= '0' && number[i] <= '9') {
      leading = leading * 10 + static_cast<uint64_t>(number[i] - '0');
      ++count;
    }
  }
  return static_cast<double>(leading) / DoublePowersOfTen[static_cast<size_t>(count - 1)];
}

// The iteration relies on 2y >= x y^2 and on squares that fit the working
// length; a start value too poor for that ends in a text whose product with
// x is nowhere near one. Such a text is not a reciprocal.
bool IsReciprocalOf(std::string_view y, std::string_view x) {
  int64_t ex = 0;
  int64_t ey = 0;
  const std::optional<double> mx = Approximately(x, ex);
  const std::optional<double> my = Approximately(y, ey);
  // Mantissas lie in [1, 10), so a product near one has ex + ey of -2
  // (9.99... times 9.99...), -1 or 0.
  if (!mx || !my || ex + ey < -2 || ex + ey > 0) return false;
  const double product = *mx * *my / DoublePowersOfTen[static_cast<size_t>(-(ex + ey))];
  return product > 0.5 && product < 2;
}

// The digits of a number text without its first point, into `room`, and the
// count of digits that stood after that point.
int32_t DigitsWithoutPoint(std::string_view text, std::string& room) {
  const size_t point = text.find('.');
  room.assign(text.substr(0, point));
  if (point == std::string_view::npos) return 0;
  room.append(text.substr(point + 1));
  return static_cast<int32_t>(text.size() - point - 1);
}

}  // namespace

// The iteration works to Precision characters, integer digits included, and
// starts from the double quotient. Where that cannot serve (x outside the
// double range, an integer part of 1/x too long for the working length, or
// a start value with too few significant characters within it, which leaves
// no reciprocal at all), the same iteration runs on x scaled to 1 <= m < 10
// and the point of 1/m is moved back, so the quotient keeps its magnitude.
void Engine::Reciprocal() {
  const int32_t savedOpCode = OpCode;
  OpCode = opcode::Add;
  const std::string x = RegA;
  const std::optional<int64_t> exponent = DecimalExponent(x);
  if (!exponent) {
    // Zero has no reciprocal; callers answer it before, this keeps it visible.
    RegC = std::string(ErrorText);
    OpCode = savedOpCode;
    return;
  }
  const std::optional<double> start = DoubleReciprocal(x);
  bool served = false;
  if (start && -*exponent <= Precision - 3) {
    NewtonReciprocal(x, *start);
    served = IsReciprocalOf(RegC, x);
  }
  if (!served) {
    const std::string mantissa = ShiftPoint(x, -*exponent);
    NewtonReciprocal(mantissa, DoubleReciprocal(mantissa));
    RegC = ShiftPoint(RegC, -*exponent);
    if (CheckMode == CheckAndCut) VerifiedLen = static_cast<int32_t>(RegC.size());
  }
  OpCode = savedOpCode;
}

// One step y := 2y - (x y^2 cut to 2P, cut to P), on the texts: the
// reference form of the step, taken wherever the step on limbs below stops.
void Engine::NewtonStepOnText(const std::string& xDigits, int32_t fx) {
  const int32_t p = Precision;
  const std::string y = RegC;
  // d = 2y, kept with the leading space or "1" of the addition.
  LoadA(y);
  LoadB(y);
  RemovePoints();
  AddDigits();
  FracC = FracA;
  InsertPointIfFraction();
  const std::string d = RegC;
  // y^2, cut to 2P characters.
  LoadA(y);
  LoadB(y);
  RemovePoints();
  MultiplyDigits();
  StripLeadingBlanks();
  FracC = 2 * FracA;
  InsertPoint();
  // q = x y^2, cut to P characters.
  LoadA(Cut(RegC, 2 * p));
  RemovePointA();
  LoadB(xDigits);
  LongerFirst();
  MultiplyDigits();
  StripLeadingBlanks();
  FracC = FracA + fx;
  InsertPoint();
  TidyResult();
  const std::string q = Cut(RegC, p);
  // y = d - q
  LoadA(d);
  LoadB(q);
  RemovePoints();
  AlignOperands();
  SubtractDigits();
  StripLeadingBlanks();
  FracC = std::max(FracA, FracB);
  InsertPoint();
  TidyResult();
}

// The same step on limbs, for as long as it can stand for the texts: each
// cut is the cut of the text the step writes (its integer characters are
// known from the value), and 2y - q is the plain difference while q <= 2y
// and q's text is no more than one integer character longer than y's, so
// that the subtraction takes 2y as its first operand. A difference of two
// texts without a fraction keeps the point InsertPoint puts after its last
// digit (1 / 0.5 gives "2."). Returns the steps it took; RegC holds the text
// of the last y.
int32_t Engine::NewtonStepsOnLimbs(const std::string& x, const std::string& start) {
  RegC = start;
  thread_local limbs::DecimalValue y;
  if (!limbs::ParseDecimal(start, y)) return 0;
  return NewtonStepsFrom(x, y, HasDecimals(start));
}

// The steps on limbs from y, whose text has decimals or not; RegC is left as
// it is where they take no step.
int32_t Engine::NewtonStepsFrom(const std::string& x, limbs::DecimalValue& y,
                                bool yTextHasDecimals) {
  // The values keep their storage from one reciprocal to the next.
  thread_local limbs::DecimalValue divisor;
  thread_local limbs::DecimalValue square;
  thread_local limbs::DecimalValue q;
  thread_local limbs::DecimalValue d;
  if (!limbs::ParseDecimal(x, divisor)) return 0;
  const int64_t p = Precision;
  bool trailingPoint = false;
  // A double start holds some fifteen significant digits and every step
  // doubles them: from the step after the one that reached the working
  // length on, a step may give y back, and a cheaper test than the step
  // tells.
  int64_t trueDigits = DoubleDigits;
  int32_t step = 0;
  for (; step < NewtonSteps && !limbs::IsZero(y);
       ++step, trueDigits = std::min(2 * trueDigits, p)) {
    CheckCancelled();
    // A step that would give y back ends the steps as it would once taken.
    if (step > 0 && trueDigits >= p && yTextHasDecimals &&
        limbs::CutSquareTimesIsY(divisor, y, p)) {
      trailingPoint = false;
      step = NewtonSteps;
      break;
    }
    // Whether q has a fraction before its cut matters only to a y whose text
    // has none.
    bool qFraction = false;
    if (!yTextHasDecimals || !limbs::CutSquareTimes(divisor, y, p, q)) {
      limbs::ProductInto(y, y, square);
      if (!limbs::CutToChars(square, 2 * p)) break;
      limbs::ProductInto(divisor, square, q);
      qFraction = limbs::TidyDecimals(q) > 0 && p - limbs::IntegerChars(q) - 1 > 0;
      if (!limbs::CutToChars(q, p)) break;
    }
    if (limbs::IntegerChars(q) > limbs::IntegerChars(y) + 1) break;
    if (!limbs::TwiceLessInto(y, q, d)) break;
    trailingPoint = !yTextHasDecimals && !qFraction;
    // A step is a function of y's value and of whether y's text has
    // decimals; from the second step on, a y that comes back unchanged comes
    // back unchanged from every further step.
    const bool settled = step > 0 && limbs::SameValue(d, y);
    std::swap(y, d);
    yTextHasDecimals = limbs::TidyDecimals(y) > 0;
    if (settled) step = NewtonSteps - 1;
  }
  if (step > 0) {
    limbs::TidyTextInto(y, RegC);
    if (trailingPoint) RegC += '.';
  }
  return step;
}

// y starts from the double quotient written with the working length's
// decimals, or from 1 where there is no double. The double's text is written
// only where the steps need it: its value is exact in limbs whenever its
// binary fraction fits those decimals, as it does unless 1 / x is tiny.
void Engine::NewtonReciprocal(const std::string& x, std::optional<double> start) {
  const int32_t decimals = std::clamp(Precision, 0, MostStartDecimals);
  thread_local limbs::DecimalValue y;
  int32_t limbSteps = 0;
  if (start && limbs::ExactDouble(*start, decimals, y)) {
    limbSteps = NewtonStepsFrom(x, y, decimals > 0);
    if (limbSteps == 0) RegC = StartText(*start, decimals);
  } else {
    limbSteps = NewtonStepsOnLimbs(x, start ? StartText(*start, decimals) : "1");
  }
  if (limbSteps < NewtonSteps) {
    const std::string yText = RegC;
    LoadA(x);
    RemovePointA();
    const std::string xDigits = Cut(RegA, LenA);
    const int32_t fx = FracA;
    RegC = yText;
    for (int32_t step = limbSteps; step < NewtonSteps; ++step) {
      CheckCancelled();
      NewtonStepOnText(xDigits, fx);
    }
  }
  if (CheckMode == CheckAndCut) CheckReciprocal(x);
}

// x y should read 0.999... or 1.000...: y is cut to the characters of that
// product which stand before the first break of the run after its point.
// The product's text is the one "multiply" writes: the digits of the two
// point-less operands, as many as both together with a single leading zero
// dropped, and the point set in, with zeros in front where the digits are
// fewer than the decimals.
void Engine::CheckReciprocal(const std::string& x) {
  thread_local std::string yDigits;
  thread_local std::string xDigits;
  thread_local std::string product;
  const int32_t decimals = DigitsWithoutPoint(RegC, yDigits) + DigitsWithoutPoint(x, xDigits);
  product.resize(yDigits.size() + xDigits.size());
  limbs::MultiplyTexts(yDigits, xDigits, product.data(), product.size());
  const std::string_view digits =
      std::string_view(product).substr(!product.empty() && product[0] == '0' ? 1 : 0);
  const auto frac = static_cast<size_t>(decimals);
  const size_t fill = frac >= digits.size() ? frac - digits.size() : 0;
  const size_t integerChars = fill > 0 || digits.size() == frac ? 1 : digits.size() - frac;
  const char units =
      integerChars == 1 && digits.size() <= frac ? '0' : digits[digits.size() - frac - 1];
  const char run = units == '0' ? '9' : '0';
  // The fraction is `fill` zeros, then the last digits.
  size_t runLength = run == '0' ? fill : 0;
  if (runLength == fill) {
    const std::string_view fraction = digits.substr(digits.size() - (frac - fill));
    runLength += RunLength(fraction, run);
  }
  // A run to the product's last digit (1.000000 for 1 / 1.5625, or no
  // fraction at all for x = 1) leaves y within one unit of its last digit: y
  // holds to the whole working length, not only to as many characters as the
  // product has.
  VerifiedLen = runLength == frac ? std::max(static_cast<int32_t>(RegC.size()), Precision)
                                  : static_cast<int32_t>(integerChars + 1 + runLength);
  RegC.resize(std::min(RegC.size(), static_cast<size_t>(VerifiedLen)));
}

}  // namespace tesselon
