// The number readers: the calculator's entry reader (and the evaluators'
// operand reader, the same), the strict decimal reader, the matrix cell
// reader, and the 23-character form read back.
#include "Verifie.h"
#include "funclang/Nombres.h"
#include "matrix/modele/ModeleMatrice.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const LectureNombre l = LitDebutNombre(texte);
    VERIFIE(l.fin <= texte.size());
    VERIFIE(std::isfinite(l.valeur));
    VERIFIE(!l.depassement || l.valeur == 0.0L);
    if (l.chiffres && !l.depassement) {
        const std::string forme = TexteNombre(l.valeur);
        VERIFIE(forme.size() == 23);
        VERIFIE(TexteNombre(LitDebutNombre(forme).valeur) == forme);
    }
    long double v = 0.0L;
    if (LitDecimal(texte, v)) {
        VERIFIE(std::isfinite(v));
        VERIFIE(l.fin == texte.size() && l.valeur == v);
    }
    if (const auto z = LitCoef(texte)) {
        VERIFIE(std::isfinite(z->Re) && std::isfinite(z->Im));
        VERIFIE(texte.size() <= LongueurCelluleMax);
    }
    return 0;
}
