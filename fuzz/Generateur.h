#pragma once
// Random function texts from the function language's grammar, well formed
// or not: numbers with exponents, the five operators and the two signs,
// the 26 function names, brackets, the variable, and now and then a stray
// character. Driven by any source of bytes (a fuzzer's input, a generator).
#include "funclang/Fonctions.h"

#include <cstdint>
#include <string>

template <class Source>
class GenerateurTexte {
public:
    explicit GenerateurTexte(Source& s) : s_(s) {}

    std::string Texte(char variable, int profondeur = 0)
    {
        std::string t;
        const int termes = 1 + s_() % 4;
        for (int i = 0; i < termes; ++i) {
            if (i > 0)
                t += "+-*/^"[s_() % 5];
            t += Terme(variable, profondeur);
        }
        return t;
    }

    long double Valeur()
    {
        static constexpr long double Valeurs[] = {0.0L, -0.0L, 1.0L, -1.0L, 2.0L, 0.5L, 3.2L, -3.2L, 1E-300L,
                                                  1E300L, 1E4000L, -7E-4000L, 1E20L, 123456.789L, 0.1L};
        const unsigned choix = s_() % 20;
        if (choix < 15)
            return Valeurs[choix];
        long double v = static_cast<long double>(s_() % 20001) / 1000.0L - 10.0L;
        return choix < 18 ? v : v * 1E10L;
    }

private:
    std::string Nombre()
    {
        static constexpr const char* Nombres[] = {"2", "0.5", "1E3", "1.5E-3", "5.", ".5", "3", "10", "1e+2",
                                                  "2.5e-1", "0", "1E4000", "1E5000", "7", "0.1", "1754",
                                                  "1.23456789012345678", "1E-5000", "0.333333333333333333"};
        return Nombres[s_() % 19];
    }

    std::string Terme(char variable, int profondeur)
    {
        std::string t;
        if (s_() % 6 == 0)
            t += "+-"[s_() % 2];
        switch (s_() % 8) {
        case 0:
        case 1: t += Nombre(); break;
        case 2:
        case 3: t += variable; break;
        case 4:
        case 5:
            if (profondeur < 4) {
                const auto f = LesFonctions();
                t += std::string(f[s_() % f.size()].nom) + "(" + Texte(variable, profondeur + 1) + ")";
            } else
                t += Nombre();
            break;
        case 6:
            t += profondeur < 4 ? "(" + Texte(variable, profondeur + 1) + ")" : std::string(1, variable);
            break;
        case 7: {
            // Malformed: a stray character, a missing bracket, a glued number.
            static constexpr const char* Fautes[] = {"(", ")", " ", ",", "2", "x2", "2x", "..", "e", "pi", "()", "+"};
            t += Fautes[s_() % 12];
            break;
        }
        }
        return t;
    }

    Source& s_;
};
