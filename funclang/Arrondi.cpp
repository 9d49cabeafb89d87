#include "funclang/Arrondi.h"

#include "funclang/Nombres.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using U128 = unsigned __int128;

// 10^k and 5^k, exact for k <= 27: 5^27 needs 63 bits.
constexpr int KMax = 27;
struct Puissances {
    Etendu dix[KMax + 1];
    std::uint64_t cinq[KMax + 1];
    constexpr Puissances() : dix(), cinq()
    {
        Etendu d = 1.0L;
        std::uint64_t c = 1;
        for (int k = 0; k <= KMax; ++k) {
            dix[k] = d;
            cinq[k] = c;
            d *= 10.0L;
            c *= 5;
        }
    }
};
constexpr Puissances P;

static_assert(sizeof(Puissances::dix) / sizeof(Etendu) == 28);

int Bits(U128 v)
{
    const auto haut = static_cast<std::uint64_t>(v >> 64), bas = static_cast<std::uint64_t>(v);
    return haut ? 128 - __builtin_clzll(haut) : bas ? 64 - __builtin_clzll(bas) : 0;
}

// The sign of a * 2^s - b.
int CompareDecale(U128 a, int s, U128 b)
{
    if (s >= 0) {
        if (a != 0 && Bits(a) + s > 128)
            return 1;
        a <<= s;
    } else {
        if (b != 0 && Bits(b) - s > 128)
            return -1;
        b <<= -s;
    }
    return a < b ? -1 : a > b ? 1 : 0;
}

// The sign of M * 2^e * 10^m - K, exactly.
int Compare(std::uint64_t M, int e, int m, std::uint64_t K)
{
    if (m >= 0)
        return CompareDecale(static_cast<U128>(M) * P.cinq[m], e + m, K);
    return CompareDecale(M, e + m, static_cast<U128>(K) * P.cinq[-m]);
}

// Far from 1 the exact comparisons would need more than 128 bits, and the
// text costs tens of microseconds (every digit of a 4000-digit expansion).
// The same two steps in binary128 (113 bits, within 30 units of the last
// place) decide every value that is not within 1E-12 of a halfway case, at
// either step; those few still go through the text.
using Quad = __float128;

Quad QuadDeBits(std::uint64_t haut, std::uint64_t bas)
{
    Quad q;
    const std::uint64_t mots[2] = {bas, haut};
    std::memcpy(&q, mots, sizeof q);
    return q;
}

// 10^(2^i), rounded to nearest.
const std::array<Quad, 13> DixPuissanceDeux = {
    QuadDeBits(0x4002400000000000ULL, 0x0000000000000000ULL), // 1E1
    QuadDeBits(0x4005900000000000ULL, 0x0000000000000000ULL), // 1E2
    QuadDeBits(0x400C388000000000ULL, 0x0000000000000000ULL), // 1E4
    QuadDeBits(0x40197D7840000000ULL, 0x0000000000000000ULL), // 1E8
    QuadDeBits(0x40341C37937E0800ULL, 0x0000000000000000ULL), // 1E16
    QuadDeBits(0x40693B8B5B5056E1ULL, 0x6B3BE04000000000ULL), // 1E32
    QuadDeBits(0x40D384F03E93FF9FULL, 0x4DAA797ED6E38ED6ULL), // 1E64
    QuadDeBits(0x41A827748F9301D3ULL, 0x19BF8CDE66D86D62ULL), // 1E128
    QuadDeBits(0x435154FDD7F73BF3ULL, 0xBD1BBB77203731FEULL), // 1E256
    QuadDeBits(0x46A3C633415D4C1DULL, 0x238D98CAB8A978A1ULL), // 1E512
    QuadDeBits(0x4D4892ECEB0D02EAULL, 0x182ECA1A7A51E317ULL), // 1E1024
    QuadDeBits(0x5A923D1676BB8A7AULL, 0xBBC94E9A519C6536ULL), // 1E2048
    QuadDeBits(0x752588C0A4051441ULL, 0x2F3592982A7F0095ULL), // 1E4096
};

