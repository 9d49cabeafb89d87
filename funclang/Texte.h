#pragma once
// The text routines of the rewriting steps: the length bound, replacing
// every occurrence of a pattern, the tail of a text, and lists of rewrites.
#include <cstddef>
#include <string>
#include <string_view>

// The longest function text or calculator line the program evaluates. Every
// rewriting step removes an operator or a pair of brackets, so this also
// bounds the number of steps of an evaluation; nothing in the evaluators
// recurses, so nesting depth costs no stack.
inline constexpr std::size_t LongueurTexteMax = 10000;

// Replaces every occurrence of motif, searching again from the start of the
// text after each replacement (so "+++" with "++" -> "+" ends as "+").
void RemplaceTout(const std::string& motif, const std::string& remplacement, std::string& texte);

// The tail of the text from the 1-based position on; empty beyond the end.
std::string FinTexte(const std::string& texte, std::size_t position);

// A list of rewrites applied until none is left: each time the first rule
// whose pattern occurs replaces all its occurrences, and the list starts over.
struct Regle {
    const char* motif;
    const char* remplacement;
};
template <std::size_t N>
void AppliqueRegles(const Regle (&regles)[N], std::string& texte)
{
    for (bool encore = true; encore;) {
        encore = false;
        for (const Regle& r : regles)
            if (texte.find(r.motif) != std::string::npos) {
                RemplaceTout(r.motif, r.remplacement, texte);
                encore = true;
                break;
            }
    }
}
