#include "matrix/modele/ModeleMatrice.h"

#include "calc/modele/Pile.h"
#include "calc/modele/SaisieComplexe.h"
#include "funclang/Nombres.h"
#include "numerics/ValeursPropres.h"

#include <algorithm>
#include <cmath>
#include <tuple>

std::optional<TComplexe> LitCoef(const std::string& texte)
{
    if (texte.size() > LongueurCelluleMax)
        return std::nullopt;
    Etendu re = 0.0L, im = 0.0L;
    if (texte.find(',') == std::string::npos && LitDecimal(texte, re))
        return Complexe(re, 0.0L);
    // The copy form of the stack and of this grid ("3-4i", "4i"), with the
    // calculator's reader; a comma is no decimal point here either.
    if (!texte.empty() && texte.back() == 'i' && texte.find(',') == std::string::npos) {
        const SaisieLue lu = LitSaisie(texte, true);
        if (lu.sorte == SaisieLue::Sorte::Complexe || lu.sorte == SaisieLue::Sorte::Reel)
            return lu.valeur;
        return std::nullopt;
    }
    // "(re,im)": the outer characters must be a pair of brackets, so that a
    // decimal comma ("100,25") is refused instead of read as 0 + 2i.
    if (texte.size() < 2 || std::string_view("([{").find(texte.front()) == std::string_view::npos ||
        std::string_view(")]}").find(texte.back()) == std::string_view::npos)
        return std::nullopt;
    const std::string dedans = texte.substr(1, texte.size() - 2);
    const auto virgule = dedans.find(',');
    if (virgule == std::string::npos)
        return std::nullopt;
    if (!LitDecimal(std::string_view(dedans).substr(0, virgule), re) ||
        !LitDecimal(std::string_view(dedans).substr(virgule + 1), im))
        return std::nullopt;
    return Complexe(re, im);
}

namespace {

// Five decimals while they show the value (3 significant digits at least),
// two significant digits otherwise: 2.7E-33 is not shown as 0.00000, nor
// 1E40 as forty digits. Exact zero is 0.00000.
std::string FormatReel(Etendu x, bool scientifique)
{
    if (x == 0.0L)
        return TexteFixe(0.0L, 5);
    if (scientifique || std::fabs(x) >= 1e36L)
        return TexteScientifiqueCourt(x);
    const std::string fixe = TexteFixe(x, 5);
    return ChiffresSignificatifs(fixe) < 3 ? TexteScientifiqueCourt(x) : fixe;
}

} // namespace

std::string FormatComplexe(TComplexe z, bool scientifique)
{
    return "(" + FormatReel(z.Re, scientifique) + "," + FormatReel(z.Im, scientifique) + ")";
}

std::string FormatCoef(TComplexe z, bool complexe, bool scientifique)
{
    return complexe ? FormatComplexe(z, scientifique) : FormatReel(z.Re, scientifique);
}

namespace {

const Faute Depassement{"Dépassement de capacité .", IconeFaute::Erreur};

bool Fini(TComplexe z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }

bool Fini(const TMat& m, int n)
{
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (!Fini(m(i, j)))
                return false;
    return true;
}

} // namespace

bool EtatMatrices::operator==(const EtatMatrices& autre) const
{
    auto egales = [](const TMat& x, const TMat& y) {
        for (int i = 0; i < 12; ++i)
            for (int j = 0; j < 12; ++j)
                if (x(i, j).Re != y(i, j).Re || x(i, j).Im != y(i, j).Im ||
                    std::signbit(x(i, j).Re) != std::signbit(y(i, j).Re) ||
                    std::signbit(x(i, j).Im) != std::signbit(y(i, j).Im))
                    return false;
        return true;
    };
    return tailleA == autre.tailleA && tailleB == autre.tailleB && defA == autre.defA && defB == autre.defB &&
           egales(a, autre.a) && egales(b, autre.b);
}

EtatMatrices ModeleMatrice::Etat() const { return {MatA, MatB, TailleA, TailleB, DefA, DefB}; }

void ModeleMatrice::Restaure(const EtatMatrices& etat)
{
    MatA = etat.a;
    MatB = etat.b;
    TailleA = etat.tailleA;
    TailleB = etat.tailleB;
    DefA = etat.defA;
    DefB = etat.defB;
    Affichage = {}; // the results shown were of the matrices replaced
}

template <class Changement>
auto ModeleMatrice::Change(Changement changement)
{
    const EtatMatrices avant = Etat();
    auto resultat = changement();
    if (!(Etat() == avant))
        annulation_.Enregistre({avant, Etat()});
    return resultat;
}

bool ModeleMatrice::Annule()
{
    const Etape* e = annulation_.Annule();
    if (e)
        Restaure(e->avant);
    return e != nullptr;
}

bool ModeleMatrice::Retablit()
{
    const Etape* e = annulation_.Retablit();
    if (e)
        Restaure(e->apres);
    return e != nullptr;
}