// 10^k for 0 <= k < 8192: at most 12 roundings.
Quad DixPuissance(int k)
{
    Quad p = 1;
    for (int i = 0; k != 0; ++i, k >>= 1)
        if (k & 1)
            p *= DixPuissanceDeux[static_cast<std::size_t>(i)];
    return p;
}

Quad Abs(Quad q) { return q < 0 ? -q : q; }

// a (positive, 1E-4900 < a < 1E4900) rounded as the text does, when
// binary128 suffices to decide.
bool ArrondiLoin(Etendu a, int d, Etendu& r)
{
    // The decimal exponent d: 10^14 <= V = a * 10^(14 - d) < 10^15.
    Quad V = 0;
    int m = 0;
    for (int essai = 0;; ++essai) {
        if (essai == 3)
            return false;
        m = 14 - d;
        V = m >= 0 ? Quad(a) * DixPuissance(m) : Quad(a) / DixPuissance(-m);
        if (V > Quad(1E14L) + Quad(1E-6L) && V < Quad(1E15L) - Quad(1E-6L))
            break;
        if (!(V < Quad(1E14L) - Quad(1E-6L) || V > Quad(1E15L) + Quad(1E-6L)))
            return false;
        d += V < Quad(5E14L) ? -1 : 1;
    }
    // N, rounded half up.
    const auto N = static_cast<std::uint64_t>(V + Quad(0.5L));
    if (Abs(V - Quad(N) + Quad(0.5L)) < Quad(1E-12L))
        return false;
    // N * 10^-m rounded once to the extended format, unless the binary128
    // value lies too near a halfway point between two extended values.
    const Quad R = m >= 0 ? Quad(N) / DixPuissance(m) : Quad(N) * DixPuissance(-m);
    r = static_cast<Etendu>(R);
    int exposant = 0;
    // Just under a power of two the gap below is half the one above.
    if (std::frexp(r, &exposant) == 0.5L && R < Quad(r))
        return false;
    const Quad ulp = Quad(std::ldexp(1.0L, exposant - 64));
    return Abs(Abs(R - Quad(r)) - ulp / 2) > ulp * Quad(1E-12L);
}

} // namespace

// The 64-bit significand M and the exponent e of a = M * 2^e (a normal
// extended value), for the exact comparisons.
void Decompose(Etendu a, std::uint64_t& M, int& e)
{
    std::uint16_t champ;
    std::memcpy(&M, &a, 8);
    std::memcpy(&champ, reinterpret_cast<const char*>(&a) + 8, 2);
    e = (champ & 0x7FFF) - 16383 - 63;
}

