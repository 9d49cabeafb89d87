#include "numerics/Racines.h"

#include <cmath>

namespace {

// Every constant is a complex with a zero imaginary part, and every step is
// one complex operation: the rounding of each step is part of the result.
constexpr TComplexe Reel(Etendu x) { return Complexe(x, 0.0L); }

TComplexe Plus(TComplexe a, TComplexe b) { TComplexe r; CSomme(a, b, r); return r; }
TComplexe Moins(TComplexe a, TComplexe b) { TComplexe r; CDifference(a, b, r); return r; }
TComplexe Fois(TComplexe a, TComplexe b) { TComplexe r; CProduit(a, b, r); return r; }
TComplexe Oppose(TComplexe a) { TComplexe r; COppose(a, r); return r; }

// A quotient whose divisor is 0 records the error and gives 0.
TComplexe Divise(TComplexe a, TComplexe b, Journal& journal)
{
    TComplexe r = CZero;
    CQuotient(a, b, r, journal);
    return r;
}

TComplexe RacineCubique(TComplexe z)
{
    TComplexe r;
    CRacineCubique(z, r);
    return r;
}

} // namespace

void Racines2(TComplexe a, TComplexe b, TComplexe c, TComplexe& x1, TComplexe& x2, Journal& journal)
{
    const TComplexe delta = Plus(Fois(b, b), Fois(Fois(a, c), Reel(-4.0L)));
    TComplexe s;
    CRacine(delta, s);
    const TComplexe deuxA = Fois(Reel(2.0L), a);
    x1 = Divise(Plus(Fois(Reel(-1.0L), b), s), deuxA, journal);
    x2 = Divise(Plus(Fois(Reel(-1.0L), b), Oppose(s)), deuxA, journal);
}

void Racines3(TComplexe a, TComplexe b, TComplexe c, TComplexe d,
              TComplexe& x1, TComplexe& x2, TComplexe& x3, Journal& journal)
{
    const TComplexe B = Divise(b, a, journal);
    const TComplexe C = Divise(c, a, journal);
    const TComplexe D = Divise(d, a, journal);

    // The roots are y + S, where y solves y^3 + P y + Q = 0.
    const TComplexe S = Fois(Reel(-1.0L / 3.0L), B);

    TComplexe t = Fois(S, Reel(3.0L));
    TComplexe P = Fois(S, t);
    TComplexe u = Fois(Reel(2.0L), B);
    u = Fois(u, S);
    P = Plus(P, u);
    P = Plus(P, C);

    t = Fois(S, S);
    u = Fois(S, t);
    t = Fois(B, t);
    u = Plus(u, t);
    t = Fois(S, C);
    u = Plus(u, t);
    const TComplexe Q = Plus(u, D);

    const TComplexe R = Fois(Fois(P, Fois(P, P)), Reel(-1.0L / 27.0L));

    TComplexe t1, t2;
    Racines2(Reel(1.0L), Q, R, t1, t2, journal);
    // t1 = (-Q + sqrt(delta)) / 2 cancels when sqrt(delta) is nearly Q (a
    // small P): then it is the product of the two roots, R, over t2, which
    // keeps the same branch and the order of the roots. Elsewhere the
    // literal value is accurate and stays.
    if (CModule(t1) < 0.01L * CModule(t2))
        t1 = Divise(R, t2, journal);

    u = RacineCubique(t1);
    const TComplexe w = Fois(Reel(-3.0L), u);
    TComplexe v = EstNul(w) ? RacineCubique(t2) : Divise(P, w, journal);

    const Etendu racine3 = std::sqrt(3.0L);
    const TComplexe j = Complexe(-0.5L, racine3 * 0.5L);
    const TComplexe j2 = Complexe(-0.5L, racine3 * -0.5L);

    u = Fois(u, j);
    v = Fois(v, j2);
    x1 = Plus(Plus(u, v), S);
    u = Fois(u, j);
    v = Fois(v, j2);
    x2 = Plus(Plus(u, v), S);
    u = Fois(u, j);
    v = Fois(v, j2);
    x3 = Plus(Plus(u, v), S);
}

void Racines4(TComplexe a, TComplexe b, TComplexe c, TComplexe d, TComplexe e,
              TComplexe& x1, TComplexe& x2, TComplexe& x3, TComplexe& x4, Journal& journal)
{
    const TComplexe B = Divise(b, a, journal);
    const TComplexe C = Divise(c, a, journal);
    const TComplexe D = Divise(d, a, journal);
    const TComplexe E = Divise(e, a, journal);
    Ferrari(B, C, D, E, x1, x2, x3, x4, journal);
}

void Ferrari(TComplexe B, TComplexe C, TComplexe D, TComplexe E,
             TComplexe& x1, TComplexe& x2, TComplexe& x3, TComplexe& x4, Journal& journal)
{
    // Resolvent cubic y^3 - C y^2 + (BD - 4E) y + (E(4C - B^2) - D^2) = 0.
    const TComplexe k2 = Oppose(C);
    const TComplexe k3 = Plus(Fois(Reel(-4.0L), E), Fois(B, D));
    const TComplexe k4 = Plus(Fois(E, Plus(Fois(Reel(4.0L), C), Oppose(Fois(B, B)))),
                              Oppose(Fois(D, D)));
    TComplexe y1, y2, y3;
    Racines3(Reel(1.0L), k2, k3, k4, y1, y2, y3, journal);

    const TComplexe H = Moins(Fois(Fois(B, B), Reel(0.25L)), C);

    // Candidates in the order y1, y3, y2; ties keep the lower index.
    const TComplexe candidats[3] = {Plus(y1, H), Plus(y3, H), Plus(y2, H)};
    const TComplexe resolvantes[3] = {y1, y3, y2};
    int k = 0;
    if (CModule(candidats[1]) > CModule(candidats[0]))
        k = 1;
    if (CModule(candidats[2]) > CModule(candidats[k]))
        k = 2;
    const TComplexe Y = resolvantes[k];

    TComplexe S;
    CRacine(candidats[k], S);
    if (EstNul(S)) {
        x1 = x2 = x3 = x4 = Fois(Reel(-0.25L), B);
        return;
    }

    TComplexe inverse = CZero;
    CInverse(Fois(Reel(2.0L), S), inverse, journal);
    const TComplexe T = Fois(Moins(Fois(Fois(B, Y), Reel(0.5L)), D), inverse);

    const TComplexe demiB = Divise(B, Reel(2.0L), journal);
    const TComplexe demiY = Divise(Y, Reel(2.0L), journal);
    Racines2(Plus(CZero, Reel(1.0L)), Plus(S, demiB), Plus(T, demiY), x1, x2, journal);
    Racines2(Moins(CZero, Reel(1.0L)), Moins(S, demiB), Moins(T, demiY), x3, x4, journal);
}
