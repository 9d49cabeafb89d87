#pragma once
// The solver's function: a text typed in the user's syntax, normalised and
// compiled once as a cartesian function of x.
#include "funclang/Programme.h"
#include "numerics/Faute.h"
#include "numerics/Methodes.h"

#include <optional>
#include <string>

// Each calculation evaluates the function into a journal of its own, where
// the first failed evaluation of each kind is recorded: a result built on a
// point where f is undefined is then refused whole, and a fault of the text
// itself is told rather than a result.
class FonctionTexte {
public:
    explicit FonctionTexte(Programme programme) : programme_(std::move(programme)) {}
    // The function for one calculation, with a clone of the program of its
    // own.
    FonctionReelle Dans(Journal& journal) const;

private:
    Programme programme_;
};
// No function for a text that normalisation refuses (too long); what
// normalisation found goes to the journal.
std::optional<FonctionTexte> FonctionDuTexte(const std::string& saisie, Journal& journal);
