#pragma once
// Complex values in extended precision and their functions.
//
// Every operation takes its operands by value and writes a result that the
// caller supplies, which may be one of the operands. The three that can fail
// (CInverse, CLn, CPuissance, and whatever is built on them) show the division
// error themselves and leave their result untouched: the calculator relies on
// that to keep a stack line as it was.
#include "numerics/Etendu.h"

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
void CInverse(TComplexe z, TComplexe& r);
void CQuotient(TComplexe a, TComplexe b, TComplexe& r);
void CConjugue(TComplexe z, TComplexe& r);
void COppose(TComplexe z, TComplexe& r);
Etendu CModule(TComplexe z);
Etendu CArgument(TComplexe z);
void CExp(TComplexe z, TComplexe& r);
void CLn(TComplexe z, TComplexe& r);
void CPuissance(TComplexe a, TComplexe b, TComplexe& r);
void CRacine(TComplexe z, TComplexe& r);
void CRacineCubique(TComplexe z, TComplexe& r);
void CCos(TComplexe z, TComplexe& r);
void CSin(TComplexe z, TComplexe& r);
void CTan(TComplexe z, TComplexe& r);
void CCh(TComplexe z, TComplexe& r);
void CSh(TComplexe z, TComplexe& r);
void CTh(TComplexe z, TComplexe& r);
void CArcCos(TComplexe z, TComplexe& r);
void CArcSin(TComplexe z, TComplexe& r);
void CArcTan(TComplexe z, TComplexe& r);
void CArgCh(TComplexe z, TComplexe& r);
void CArgSh(TComplexe z, TComplexe& r);
void CArgTh(TComplexe z, TComplexe& r);

// True when the modulus is exactly 0: the only zero test of the numerics.
inline bool EstNul(TComplexe z) { return CModule(z) == 0.0L; }
