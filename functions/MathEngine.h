#pragma once

#include <cstdint>
#include <string>

#include "engine/Engine.h"

namespace tesselon {

// The elementary, trigonometric and hyperbolic functions, built from the digit
// procedures of the engine and sharing its one register set. Like the digit
// procedures they take no arguments: inputs in RegA (and RegB), the result in
// RegC, the characters it can vouch for in VerifiedLen.
class MathEngine : public Engine {
 public:
  // Exponential and logarithms (functions/Exponential.cpp, NaturalLog.cpp,
  // DecimalLog.cpp).
  void Exponential();
  void ExpCore();
  void NaturalLog();
  void DecimalLog();
  // Powers and roots (functions/Power.cpp).
  void Power();
  // RegC = radicand^exponent of a positive radicand through Power, both
  // signs cleared; Precision and NewtonSteps are the caller's.
  void RootOf(std::string radicand, std::string exponent);
  // n! exactly (functions/Factorial.cpp).
  void Factorial();
  // True when the first k characters of a number text hold its whole integer
  // part, so that cutting there keeps the magnitude (functions/Exponential.cpp).
  // Exponential and Power leave ErrorText in RegC when a cut would not.
  static bool KeepsIntegerPart(std::string_view text, int32_t k);
  // LastResult in base 16 or 2 (functions/HexBin.cpp); the text for the
  // Result field is left in HexBinText.
  void HexBinResult();
  // The texts HexBinResult converts: non-negative number texts. Negative
  // results and messages are refused by the keys.
  static bool HexBinConvertible(std::string_view text);

  // Angles and circular functions (functions/Angle.cpp, SineCosine.cpp,
  // TangentCotangent.cpp, InverseCircular.cpp).
  void ReduceAngle();
  void Sine();
  void Cosine();
  void Tangent();
  void Cotangent();
  void ArcSine();
  void ArcCosine();
  void ArcTangent();
  void ArcCotangent();
  // Hyperbolic and area functions (functions/Hyperbolic.cpp,
  // AreaFunctions.cpp).
  void HypSineCosine();
  void HypTangent();
  void HypCotangent();
  void AreaSineCosine();
  void AreaTangentCotangent();

  // --- Registers of the functions ---
  int32_t SeriesIndex = 0;
  // Natural logarithm.
  int32_t DecExponent = 0;
  std::string HalvingCount;
  std::string LnWork;
  std::string NumPower;
  std::string DenPower;
  std::string SeriesSum;
  // Power.
  std::string PowerExponent;
  int32_t PowerLen = 0;
  // Hexadecimal and binary result.
  static constexpr int32_t HexadecimalMode = 0;
  static constexpr int32_t BinaryMode = 1;
  std::string HexBinSource;
  int32_t HexBinMode = HexadecimalMode;
  // The integer part's hexadecimal digits, least significant first.
  std::string HexDigits;
  std::string HexBinText;
  // Angles: 0 = radians, 1 = degrees.
  int32_t DegMode = 0;
  int32_t Quadrant = 0;
  std::string QuarterTurns;
  int32_t TermDigits = 0;
  // Selects the first of two functions sharing a procedure (sine with its
  // own reduction, sinh, arsinh, artanh).
  int32_t VariantFlag = 0;
  // The entered angle in the other unit ("Deg= 57.29..."), left by
  // ReduceAngle for the Operand Y field; empty when there is none to show.
  std::string AngleDisplay;
};

}  // namespace tesselon
