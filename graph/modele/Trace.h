#pragma once
// The plots of the four kinds of curves and of the derivative curves, as
// values: what to draw on the area and what to tell the user. Nothing here
// touches a widget; the window paints the drawing and shows the message.
#include "funclang/Programme.h"
#include "graph/modele/Dessin.h"
#include "graph/modele/Vue.h"

#include <functional>
#include <optional>
#include <string>

// The most samples a curve in x takes over its whole study interval: 31
// times the samples of a window at 10 points per pixel. Beyond it only the
// window's part of the interval is sampled (the others cannot set a pixel),
// so a study interval of any width draws the whole visible curve.
inline constexpr long EchantillonsMax = 100000;
// The most samples of a polar or parametric curve, whose points may fall
// in the window at any value of t: about a second of a simple function.
// Reaching it ends the plot with what was computed, and says so.
inline constexpr long EchantillonsMaxT = 2000000;
inline constexpr const char* TraceIncomplet = "Tracé incomplet : trop de points à calculer .";
inline constexpr const char* TraceInterrompu = "Tracé interrompu .";
// The samples of a long curve are computed in blocks of BlocEchantillons
// on every core once the curve has EchantillonsParalleles samples. Below,
// one thread: a cheap function (sin(x)/x over a window at 10 ppp, 3,200
// samples) loses more to starting threads and filling fresh buffers than
// it gains (bench/: PolaireCourte, Cartesienne).
inline constexpr std::size_t BlocEchantillons = 8192;
inline constexpr std::size_t EchantillonsParalleles = 4096;
// The threads a long sampling runs on: one per core.
unsigned CoeursMachine();
// The primitives a plot holds at once before it hands them to its caller
// (about 1.5 MB), however many samples it takes.
inline constexpr std::size_t DessinMax = 65536;

// Everything a plot reads from the plotter's state.
struct ParametresTrace {
    Vue vue;
    Etendu etudeMin = -3.2L, etudeMax = 3.2L;
    Etendu pas = 0.02L;
    Etendu graduation = 1.0L;
    unsigned coeurs = 0; // the threads that sample a long curve; 0: one per core
};

struct ResultatTrace {
    Dessin dessin; // the axes first, then the curve (what was not handed over)
    // A fault of the text, which stopped the plot (clear the area and tell
    // it), or a warning to tell after the drawing (a plot cut short by its
    // bound).
    std::optional<Faute> faute;
    bool Fatal() const { return faute && faute->genre == GenreErreur::Texte; }
};

// What a plot tells its caller while it runs.
struct Progression {
    // The counter after each sample that counts.
    std::function<void(long)> avance;
    // The samples the plot will take at most, told before the first.
    std::function<void(long)> total = {};
    // The primitives drawn so far, handed over when they reach DessinMax;
    // the plot goes on with an empty drawing. Without it they all stay in
    // the result.
    std::function<void(Dessin&)> vide = {};
    // Asked after each sample, also from the threads that sample a long
    // curve: true when the user stopped the plot, which then ends with what
    // it drew (no warning).
    std::function<bool()> arret = {};
};

// A plot as a computation of its own, holding what it reads.
using CalculTrace = std::function<ResultatTrace(const Progression&)>;

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
