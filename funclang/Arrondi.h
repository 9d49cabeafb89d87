#pragma once
// A value as the evaluators carry it between two steps: written as the
// 23-character text (15 significant digits, rounded half up) and read back.
// Computed in the number domain, with the same result as the text, bit for
// bit, over the whole exponent range.
#include "numerics/Etendu.h"

Etendu Arrondi15(Etendu x);
