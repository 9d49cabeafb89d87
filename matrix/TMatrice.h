#pragma once
#include "app/Activation.h"

#include <QMainWindow>

// The matrix calculator. Shown non-modally from the calculator's menu.
class TMatrice : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TMatrice(QWidget* parent = nullptr);
};
