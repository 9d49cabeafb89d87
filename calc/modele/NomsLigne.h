#pragma once
// What the line entry knows by name: pi, ans (the last answer) and the
// variables a line "nom = expression" defines; the line cut into tokens,
// so that a name is read whole and never taken for a function's name or
// an exponent ("distance", "masse").
#include "numerics/Etendu.h"
#include "numerics/Faute.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two sets of rules of the line entry: the program's own, where every
// intermediate result is rounded to 15 digits, and the usual ones, in full
// extended precision.
enum class ReglesLigne { Programme, Usuelles };

// The names a line can use, for the whole run.
struct MemoireLigne {
    std::map<std::string, Etendu> variables; // lower case
    std::optional<Etendu> ans;
    bool operator==(const MemoireLigne&) const = default;
};

inline constexpr std::size_t LongueurNomMax = 16;

struct Jeton {
    enum class Sorte { Nombre, Nom, Autre };
    Sorte sorte;
    std::string_view texte; // a view into the line
};

// Numbers (digits, a point, an exponent "E" with its sign), names (an ASCII
// letter, then letters, digits and "_"; a non-ASCII character joins the
// name it touches, so that "été" is one refused name) and every other
// character alone; blanks are dropped.
std::vector<Jeton> DecoupeLigne(std::string_view ligne);

// A name that the line entry leaves to the rules of its evaluators: a
// function's name or code, and the letters e, x, t and y.
bool NomReserve(std::string_view nom);
// A name that a definition may take: a letter, then letters, digits and
// "_", 16 characters at most, neither reserved nor pi nor ans.
bool NomDeVariable(std::string_view nom);

// The value of pi, ans or a variable, or why there is none ("Pas de
// réponse précédente.", "Variable inconnue : nom.").
std::optional<Etendu> ValeurDuNom(std::string_view nom, const MemoireLigne& memoire, std::optional<Faute>& refus);

// A line "nom = expression": the name as typed and the expression. No
// value for a line without "=".
struct Definition {
    std::string nom;
    std::string expression;
};
std::optional<Definition> LitDefinition(const std::string& ligne);

std::string EnMinuscules(std::string_view texte);
