#pragma once
// The one rounding rule of the system: to the nearest integer, halves to the even neighbour.

#include <cstdint>

namespace common {

double RoundHalfEven(double value);

// Rounds to a 16-bit signed integer; throws RuntimeError "Overflow" (6) outside −32768…32767.
std::int16_t RoundToInt16(double value);
// Rounds to a 32-bit signed integer; throws RuntimeError "Overflow" (6) outside its range.
std::int32_t RoundToInt32(double value);

} // namespace common
