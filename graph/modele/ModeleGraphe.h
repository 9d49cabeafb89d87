#pragma once
// The plotter's state, owned by its window for the life of the program: the
// curve type, the function texts as typed and as normalised, the window,
// the study interval, the tick unit, the precision and the cursors, with
// the rules that change them. No widget behind it: the tests drive it.
#include "funclang/Normalisation.h"
#include "graph/modele/Souris.h"
#include "graph/modele/Trace.h"
#include "graph/modele/TypeCourbe.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

struct ContenuGraphe;

// The read-outs of the parameter panel, as their labels show them.
struct LecturesGraphe {
    std::string xminval, xmaxval, yminval, ymaxval, VarMin, VarMax, Label2, Fine;
};

// The commands whose availability the plotter's events set and clear (a
// command keeps its state until an event changes it).
struct EtatCommandes {
    bool somme = false;       // the integral and the extremum, by button and menu
    bool zeroMenu = false;
    bool zeroBouton = false;
    bool derivees = false;
    bool zoomBouton = false;
    bool zoomMenu = false;    // in the drawing area's context menu
    bool menuCalculs = false; // integral, zero and extremum in the context menu
    bool operator==(const EtatCommandes&) const = default;
};

// The plotter's commands whose availability changes; the window knows
// their controls.
enum class Commande {
    ZoomBouton,
    ZoomMenu,
    Integrale,
    Extremum,
    ZeroBouton,
    ZeroMenu,
    Derivees,
    CalculsContextuels,
    PlusPrecis,
    MoinsPrecis,
    TableauValeurs,
    SuiviCourbe,
};
inline constexpr std::size_t NombreCommandes = static_cast<std::size_t>(Commande::SuiviCourbe) + 1;

class EnsembleCommandes {
public:
    void Met(Commande c, bool active) { bits_.set(static_cast<std::size_t>(c), active); }
    bool Contient(Commande c) const { return bits_.test(static_cast<std::size_t>(c)); }
    bool operator==(const EnsembleCommandes&) const = default;

private:
    std::bitset<NombreCommandes> bits_;
};

// The text of a cursor read-out without a cursor.
inline constexpr const char* SansValeur = "---";

class ModeleGraphe {
public:
    TypeCourbe Type = TypeCourbe::Aucune;
    bool FoncXValidee = false;
    bool FoncYValidee = false;
    std::string SaisieFx, SaisieRo, SaisieXt, SaisieYt, SaisieConique;
    std::string ExprFx, ExprRo, ExprXt, ExprYt, ExprConique;

    // The view: the step always follows the window and the precision.
    const Vue& Fenetre() const { return fenetre_; }
    Etendu EtudeMin() const { return etudeMin_; }
    Etendu EtudeMax() const { return etudeMax_; }
    Etendu Graduation() const { return graduation_; }
    int Precision() const { return precision_; }
    Etendu Pas() const { return pas_; }

    // The cursors, changed only by the events below.
    const Curseurs& Souris() const { return souris_; }

    bool SonsActifs = true; // the "Sons" setting, read on every activation

    // The typed text of the first field for the current type (empty text
    // for no type), and what the fields show after a change of type.
    const std::string& SaisieX() const;
    std::string& SaisieX();
    std::string& ExprX();

    // Choosing a type: its typed texts come back, both fields must be
    // validated again.
    void ChoisitType(TypeCourbe type);

    // Refusee: normalisation refused the text, a typo fails it at every
    // value, or a conic is no polynomial of degree 2 at most in y; the
    // journal says why.
    enum class Saisie { Vide, Refusee, Validee };
    // Enter in the first field or in the y(t) field: the text is kept as
    // typed and normalised for the type. An empty text only beeps; a text
    // that normalisation refuses is kept and clears the field's validation.
    // What normalisation found goes to the journal.
    Saisie ValideX(const std::string& texte, Journal& journal);
    Saisie ValideY(const std::string& texte, Journal& journal);

    // A graph file loaded: its type and typed texts, validated and
    // normalised as on Enter (the typed texts of the other types emptied),
    // and its view as the file gives it, the window put around the origin.
    void Charge(const ContenuGraphe& contenu, Journal& journal);
    // "&Fermer": no type, nothing validated, the typed texts emptied.
    void Ferme();

    // Each showing of the window: defaults of the view and no type.
    void InitialiseAffichage();
    void ChangePrecision(int precision);
    // The study interval from its dialog, as typed.
    void ChangeIntervalle(Etendu min, Etendu max);

    // Sets the window and makes the closing steps of every window change:
    // the step, and the study interval reset to the x range. False, with
    // nothing changed, for a window the plotter cannot map.
    bool ChangeFenetre(const Vue& vue);
    // "Ajuster Y": the window with Y min and Y max from the values of the
    // validated cartesian f at the pixel columns of [X min, X max] (the
    // failures left out), with a margin of 5 % each side; a constant f gets
    // its value ± 1. None without such an f or without any value.
    std::optional<Vue> FenetreAjusteeEnY() const;
    // The window typed by the user, put around the origin with the step of
    // the current window.
    // The tick unit from the dialog: its absolute value, 1 for 0.
    void ChangeGraduation(Etendu graduation);
    // A zoom multiplies the tick unit as it does the window.
    void MultiplieGraduation(Etendu facteur) { graduation_ *= facteur; }
    // "Réinitialisation des paramètres de traçage": the defaults of the
    // view, the curve and its texts kept.
    void Reinitialise();