Etendu arrondi::Exact(Etendu x)
{
    const Etendu a = std::fabs(x);
    // Far from 1 the exact comparisons below would need 10^|m| beyond 128
    // bits: binary128 decides, or else (near a halfway case, at the ends of
    // the range) the text itself.
    if (!(a >= 1E-13L && a < 1E42L)) {
        if (!std::isfinite(x) || x == 0.0L)
            return x == 0.0L ? 0.0L : x;
        // d guessed from the binary exponent as below, one off at most.
        int b = 0;
        std::frexp(a, &b);
        Etendu r = 0.0L;
        if (a > 1E-4900L && a < 1E4900L && ArrondiLoin(a, ((b - 1) * 1233) >> 12, r))
            return x < 0.0L ? -r : r;
        return LitDebutNombre(TexteNombre(x)).valeur;
    }
    // d, the decimal exponent of a, so that 10^14 <= V = a * 10^(14 - d) <
    // 10^15; guessed from the binary exponent of a as a double (1233 / 4096
    // is log10(2) to within 5E-6), then corrected.
    const double ad = static_cast<double>(a);
    std::uint64_t bits;
    std::memcpy(&bits, &ad, 8);
    int d = ((static_cast<int>((bits >> 52) & 0x7FF) - 1023) * 1233) >> 12;
    std::uint64_t M = 0;
    int e = 0;
    bool decompose = false;
    auto exact = [&] {
        if (!decompose)
            Decompose(a, M, e);
        decompose = true;
    };
    int m = 0;
    Etendu V = 0.0L;
    for (int essai = 0;; ++essai) {
        m = 14 - d;
        if (essai == 3 || m < -KMax || m > KMax)
            return LitDebutNombre(TexteNombre(x)).valeur;
        // One rounding: V is within 4E-5 of a * 10^m.
        V = m >= 0 ? a * P.dix[m] : a / P.dix[-m];
        if (V > 1E14L + 1.0L && V < 1E15L - 1.0L)
            break;
        // Clearly outside: the guess was one off. Within one of a bound:
        // the exact comparison decides.
        const bool loin = V < 1E14L - 1.0L || V > 1E15L + 1.0L;
        if (!loin) {
            exact();
            if (Compare(M, e, m, 100000000000000ULL) >= 0 && Compare(M, e, m, 1000000000000000ULL) < 0)
                break;
        }
        d += V < 5E14L ? -1 : 1;
    }
    // N, the 15 digits rounded half up: N - 1/2 <= a * 10^m < N + 1/2. Far
    // from a halfway case the rounded V decides: adding 2^63 leaves no
    // fraction bit. Near one, exact integers decide.
    constexpr Etendu DeuxPuissance63 = 9223372036854775808.0L;
    Etendu n = (V + DeuxPuissance63) - DeuxPuissance63;
    if (std::fabs(std::fabs(V - n) - 0.5L) < 1E-3L) {
        exact();
        auto N = static_cast<std::uint64_t>(V + 0.5L);
        while (Compare(M, e + 1, m, 2 * N - 1) < 0)
            --N;
        while (Compare(M, e + 1, m, 2 * N + 1) >= 0)
            ++N;
        n = static_cast<Etendu>(N);
    }
    // N * 10^-m rounded once, as the reader of the text does.
    const Etendu r = m >= 0 ? n / P.dix[m] : n * P.dix[-m];
    return x < 0.0L ? -r : r;
}

const Etendu arrondi::Dix[28] = {1E0L,  1E1L,  1E2L,  1E3L,  1E4L,  1E5L,  1E6L,  1E7L,  1E8L,  1E9L,
                                 1E10L, 1E11L, 1E12L, 1E13L, 1E14L, 1E15L, 1E16L, 1E17L, 1E18L, 1E19L,
                                 1E20L, 1E21L, 1E22L, 1E23L, 1E24L, 1E25L, 1E26L, 1E27L};
const Etendu arrondi::UnSurDix[28] = {1E-0L,  1E-1L,  1E-2L,  1E-3L,  1E-4L,  1E-5L,  1E-6L,  1E-7L,  1E-8L,  1E-9L,
                                      1E-10L, 1E-11L, 1E-12L, 1E-13L, 1E-14L, 1E-15L, 1E-16L, 1E-17L, 1E-18L, 1E-19L,
                                      1E-20L, 1E-21L, 1E-22L, 1E-23L, 1E-24L, 1E-25L, 1E-26L, 1E-27L};

namespace {
std::array<arrondi::Seuil, arrondi::NombreExposants> FaitSeuils()
{
    std::array<arrondi::Seuil, arrondi::NombreExposants> t{};
    for (int k = 0; k < arrondi::NombreExposants; ++k) {
        const int b = arrondi::PremierExposant + k;
        // log10(2^b) is never a whole number for b != 0: its floor is safe.
        const int d = static_cast<int>(std::floor(b * 0.30102999566398119521373889472449L));
        const Etendu suivante = std::pow(10.0L, d + 1); // a threshold off by an ulp only sends a value to Exact
        t[k] = {suivante < std::ldexp(1.0L, b + 1) ? suivante : HUGE_VALL, d};
    }
    return t;
}
} // namespace

const std::array<arrondi::Seuil, arrondi::NombreExposants> arrondi::Seuils = FaitSeuils();