bool ModeleMatrice::Permise(Commande commande) const
{
    switch (commande) {
    case Commande::Annuler:
        return annulation_.PeutAnnuler();
    case Commande::Retablir:
        return annulation_.PeutRetablir();
    case Commande::Ecrire: // typing or pasting into the matrix, not into a result
        return Editee != Grille::Aucune && !Affichage.grille;
    case Commande::CopierValeur:
        return Affichage.valeur.has_value();
    case Commande::CopierListe:
        return Affichage.liste.has_value();
    }
    return false;
}

void ModeleMatrice::Ouvre(bool a)
{
    Editee = a ? Grille::A : Grille::B;
    Affichage = {};
    bool& defini = a ? DefA : DefB;
    if (!defini) {
        defini = true;
        ZeroMat(a ? MatA : MatB);
    }
    // A matrix of order 10 opened in complex mode becomes 5 x 5.
    int& taille = a ? TailleA : TailleB;
    taille = std::clamp(taille, 2, TailleMax);
}

void ModeleMatrice::FixeTailleMax(int taille)
{
    TailleMax = taille;
    if (Editee == Grille::A)
        TailleA = std::clamp(TailleA, 2, TailleMax);
    else if (Editee == Grille::B)
        TailleB = std::clamp(TailleB, 2, TailleMax);
}

int ModeleMatrice::TailleEditee() const
{
    return Editee == Grille::A ? TailleA : Editee == Grille::B ? TailleB : 2;
}

void ModeleMatrice::ChangeTaille(int taille)
{
    if (Editee == Grille::Aucune)
        return;
    Change([&] { return (Editee == Grille::A ? TailleA : TailleB) = std::clamp(taille, 2, TailleMax); });
    Affichage.grille.reset();
}

void ModeleMatrice::FermeGrille()
{
    Editee = Grille::Aucune;
    Affichage.grille.reset();
    Affichage.liste.reset();
}

bool ModeleMatrice::EcritCellule(int ligne, int colonne, const std::string& texte)
{
    const std::optional<TComplexe> z = LitCoef(texte);
    if (!z || Editee == Grille::Aucune)
        return false;
    Affichage.grille.reset();
    return Change([&] { return static_cast<bool>(MatEditee()(ligne, colonne) = *z, true); });
}

