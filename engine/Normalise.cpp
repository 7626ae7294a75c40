#include <algorithm>

#include "engine/Engine.h"
#include "engine/TextScan.h"

namespace tesselon {

namespace {

// Character tests compare codes: everything below "0" (space, "-", ".", "/")
// is not a digit above zero; bytes of UTF-8 sequences count as above.
bool AboveZero(char c) {
  return static_cast<unsigned char>(c) > '0';
}

int32_t Length(const std::string& text) {
  return static_cast<int32_t>(text.size());
}

// The first `len` characters of a text, never more than it has.
int32_t Bounded(const std::string& text, int32_t len) {
  return std::clamp(len, 0, Length(text));
}

}  // namespace

// A leading "-" takes every "-" out of the text; the length follows the text
// so that no later walk runs past its end.
void Engine::SplitSigns() {
  const auto split = [](std::string& text, int32_t& len, uint8_t& sign) {
    sign = 0;
    if (!text.empty() && text.front() == '-') {
      std::erase(text, '-');
      sign = 1;
      len = Length(text);
    }
  };
  split(RegA, LenA, SignA);
  // OpCode says which operands to treat: see the codes of OpCode.
  if (OpCode != opcode::Function) split(RegB, LenB, SignB);
}

// Blanks every character up to the first digit above zero or the character
// just before the point: 007 gives "  7", 00.5 gives " 0.5".
void Engine::LeadingZeroTidy(std::string& text, size_t count) {
  count = std::min(count, text.size());
  for (size_t i = 0; i < count; ++i) {
    if (AboveZero(text[i])) return;
    if (i + 1 < text.size() && text[i + 1] == '.') return;
    text[i] = ' ';
  }
}

void Engine::TidyOperand(std::string& text, int32_t& len, std::string*& ref) {
  LeadingZeroTidy(text, static_cast<size_t>(std::max(len, 0)));
  text.erase(0, RunLength(text, ' '));
  if (text.empty()) text = "0";
  len = Length(text);
  ref = &text;
}

void Engine::TidyA() {
  TidyOperand(RegA, LenA, RefA);
}

void Engine::TidyB() {
  TidyOperand(RegB, LenB, RefB);
}

void Engine::TidyResult() {
  LeadingZeroTidy(RegC, RegC.size());
  if (FracC != 0) {
    for (size_t i = RegC.size(); i-- > 0 && !AboveZero(RegC[i]);) {
      const bool point = RegC[i] == '.';
      RegC[i] = ' ';
      if (point) break;
    }
  }
  // Blanks off both ends in place, so that RegC keeps its room.
  const size_t last = RegC.find_last_not_of(' ');
  RegC.erase(last == std::string::npos ? 0 : last + 1);
  RegC.erase(0, RunLength(RegC, ' '));
  if (RegC.empty()) RegC = "0";
  LenC = Length(RegC);
  RefC = &RegC;
}

void Engine::RemovePointOf(std::string* text, int32_t& len, int32_t& frac) {
  const int32_t n = Bounded(*text, len);
  const size_t point = text->find('.');
  if (point == std::string::npos || static_cast<int32_t>(point) >= n) {
    frac = 0;
    return;
  }
  frac = n - static_cast<int32_t>(point) - 1;
  text->erase(point, 1);
  len = n - 1;
}

void Engine::RemovePointA() {
  RemovePointOf(RefA, LenA, FracA);
}

void Engine::RemovePointB() {
  RemovePointOf(RefB, LenB, FracB);
}

void Engine::RemovePoints() {
  RemovePointA();
  // The four operations and a procedure's Add take the point out of B too.
  if (OpCode <= opcode::Divide) RemovePointB();
}

// With FracC = 0 the point lands after the last character (5 becomes 5.).
// A text too short for its fraction gets the zeros it lacks in front.
void Engine::InsertPoint() {
  const int32_t frac = std::max(FracC, 0);
  if (Length(RegC) <= frac) RegC.insert(0, static_cast<size_t>(frac + 1 - Length(RegC)), '0');
  RegC.insert(RegC.size() - static_cast<size_t>(frac), 1, '.');
}

// A fraction that begins with SnapRun + 1 zeros or nines becomes the
// neighbouring integer; only those characters are examined.
void Engine::SnapFraction() {
  UnsnappedC.clear();
  const size_t point = RegC.find('.');
  if (point == std::string::npos) return;
  const size_t run = static_cast<size_t>(std::max(SnapRun, 0)) + 1;
  if (RegC.size() - point - 1 < run) return;
  const char f = RegC[point + 1];
  if ((f != '0' && f != '9') || RunLength(std::string_view(RegC).substr(point + 1), f) < run) {
    return;
  }
  UnsnappedC = RegC;
  RegC.resize(point);
  if (f == '9') {
    // Carry 1 into the integer part; a sign in front stays in front.
    size_t i = RegC.size();
    while (i > 0 && RegC[i - 1] == '9') RegC[--i] = '0';
    if (i > 0 && RegC[i - 1] >= '0' && RegC[i - 1] < '9') {
      ++RegC[i - 1];
    } else {
      RegC.insert(i, 1, '1');
    }
  }
  LenC = Length(RegC);
  RefC = &RegC;
}

void Engine::SnapUnlessZero() {
  SnapFraction();
  if (RegC == "0") {
    // A snap leaves the text it replaced in UnsnappedC.
    if (!UnsnappedC.empty()) RegC = UnsnappedC;
    LenC = Length(RegC);
  }
}

void Engine::TestZero() {
  const std::string& text = *RefA;
  const auto end = text.begin() + Bounded(text, LenA);
  ZeroFlag = std::none_of(text.begin(), end, AboveZero);
}

// 1, 01, 1. and 1.000 are one; 10, 1.01 and 0.1 are not.
void Engine::TestOne() {
  const std::string& text = *RefA;
  const int32_t n = Bounded(text, LenA);
  OneFlag = 0;
  int32_t i = 0;
  while (i < n && text[static_cast<size_t>(i)] == '0') ++i;
  if (i == n || text[static_cast<size_t>(i)] != '1') return;
  if (++i == n) {
    OneFlag = 1;
    return;
  }
  if (static_cast<unsigned char>(text[static_cast<size_t>(i)]) > '.') return;
  const auto rest = text.begin() + i + 1;
  OneFlag = std::all_of(rest, text.begin() + n, [](char c) { return c == '0'; });
}

// 0: integer part zero; code of d: exactly the integer d (1..9); twice the
// code of d: any other number of at least 1.
void Engine::ClassifyA() {
  const std::string& text = *RefA;
  const int32_t n = Bounded(text, LenA);
  SizeClass = 0;
  int32_t i = 0;
  while (i < n && text[static_cast<size_t>(i)] == '0') ++i;
  if (i == n || !AboveZero(text[static_cast<size_t>(i)])) return;
  const auto code = static_cast<uint8_t>(text[static_cast<size_t>(i)]);
  SizeClass = code;
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto after = text.begin() + i + 1;
  const auto end = text.begin() + n;
  if ((after != end && isDigit(*after)) || std::any_of(after, end, AboveZero)) {
    SizeClass = static_cast<uint8_t>(2 * code);
  }
}

void Engine::FindPoint() {
  const std::string& text = *RefA;
  const int32_t n = Bounded(text, LenA);
  const size_t point = text.find('.');
  PointIndex = point != std::string::npos && static_cast<int32_t>(point) < n
                   ? static_cast<int32_t>(point)
                   : LenA;
}

void Engine::ShowResult() {
  // A copy rather than LoadA, so that RegA keeps its room from key to key.
  RegA = RegC;
  SplitSigns();
  LenA = static_cast<int32_t>(RegA.size());
  RefA = &RegA;
  FindPoint();
  FracC = PointIndex < LenA ? 1 : 0;
  TidyResult();
  if (SignA == 1) RegC.insert(0, 1, '-');
  AssignChanged(RegA, EntryX);
  AssignChanged(RegB, EntryY);
  AssignChanged(LastResult, RegC);
}

}  // namespace tesselon
