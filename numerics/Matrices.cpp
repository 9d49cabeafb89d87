#include "numerics/Matrices.h"

#include "numerics/Racines.h"

#include <cmath>
#include <utility>

namespace {

constexpr int Bord = 10; // the whole-block routines run over rows and columns 1 to 10

TComplexe Plus(TComplexe a, TComplexe b) { TComplexe r; CSomme(a, b, r); return r; }
TComplexe Moins(TComplexe a, TComplexe b) { TComplexe r; CDifference(a, b, r); return r; }
TComplexe Fois(TComplexe a, TComplexe b) { TComplexe r; CProduit(a, b, r); return r; }
// Every divisor of these kernels is a pivot that counts, a determinant that
// is not zero, a whole number or a leading coefficient of ±1: no division
// here can fail, and its journal stays empty.
TComplexe Divise(TComplexe a, TComplexe b)
{
    TComplexe r = CZero;
    Journal jamais;
    CQuotient(a, b, r, jamais);
    return r;
}

// Beside the elimination, for each entry the sum of the sizes of the terms
// it is made of: its value at the start and every product subtracted from
// it. An entry far below that sum is what the rounding of its terms left of
// a cancellation, not a value: the typed 0.1 .. 0.9 matrix is singular,
// although its last pivot comes out near 1E-19 rather than 0. The size of
// a complex is |re| + |im| (within a factor 1.5 of its modulus), which
// neither underflows for 1E-4000 nor overflows for 1E4000 as re² + im² would.
using Tailles = std::array<std::array<Etendu, 12>, 12>;

Etendu Taille(TComplexe z) { return std::fabs(z.Re) + std::fabs(z.Im); }

Tailles TaillesDe(const TMat& t)
{
    Tailles s{};
    for (int i = 1; i <= 11; ++i)
        for (int j = 1; j <= 11; ++j)
            s[i][j] = Taille(t(i, j));
    return s;
}

// An entry that counts as zero in a matrix of order n: exactly zero, or
// below n x 1E-15 of its terms (a sum beyond every number decides nothing).
bool Negligeable(TComplexe v, Etendu taille, int n)
{
    if (v.Re == 0.0L && v.Im == 0.0L)
        return true;
    return std::isfinite(taille) && Taille(v) < n * 1E-15L * taille;
}

// One elimination step below row k with pivot column c: row i gets
// T(i,j) - (T(i,c) x T(k,j)) / P for j = c..m, from the values the row had
// before the step.
void Elimine(TMat& t, Tailles& s, int n, int m, int k, int c, TComplexe pivot)
{
    for (int i = k + 1; i <= n; ++i) {
        const TComplexe facteur = t(i, c);
        for (int j = c; j <= m; ++j) {
            const TComplexe terme = Divise(Fois(facteur, t(k, j)), pivot);
            t(i, j) = Moins(t(i, j), terme);
            s[i][j] += Taille(terme);
        }
    }
}

// The row from `depuis` to n with the largest modulus in column c (the first
// of equals).
int LigneDuPlusGrand(const TMat& t, int n, int c, int depuis)
{
    int meilleure = depuis;
    for (int i = depuis + 1; i <= n; ++i)
        if (CModule(t(i, c)) > CModule(t(meilleure, c)))
            meilleure = i;
    return meilleure;
}

// A pivot is small when it is below a tenth of the largest candidate of its
// column: eliminating with it would lose every digit (1E-20 against 1).
bool PivotPetit(TComplexe pivot, TComplexe plusGrand)
{
    return CModule(pivot) < 0.1L * CModule(plusGrand);
}

void EchangeLignes(TMat& t, Tailles& s, int a, int b, int depuis, int jusqua)
{
    for (int j = depuis; j <= jusqua; ++j) {
        std::swap(t(a, j), t(b, j));
        std::swap(s[a][j], s[b][j]);
    }
}

} // namespace

void ZeroMat(TMat& m) { m = TMat{}; }

TMat BlocMat(const TMat& m, int n)
{
    TMat b;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            b(i, j) = m(i, j);
    return b;
}

TMat SommeMat(const TMat& a, const TMat& b)
{
    TMat c;
    for (int i = 1; i <= Bord; ++i)
        for (int j = 1; j <= Bord; ++j)
            c(i, j) = Plus(a(i, j), b(i, j));
    return c;
}

TMat DiffMat(const TMat& a, const TMat& b)
{
    TMat c;
    for (int i = 1; i <= Bord; ++i)
        for (int j = 1; j <= Bord; ++j)
            c(i, j) = Moins(a(i, j), b(i, j));
    return c;
}

TMat ProduitMat(const TMat& a, const TMat& b)
{
    TMat c;
    for (int i = 1; i <= Bord; ++i)
        for (int j = 1; j <= Bord; ++j) {
            TComplexe s = CZero;
            for (int k = 1; k <= Bord; ++k)
                s = Plus(s, Fois(a(i, k), b(k, j)));
            c(i, j) = s;
        }
    return c;
}

TMat TransposeMat(const TMat& m)
{
    TMat r;
    for (int i = 1; i <= Bord; ++i)
        for (int j = 1; j <= Bord; ++j)
            r(j, i) = m(i, j);
    return r;
}

TComplexe TraceMat(const TMat& m)
{
    TComplexe t = CZero;
    for (int i = 1; i <= Bord; ++i)
        t = Plus(t, m(i, i));
    return t;
}

