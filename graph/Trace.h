#pragma once
// The plots of the four kinds of curves and of the derivative curves, as
// values: what to draw on the area and what to tell the user. Nothing here
// touches a widget; the window paints the drawing and shows the message.
#include "app/Plateforme.h"
#include "funclang/Programme.h"
#include "graph/Dessin.h"
#include "graph/Vue.h"

#include <functional>
#include <string>

// An evaluation that stops a plot (the text itself is wrong: the area is
// cleared and the message shown once) rather than one undefined sample.
inline bool ErreurFatale(const Evaluation& e) { return e.genre == GenreErreur::Texte; }
Plateforme::Icone IconeDe(const Evaluation& e);

// The most samples one plot takes: a study interval far wider than the
// window (or a step lost against huge values of the variable) would
// otherwise keep the window frozen for minutes. 100,000 samples are 31 times
// the samples of a window at 10 points per pixel.
inline constexpr long EchantillonsMax = 100000;

// Everything a plot reads from the plotter's state.
struct ParametresTrace {
    Vue vue;
    Etendu etudeMin = -3.2L, etudeMax = 3.2L;
    Etendu pas = 0.02L;
    Etendu graduation = 1.0L;
};

struct ResultatTrace {
    Dessin dessin;          // the axes first, then the curve
    bool fatal = false;     // the plot stopped on a wrong text: clear and tell
    std::string message;
    Plateforme::Icone icone = Plateforme::Icone::Erreur;
};

// Called with the progress counter after each sample that counts.
using Progression = std::function<void(long)>;

Dessin TraceAxes(const Vue& vue, Etendu graduation);

ResultatTrace TraceCartesienne(const ParametresTrace& p, const std::string& texte,
                               const Progression& progression);
// The same plot over any function of x: what a text evaluates to, or (in
// the benchmarks) a compiled formula.
using FonctionCourbe = std::function<Evaluation(Etendu)>;
ResultatTrace TraceCartesienne(const ParametresTrace& p, const FonctionCourbe& f,
                               const Progression& progression);
ResultatTrace TracePolaire(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression);
ResultatTrace TraceParametrique(const ParametresTrace& p, const std::string& texteX,
                                const std::string& texteY, const Progression& progression);
ResultatTrace TraceConique(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression);
// The derivative curve of f(x) in light blue, or for a parametric curve
// one of the two curves (t, x'(t)) in green and (t, y'(t)) in light blue,
// each drawn with the x mapping for t.
ResultatTrace TraceDeriveeCartesienne(const ParametresTrace& p, const std::string& texte,
                                      const Progression& progression);
ResultatTrace TraceDeriveeParametrique(const ParametresTrace& p, const std::string& texte,
                                       Couleur couleur, const Progression& progression);
