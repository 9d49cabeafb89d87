#pragma once
// The variables window: a tool window beside the calculator listing the
// variables that lines "nom = expression" defined, each with its value in
// the copy form; one can be removed, or all of them.
#include "calc/modele/NomsLigne.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QTableWidget;

class TVariables : public QMainWindow {
    Q_OBJECT
public:
    // memoire: where the variables are read; supprime and efface: what
    // removing one (by name) or all does (the calculator's undo steps).
    TVariables(QWidget* parent, std::function<const MemoireLigne&()> memoire,
               std::function<void(const std::string&)> supprime, std::function<void()> efface);

    // The list as the memory holds it now.
    void Actualise();

protected:
    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    std::function<const MemoireLigne&()> memoire_;
    std::function<void(const std::string&)> supprime_;
    std::function<void()> efface_;
    QTableWidget* liste_;
    QLabel* panneau_;
};
