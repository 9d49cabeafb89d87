#pragma once
// A start-up check for the package's tests only, armed by the environment
// variable TARVELLE_ESSAI_DEMARRAGE (never by an option a user could type):
// every box is written on standard error instead of waiting for a click, and
// once the event loop runs, the front window is painted, its title written on
// standard output, and the program ends.
#include "app/fenetres/Plateforme.h"

#include <memory>

class QWidget;

bool EssaiDemarrage();

// The platform to install in check mode: the desktop's, whose boxes go to
// standard error.
std::unique_ptr<Plateforme> PlateformeDEssai(Plateforme& bureau);

// Paints `fenetre` once the event loop has started, writes its title, quits.
void FinitApresPremierDessin(QWidget* fenetre);
