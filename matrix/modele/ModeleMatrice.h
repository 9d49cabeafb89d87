#pragma once
// The matrix calculator's state and its eleven commands, without a window:
// the stores of A and B, their orders and entry flags, the mode, and what
// each command computes, always on the active n x n blocks.
#include "calc/modele/Annulation.h"
#include "matrix/modele/AffichageMatrice.h"
#include "numerics/Faute.h"
#include "numerics/Matrices.h"

#include <optional>
#include <string>
#include <vector>

// The longest cell text that is read; a longer one is refused like any
// unreadable text.
inline constexpr std::size_t LongueurCelluleMax = 1000;

// A cell text: a decimal number, "(re,im)" between any pair of brackets
// "(", "[" or "{" and ")", "]" or "}", or the copy form "3-4i". No value
// for anything else.
std::optional<TComplexe> LitCoef(const std::string& texte);
// The complex form "(re,im)", each part as in FormatCoef's real form.
std::string FormatComplexe(TComplexe z, bool scientifique = false);
// A cell as the grid shows it: the real part in real mode, the complex form
// in complex mode; 5 decimals, or two significant digits (" 2.7E-0033") from
// 1E36 on, for a non-zero value whose 5 decimals would show fewer than 3
// significant digits, and for every non-zero part when scientifique (a
// text too wide for its column).
std::string FormatCoef(TComplexe z, bool complexe, bool scientifique = false);

// A cell as it leaves the program (copy): the stored value with the fewest
// digits that read back the same, in the program's one copy form ("2.5",
// "3-4i"; in real mode the real part shown), which LitCoef reads back.
std::string TexteCelluleCopie(TComplexe z, bool complexe);

// A refused command: the failure the window tells (the error sound, then
// the box).
using RefusMatrice = Faute;

// What undo puts back: both matrices, their orders and whether they were
// entered.
struct EtatMatrices {
    TMat a, b;
    int tailleA = 2, tailleB = 2;
    bool defA = false, defB = false;
    bool operator==(const EtatMatrices& autre) const;
};

class ModeleMatrice {
public:
    TMat MatA, MatB;
    int TailleA = 2, TailleB = 2;
    bool DefA = false, DefB = false;
    // The matrix the grid shows and edits, if any.
    enum class Grille { Aucune, A, B };
    Grille Editee = Grille::Aucune;
    int TailleMax = 5;
    bool SonsActifs = true;
    // The results shown: a command that succeeds sets its own and leaves
    // the others as the window showed them; a failure changes nothing.
    AffichageMatrice Affichage;

    bool ModeComplexe() const { return TailleMax <= 5; }
    // The mode of the settings; a matrix being edited in the other mode
    // takes an order this one allows.
    void FixeTailleMax(int taille);

    // « A » or « B »: that matrix in the grid, entered as zero the first
    // time, its order as the mode allows; the other matrix untouched.
    void Ouvre(bool a);
    // « OK »: the grid and the list close, a single value stays.
    void FermeGrille();
    // The edited matrix and its order (2 when none is edited).
    TMat& MatEditee() { return Editee == Grille::B ? MatB : MatA; }
    int TailleEditee() const;
    // The order of the edited matrix only.
    void ChangeTaille(int taille);
    // A cell of the edited matrix typed (1-based); false for a text the
    // cell reader refuses, which changes nothing.
    bool EcritCellule(int ligne, int colonne, const std::string& texte);
    // A block of cell texts from (ligne, colonne) on, all read before any is
    // stored: one step. The first refused cell (1-based row, column, text)
    // if any, and nothing changed.
    struct CelluleRefusee {
        int ligne, colonne;
        std::string texte;
    };
    std::optional<CelluleRefusee> ColleBloc(int ligne, int colonne, const std::vector<std::vector<std::string>>& bloc);
    std::optional<RefusMatrice> Echange();
    void Efface();

    // Every change of A or B is one step of undo (200 kept). The results
    // shown were of the matrices undone: they go.
    bool Annule();
    bool Retablit();

    // The commands that can be given now; those of the toolbar and of the
    // operation menus always can (each tells why it refuses).
    enum class Commande { Annuler, Retablir, Ecrire, CopierValeur, CopierListe };
    bool Permise(Commande commande) const;

    // Sum, difference and product put their result in A and empty B;
    // transpose and inverse replace A; then the grid shows A, entered from
    // then on (a result is never cleared by a first opening of A). Cells
    // outside the order are kept.
    std::optional<RefusMatrice> Somme();
    std::optional<RefusMatrice> Difference();
    std::optional<RefusMatrice> Produit();
    void Transpose(); // a transpose of finite cells cannot overflow
    std::optional<RefusMatrice> Inverse();

    // The results, each also shown (Affichage). A result beyond extended
    // precision is refused with "Dépassement de capacité ." and changes
    // nothing, like every other refusal.
    std::optional<RefusMatrice> Trace(TComplexe& t);
    std::optional<RefusMatrice> Rang(int& rang, TMat& forme);
    std::optional<RefusMatrice> Det(TComplexe& d);
    std::optional<RefusMatrice> Polynome(TVecteur& p);
    // The eigenvalues: for orders 2 to 4 the roots of the characteristic
    // polynomial, beyond by the QR algorithm, with the largest residual
    // |Av - λv| / (|A| |v|) of its pairs.
    std::optional<RefusMatrice> ValeursPropres(std::vector<TComplexe>& x, Etendu* residu = nullptr);
    // A x = b with b the first column of B.
    std::optional<RefusMatrice> Systeme(std::vector<TComplexe>& x);

private:
    struct Etape {
        EtatMatrices avant, apres;
    };
    EtatMatrices Etat() const;
    void Restaure(const EtatMatrices& etat);
    // Runs a change; a step of undo when it changed something.
    template <class Changement>
    auto Change(Changement changement);

    Annulation<Etape> annulation_;
    std::optional<RefusMatrice> Combine(TMat (*operation)(const TMat&, const TMat&),
                                        const char* refus);
    void RemplaceBlocA(const TMat& resultat);
    std::optional<RefusMatrice> InverseSurPlace();
    // A new A from a command, shown in the grid.
    void MontreA();
};
