#pragma once
// The solver window's state and rules: which fields were confirmed, which
// calculation runs for the chosen type and method, and how its result reads.
#include "solver/modele/FonctionTexte.h"

#include <functional>
#include <optional>
#include <string>

enum class TypeCalcul { Zero, Integrale, Derivee };

// What a calculation shows: a text for the result (none: unchanged) and
// what to tell (a fault of the function's text in a box, or the beep of a
// calculation that cannot run or has no result).
struct ReponseSolveur {
    std::optional<std::string> texte;
    Journal journal;
    bool interrompue = false; // stopped by the user: no result
};

// What a calculation tells and asks as it goes, from the thread it runs
// on: the evaluations made and how many it will make (0: not known), a
// few times a second; whether the user stopped it.
struct SuiviCalcul {
    std::function<void(long fait, long total)> avance;
    std::function<bool()> arret;
};

// Why a number field is refused, for the status bar.
inline constexpr const char* HorsLimites = "Nombre hors des limites .";
inline constexpr const char* PasLimite = "Nombre de pas limité à 100000 .";

// A zero with the number of decimals that eps asks for (0.001: 3), or two
// significant digits when that number is negative or |r| >= 1E36.
std::string TexteZero(Etendu r, Etendu eps);

class ModeleSolveur {
public:
    std::string FonctionSolveur;
    Etendu SolvBorneInf = 0.0L, SolvBorneSup = 0.0L, ValeurPlus = 0.0L;
    bool FoncSaisie = false, InfSaisie = false, SupSaisie = false, PlusSaisie = false;
    TypeCalcul Type = TypeCalcul::Zero;
    int Methode = -1; // the selected line of the method list, -1 for none

    // Enter in the function field: the text is kept and normalised once;
    // false (and nothing confirmed) for a text that normalisation refuses;
    // what normalisation found goes to the journal.
    bool ConfirmeFonction(const std::string& texte, Journal& journal);
    // "Go ...". Once stopped, the function is no longer evaluated and the
    // method runs out at once.
    ReponseSolveur Calcule(const SuiviCalcul& suivi = {}) const;
    // Enter in the third field when the type is the derivative.
    std::string Derivee() const;
    void OublieSaisies() { FoncSaisie = InfSaisie = SupSaisie = PlusSaisie = false; }

private:
    std::optional<FonctionTexte> f_;
};
