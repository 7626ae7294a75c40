#pragma once

#include <string_view>

namespace tesselon {

// Reciprocals of the factorials: for each n from 2 to 150 an entry of exactly
// 799 characters, "0" followed by the first 798 decimals of 1/n!, rounded
// half up at the last decimal. Entries are not terminated and carry no point.
inline constexpr int FactorialEntryLength = 799;
inline constexpr int FactorialFirst = 2;
inline constexpr int FactorialLast = 150;
extern const std::string_view FactorialTable;  // 149 * 799 characters

// The entry of n (2 <= n <= 150).
std::string_view FactorialEntry(int n);

// The thirteen constants, correctly rounded half up at their last decimal.
// Bare digit strings have their point understood at a fixed place.
extern const std::string_view ConstPi;         // 3.14159..., 1000 decimals
extern const std::string_view Const3PiOver4;   // 2.35619..., 1000 decimals
extern const std::string_view ConstPiOver2;    // 15707963..., bare, 1.5707...
extern const std::string_view ConstPiOver4;    // 0.78539..., 1000 decimals
extern const std::string_view ConstPiOver180;  // 00174532..., bare, 0.01745...
extern const std::string_view Const180OverPi;  // 57295779..., bare, 57.2957...
extern const std::string_view Const2OverPi;    // 06366197..., bare, 0.6366...
extern const std::string_view ConstE;          // 2.71828..., 1000 decimals
extern const std::string_view ConstSqrt2;      // 1.41421..., 1000 decimals
extern const std::string_view ConstSqrt3;      // 1.73205..., 1000 decimals
extern const std::string_view ConstLn2;        // 0.69314..., 1001 decimals
extern const std::string_view ConstLn10;       // 23025850..., bare, 2.3025...
extern const std::string_view ConstLog10E;     // 04342944..., bare, 0.4342...

}  // namespace tesselon
