// arcsin by its binomial series with a fixed number of terms; arccos,
// arctan and arccot derived from it.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Cancellation.h"
#include "functions/ConstantTables.h"
#include "functions/MathEngine.h"
#include "functions/TrigSteps.h"

namespace tesselon {

namespace {

// The root and the coefficients' reciprocals work to 250 characters; the
// power, the terms and the sum are cut to 100.
constexpr int32_t SeriesPrecision = 250;
constexpr int32_t SeriesNewtonSteps = 3;
constexpr int32_t SeriesLength = 100;
constexpr int32_t LastSeriesIndex = 125;
constexpr int32_t RootPrecision = 268;

// From |x| = 0.75 on the series converges too slowly; the first two
// decimals are compared as text ("7" counts as below "75").
bool UsesComplement(std::string_view x) {
  return x.substr(std::min<size_t>(2, x.size()), 2) >= "75";
}

// y = sqrt(1 - x^2), the sine of the complementary angle.
std::string ComplementSine(MathEngine& e, const std::string& x) {
  const std::string rest = Difference(e, "1", e.Product(x, x));
  e.RootOf(Engine::Cut(rest, SeriesLength), "0.5");
  return Engine::Cut(e.RegC, SeriesLength);
}

// The series' coefficients (1 3 ... (2n-3)) / (2 4 ... (2n-2)) / (2n-1), for
// n = 2 .. 125, as every press would form them: the reciprocal of the even
// product times (2n - 1), unchecked, times the odd product. They depend on
// nothing a key enters, so they are formed once, on an engine of their own.
const std::vector<std::string>& SeriesCoefficients() {
  static const std::vector<std::string> coefficients = [] {
    MathEngine e;
    e.Precision = SeriesPrecision;
    e.NewtonSteps = SeriesNewtonSteps;
    e.CheckMode = 0;
    std::vector<std::string> table(LastSeriesIndex + 1);
    std::string odd = "1";
    std::string even = "1";
    for (int32_t n = 2; n <= LastSeriesIndex; ++n) {
      odd = Multiplied(e, odd, std::to_string(2 * n - 3));
      even = Multiplied(e, even, std::to_string(2 * n - 2));
      e.LoadA(Multiplied(e, even, std::to_string(2 * n - 1)));
      e.Reciprocal();
      table[static_cast<size_t>(n)] = e.Product(e.RegC, odd);
    }
    return table;
  }();
  return coefficients;
}

}  // namespace

// arcsin y = y + (1/2) y^3/3 + (1 3)/(2 4) y^5/5 + ... up to y^249. The last
// term's first significant digit bounds the characters the sum holds.
void MathEngine::ArcSine() {
  Precision = SeriesPrecision;
  NewtonSteps = SeriesNewtonSteps;
  const bool complement = UsesComplement(RegA);
  const std::string y = complement ? ComplementSine(*this, RegA) : RegA;
  // The coefficients' reciprocals run unchecked: a coefficient cut by the
  // check can move the last term's first significant digit, and with it the
  // result's length, one character past what the sum can vouch for.
  CheckMode = 0;
  const std::vector<std::string>& coefficients = SeriesCoefficients();
  const std::string ySquared = Cut(Multiplied(*this, y, y), SeriesLength);
  std::string sum = y;
  std::string power = y;
  for (SeriesIndex = 2; SeriesIndex <= LastSeriesIndex; ++SeriesIndex) {
    CheckCancelled();
    power = Cut(Product(power, ySquared), SeriesLength);
    const std::string& coefficient = coefficients[static_cast<size_t>(SeriesIndex)];
    const std::string term = Multiplied(*this, power, coefficient);
    sum = Cut(TidiedSum(*this, sum, Cut(term, SeriesLength)), SeriesLength);
  }
  // RegB still holds the last term of the sum, in digit form and padded to
  // the sum's fraction.
  VerifiedLen = LeadingInsignificant(RegB, static_cast<int32_t>(RegB.size()));
  if (complement) {
    sum = Difference(*this, PrefixWithPoint(ConstPiOver2, SeriesLength - 1, SeriesLength - 2), sum);
  }
  RegC = Cut(sum, VerifiedLen);
}

// arccos x = pi/2 - arcsin x, with pi/2 to the arcsine's length.
void MathEngine::ArcCosine() {
  ArcSine();
  const int32_t length = VerifiedLen;
  RegC =
      Cut(Difference(*this, PrefixWithPoint(ConstPiOver2, length + 1, length), RegC), length - 1);
}

// arctan x = arccos(1 / sqrt(1 + x^2)).
void MathEngine::ArcTangent() {
  const std::string x = RegA;
  // From 52 integer digits on, 1 + x^2 has more than 100: the square of a
  // long x is not formed only to learn that.
  const bool longX = !KeepsIntegerPart(x, SeriesLength / 2 + 1);
  const std::string onePlusSquare = longX ? std::string() : Sum(*this, Product(x, x), "1");
  Precision = RootPrecision;
  NewtonSteps = SeriesNewtonSteps;
  if (!longX && KeepsIntegerPart(onePlusSquare, SeriesLength)) {
    RootOf(Cut(onePlusSquare, SeriesLength), "0.5");
    LoadA(Cut(RegC, VerifiedLen));
  } else {
    // From |x| = 10^50 on the cut would fall inside the integer part of
    // 1 + x^2; there 1/x and 1/sqrt(1 + x^2) differ by less than x^-3,
    // far below the decimals the arccosine keeps.
    LoadA(x);
  }
  CheckMode = CheckAndCut;
  Reciprocal();
  LoadA(Cut(RegC, VerifiedLen));
  OpCode = opcode::Add;
  ArcCosine();
  RegC = Cut(RegC, VerifiedLen - 2);
}

// arccot x = pi/2 - arctan x, and pi/2 + arctan |x| for a negative x.
void MathEngine::ArcCotangent() {
  const uint8_t negative = SignC;
  ArcTangent();
  const std::string piOver2 = PrefixWithPoint(ConstPiOver2, VerifiedLen + 1, VerifiedLen);
  RegC = negative == 1 ? Sum(*this, piOver2, RegC) : Difference(*this, piOver2, RegC);
}

}  // namespace tesselon
