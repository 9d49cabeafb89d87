#include "funclang/Nombres.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

// Digits of |x| as printed by the C library, which converts exactly:
// "d.ddd…e±x". The window gives 21 significant digits, enough to decide the
// 16th digit except in the rare case where it reads "5" followed by zeros,
// which may be an exact tie or a value just below or above it.
int Chiffres(Etendu x, int decimales, char* tampon, std::size_t taille)
{
    return std::snprintf(tampon, taille, "%.*Le", decimales, x);
}

// The 16 leading digits of |x| (positive, finite, not zero) and its decimal
// exponent, exact enough to round half up at 15 digits.
void SeizeChiffres(Etendu x, char chiffres[16], int& exposant)
{
    char court[64];
    Chiffres(x, 20, court, sizeof court);
    const char* seizieme = court + 16; // "d." then 14 digits, then the 16th
    bool douteux = *seizieme == '5' && std::strncmp(seizieme + 1, "00000", 5) == 0;
    const char* source = court;
    static thread_local std::array<char, 5200> long_;
    if (douteux) {
        // The exact expansion of an extended value has fewer than 5000 digits.
        Chiffres(x, 5000, long_.data(), long_.size());
        source = long_.data();
    }
    chiffres[0] = source[0];
    std::memcpy(chiffres + 1, source + 2, 15);
    exposant = std::atoi(std::strchr(source, 'e') + 1);
}

} // namespace

std::string TexteNombre(Etendu x)
{
    if (std::isnan(x))
        return std::string(20, ' ') + "Nan";
    if (std::isinf(x))
        return std::string(19, ' ') + (x > 0 ? "+Inf" : "-Inf");

    char chiffres[16];
    int exposant = 0;
    const bool negatif = x < 0.0L;
    if (x == 0.0L) {
        std::memset(chiffres, '0', sizeof chiffres);
    } else {
        SeizeChiffres(std::fabs(x), chiffres, exposant);
        if (chiffres[15] >= '5') {
            int i = 14;
            while (i >= 0 && chiffres[i] == '9')
                chiffres[i--] = '0';
            if (i >= 0) {
                ++chiffres[i];
            } else {
                chiffres[0] = '1';
                ++exposant;
            }
        }
    }

    std::string texte;
    texte.reserve(23);
    texte += negatif ? '-' : ' ';
    texte += chiffres[0];
    texte += '.';
    texte.append(chiffres + 1, 14);
    texte += 'E';
    texte += exposant < 0 ? '-' : '+';
    char exp[12];
    std::snprintf(exp, sizeof exp, "%04d", std::abs(exposant));
    texte += exp;
    return texte;
}

