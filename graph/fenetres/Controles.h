#pragma once
// The controls of the plotter's commands whose availability changes: its
// tool buttons and menu items, by object name.
#include "graph/modele/ModeleGraphe.h"

#include <span>

std::span<const char* const> ControlesDe(Commande commande);
