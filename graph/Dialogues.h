#pragma once
// The four small dialogs of the plotter: window corners, study interval,
// tick unit and zoom factors.
#include "app/Activation.h"

#include <QDialog>

class TDialogueGraphe : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    TDialogueGraphe(const char* nom, const QString& titre, QWidget* parent);
};

class TDonnees : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TDonnees(QWidget* parent = nullptr);
};

class TIntervalle : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TIntervalle(QWidget* parent = nullptr);
};

class TScaleEcran : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TScaleEcran(QWidget* parent = nullptr);
};

class TZoomChoose : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TZoomChoose(QWidget* parent = nullptr);
};
