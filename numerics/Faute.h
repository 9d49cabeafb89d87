#pragma once
// A failure of a computation, decided where it is found: its exact French
// message and the icon of the box that tells it. A computation appends its
// failures, in order, to the journal its caller passes down; only the
// windows turn a journal into sounds and boxes, so that every rule can run
// where no one is there to see a box (a test, a table of values).
#include <string>
#include <vector>

// How the user is told: a box with its icon, or (Bip) the default beep
// alone, for a command refused without a message.
enum class IconeFaute { Erreur, Avertissement, Bip };

// What went wrong: the text itself (an evaluation of it can never succeed;
// the plotter stops and says it once) or one value (a domain error, a
// division by zero, an overflow: the plotter skips that point).
enum class GenreErreur { Texte, Valeur };

struct Faute {
    std::string message;
    IconeFaute icone = IconeFaute::Erreur;
    GenreErreur genre = GenreErreur::Valeur;
    bool operator==(const Faute&) const = default;
};

using Journal = std::vector<Faute>;

// A failure's message where a value would stand (a read-out, a table
// cell): without its final " ." or ".".
inline std::string MessageSansPoint(std::string message)
{
    if (message.size() >= 2 && message.compare(message.size() - 2, 2, " .") == 0)
        message.erase(message.size() - 2);
    else if (!message.empty() && message.back() == '.')
        message.pop_back();
    return message;
}

// A command refused without a message: the beep says it.
inline Faute RefusSansMessage() { return Faute{std::string(), IconeFaute::Bip}; }
