#include <algorithm>
#include <string_view>

#include "engine/Assert.h"
#include "engine/Engine.h"
#include "engine/Limbs.h"

namespace tesselon {

// The exact product laid out as the schoolbook rows would leave it: 2 * LenA
// + 1 characters, the LenA + LenB product digits right-aligned (leading zeros
// of the operands kept as zeros), the top digit a space when it is 0, and
// spaces to the left. The digits come from a limb product (binary for long
// operands).
void Engine::MultiplyDigits() {
  // Operand B is never longer than A + 1 (callers put the longer first); a
  // longer B widens the layout rather than writing outside it.
  const int32_t width = std::max(LenA, LenB - 1);
  LenC = 2 * width;
  // The layout is written straight into RegC, whose room serves from one
  // product to the next; the operands are never RegC.
  ASSERT(RefA != &RegC && RefB != &RegC);
  std::string& product = RegC;
  product.assign(static_cast<size_t>(LenC) + 1, ' ');
  if (LenA > 0 && LenB > 0) {
    const auto digitsOf = [](const std::string* text, int32_t len) {
      return std::string_view(*text).substr(0, static_cast<size_t>(len));
    };
    const size_t digits = static_cast<size_t>(LenA) + static_cast<size_t>(LenB);
    const size_t first = product.size() - digits;
    limbs::MultiplyTexts(digitsOf(RefA, LenA), digitsOf(RefB, LenB), product.data() + first,
                         digits);
    if (product[first] == '0') product[first] = ' ';
  }
  RefC = &RegC;
}

}  // namespace tesselon
