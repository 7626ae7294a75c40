// Recomputes every character of the constant tables with a small exact
// big-integer type and formulas other than the ones the generator uses.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "functions/ConstantTables.h"

namespace tesselon {
namespace {

// Unsigned integer in base 10^9, least significant limb first, no leading
// zero limbs (zero is the empty vector).
class Big {
 public:
  static constexpr uint32_t kBase = 1000000000;

  Big() = default;
  explicit Big(uint32_t v) {
    if (v != 0) limbs_.push_back(v);
    Normalize();
  }

  static Big Pow10(int k) {
    Big r;
    r.limbs_.assign(static_cast<std::size_t>(k / 9), 0);
    uint32_t top = 1;
    for (int i = 0; i < k % 9; ++i) top *= 10;
    r.limbs_.push_back(top);
    return r;
  }

  bool IsZero() const { return limbs_.empty(); }

  Big& MulSmall(uint32_t m) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      uint64_t cur = uint64_t{limb} * m + carry;
      limb = static_cast<uint32_t>(cur % kBase);
      carry = cur / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<uint32_t>(carry % kBase));
      carry /= kBase;
    }
    Normalize();
    return *this;
  }

  // Floor division; returns the remainder.
  uint32_t DivSmall(uint32_t d) {
    uint64_t rem = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
      uint64_t cur = rem * kBase + limbs_[i];
      limbs_[i] = static_cast<uint32_t>(cur / d);
      rem = cur % d;
    }
    Normalize();
    return static_cast<uint32_t>(rem);
  }

  Big& Add(const Big& o) {
    if (limbs_.size() < o.limbs_.size()) limbs_.resize(o.limbs_.size(), 0);
    uint32_t carry = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      uint32_t sum = limbs_[i] + carry + (i < o.limbs_.size() ? o.limbs_[i] : 0);
      carry = sum >= kBase ? 1 : 0;
      limbs_[i] = sum - carry * kBase;
    }
    if (carry != 0) limbs_.push_back(carry);
    return *this;
  }

  Big& AddSmall(uint32_t v) { return Add(Big(v)); }

  // Requires *this >= o.
  Big& Sub(const Big& o) {
    int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      int64_t cur = int64_t{limbs_[i]} - borrow - (i < o.limbs_.size() ? o.limbs_[i] : 0);
      borrow = cur < 0 ? 1 : 0;
      limbs_[i] = static_cast<uint32_t>(cur + borrow * kBase);
    }
    EXPECT_EQ(borrow, 0) << "negative difference";
    Normalize();
    return *this;
  }

  friend int Compare(const Big& a, const Big& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

  std::string ToDecimal() const {
    if (limbs_.empty()) return "0";
    std::string s = std::to_string(limbs_.back());
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
      std::string part = std::to_string(limbs_[i]);
      s += std::string(9 - part.size(), '0') + part;
    }
    return s;
  }

 private:
  void Normalize() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<uint32_t> limbs_;
};

Big Times(Big a, uint32_t m) {
  return a.MulSmall(m);
}
Big Over(Big a, uint32_t d) {
  a.DivSmall(d);
  return a;
}

// Fixed point: a value x is carried as about x * 10^kWork, a few thousand
// units off at most, which the guard digits absorb.
constexpr int kWork = 1040;

Big One() {
  return Big::Pow10(kWork);
}

// arctan(1/k), alternating series.
Big ArctanInv(uint32_t k) {
  Big plus, minus;
  Big power = Over(One(), k);
  for (uint32_t i = 0; !power.IsZero(); ++i) {
    (i % 2 == 0 ? plus : minus).Add(Over(power, 2 * i + 1));
    power.DivSmall(k * k);
  }
  return plus.Sub(minus);
}

// arcoth(k) = atanh(1/k).
Big ArcothInv(uint32_t k) {
  Big sum;
  Big power = Over(One(), k);
  for (uint32_t i = 0; !power.IsZero(); ++i) {
    sum.Add(Over(power, 2 * i + 1));
    power.DivSmall(k * k);
  }
  return sum;
}

// Gauss: pi/4 = 12 arctan(1/18) + 8 arctan(1/57) - 5 arctan(1/239).
Big Pi() {
  Big quarter = Times(ArctanInv(18), 12).Add(Times(ArctanInv(57), 8));
  quarter.Sub(Times(ArctanInv(239), 5));
  return quarter.MulSmall(4);
}

// e = 1 + 1/1 (1 + 1/2 (1 + 1/3 (...))), nested from the inside out.
Big E() {
  Big x = One();
  for (uint32_t k = 500; k >= 1; --k) {
    x.DivSmall(k);
    x.Add(One());
  }
  return x;
}