LectureNombre LitDebutNombre(std::string_view texte)
{
    LectureNombre l;
    std::size_t i = 0;
    const std::size_t n = texte.size();
    auto chiffre = [&](std::size_t k) { return k < n && texte[k] >= '0' && texte[k] <= '9'; };

    while (i < n && texte[i] == ' ')
        ++i;
    l.fin = i;
    const std::size_t debut = i;
    if (i < n && (texte[i] == '+' || texte[i] == '-'))
        ++i;
    std::size_t fin = i;
    while (chiffre(i))
        fin = ++i, l.chiffres = true;
    if (i < n && texte[i] == '.') {
        ++i;
        if (l.chiffres)
            fin = i;
        while (chiffre(i))
            fin = ++i, l.chiffres = true;
    }
    if (!l.chiffres)
        return l;
    if (i < n && (texte[i] == 'E' || texte[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < n && (texte[j] == '+' || texte[j] == '-'))
            ++j;
        if (chiffre(j)) {
            while (chiffre(j))
                ++j;
            fin = j;
        }
    }
    l.fin = fin;

    // The C locale's reader, whatever the user's regional settings say: "." is
    // the only decimal separator of the program.
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const std::string nombre(texte.substr(debut, fin - debut));
    errno = 0;
    const Etendu v = strtold_l(nombre.c_str(), nullptr, c);
    if (std::isinf(v)) {
        l.depassement = true;
        return l;
    }
    l.valeur = v; // an underflow gives 0 or a denormal, which is fine
    return l;
}


std::string TexteFixe(Etendu x, int decimales)
{
    char tampon[6000];
    std::snprintf(tampon, sizeof tampon, "%.*Lf", decimales, x);
    std::string texte = tampon;
    if (texte[0] == '-' && texte.find_first_not_of("-0.") == std::string::npos)
        texte.erase(0, 1);
    return texte;
}

namespace {
// The C library's exponent as the program writes it: "e-07" becomes "E-7",
// "e+20" becomes "E20".
std::string AvecExposantCourt(std::string texte)
{
    if (const auto e = texte.find('e'); e != std::string::npos) {
        const bool negatif = texte[e + 1] == '-';
        std::string exposant = texte.substr(e + 2);
        exposant.erase(0, std::min(exposant.find_first_not_of('0'), exposant.size() - 1));
        texte = texte.substr(0, e) + (negatif ? "E-" : "E") + exposant;
    }
    return texte;
}

// "d.ddd" then "E" and the exponent, with the fewest digits that read back
// as the same extended value.
std::string TexteScientifiqueExact(Etendu x)
{
    char tampon[64];
    for (int chiffres = 1; chiffres <= 21; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*Le", chiffres - 1, x);
        if (LitDebutNombre(tampon).valeur == x)
            break;
    }
    return AvecExposantCourt(tampon);
}
} // namespace

int ChiffresSignificatifs(const std::string& fixe)
{
    const std::size_t premier = fixe.find_first_of("123456789");
    if (premier == std::string::npos)
        return 0;
    int n = 0;
    for (std::size_t i = premier; i < fixe.size(); ++i)
        n += fixe[i] >= '0' && fixe[i] <= '9';
    return n;
}

std::string TexteLecture(Etendu x, int decimales)
{
    if (!std::isfinite(x))
        return TexteNombre(x);
    // The fixed form of a huge value would be thousands of digits long: it
    // is never the one shown then.
    if (std::fabs(x) < 1E15L) {
        const std::string fixe = TexteFixe(x, decimales);
        if (fixe.size() <= 14 && (ChiffresSignificatifs(fixe) >= 3 || LitDebutNombre(fixe).valeur == x))
            return fixe;
    }
    return TexteScientifiqueExact(x);
}

std::string TexteScientifiqueCourt(Etendu x) { return TexteScientifique(x, 2); }

std::string TexteScientifique(Etendu x, int chiffres)
{
    if (!std::isfinite(x))
        return TexteNombre(x);
    chiffres = std::clamp(chiffres, 1, 15);
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*Le", chiffres - 1, std::fabs(x));
    // "d.ddde±x": the mantissa, then the exponent written on four digits.
    const char* e = std::strchr(tampon, 'e');
    const int exposant = std::atoi(e + 1);
    char texte[48];
    std::snprintf(texte, sizeof texte, "%c%.*sE%c%04d", x < 0.0L ? '-' : ' ', static_cast<int>(e - tampon), tampon,
                  exposant < 0 ? '-' : '+', std::abs(exposant));
    return texte;
}

bool LitDecimal(std::string_view texte, Etendu& valeur)
{
    std::size_t i = 0;
    const std::size_t n = texte.size();
    auto chiffres = [&] {
        const std::size_t debut = i;
        while (i < n && texte[i] >= '0' && texte[i] <= '9')
            ++i;
        return i > debut;
    };
    while (i < n && texte[i] == ' ')
        ++i;
    if (i < n && (texte[i] == '+' || texte[i] == '-'))
        ++i;
    const bool entiers = chiffres();
    if (i < n && texte[i] == '.') {
        ++i;
        if (!chiffres())
            return false;
    } else if (!entiers) {
        return false;
    }
    if (i < n && (texte[i] == 'E' || texte[i] == 'e')) {
        ++i;
        if (i < n && (texte[i] == '+' || texte[i] == '-'))
            ++i;
        if (!chiffres())
            return false;
    }
    if (i != n)
        return false;
    const LectureNombre l = LitDebutNombre(texte);
    if (l.depassement || l.fin != n)
        return false;
    valeur = l.valeur;
    return true;
}

std::optional<Etendu> LitNombre(std::string_view texte)
{
    std::string avecPoint(texte);
    if (const auto virgule = avecPoint.find(','); virgule != std::string::npos)
        avecPoint[virgule] = '.';
    Etendu valeur;
    if (!LitDecimal(avecPoint, valeur))
        return std::nullopt;
    return valeur;
}

std::optional<Etendu> LitOperandeEntier(std::string_view texte)
{
    const LectureNombre l = LitDebutNombre(texte);
    if (!l.chiffres || l.depassement || texte.find_first_not_of(' ', l.fin) != std::string_view::npos)
        return std::nullopt;
    return l.valeur;
}

LectureNombre LitChamp(std::string texte)
{
    if (const auto virgule = texte.find(','); virgule != std::string::npos)
        texte[virgule] = '.';
    return LitDebutNombre(texte);
}

std::string TexteCourt(Etendu x)
{
    if (!std::isfinite(x))
        return TexteNombre(x);
    if (x == 0.0L)
        return "0";
    char tampon[64];
    for (int chiffres = 1; chiffres <= 21; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*Lg", chiffres, x);
        if (LitDebutNombre(tampon).valeur == x)
            break;
    }
    return AvecExposantCourt(tampon);
}
