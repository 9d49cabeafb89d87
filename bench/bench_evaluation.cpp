// One evaluation of four functions at the 3,200 points of a plot over
// [-10, 10], by the text evaluator that defines the results ("texte"), the
// compiled program ("compile"), the same formula compiled as C++ ("lambda")
// and muparser when it is installed. Named Evaluation/<function>/<path>,
// one iteration being one evaluation, so that the ratios read from
// --benchmark_format=json.
#include "funclang/Normalisation.h"
#include "funclang/Programme.h"
#include "graph/modele/TypeCourbe.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

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

struct Cas {
    const char* nom;
    std::string saisie;
    std::string muparser;
    long double (*lambda)(long double);
};

std::string Somme20(const char* sin, const char* fois)
{
    std::string s = std::string(sin) + "(x)";
    for (int k = 2; k <= 20; ++k)
        s += std::string("+") + sin + "(" + std::to_string(k) + fois + "x)/" + std::to_string(k);
    return s;
}

const Cas Les[] = {
    {"sinx_sur_x", "sin(x)/x", "sin(x)/x", [](long double x) { return std::sin(x) / x; }},
    {"x2_moins_2", "x^2-2", "x^2-2", [](long double x) { return x * x - 2; }},
    {"racine_cos_ln", "racine(abs(x))*cos(x)^3+ln(x^2+1)", "sqrt(abs(x))*cos(x)^3+ln(x^2+1)",
     [](long double x) {
         const long double c = std::cos(x);
         return std::sqrt(std::fabs(x)) * c * c * c + std::log(x * x + 1);
     }},
    {"somme20", Somme20("sin", "*"), Somme20("sin", "*"),
     [](long double x) {
         long double s = 0;
         for (int k = 1; k <= 20; ++k)
             s += std::sin(k * x) / k;
         return s;
     }},
};

// x runs over the plot's 3,200 points, again and again.
struct Points {
    int i = 0;
    long double Suivant()
    {
        i = (i + 1) % 3200;
        return -10.0L + i * (20.0L / 3200.0L);
    }
};

void Texte(benchmark::State& etat, const Cas* c)
{
    const std::string interne = *NormaliseFonction(c->saisie, TypeCourbe::Carte, Jete());
    Points p;
    for (auto _ : etat)
        benchmark::DoNotOptimize(Evalue(interne, 'x', p.Suivant()));
}

void Compile(benchmark::State& etat, const Cas* c)
{
    Programme programme(*NormaliseFonction(c->saisie, TypeCourbe::Carte, Jete()), 'x');
    Points p;
    for (auto _ : etat)
        benchmark::DoNotOptimize(programme.Execute(p.Suivant()));
}

void Lambda(benchmark::State& etat, const Cas* c)
{
    Points p;
    for (auto _ : etat)
        benchmark::DoNotOptimize(c->lambda(p.Suivant()));
}

#ifdef AVEC_MUPARSER
void MuParser(benchmark::State& etat, const Cas* c)
{
    double x = 0;
    mu::Parser parseur;
    parseur.DefineVar("x", &x);
    parseur.SetExpr(c->muparser);
    Points p;
    for (auto _ : etat) {
        x = static_cast<double>(p.Suivant());
        benchmark::DoNotOptimize(parseur.Eval());
    }
}
#endif

const int Enregistre = [] {
    for (const Cas& c : Les) {
        const std::string base = std::string("Evaluation/") + c.nom + "/";
        benchmark::RegisterBenchmark((base + "texte").c_str(), Texte, &c);
        benchmark::RegisterBenchmark((base + "compile").c_str(), Compile, &c);
        benchmark::RegisterBenchmark((base + "lambda").c_str(), Lambda, &c);
#ifdef AVEC_MUPARSER
        benchmark::RegisterBenchmark((base + "muparser").c_str(), MuParser, &c);
#endif
    }
    return 0;
}();

} // namespace
