#include "funclang/Arrondi.h"

#include "funclang/Nombres.h"

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

} // namespace

Etendu Arrondi15(Etendu x)
{
    if (x == 0.0L || !std::isfinite(x))
        return x == 0.0L ? 0.0L : x;
    const Etendu a = std::fabs(x);
    // a = M * 2^e with the 64-bit significand M of the extended format.
    std::uint64_t M;
    std::uint16_t champ;
    std::memcpy(&M, &a, 8);
    std::memcpy(&champ, reinterpret_cast<const char*>(&a) + 8, 2);
    const int e = (champ & 0x7FFF) - 16383 - 63;
    // The decimal exponent d of a, so that 10^14 <= a * 10^(14 - d) < 10^15.
    int d = static_cast<int>(std::floor((e + 63) * 0.30102999566398119521L));
    int m = 0;
    for (int essai = 0;; ++essai) {
        m = 14 - d;
        if (essai == 3 || m < -KMax || m > KMax || (M >> 63) == 0)
            return LitDebutNombre(TexteNombre(x)).valeur; // far from 1, or denormal: the text
        if (Compare(M, e, m, 100000000000000ULL) < 0)
            --d;
        else if (Compare(M, e, m, 1000000000000000ULL) >= 0)
            ++d;
        else
            break;
    }
    // N, the 15 digits rounded half up: N - 1/2 <= a * 10^m < N + 1/2.
    const Etendu estime = m >= 0 ? a * P.dix[m] : a / P.dix[-m];
    auto N = static_cast<std::uint64_t>(estime + 0.5L);
    while (Compare(M, e + 1, m, 2 * N - 1) < 0)
        --N;
    while (Compare(M, e + 1, m, 2 * N + 1) >= 0)
        ++N;
    // N * 10^-m rounded once, as the reader of the text does.
    const Etendu n = static_cast<Etendu>(N);
    const Etendu r = m >= 0 ? n / P.dix[m] : n * P.dix[-m];
    return x < 0.0L ? -r : r;
}
