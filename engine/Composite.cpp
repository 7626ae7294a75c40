#include <algorithm>
#include <utility>

#include "engine/Engine.h"
#include "engine/TextScan.h"

namespace tesselon {

void Engine::LoadA(std::string text) {
  RegA = std::move(text);
  LenA = static_cast<int32_t>(RegA.size());
  RefA = &RegA;
}

void Engine::LoadB(std::string text) {
  RegB = std::move(text);
  LenB = static_cast<int32_t>(RegB.size());
  RefB = &RegB;
}

void Engine::ExchangeOperands() {
  std::swap(RefA, RefB);
  std::swap(LenA, LenB);
}

void Engine::LongerFirst() {
  if (LenA < LenB) ExchangeOperands();
}

bool Engine::LargerFirstAtEqualLength() {
  if (LenA != LenB) return false;
  const std::string& a = *RefA;
  const std::string& b = *RefB;
  for (int32_t i = 0; i < LenA; ++i) {
    const char da = a[static_cast<size_t>(i)];
    const char db = b[static_cast<size_t>(i)];
    if (da != db) {
      if (da < db) ExchangeOperands();
      return da < db;
    }
  }
  return false;
}

void Engine::StripLeadingBlanks() {
  RegC.erase(0, RunLength(RegC, ' '));
}

void Engine::InsertPointIfFraction() {
  if (FracC != 0) InsertPoint();
}

void Engine::MultiplyOperands() {
  RemovePointA();
  RemovePointB();
  LongerFirst();
  MultiplyDigits();
  StripLeadingBlanks();
  FracC = FracA + FracB;
  InsertPointIfFraction();
}

void Engine::AddOperands() {
  RemovePointA();
  RemovePointB();
  AlignOperands();
  AddDigits();
  StripLeadingBlanks();
  FracC = std::max(FracA, FracB);
  InsertPointIfFraction();
}

void Engine::SubtractOperands(bool largerFirst) {
  RemovePointA();
  RemovePointB();
  AlignOperands();
  if (largerFirst) LargerFirstAtEqualLength();
  SubtractDigits();
  StripLeadingBlanks();
  FracC = std::max(FracA, FracB);
  InsertPointIfFraction();
}

std::string Engine::Product(std::string a, std::string b) {
  LoadA(std::move(a));
  LoadB(std::move(b));
  MultiplyOperands();
  TidyResult();
  return RegC;
}

void Engine::CheckedReciprocalOf(std::string text, int32_t newtonSteps) {
  LoadA(std::move(text));
  OpCode = opcode::Function;
  NewtonSteps = newtonSteps;
  CheckMode = CheckAndCut;
  Reciprocal();
  OpCode = opcode::Add;
}

std::string Engine::Cut(std::string_view text, int32_t k) {
  return std::string(text.substr(0, static_cast<size_t>(std::max(k, 0))));
}

std::string Engine::WithoutLeadingBlanks(std::string_view text) {
  return std::string(text.substr(RunLength(text, ' ')));
}

}  // namespace tesselon