void Triangule(int n, int m, const TMat& mat, TMat& t, int& signe)
{
    signe = 1;
    t = mat;
    Tailles s = TaillesDe(t);
    for (int k = 1; k <= n - 1; ++k) {
        TComplexe pivot = t(k, k);
        if (Negligeable(pivot, s[k][k], n)) {
            // The first row below whose entry counts.
            int i = k + 1;
            while (i <= n && Negligeable(t(i, k), s[i][k], n))
                ++i;
            if (i > n) {
                ZeroMat(t);
                return;
            }
            EchangeLignes(t, s, i, k, k, m);
            signe = -signe;
            pivot = t(k, k);
        }
        // A pivot that is zero in all but name: the largest of the column.
        const int meilleure = LigneDuPlusGrand(t, n, k, k);
        if (PivotPetit(pivot, t(meilleure, k))) {
            EchangeLignes(t, s, meilleure, k, k, m);
            signe = -signe;
            pivot = t(k, k);
        }
        Elimine(t, s, n, m, k, k, pivot);
    }
    // The last diagonal element is no pivot, but it decides too.
    if (n >= 2 && Negligeable(t(n, n), s[n][n], n))
        t(n, n) = CZero;
}

TComplexe Determinant(int n, const TMat& m)
{
    if (n == 1)
        return m(1, 1);
    TMat t;
    int signe;
    Triangule(n, n, m, t, signe);
    TComplexe d = Complexe(1.0L, 0.0L);
    for (int i = 1; i <= n; ++i)
        d = Fois(d, t(i, i));
    if (signe == -1)
        COppose(d, d);
    return d;
}

void RangMat(int n, const TMat& m, int& rang, TMat& t)
{
    // The elimination of Triangule, except that a column without a pivot is
    // passed over instead of ending in the zero matrix: a matrix that never
    // meets such a column gets exactly Triangule's form. What counts as zero
    // is shown as zero.
    t = m;
    Tailles s = TaillesDe(t);
    rang = 0;
    int ligne = 1;
    for (int c = 1; c <= n && ligne <= n; ++c) {
        int i = ligne;
        while (i <= n && Negligeable(t(i, c), s[i][c], n))
            ++i;
        if (i > n) {
            for (int r = ligne; r <= n; ++r)
                t(r, c) = CZero;
            continue;
        }
        const int meilleure = LigneDuPlusGrand(t, n, c, ligne);
        if (PivotPetit(t(i, c), t(meilleure, c)))
            i = meilleure;
        if (i != ligne)
            EchangeLignes(t, s, i, ligne, c, n);
        Elimine(t, s, n, n, ligne, c, t(ligne, c));
        ++rang;
        ++ligne;
    }
}

TMat SupprLigne(int n, int i, const TMat& m)
{
    TMat r = m;
    for (int l = i; l <= n; ++l)
        for (int c = 1; c <= n; ++c)
            r(l, c) = m(l + 1, c);
    return r;
}

TMat SupprColonne(int n, int j, const TMat& m)
{
    TMat r = m;
    for (int l = 1; l <= n; ++l)
        for (int c = j; c <= n; ++c)
            r(l, c) = m(l, c + 1);
    return r;
}

std::optional<Faute> InverseMat(int n, const TMat& m, TMat& r)
{
    const TComplexe d = Determinant(n, m);
    if (EstNul(d))
        return Faute{"Matrice non inversible .", IconeFaute::Avertissement};
    TMat cofacteurs = r;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            TComplexe mineur = Determinant(n - 1, SupprColonne(n, j, SupprLigne(n, i, m)));
            if ((i + j) % 2 == 1)
                COppose(mineur, mineur);
            cofacteurs(i, j) = Divise(mineur, d);
        }
    r = TransposeMat(cofacteurs);
    return std::nullopt;
}

TVecteur ResoutSysteme(int n, const TMat& m)
{
    TMat t;
    int signe;
    Triangule(n, n + 1, m, t, signe);
    TVecteur x;
    for (int i = 1; i <= n; ++i)
        x(i) = t(i, n + 1);
    for (int i = n; i >= 1; --i) {
        for (int j = n; j >= i + 1; --j)
            x(i) = Moins(x(i), Fois(x(j), t(i, j)));
        x(i) = Divise(x(i), t(i, i));
    }
    return x;
}

TVecteur PolyCaract(int n, const TMat& m)
{
    TVecteur p;
    p(1) = Complexe(n % 2 == 1 ? -1.0L : 1.0L, 0.0L);
    TMat b, mi;
    for (int i = 1; i <= n; ++i) {
        if (i == 1) {
            mi = m;
        } else {
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c) {
                    TComplexe s = CZero;
                    for (int k = 1; k <= n; ++k)
                        s = Plus(s, Fois(b(r, k), m(k, c)));
                    mi(r, c) = s;
                }
        }
        const TComplexe q = Divise(TraceMat(mi), Complexe(static_cast<Etendu>(i), 0.0L));
        COppose(Fois(q, p(1)), p(i + 1));
        if (i < n)
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c)
                    b(r, c) = r == c ? Moins(mi(r, c), q) : mi(r, c);
    }
    return p;
}

bool ValeursPropres(int n, const TMat& m, std::array<TComplexe, 4>& x)
{
    if (n < 2 || n > 4)
        return false;
    const TVecteur p = PolyCaract(n, m);
    Journal jamais; // the leading coefficient is ±1
    if (n == 2)
        Racines2(p(1), p(2), p(3), x[0], x[1], jamais);
    else if (n == 3)
        Racines3(p(1), p(2), p(3), p(4), x[0], x[1], x[2], jamais);
    else
        Racines4(p(1), p(2), p(3), p(4), p(5), x[0], x[1], x[2], x[3], jamais);
    return true;
}