    void OublieCurseurs() { souris_.Oublie(); }
    void CurseursAuxCoins() { souris_.AuxCoins(fenetre_); }
    // The pointer moved to (X, Y) with the rubber band now covering bande.
    void EtireBande(const Zone& bande, int X, int Y) { souris_.Etire(bande, X, Y); }

    ParametresTrace Parametres() const;
    // The read-outs of the current view in their display forms.
    LecturesGraphe Lectures() const;

    // What the read-outs show (the labels show these texts; saving writes
    // them): the panel, the precision alone, and the cursors.
    const LecturesGraphe& Textes() const { return textes_; }
    void MontreParametres() { textes_ = Lectures(); }
    void MontrePrecision() { textes_.Fine = Lectures().Fine; }
    // Cur1X, Cur1Y, Cur2X, Cur2Y.
    const std::array<std::string, 4>& TextesCurseurs() const { return textesCurseurs_; }
    void MontreCurseur(int rang);
    void CacheCurseurs();
    // Cursor 1's read-outs show its values: the integral, the zero and the
    // extremum take their interval from them.
    bool Curseur1Montre() const { return curseur1Montre_; }
    // The eight texts of a graph file's view, as the read-outs show them.
    std::array<std::string, 8> TextesFichier() const;
    // The bytes "Enregistrer" would write now.
    std::string OctetsFichier() const;
    // Whether quitting would lose something: the file saving would write
    // differs from the one last loaded or saved, or, for a new graph, a
    // curve has been drawn.
    bool Modifie() const;
    // The graph as it stands is the one in its file (loaded, or saved).
    void FichierAJour() { fichier_ = OctetsFichier(); }
    // A new graph, in no file yet.
    void NouveauGraphe()
    {
        fichier_.reset();
        courbeDessinee_ = false;
    }
    // What the drawing area shows, told to a screen reader: the curve of the
    // current type when one is drawn, with its typed texts, and the window,
    // numbers as "Copier" writes them.
    std::string DescriptionEcran(bool courbe) const;

    // The commands, as the events below leave them.
    const EtatCommandes& Commandes() const { return commandes_; }
    // Each activation of the window: the cursors dropped and hidden.
    void Activation();
    // Every clearing of the area: the cursors dropped, their values at the
    // window's corners, the read-outs kept.
    void ApresEffacement();
    // The type's presentation, after a choice of type or a file.
    void ApresPresentation();
    // "Go ..." on a cartesian curve.
    void ApresCalcul();
    // The commands between the cursors go (erase, scales, zoom).
    void SansCalculs();
    void ClicDroit();
    // A left click with both cursors placed: they go (the window first
    // restores the band's pixels).
    void TroisiemeClic();
    // Cursor 1 alone, on the point (x, y) itself (a study's result): its
    // pixel the nearest one, inside the area.
    void PlaceCurseur1(Etendu x, Etendu y);
    // A left click placing the next cursor.
    Curseurs::Clic ClicGauche(int X, int Y);
    // After the integral or the zero, by the tool button or by a menu.
    void ApresCalculCurseurs(bool parMenu);
    // After the zoom on the cursors.
    void ApresZoomCurseurs();

    // What the area shows since it was last cleared: a curve, its
    // derivative curves.
    bool CourbeTracee() const { return courbeTracee_; }
    bool DeriveesTracees() const { return deriveesTracees_; }
    void NoteCourbe() { courbeTracee_ = courbeDessinee_ = true; }
    void NoteDerivees() { deriveesTracees_ = true; }

    // The curve of "Go ..." and of a replot: none when the fields of the
    // current type are not validated. The Calcul functions give the plot as
    // a computation that holds copies of what it reads, to run elsewhere.
    bool PeutTracer() const;
    std::optional<CalculTrace> CalculCourant() const;
    std::optional<CalculTrace> CalculDuType() const;
    CalculTrace CalculDerivee(int rang) const;
    std::optional<ResultatTrace> TraceCourant(const Progression& progression) const;
    // The curve of the current type drawn whether or not its fields were
    // validated (an empty text draws the constant 0); none without a type.
    std::optional<ResultatTrace> TraceDuType(const Progression& progression) const;
    // The derivative curves: one for a cartesian curve, two (x'(t) then
    // y'(t)) for a parametric one, none otherwise or before validation.
    int NombreDerivees() const;
    ResultatTrace TraceDerivee(int rang, const Progression& progression) const;

private:
    // A typo of the current type's text, told once in the journal.
    bool Refuse(const std::string& expr, Journal& journal) const;

    void RecalculePas() { pas_ = PasDe(fenetre_, precision_); }

    Vue fenetre_;
    Etendu etudeMin_ = -3.2L, etudeMax_ = 3.2L;
    Etendu graduation_ = 1.0L;
    int precision_ = 1;
    Etendu pas_ = 0.02L;
    LecturesGraphe textes_ = Lectures();
    Curseurs souris_;
    std::array<std::string, 4> textesCurseurs_{SansValeur, SansValeur, SansValeur, SansValeur};
    bool curseur1Montre_ = false;
    EtatCommandes commandes_;
    bool courbeTracee_ = false, deriveesTracees_ = false;
    // The file last loaded or saved, as this program writes it; whether a
    // curve was drawn since the graph was new.
    std::optional<std::string> fichier_;
    bool courbeDessinee_ = false;
    // The text of a file whose keyword names no type: shown, never drawn.
    std::string saisieSansType_, exprSansType_;
};

// Which commands the window enables: one pure function of the model.
EnsembleCommandes CommandesActives(const ModeleGraphe& m);
