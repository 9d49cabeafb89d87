#pragma once
// Complex values in extended precision and their functions.
//
// Every operation takes its operands by value and writes a result that the
// caller supplies, which may be one of the operands. The three that can fail
// (CInverse, CLn, CPuissance, and whatever is built on them) add the division
// error to the caller's journal, once for each failing step, and leave their
// result untouched: the calculator relies on that to keep a stack line as it
// was.
#include "numerics/Etendu.h"
#include "numerics/Faute.h"

struct TComplexe {
    Etendu Re;
    Etendu Im;
};

inline constexpr TComplexe CZero{0.0L, 0.0L};
inline constexpr TComplexe CI{0.0L, 1.0L};

constexpr TComplexe Complexe(Etendu re, Etendu im) { return TComplexe{re, im}; }

void CSomme(TComplexe a, TComplexe b, TComplexe& r);
void CDifference(TComplexe a, TComplexe b, TComplexe& r);
void CProduit(TComplexe a, TComplexe b, TComplexe& r);
void CInverse(TComplexe z, TComplexe& r, Journal& journal);
void CQuotient(TComplexe a, TComplexe b, TComplexe& r, Journal& journal);
void CConjugue(TComplexe z, TComplexe& r);
void COppose(TComplexe z, TComplexe& r);
Etendu CModule(TComplexe z);
Etendu CArgument(TComplexe z);
void CExp(TComplexe z, TComplexe& r);
void CLn(TComplexe z, TComplexe& r, Journal& journal);
void CPuissance(TComplexe a, TComplexe b, TComplexe& r, Journal& journal);
void CRacine(TComplexe z, TComplexe& r);
void CRacineCubique(TComplexe z, TComplexe& r);
void CCos(TComplexe z, TComplexe& r);
void CSin(TComplexe z, TComplexe& r);
void CTan(TComplexe z, TComplexe& r, Journal& journal);
void CCh(TComplexe z, TComplexe& r);
void CSh(TComplexe z, TComplexe& r);
void CTh(TComplexe z, TComplexe& r, Journal& journal);
void CArcCos(TComplexe z, TComplexe& r, Journal& journal);
void CArcSin(TComplexe z, TComplexe& r, Journal& journal);
void CArcTan(TComplexe z, TComplexe& r, Journal& journal);
void CArgCh(TComplexe z, TComplexe& r, Journal& journal);
void CArgSh(TComplexe z, TComplexe& r, Journal& journal);
void CArgTh(TComplexe z, TComplexe& r, Journal& journal);

// True when the modulus is exactly 0: the only zero test of the numerics.
inline bool EstNul(TComplexe z) { return CModule(z) == 0.0L; }