std::optional<ModeleMatrice::CelluleRefusee>
ModeleMatrice::ColleBloc(int ligne, int colonne, const std::vector<std::vector<std::string>>& bloc)
{
    const int n = TailleEditee();
    std::vector<std::tuple<int, int, TComplexe>> cellules;
    for (std::size_t l = 0; l < bloc.size(); ++l)
        for (std::size_t c = 0; c < bloc[l].size(); ++c) {
            const int i = ligne + static_cast<int>(l), j = colonne + static_cast<int>(c);
            const std::optional<TComplexe> z = i <= n && j <= n ? LitCoef(bloc[l][c]) : std::nullopt;
            if (!z || Editee == Grille::Aucune)
                return CelluleRefusee{i, j, bloc[l][c]};
            cellules.emplace_back(i, j, *z);
        }
    Change([&] {
        for (const auto& [i, j, z] : cellules)
            MatEditee()(i, j) = z;
        return true;
    });
    Affichage.grille.reset();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Echange()
{
    if (!DefA || !DefB)
        return Faute{"Une des deux matrices n'a pas été définie .", IconeFaute::Avertissement};
    Change([this] {
        std::swap(MatA, MatB);
        std::swap(TailleA, TailleB);
        return true;
    });
    Affichage.grille.reset();
    return std::nullopt;
}

void ModeleMatrice::Efface()
{
    Change([this] {
        ZeroMat(MatA);
        ZeroMat(MatB);
        TailleA = TailleB = 2;
        DefA = DefB = false;
        return true;
    });
    FermeGrille();
}

void ModeleMatrice::RemplaceBlocA(const TMat& resultat)
{
    for (int i = 1; i <= TailleA; ++i)
        for (int j = 1; j <= TailleA; ++j)
            MatA(i, j) = resultat(i, j);
    // A now holds a result: a first opening of A must not clear it.
    DefA = true;
}

void ModeleMatrice::MontreA()
{
    Editee = Grille::A;
    TailleA = std::clamp(TailleA, 2, TailleMax);
    Affichage.grille.reset();
    Affichage.liste.reset();
}

std::optional<RefusMatrice> ModeleMatrice::Combine(TMat (*operation)(const TMat&, const TMat&),
                                                   const char* refus)
{
    if (TailleA != TailleB)
        return Faute{refus, IconeFaute::Erreur};
    const TMat r = operation(BlocMat(MatA, TailleA), BlocMat(MatB, TailleB));
    if (!Fini(r, TailleA))
        return Depassement;
    RemplaceBlocA(r);
    ZeroMat(MatB);
    MontreA();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Somme()
{
    return Change([this] { return Combine(SommeMat, "Tailles des matrices incompatibles ."); });
}

std::optional<RefusMatrice> ModeleMatrice::Difference()
{
    return Change([this] { return Combine(DiffMat, "Taille des matrices incompatible ."); });
}

std::optional<RefusMatrice> ModeleMatrice::Produit()
{
    return Change([this] { return Combine(ProduitMat, "Taille des matrices incompatible ."); });
}

void ModeleMatrice::Transpose()
{
    Change([this] {
        RemplaceBlocA(TransposeMat(BlocMat(MatA, TailleA)));
        return true;
    });
    MontreA();
}

std::optional<RefusMatrice> ModeleMatrice::Inverse()
{
    return Change([this] { return InverseSurPlace(); });
}

std::optional<RefusMatrice> ModeleMatrice::InverseSurPlace()
{
    TMat r;
    if (const std::optional<Faute> refus = InverseMat(TailleA, BlocMat(MatA, TailleA), r))
        return refus;
    if (!Fini(r, TailleA))
        return Depassement;
    RemplaceBlocA(r);
    MontreA();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Trace(TComplexe& t)
{
    const TComplexe r = TraceMat(BlocMat(MatA, TailleA));
    if (!Fini(r))
        return Depassement;
    t = r;
    Affichage.valeur = {"Trace de la matrice A", t};
    Affichage.liste.reset();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Rang(int& rang, TMat& forme)
{
    int r = 0;
    TMat f;
    RangMat(TailleA, BlocMat(MatA, TailleA), r, f);
    if (!Fini(f, TailleA))
        return Depassement;
    rang = r;
    forme = f;
    AffichageMatrice::Grille g;
    for (int i = 1; i <= TailleA; ++i) {
        g.cellules.emplace_back();
        for (int j = 1; j <= TailleA; ++j)
            g.cellules.back().push_back(f(i, j));
    }
    Affichage.grille = std::move(g);
    Affichage.valeur = {"Rang de la matrice A", Complexe(r, 0.0L), true};
    Affichage.liste.reset();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Det(TComplexe& d)
{
    const TComplexe r = Determinant(TailleA, BlocMat(MatA, TailleA));
    if (!Fini(r))
        return Depassement;
    d = r;
    Affichage.valeur = {"Déterminant de la matrice A", d};
    Affichage.liste.reset();
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Polynome(TVecteur& p)
{
    const TVecteur r = PolyCaract(TailleA, BlocMat(MatA, TailleA));
    for (int i = 1; i <= TailleA + 1; ++i)
        if (!Fini(r(i)))
            return Depassement;
    p = r;
    AffichageMatrice::Grille g{true, {}};
    for (int i = 1; i <= TailleA + 1; ++i)
        g.cellules.push_back({p(i)});
    Affichage.grille = std::move(g);
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::ValeursPropres(std::vector<TComplexe>& x, Etendu* residu)
{
    x.clear();
    Etendu ajustement = -1.0L;
    if (TailleA > 4) {
        const Spectre s = ValeursPropresQR(MatA, TailleA);
        const bool finies = std::all_of(s.valeurs.begin(), s.valeurs.end(), [](TComplexe z) { return Fini(z); });
        if (!s.converge || !finies || !std::isfinite(s.residu))
            return Depassement;
        x = s.valeurs;
        ajustement = s.residu;
    } else {
        std::array<TComplexe, 4> racines{};
        if (!::ValeursPropres(TailleA, BlocMat(MatA, TailleA), racines))
            return std::nullopt;
        for (int i = 0; i < TailleA; ++i)
            if (!Fini(racines[i]))
                return Depassement;
        x.assign(racines.begin(), racines.begin() + TailleA);
    }
    if (residu)
        *residu = ajustement;
    Affichage.liste = {"Valeurs propres de la matrice A :", x, true, ajustement};
    return std::nullopt;
}

std::optional<RefusMatrice> ModeleMatrice::Systeme(std::vector<TComplexe>& x)
{
    if (!DefA || !DefB)
        return Faute{"Entrez la matrice dans A et le vecteur solution dans la 1ère colonne de B .",
                     IconeFaute::Avertissement};
    const int n = TailleA;
    // Only a zero determinant refuses the system: one beyond extended
    // precision may still have a finite solution.
    const TComplexe d = Determinant(n, BlocMat(MatA, n));
    if (Fini(d) && EstNul(d))
        return Faute{"La matrice A n'est pas de rang " + std::to_string(n) + " . Système indéterminé .",
                     IconeFaute::Avertissement};
    TMat m = BlocMat(MatA, n);
    for (int i = 1; i <= n; ++i)
        m(i, n + 1) = MatB(i, 1);
    const TVecteur v = ResoutSysteme(n, m);
    for (int i = 1; i <= n; ++i)
        if (!Fini(v(i)))
            return Depassement;
    x.assign(v.elements.begin() + 1, v.elements.begin() + 1 + n);
    Affichage.liste = {"Solutions du système d'équations :", x, false};
    return std::nullopt;
}

std::string TexteCelluleCopie(TComplexe z, bool complexe) { return complexe ? TexteCopie(z) : TexteCourt(z.Re); }
