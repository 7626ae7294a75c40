#include <algorithm>
#include <utility>

#include "engine/Assert.h"
#include "engine/Engine.h"

namespace tesselon {

namespace {

// A digit's value is the low four bits of its character, so a space (and any
// position outside the text) counts as 0.
int DigitAt(const std::string& text, int32_t i) {
  ASSERT(i < 0 || i >= static_cast<int32_t>(text.size()) || text[static_cast<size_t>(i)] == ' ' ||
         (text[static_cast<size_t>(i)] >= '0' && text[static_cast<size_t>(i)] <= '9'));
  return i >= 0 && i < static_cast<int32_t>(text.size()) ? text[static_cast<size_t>(i)] & 15 : 0;
}

}  // namespace

void Engine::AlignOperands() {
  if (FracA < FracB) {
    FracC = FracB - FracA;
    RegA.append(static_cast<size_t>(FracC), '0');
  } else if (FracB < FracA) {
    FracC = FracA - FracB;
    RegB.append(static_cast<size_t>(FracC), '0');
  }
  LenA = static_cast<int32_t>(RegA.size());
  LenB = static_cast<int32_t>(RegB.size());
  if (LenA < LenB) {
    RefA = &RegB;
    RefB = &RegA;
    std::swap(LenA, LenB);
    std::swap(SignA, SignB);
    if (EnteredOp == 2) SignA ^= 1;
  } else {
    RefA = &RegA;
    RefB = &RegB;
  }
}

// The sum has one character more than operand A: the final carry as "1", or
// a space when there is none.
void Engine::AddDigits() {
  ASSERT(LenA == static_cast<int32_t>(RefA->size()) && LenB == static_cast<int32_t>(RefB->size()));
  const int32_t width = std::max(LenA, LenB);
  std::string sum(static_cast<size_t>(width) + 1, ' ');
  int carry = 0;
  for (int32_t k = 0; k < width; ++k) {
    const int s = DigitAt(*RefA, LenA - 1 - k) + DigitAt(*RefB, LenB - 1 - k) + carry;
    carry = s >= 10;
    sum[static_cast<size_t>(width - k)] = static_cast<char>('0' + s - 10 * carry);
  }
  if (carry) sum[0] = '1';
  RegC = std::move(sum);
  RefC = &RegC;
}

// Every position is written, leading zeros included; the caller guarantees
// A >= B, so no borrow is left over.
void Engine::SubtractDigits() {
  ASSERT(LenA >= LenB);
  ASSERT(LenA == static_cast<int32_t>(RefA->size()) && LenB == static_cast<int32_t>(RefB->size()));
  const int32_t width = std::max(LenA, LenB);
  std::string difference(static_cast<size_t>(width), ' ');
  int borrow = 0;
  for (int32_t k = 0; k < width; ++k) {
    int d = DigitAt(*RefA, LenA - 1 - k) - (DigitAt(*RefB, LenB - 1 - k) + borrow);
    borrow = d < 0;
    if (borrow) d += 10;
    difference[static_cast<size_t>(width - 1 - k)] = static_cast<char>('0' + d);
  }
  RegC = std::move(difference);
  RefC = &RegC;
}

}  // namespace tesselon
