#pragma once
// The one floating-point type of the program: x86 80-bit extended precision.
#include <cstdint>
#include <cstring>
#include <limits>

using Etendu = long double;
static_assert(std::numeric_limits<Etendu>::digits == 64,
              "Tarvelle computes in 80-bit extended precision (64-bit significand)");

// Pi to the last bit of the extended format.
inline constexpr Etendu PiEtendu = 3.14159265358979323846264338327950288L;

// The error value 1.2E999 that a failed evaluation returns and that callers
// compare exactly. It is built from its bits: exponent 0x4CF5, mantissa
// 0xE9CFB518D4642A42 (one unit below the nearest value to the literal).
inline Etendu FabriqueValeurErreur()
{
    const std::uint64_t mantisse = 0xE9CFB518D4642A42ULL;
    const std::uint16_t exposant = 0x4CF5;
    Etendu x = 0.0L;
    unsigned char octets[sizeof(Etendu)] = {};
    std::memcpy(octets, &mantisse, 8);
    std::memcpy(octets + 8, &exposant, 2);
    std::memcpy(&x, octets, sizeof(Etendu));
    return x;
}
inline const Etendu ValeurErreur = FabriqueValeurErreur();
