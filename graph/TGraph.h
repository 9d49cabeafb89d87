#pragma once
#include "app/Activation.h"

#include <QMainWindow>

// The function plotter. Shown non-modally from the calculator's menu.
class TGraph : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TGraph(QWidget* parent = nullptr);
};
