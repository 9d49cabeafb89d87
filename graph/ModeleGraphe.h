#pragma once
// The plotter's state, owned by its window for the life of the program: the
// curve type, the function texts as typed and as normalised, the window,
// the study interval, the tick unit, the precision and the cursors, with
// the rules that change them. No widget behind it: the tests drive it.
#include "funclang/Normalisation.h"
#include "graph/Souris.h"
#include "graph/Trace.h"

#include <optional>
#include <string>

struct ContenuGraphe;

// The read-outs of the parameter panel, as their labels show them.
struct LecturesGraphe {
    std::string xminval, xmaxval, yminval, ymaxval, VarMin, VarMax, Label2, Fine;
};

class ModeleGraphe {
public:
    TypeCourbe Type = TypeCourbe::Aucune;
    bool FoncXValidee = false;
    bool FoncYValidee = false;
    std::string SaisieFx, SaisieRo, SaisieXt, SaisieYt, SaisieConique;
    std::string ExprFx, ExprRo, ExprXt, ExprYt, ExprConique;

    Vue Fenetre;
    Etendu EtudeMin = -3.2L, EtudeMax = 3.2L;
    Etendu Graduation = 1.0L;
    int Precision = 1;
    Etendu Pas = 0.02L;

    Curseurs Souris;

    bool SonsActifs = true; // the "Sons" setting, read on every activation

    // The typed text of the first field for the current type (empty text
    // for no type), and what the fields show after a change of type.
    const std::string& SaisieX() const;
    std::string& SaisieX();
    std::string& ExprX();

    // Choosing a type: its typed texts come back, both fields must be
    // validated again.
    void ChoisitType(TypeCourbe type);

    // Refusee: normalisation refused the text, or a conic is no polynomial
    // of degree 2 at most in y; the journal says why.
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
    // Recomputes Pas from the window and the precision.
    void RecalculePas() { Pas = PasDe(Fenetre, Precision); }
    void ChangePrecision(int precision);

    // Sets the window and makes the closing steps of every window change:
    // the step, and the study interval reset to the x range. False, with
    // nothing changed, for a window the plotter cannot map.
    bool ChangeFenetre(const Vue& vue);
    // The window typed by the user, put around the origin with the step of
    // the current window.
    Vue Normalisee(Vue vue) const;
    // The tick unit from the dialog: its absolute value, 1 for 0.
    void ChangeGraduation(Etendu graduation);
    // "Réinitialisation des paramètres de traçage": the defaults of the
    // view, the curve and its texts kept.
    void Reinitialise();

    void OublieCurseurs() { Souris.Oublie(); }
    void CurseursAuxCoins() { Souris.AuxCoins(Fenetre); }

    ParametresTrace Parametres() const;
    LecturesGraphe Lectures() const;

    // The curve of "Go ..." and of a replot: none when the fields of the
    // current type are not validated.
    bool PeutTracer() const;
    std::optional<ResultatTrace> TraceCourant(const Progression& progression) const;
    // The curve of the current type drawn whether or not its fields were
    // validated (an empty text draws the constant 0); none without a type.
    std::optional<ResultatTrace> TraceDuType(const Progression& progression) const;
    // The derivative curves: one for a cartesian curve, two (x'(t) then
    // y'(t)) for a parametric one, none otherwise or before validation.
    int NombreDerivees() const;
    ResultatTrace TraceDerivee(int rang, const Progression& progression) const;

private:
    // The text of a file whose keyword names no type: shown, never drawn.
    std::string saisieSansType_, exprSansType_;
};
