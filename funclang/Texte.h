#pragma once
// The two text routines that every rewriting step of both evaluators uses.
#include <cstddef>
#include <string>

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
