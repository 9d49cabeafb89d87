#pragma once
#include "app/Activation.h"

#include <QWidget>

// The list of the function names that the plotter and the solver accept.
class TFonctions : public QWidget, public FenetreActivable {
    Q_OBJECT
public:
    explicit TFonctions(QWidget* parent = nullptr);
};
