#include "graph/modele/TypeCourbe.h"

#include "funclang/Normalisation.h"
#include "funclang/Programme.h"

char LettreDe(TypeCourbe type)
{
    switch (type) {
    case TypeCourbe::Carte:
    case TypeCourbe::Cone: return 'x';
    case TypeCourbe::Polr:
    case TypeCourbe::Para: return 't';
    case TypeCourbe::Aucune: break;
    }
    return '\0';
}

std::optional<std::string> NormaliseFonction(const std::string& saisie, TypeCourbe type, Journal& journal)
{
    if (type == TypeCourbe::Cone)
        return NormalisePolynome(saisie, journal);
    return NormaliseFonction(saisie, LettreDe(type), journal);
}

std::optional<Faute> FauteDeSaisie(const std::string& expr, TypeCourbe type)
{
    if (type == TypeCourbe::Cone || type == TypeCourbe::Aucune)
        return std::nullopt;
    return Programme(expr, LettreDe(type)).FauteDuTexte();
}