// ln 2 = sum over k >= 1 of 1 / (k 2^k).
Big Ln2() {
  Big sum;
  Big power = One();
  for (uint32_t k = 1;; ++k) {
    power.DivSmall(2);
    if (power.IsZero()) break;
    sum.Add(Over(power, k));
  }
  return sum;
}

// ln 10 = 46 arcoth 31 + 34 arcoth 49 + 20 arcoth 161.
Big Ln10() {
  return Times(ArcothInv(31), 46).Add(Times(ArcothInv(49), 34)).Add(Times(ArcothInv(161), 20));
}

// floor(10^(2 kWork) / x): 1/x in fixed point, by decimal long division.
Big Reciprocal(const Big& x) {
  std::vector<Big> multiples(10);
  for (uint32_t d = 1; d < 10; ++d) multiples[d] = Times(x, d);
  Big quotient, rem;
  for (int i = 0; i <= 2 * kWork; ++i) {
    rem.MulSmall(10).AddSmall(i == 0 ? 1 : 0);
    uint32_t d = 9;
    while (d > 0 && Compare(multiples[d], rem) > 0) --d;
    if (d > 0) rem.Sub(multiples[d]);
    quotient.MulSmall(10).AddSmall(d);
  }
  return quotient;
}

// floor(sqrt(n) * 10^kWork) for a one-digit n, digit by digit as on paper.
Big Sqrt(uint32_t n) {
  Big root, rem;
  for (int i = 0; i <= kWork; ++i) {
    rem.MulSmall(100).AddSmall(i == 0 ? n : 0);
    Big base = Times(root, 20);
    uint32_t d = 9;
    Big trial;
    for (;; --d) {
      trial = Times(Big(base).AddSmall(d), d);
      if (d == 0 || Compare(trial, rem) <= 0) break;
    }
    rem.Sub(trial);
    root.MulSmall(10).AddSmall(d);
  }
  return root;
}

// The fixed-point value rounded half up at `decimals` decimals, as exactly
// `width` digits (value * 10^decimals with leading zeros).
std::string Rounded(const Big& value, int decimals, int width) {
  std::string s = value.ToDecimal();
  if (s.size() < static_cast<std::size_t>(kWork + 1)) s.insert(0, kWork + 1 - s.size(), '0');
  std::size_t cut = s.size() - static_cast<std::size_t>(kWork - decimals);
  std::string kept = s.substr(0, cut);
  long guard = std::stol(s.substr(cut, 8));
  EXPECT_TRUE(guard < 49999000 || guard > 50001000) << "too close to a rounding tie";
  if (guard >= 50000000) {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(0, "1");
    } else {
      ++kept[i - 1];
    }
  }
  kept.erase(0, kept.find_first_not_of('0'));
  EXPECT_LE(kept.size(), static_cast<std::size_t>(width));
  return std::string(width - kept.size(), '0') + kept;
}

struct ConstantCase {
  const char* name;
  std::string_view text;
  int intDigits;  // characters before the (written or understood) point
  int decimals;
  bool withPoint;
  std::string_view begins;
};

const ConstantCase kConstants[] = {
    {"pi", ConstPi, 1, 1000, true, "3.14159265358979"},
    {"3pi/4", Const3PiOver4, 1, 1000, true, "2.35619449019234"},
    {"pi/2", ConstPiOver2, 1, 1000, false, "15707963267948966"},
    {"pi/4", ConstPiOver4, 1, 1000, true, "0.78539816339744"},
    {"pi/180", ConstPiOver180, 1, 1000, false, "00174532925199432"},
    {"180/pi", Const180OverPi, 2, 1000, false, "57295779513082320"},
    {"2/pi", Const2OverPi, 1, 1000, false, "06366197723675813"},
    {"e", ConstE, 1, 1000, true, "2.71828182845904"},
    {"sqrt2", ConstSqrt2, 1, 1000, true, "1.41421356237309"},
    {"sqrt3", ConstSqrt3, 1, 1000, true, "1.73205080756887"},
    {"ln2", ConstLn2, 1, 1001, true, "0.69314718055994"},
    {"ln10", ConstLn10, 1, 1000, false, "23025850929940456"},
    {"log10e", ConstLog10E, 1, 1000, false, "04342944819032518"},
};

