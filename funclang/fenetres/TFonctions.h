#pragma once
#include "app/fenetres/Activation.h"

#include <QWidget>

// The list of the function names that the plotter and the solver accept.
class TFonctions : public QWidget, public FenetreActivable {
    Q_OBJECT
public:
    explicit TFonctions(QWidget* parent = nullptr);
    // Shows the list beside the window that asked for it (on its right, or
    // on its left when the screen ends there).
    void MontreAPresDe(QWidget* appelant);
};
