#pragma once
// The two text routines that every rewriting step of both evaluators uses.
#include <cstddef>
#include <string>

// Replaces every occurrence of motif, searching again from the start of the
// text after each replacement (so "+++" with "++" -> "+" ends as "+").
void RemplaceTout(const std::string& motif, const std::string& remplacement, std::string& texte);

// The tail of the text from the 1-based position on; empty beyond the end.
std::string FinTexte(const std::string& texte, std::size_t position);
