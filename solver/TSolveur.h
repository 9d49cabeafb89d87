#pragma once
#include "app/Activation.h"

#include <QMainWindow>

// The numeric solver: zero, integral or derivative of a typed function.
class TSolveur : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TSolveur(QWidget* parent = nullptr);
};
