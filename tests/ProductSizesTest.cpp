// Products of runs of 9 (and 9s followed by 0s) on every pair of lengths
// from 1 to 48 limbs of nine digits, past the size where the product
// switches from the column-wise base case to Karatsuba: every limb of such
// a product carries, so a lost or doubled carry at any split shows. The
// expected digits follow from (10^a - 1)(10^b - 1) = 10^(a+b) - 10^a - 10^b + 1.
#include <gtest/gtest.h>

#include <string>

#include "engine/Engine.h"

namespace tesselon {
namespace {

constexpr size_t LimbDigits = 9;
constexpr size_t MostLimbs = 48;

// (10^a - 1)(10^b - 1) for a >= b >= 1: b - 1 nines, an 8, a - b nines,
// b - 1 zeros and a 1.
std::string NinesProduct(size_t a, size_t b) {
  return std::string(b - 1, '9') + "8" + std::string(a - b, '9') + std::string(b - 1, '0') + "1";
}

// The lengths tried: every limb count, one digit short of, at or one past
// the limb boundary in turn.
size_t LengthOf(size_t limbs) {
  return limbs * LimbDigits + limbs % 3 - 1;
}

TEST(ProductSizes, RunsOfNinesOnEveryPairOfLengths) {
  Engine e;
  for (size_t i = 1; i <= MostLimbs; ++i) {
    for (size_t j = 1; j <= i; ++j) {
      const size_t a = LengthOf(i);
      const size_t b = LengthOf(j);
      ASSERT_EQ(e.Product(std::string(a, '9'), std::string(b, '9')), NinesProduct(a, b))
          << a << " x " << b << " nines";
    }
  }
}

// 9s followed by a run of 0s: the zeros shift the same product and leave
// whole zero limbs inside the operand.
TEST(ProductSizes, NinesFollowedByZerosOnEveryPairOfLengths) {
  Engine e;
  for (size_t i = 1; i <= MostLimbs; ++i) {
    for (size_t j = 1; j <= MostLimbs; j += 5) {
      const size_t a = LengthOf(i);
      const size_t b = LengthOf(j);
      const size_t zeros = (i * 7 + j) % 30;
      const std::string product = NinesProduct(std::max(a, b), std::min(a, b));
      ASSERT_EQ(e.Product(std::string(a, '9') + std::string(zeros, '0'), std::string(b, '9')),
                product + std::string(zeros, '0'))
          << a << " nines and " << zeros << " zeros x " << b << " nines";
    }
  }
}

}  // namespace
}  // namespace tesselon
