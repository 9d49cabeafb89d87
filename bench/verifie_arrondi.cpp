// The 15-digit rounding of the compiled evaluator against the text it
// stands for, on as many values as asked (10 million by default): any bits
// over the whole exponent range, and values next to a halfway case, with
// the scale found, the previous value's and one at random. Prints
// the number of differences; exits 1 if there is any.
#include "Chemins.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

int main(int argc, char* argv[])
{
    const long n = argc > 1 ? std::atol(argv[1]) : 10000000;
    std::mt19937_64 alea(7);
    long differences = 0;
    int echelle = 0; // the previous value's scale, and one at random
    auto compare = [&](long double x) {
        if (ArrondisDifferents(x, echelle, static_cast<int>(alea() % 59) - 29) && ++differences <= 10)
            std::printf("différence : %.21Lg\n", x);
    };
    for (long i = 0; i < n; i += 2) {
        std::uint64_t m = alea() | (1ULL << 63);
        // Half the values anywhere, half near 1 where the fast path works.
        const auto e = static_cast<std::uint16_t>(i % 4 == 0 ? alea() % 32767 : 16383 - 50 + alea() % 190);
        long double x;
        std::memcpy(&x, &m, 8);
        std::memcpy(reinterpret_cast<char*>(&x) + 8, &e, 2);
        compare(i % 3 ? x : -x);
        char t[64];
        // Halfway cases near 1, and over the whole range.
        const int decade = i % 4 == 2 ? static_cast<int>(alea() % 9860) - 4945 : static_cast<int>(alea() % 80) - 60;
        std::snprintf(t, sizeof t, "%llu5e%d", 100000000000000ULL + alea() % 900000000000000ULL, decade);
        compare(std::strtold(t, nullptr));
    }
    std::printf("%ld valeurs, %ld différences\n", n, differences);
    return differences == 0 ? 0 : 1;
}
