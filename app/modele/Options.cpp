#include "app/modele/Options.h"

#include "app/modele/Chemins.h"

#include <cerrno>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include <SimpleIni.h>

namespace {

std::string chemin;

constexpr const char* Tarvelle = "Tarvelle";
constexpr const char* Options = "Options";
constexpr const char* Fichiers = "Fichiers";

const char* CleFichier(int k)
{
    static constexpr const char* cles[4] = {"File_0", "File_1", "File_2", "File_3"};
    return cles[k];
}

// The file as SimpleIni sees it. A missing or unreadable file is an empty one:
// the settings never stop the program.
struct Fichier {
    CSimpleIniA ini{false, false, false};

    Fichier()
    {
        ini.SetSpaces(false);
        std::ifstream in(chemin, std::ios::binary);
        if (!in)
            return;
        const std::string texte{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (ini.LoadData(texte) < 0)
            ini.Reset();
    }

    std::string Texte(const char* section, const char* cle, const std::string& defaut) const
    {
        return ini.GetValue(section, cle, defaut.c_str());
    }

    void Ecrit(const char* section, const char* cle, const std::string& valeur)
    {
        ini.SetValue(section, cle, valeur.c_str());
    }

    // Written next to the old file and renamed over it, so that an
    // interrupted write never leaves half a file. Failures are silent: the
    // program goes on with its in-memory copies.
    void Enregistre()
    {
        std::string texte;
        if (ini.Save(texte) < 0)
            return;
        // One blank line between sections, not the two SimpleIni puts.
        for (auto p = texte.find("\n\n\n"); p != std::string::npos; p = texte.find("\n\n\n", p))
            texte.erase(p, 1);
        std::error_code ec;
        const std::filesystem::path cible(chemin);
        if (cible.has_parent_path())
            std::filesystem::create_directories(cible.parent_path(), ec);
        const std::filesystem::path temporaire = cible.string() + ".tmp";
        {
            std::ofstream out(temporaire, std::ios::binary | std::ios::trunc);
            if (!out)
                return;
            out << texte;
            out.flush();
            if (!out) {
                out.close();
                std::filesystem::remove(temporaire, ec);
                return;
            }
        }
        std::filesystem::rename(temporaire, cible, ec);
        if (ec)
            std::filesystem::remove(temporaire, ec);
    }
};

void EcritTout(Fichier& f, const TOptions& o)
{
    f.Ecrit(Tarvelle, "Version", VersionOptions);
    f.Ecrit(Tarvelle, "Auteur", AuteurOptions);
    f.Ecrit(Tarvelle, "Chemin", CheminProgramme());
    f.Ecrit(Options, "Type de machine", o.TypeMachine);
    f.Ecrit(Options, "Boutons", std::to_string(o.NbBoutons));
    f.Ecrit(Options, "Sons", o.SonsOptions ? "1" : "0");
    f.Ecrit(Options, "Taille des matrices", std::to_string(o.TailleMatrices));
    for (int k = 0; k < 4; ++k)
        f.Ecrit(Fichiers, CleFichier(k), o.Fichiers[k]);
}

} // namespace

const std::string& CheminReglages() { return chemin; }

void DefinitCheminReglages(const std::string& c) { chemin = c; }

long EntierOuDefaut(const std::string& texte, long defaut)
{
    std::size_t i = 0;
    while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+'))
        negatif = texte[i++] == '-';
    int base = 10;
    if (i + 1 < texte.size() && texte[i] == '0' && (texte[i + 1] == 'x' || texte[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const std::string chiffres = texte.substr(i);
    if (chiffres.empty() || !std::isxdigit(static_cast<unsigned char>(chiffres[0])))
        return defaut;
    errno = 0;
    char* fin = nullptr;
    const long long v = std::strtoll(chiffres.c_str(), &fin, base);
    if (errno != 0 || *fin != '\0' || v > INT_MAX)
        return defaut;
    return negatif ? -static_cast<long>(v) : static_cast<long>(v);
}

std::string LitTexteOption(const std::string& section, const std::string& cle,
                           const std::string& defaut)
{
    return Fichier().Texte(section.c_str(), cle.c_str(), defaut);
}

long LitEntierOption(const std::string& section, const std::string& cle, long defaut)
{
    const Fichier f;
    const char* v = f.ini.GetValue(section.c_str(), cle.c_str(), nullptr);
    return v ? EntierOuDefaut(v, defaut) : defaut;
}

bool LitBooleenOption(const std::string& section, const std::string& cle, bool defaut)
{
    return LitEntierOption(section, cle, defaut ? 1 : 0) != 0;
}

void ChargeOptions(TOptions& o)
{
    Fichier f;
    const std::string version = f.Texte(Tarvelle, "Version", "ERREUR");

    if (version != "ERREUR" && version != VersionOptions) {
        f.Ecrit(Tarvelle, "Version", VersionOptions);
        f.Ecrit(Options, "Taille des matrices", "5");
        for (int k = 0; k < 4; ++k)
            f.Ecrit(Fichiers, CleFichier(k), "");
        f.Enregistre();
    }

    if (version == "ERREUR") {
        o = TOptions{};
        EcritTout(f, o);
        f.Enregistre();
        return;
    }

    auto entier = [&f](const char* cle, long defaut) {
        const char* v = f.ini.GetValue(Options, cle, nullptr);
        return v ? EntierOuDefaut(v, defaut) : defaut;
    };
    o.TypeMachine = f.Texte(Options, "Type de machine", version);
    // Only the values the windows know are taken; anything else keeps the
    // choice the dialog already shows.
    const long boutons = entier("Boutons", 2);
    if (boutons == 2 || boutons == 3)
        o.NbBoutons = static_cast<int>(boutons);
    o.SonsOptions = entier("Sons", 1) != 0;
    const long taille = entier("Taille des matrices", 5);
    if (taille == 5 || taille == 10)
        o.TailleMatrices = static_cast<int>(taille);
    // The recent graph files are read too, so that OK in the options dialog
    // writes them back as they are instead of emptying the list.
    for (int k = 0; k < 4; ++k)
        o.Fichiers[k] = f.Texte(Fichiers, CleFichier(k), "");
}

void EnregistreOptions(const TOptions& o)
{
    Fichier f;
    EcritTout(f, o);
    f.Enregistre();
}

std::array<std::string, 4> LitFichiersRecents()
{
    const Fichier f;
    std::array<std::string, 4> fichiers;
    for (int k = 0; k < 4; ++k)
        fichiers[k] = f.Texte(Fichiers, CleFichier(k), "");
    return fichiers;
}

void EnregistreFichiersRecents(const std::array<std::string, 4>& fichiers)
{
    Fichier f;
    for (int k = 0; k < 4; ++k)
        f.Ecrit(Fichiers, CleFichier(k), fichiers[k]);
    f.Enregistre();
}

bool LitModeClassique() { return LitTexteOption("Options", "Type de machine", "") == "classique"; }
bool LitSonsTraceur() { return LitBooleenOption("Options", "Sons", false); }
bool LitSons() { return LitBooleenOption("Options", "Sons", true); }
long LitBoutonsSouris() { return LitEntierOption("Options", "Boutons", 2); }
long LitTailleMatrices() { return LitEntierOption("Options", "Taille des matrices", 5); }

int LitAgrandissement()
{
    const long k = LitEntierOption("Options", "Agrandissement", 1);
    return k >= 1 && k <= 3 ? static_cast<int>(k) : 1;
}

void EnregistreAgrandissement(int facteur)
{
    // Written only when the user chooses one: the key comes after
    // "Taille des matrices", the last key of the section.
    Fichier f;
    f.Ecrit(Options, "Agrandissement", std::to_string(facteur));
    f.Enregistre();
}

bool LitReglesUsuelles() { return LitTexteOption("Options", "Regles", "programme") == "usuelles"; }

void EnregistreReglesUsuelles(bool usuelles)
{
    Fichier f;
    f.Ecrit(Options, "Regles", usuelles ? "usuelles" : "programme");
    f.Enregistre();
}
