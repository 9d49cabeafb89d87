#pragma once
// What every fuzz target asserts: a broken property stops the run at once,
// with the property's text, so that libFuzzer keeps the input.
#include "numerics/Faute.h"

#include <cstdio>
#include <cstdlib>

#define VERIFIE(condition)                                                                  \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "propriété violée : %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

// A journal nobody reads, for a computation whose failures the target checks
// otherwise.
inline Journal& Jete()
{
    static Journal j;
    j.clear();
    return j;
}
