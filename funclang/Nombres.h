#pragma once
// Numbers as text: the one place for the forms the program writes and the
// reader that every number field and operand goes through.
#include "numerics/Etendu.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The 23-character scientific form: a blank or "-", one digit, ".", 14 digits,
// "E", the exponent sign and 4 digits; rounded half up at 15 significant
// digits. Infinities and NaN are "+Inf", "-Inf" and "Nan", right-aligned.
std::string TexteNombre(Etendu x);

// The decimal number at the start of a text: leading blanks, an optional sign,
// digits, an optional "." and digits, an optional exponent "E" or "e" with an
// optional sign and digits. The longest well-formed prefix is taken, like
// strtold: "12abc" reads 12 and a text without digits reads 0.
struct LectureNombre {
    Etendu valeur = 0.0L;
    std::size_t fin = 0;       // index just after the number (or after the blanks)
    bool chiffres = false;     // at least one digit was read
    bool depassement = false;  // the value is beyond extended precision (valeur is 0)
};
LectureNombre LitDebutNombre(std::string_view texte);
// The same in a field where the user types one real number (the
// calculator's entry, the solver's bounds): a decimal comma reads as the
// point, as French users type it ("2,5" is 2.5).
LectureNombre LitChamp(std::string texte);


// An operand of the evaluators: one whole number of LitDebutNombre's form,
// blanks around it allowed; no value for an empty text, for anything else
// (letters, a second point, a sign before a blank) or beyond extended
// precision.
std::optional<Etendu> LitOperandeEntier(std::string_view texte);

// A value as it leaves the program (copy and paste): the plain decimal form
// with the fewest significant digits (21 at most) that read back as the same
// extended value, "E" and the exponent when the form needs one:
// "3.14159265358979324", "-2.5E-7", "1E20".
std::string TexteCourt(Etendu x);

// Fixed notation with the given number of decimals, no leading blank, "-"
// for a negative value ("0.00000" for a value that rounds to zero).
std::string TexteFixe(Etendu x, int decimales);

// The significant digits a fixed text shows: from the first non-zero digit
// to the last digit, trailing zeros included ("0.50000" has 5, "0.00012" 2).
int ChiffresSignificatifs(const std::string& fixe);

// A read-out of the plotter's panel: the fixed form with the given number
// of decimals while it stays short (at most 14 characters) and either reads
// back as the value itself or shows at least 3 significant digits
// ("-3.2000000", "0.50000", "0.001"); otherwise the shortest scientific form
// that reads back as the value ("1E-30", "-5E4931", "1.25E-8"), so that a
// tiny or huge value is neither shown as zero nor as thousands of digits.
std::string TexteLecture(Etendu x, int decimales);

// Two significant digits: a blank or "-", a digit, ".", a digit, "E", the
// exponent sign and four exponent digits (" 1.2E+0036").
std::string TexteScientifiqueCourt(Etendu x);
// The same form with 1 to 15 significant digits (" 3.679E-0001").
std::string TexteScientifique(Etendu x, int chiffres);

// A whole text that is exactly one decimal number: leading blanks, an
// optional sign, digits, optionally "." and at least one digit (the digits
// before the point may be absent), optionally "E" or "e", an optional sign and
// at least one digit, and nothing after. A number beyond extended precision
// does not read either.
bool LitDecimal(std::string_view texte, Etendu& valeur);

// The plotter's reader (its dialogs and its graph files): one whole number
// of LitDecimal's form, where a decimal comma reads as the point ("2,5" is
// 2.5). No value for anything else, the empty text included.
std::optional<Etendu> LitNombre(std::string_view texte);
