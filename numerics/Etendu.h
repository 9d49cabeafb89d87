#pragma once
// The one floating-point type of the program: x86 80-bit extended precision.
#include <limits>

using Etendu = long double;
static_assert(std::numeric_limits<Etendu>::digits == 64,
              "Tarvelle computes in 80-bit extended precision (64-bit significand)");

// Pi to the last bit of the extended format.
inline constexpr Etendu PiEtendu = 3.14159265358979323846264338327950288L;
