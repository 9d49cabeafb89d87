#include "graph/EtatGraphe.h"

EtatGraphe& LEtatGraphe()
{
    static EtatGraphe etat;
    return etat;
}