// Fixed-point values of all thirteen constants, keyed like kConstants.
Big ConstantValue(std::string_view name) {
  static const Big pi = Pi();
  static const Big inversePi = Reciprocal(pi);
  static const Big ln10 = Ln10();
  if (name == "pi") return pi;
  if (name == "3pi/4") return Over(Times(pi, 3), 4);
  if (name == "pi/2") return Over(pi, 2);
  if (name == "pi/4") return Over(pi, 4);
  if (name == "pi/180") return Over(pi, 180);
  if (name == "180/pi") return Times(inversePi, 180);
  if (name == "2/pi") return Times(inversePi, 2);
  if (name == "e") return E();
  if (name == "sqrt2") return Sqrt(2);
  if (name == "sqrt3") return Sqrt(3);
  if (name == "ln2") return Ln2();
  if (name == "ln10") return ln10;
  if (name == "log10e") return Reciprocal(ln10);
  ADD_FAILURE() << "no value for " << name;
  return Big();
}

TEST(ConstantTablesTest, ConstantsHaveTheirShape) {
  for (const ConstantCase& c : kConstants) {
    SCOPED_TRACE(c.name);
    std::size_t length = static_cast<std::size_t>(c.intDigits + c.decimals + (c.withPoint ? 1 : 0));
    ASSERT_EQ(c.text.size(), length);
    EXPECT_EQ(c.text.substr(0, c.begins.size()), c.begins);
    for (std::size_t i = 0; i < c.text.size(); ++i) {
      if (c.withPoint && i == static_cast<std::size_t>(c.intDigits)) {
        EXPECT_EQ(c.text[i], '.');
      } else {
        ASSERT_TRUE(c.text[i] >= '0' && c.text[i] <= '9') << "at " << i;
      }
    }
  }
  EXPECT_EQ(ConstPi.substr(92, 10), "3421170679");
  EXPECT_EQ(ConstLn10.substr(0, 10), "2302585092");
}

TEST(ConstantTablesTest, ConstantsMatchIndependentComputation) {
  for (const ConstantCase& c : kConstants) {
    SCOPED_TRACE(c.name);
    std::string expected = Rounded(ConstantValue(c.name), c.decimals, c.intDigits + c.decimals);
    if (c.withPoint) expected.insert(static_cast<std::size_t>(c.intDigits), ".");
    ASSERT_EQ(expected.size(), c.text.size());
    std::size_t mismatch = 0;
    while (mismatch < expected.size() && expected[mismatch] == c.text[mismatch]) ++mismatch;
    EXPECT_EQ(mismatch, expected.size()) << "first difference at character " << mismatch;
  }
}

TEST(ConstantTablesTest, FactorialTableLayout) {
  constexpr int kEntries = FactorialLast - FactorialFirst + 1;
  ASSERT_EQ(kEntries, 149);
  ASSERT_EQ(FactorialTable.size(), static_cast<std::size_t>(kEntries * FactorialEntryLength));
  for (int n = FactorialFirst; n <= FactorialLast; ++n) {
    std::string_view entry = FactorialEntry(n);
    ASSERT_EQ(entry.size(), 799u) << n;
    EXPECT_EQ(entry.data(), FactorialTable.data() + (n - FactorialFirst) * FactorialEntryLength);
    EXPECT_EQ(entry[0], '0') << n;
  }
  EXPECT_EQ(FactorialEntry(2).substr(0, 8), "05000000");
  EXPECT_EQ(FactorialEntry(3).substr(0, 8), "01666666");
  EXPECT_EQ(FactorialEntry(3).substr(797), "67");
  std::string_view last = FactorialEntry(150);
  EXPECT_EQ(last.substr(0, 263), std::string(263, '0'));
  EXPECT_EQ(last.substr(263, 7), "1750276");
}

// floor(2 * 10^798 / n!) comes out exactly from dividing by 2, 3, ..., n in
// turn (floor(floor(x / a) / b) = floor(x / ab)); rounding 10^798 / n! half up
// is then floor((that + 1) / 2).
TEST(ConstantTablesTest, FactorialEntriesAreRoundedReciprocals) {
  Big twice = Times(Big::Pow10(798), 2);
  for (uint32_t n = 2; n <= 150; ++n) {
    twice.DivSmall(n);
    Big rounded = Big(twice).AddSmall(1);
    rounded.DivSmall(2);
    std::string digits = rounded.ToDecimal();
    ASSERT_LE(digits.size(), 798u) << n;
    std::string expected = "0" + std::string(798 - digits.size(), '0') + digits;
    std::string_view entry = FactorialEntry(static_cast<int>(n));
    std::size_t mismatch = 0;
    while (mismatch < expected.size() && expected[mismatch] == entry[mismatch]) ++mismatch;
    EXPECT_EQ(mismatch, expected.size()) << "1/" << n << "! differs at character " << mismatch;
  }
}

}  // namespace
}  // namespace tesselon
