// How fast the number text, the evaluators and the matrix kernels are. The
// evaluator rewrites its text at every step, so it is measured next to
// muparser (a compiling evaluator) on the same function, as a ratio.
#include "calc/modele/LigneEntree.h"
#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"
#include "funclang/Normalisation.h"
#include "graph/modele/TypeCourbe.h"
#include "numerics/Matrices.h"
#include "numerics/ValeursPropres.h"

#include <benchmark/benchmark.h>

#ifdef AVEC_MUPARSER
#include <muParser.h>
#endif

namespace {

// A journal nobody reads, for a computation whose failures the caller
// checks otherwise.
Journal& Jete()
{
    static Journal j;
    j.clear();
    return j;
}

void TexteNombreSeul(benchmark::State& etat)
{
    Etendu x = 1.0L / 3.0L;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(TexteNombre(x));
        x = x * 1.0001L;
    }
}
BENCHMARK(TexteNombreSeul);

// One point of a plot of sin(x)/x, as the plotter evaluates it.
void EvalueSinXSurX(benchmark::State& etat)
{
    const std::string interne = *NormaliseFonction("sin(x)/x", TypeCourbe::Carte, Jete());
    Etendu x = 0.1L;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(Evalue(interne, 'x', x));
        x = x + 0.001L;
    }
}
BENCHMARK(EvalueSinXSurX);

void EvaluePolynome(benchmark::State& etat)
{
    const std::string interne = *NormaliseFonction("3*x^4-2*x^3+x^2-5*x+7", TypeCourbe::Carte, Jete());
    Etendu x = 0.1L;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(Evalue(interne, 'x', x));
        x = x + 0.001L;
    }
}
BENCHMARK(EvaluePolynome);

#ifdef AVEC_MUPARSER
void MuParser(benchmark::State& etat, const char* expression)
{
    double x = 0.1;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.SetExpr(expression);
    for (auto _ : etat) {
        benchmark::DoNotOptimize(p.Eval());
        x = x + 0.001;
    }
}
BENCHMARK_CAPTURE(MuParser, SinXSurX, "sin(x)/x");
BENCHMARK_CAPTURE(MuParser, Polynome, "3*x^4-2*x^3+x^2-5*x+7");
#endif

void PuissanceEntiereGeante(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(Evalue("x^2147483647", 'x', 1.0L));
}
BENCHMARK(PuissanceEntiereGeante);

void TexteLong(benchmark::State& etat)
{
    std::string saisie;
    for (int i = 0; i < 4999; ++i)
        saisie += "x+";
    saisie += "x";
    const std::string interne = *NormaliseFonction(saisie, TypeCourbe::Carte, Jete());
    for (auto _ : etat)
        benchmark::DoNotOptimize(Evalue(interne, 'x', 1.5L));
}
BENCHMARK(TexteLong)->Unit(benchmark::kMillisecond);

void LigneDeCalcul(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(EvalueLigne("2+3*sin(1)-racine(2)/7", 0, Jete()));
}
BENCHMARK(LigneDeCalcul);

TMat MatriceDix()
{
    TMat m;
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 10; ++j)
            m(i, j) = Complexe(i == j ? 10.0L : 1.0L / (i + j), 0.0L);
    return m;
}

void InverseDix(benchmark::State& etat)
{
    const TMat m = MatriceDix();
    for (auto _ : etat) {
        TMat r;
        bool ok;
        ok = !InverseMat(10, m, r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(InverseDix)->Unit(benchmark::kMillisecond);

void PolynomeCaracteristiqueDix(benchmark::State& etat)
{
    const TMat m = MatriceDix();
    for (auto _ : etat)
        benchmark::DoNotOptimize(PolyCaract(10, m));
}
BENCHMARK(PolynomeCaracteristiqueDix);

// The eigenvalues of a 10 x 10 by the QR algorithm, with the residual of
// each pair; and of a non-symmetric one with complex pairs.
void ValeursPropresDix(benchmark::State& etat, bool symetrique)
{
    TMat m = MatriceDix();
    if (!symetrique)
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j < i; ++j)
                m(i, j) = Complexe(-m(i, j).Re * 30.0L, 0.0L);
    for (auto _ : etat)
        benchmark::DoNotOptimize(ValeursPropresQR(m, 10).residu);
}
BENCHMARK_CAPTURE(ValeursPropresDix, symetrique, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ValeursPropresDix, paires_complexes, false)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
