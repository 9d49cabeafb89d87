// Whole plots as the plotter draws them: sampling, evaluation, joining and
// painting on the 320 x 240 image, in milliseconds, each beside the same
// loop over the formula compiled as C++.
#include "funclang/Normalisation.h"
#include "funclang/Programme.h"
#include "graph/modele/Etude.h"
#include "graph/modele/ModeleGraphe.h"
#include "graph/modele/Suivi.h"
#include "graph/modele/TableauValeurs.h"
#include "graph/modele/Trace.h"
#include "graph/modele/TypeCourbe.h"
#include "graph/toile/Toile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace {
// A journal nobody reads, for a computation whose failures the caller
// checks otherwise.
Journal& Jete()
{
    static Journal j;
    j.clear();
    return j;
}
} // namespace

namespace {

const Progression SansProgression{[](long) {}};

ParametresTrace Parametres(int precision)
{
    ParametresTrace p;
    p.pas = PasDe(p.vue, precision);
    return p;
}

std::string Somme20()
{
    std::string s = "sin(x)";
    for (int k = 2; k <= 20; ++k)
        s += "+sin(" + std::to_string(k) + "*x)/" + std::to_string(k);
    return s;
}

Etendu Somme20Lambda(Etendu x)
{
    Etendu s = 0.0L;
    for (int k = 1; k <= 20; ++k)
        s += std::sin(k * x) / k;
    return s;
}

template <class Trace>
void Mesure(benchmark::State& etat, Trace trace)
{
    QImage image = NouvelleImage();
    for (auto _ : etat) {
        EffaceImage(image);
        const ResultatTrace r = trace();
        Peint(image, r.dessin);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void Cartesienne(benchmark::State& etat, const char* saisie, int precision)
{
    const std::string texte = saisie ? *NormaliseFonction(saisie, TypeCourbe::Carte, Jete())
                                     : *NormaliseFonction(Somme20(), TypeCourbe::Carte, Jete());
    const ParametresTrace p = Parametres(precision);
    Mesure(etat, [&] { return TraceCartesienne(p, texte, SansProgression); });
}

void CartesienneLambda(benchmark::State& etat, Etendu (*f)(Etendu), int precision)
{
    const ParametresTrace p = Parametres(precision);
    const FonctionCourbe g = [f](Etendu x) {
        const Etendu y = f(x);
        return std::isfinite(y) ? Evaluation{y, std::nullopt} : Evaluation{0.0L, Faute{"Division par zéro ."}};
    };
    Mesure(etat, [&] { return TraceCartesienne(p, g, SansProgression); });
}

Etendu SinXSurX(Etendu x) { return std::sin(x) / x; }

BENCHMARK_CAPTURE(Cartesienne, sinx_sur_x_1ppp, "sin(x)/x", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CartesienneLambda, sinx_sur_x_1ppp, SinXSurX, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cartesienne, sinx_sur_x_10ppp, "sin(x)/x", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CartesienneLambda, sinx_sur_x_10ppp, SinXSurX, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cartesienne, somme20_10ppp, nullptr, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CartesienneLambda, somme20_10ppp, Somme20Lambda, 10)->Unit(benchmark::kMillisecond);
// 100,000 samples where every one fails (a logarithm of a negative number)
// against the same composite defined everywhere: a failure costs what a
// value costs, and none is kept.
void CentMilleEchantillons(benchmark::State& etat, const char* saisie)
{
    const std::string texte = *NormaliseFonction(saisie, TypeCourbe::Carte, Jete());
    ParametresTrace p = Parametres(10);
    p.etudeMin = -50000.0L * p.pas;
    p.etudeMax = 49999.0L * p.pas;
    Mesure(etat, [&] { return TraceCartesienne(p, texte, SansProgression); });
}
BENCHMARK_CAPTURE(CentMilleEchantillons, partout_indefinie, "ln(-1-x^2)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CentMilleEchantillons, partout_definie, "ln(1+x^2)")->Unit(benchmark::kMillisecond);

void RosePolaire(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("sin(4*t)", TypeCourbe::Polr, Jete());
    const ParametresTrace p = Parametres(1);
    Mesure(etat, [&] { return TracePolaire(p, texte, SansProgression); });
}
BENCHMARK(RosePolaire)->Unit(benchmark::kMillisecond);

// A polar curve at the bound of its samples (2,000,000, study interval
// 0 .. 40,000 by 0.02), its primitives painted as the plot hands them over;
// sampled on as many threads as the argument says (0: one per core).
void PolaireAuMaximum(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("sin(t)", TypeCourbe::Polr, Jete());
    ParametresTrace p = Parametres(1);
    p.etudeMin = 0.0L;
    p.etudeMax = 40000.0L;
    p.coeurs = static_cast<unsigned>(etat.range(0));
    QImage image = NouvelleImage();
    Progression suivi{[](long) {}};
    suivi.vide = [&image](Dessin& d) { Peint(image, d); };
    for (auto _ : etat) {
        EffaceImage(image);
        const ResultatTrace r = TracePolaire(p, texte, suivi);
        Peint(image, r.dessin);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(PolaireAuMaximum)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The threshold of the sampling on every core: a polar curve of n samples
// on one thread and on two.
void PolaireCourte(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("sin(t)", TypeCourbe::Polr, Jete());
    ParametresTrace p = Parametres(1);
    p.etudeMin = 0.0L;
    p.etudeMax = static_cast<Etendu>(etat.range(0)) * p.pas;
    p.coeurs = static_cast<unsigned>(etat.range(1));
    Mesure(etat, [&] { return TracePolaire(p, texte, SansProgression); });
}
// From « Arrêter » to the end of the plot: the polar 20-term sum at 10 ppp
// over -2000 .. 2000, stopped 100 ms after its start, as the plotter's job
// stops it.
void ArretDuTrace(benchmark::State& etat)
{
    std::string somme = Somme20();
    std::replace(somme.begin(), somme.end(), 'x', 't');
    const std::string texte = *NormaliseFonction(somme, TypeCourbe::Polr, Jete());
    ParametresTrace p = Parametres(10);
    p.etudeMin = -2000.0L;
    p.etudeMax = 2000.0L;
    for (auto _ : etat) {
        std::atomic<bool> arret{false};
        Progression suivi{[](long) {}};
        suivi.arret = [&arret] { return arret.load(); };
        std::chrono::steady_clock::time_point fin;
        std::thread trace([&] {
            benchmark::DoNotOptimize(TracePolaire(p, texte, suivi));
            fin = std::chrono::steady_clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto debut = std::chrono::steady_clock::now();
        arret = true;
        trace.join();
        etat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
    }
}
BENCHMARK(ArretDuTrace)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

BENCHMARK(PolaireCourte)->ArgsProduct({{128, 256, 512, 1024, 4096}, {1, 2}})->Unit(benchmark::kMicrosecond);

// A parabola over a study interval of +-1E12: only the window's part.
void ParaboleIntervalleImmense(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("x^2", TypeCourbe::Carte, Jete());
    ParametresTrace p = Parametres(1);
    p.etudeMin = -1E12L;
    p.etudeMax = 1E12L;
    Mesure(etat, [&] { return TraceCartesienne(p, texte, SansProgression); });
}
BENCHMARK(ParaboleIntervalleImmense)->Unit(benchmark::kMillisecond);

// The circle typed in the natural order: coefficients from the expanded text.
void CercleConiqueDansLOrdre(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("x^2+y^2-1", TypeCourbe::Cone, Jete());
    const ParametresTrace p = Parametres(1);
    Mesure(etat, [&] { return TraceConique(p, texte, SansProgression); });
}
BENCHMARK(CercleConiqueDansLOrdre)->Unit(benchmark::kMillisecond);

void CercleConique(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("y^2+x^2-1", TypeCourbe::Cone, Jete());
    const ParametresTrace p = Parametres(1);
    Mesure(etat, [&] { return TraceConique(p, texte, SansProgression); });
}
BENCHMARK(CercleConique)->Unit(benchmark::kMillisecond);

void DeriveeSinXSurX(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction("sin(x)/x", TypeCourbe::Carte, Jete());
    const ParametresTrace p = Parametres(1);
    Mesure(etat, [&] { return TraceDeriveeCartesienne(p, texte, SansProgression); });
}
BENCHMARK(DeriveeSinXSurX)->Unit(benchmark::kMillisecond);

} // namespace

namespace {
ModeleGraphe ModeleSinXSurX()
{
    ModeleGraphe m;
    m.InitialiseAffichage();
    m.ChoisitType(TypeCourbe::Carte);
    m.ValideX("sin(x)/x", Jete());
    return m;
}
} // namespace

// One step of trace mode: the marker one column on, its read-outs.
void PasDeSuivi(benchmark::State& etat)
{
    const ModeleGraphe m = ModeleSinXSurX();
    Suivi s;
    s.Commence(m, true);
    int sens = 1;
    for (auto _ : etat) {
        s.Deplace(sens);
        const PointSuivi p = s.Point();
        benchmark::DoNotOptimize(p.y.data());
        sens = -sens;
    }
}
BENCHMARK(PasDeSuivi)->Unit(benchmark::kMicrosecond);

// A table of 100 rows: x, f(x) and f'(x).
void TableauCentLignes(benchmark::State& etat)
{
    const ModeleGraphe m = ModeleSinXSurX();
    for (auto _ : etat) {
        const TableauValeurs t = CalculeTableau(m, -3.2L, 0.064L, 100);
        benchmark::DoNotOptimize(t.lignes.data());
    }
}
BENCHMARK(TableauCentLignes)->Unit(benchmark::kMicrosecond);

namespace {
// The whole study of a 20-term sum on [-10, 10], and one evaluation of f
// with f' and f'' against f alone.
void EtudeSomme20(benchmark::State& etat)
{
    const std::string texte = *NormaliseFonction(Somme20(), TypeCourbe::Carte, Jete());
    for (auto _ : etat)
        benchmark::DoNotOptimize(EtudieFonction(texte, -10.0L, 10.0L).points.size());
}
BENCHMARK(EtudeSomme20)->Unit(benchmark::kMillisecond);

void Somme20SeuleOuDerivees(benchmark::State& etat, bool derivees)
{
    Programme f(*NormaliseFonction(Somme20(), TypeCourbe::Carte, Jete()), 'x');
    Etendu x = 0.1L;
    for (auto _ : etat) {
        if (derivees)
            benchmark::DoNotOptimize(f.ExecuteDerivees(x).seconde.resultat);
        else
            benchmark::DoNotOptimize(f.Execute(x).resultat);
        x += 1E-3L;
    }
}
BENCHMARK_CAPTURE(Somme20SeuleOuDerivees, f, false);
BENCHMARK_CAPTURE(Somme20SeuleOuDerivees, f_et_derivees, true);
} // namespace
