#pragma once
// The history window: a tool window beside the calculator listing the
// results of the run, newest last. Enter or a double click brings an entry
// back; Ctrl+C copies the selected ones; the history can be saved as a text
// file or emptied.
#include "calc/modele/Historique.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QListWidget;

class THistorique : public QMainWindow {
    Q_OBJECT
public:
    // ramene: what bringing an entry back does (the calculator's rule).
    THistorique(QWidget* parent, Historique& historique, std::function<void(const EntreeHistorique&)> ramene);

    // Shows the entries added since the last call, drops those gone.
    void Actualise();

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void RameneCourante();
    void Copie();
    void Enregistre();
    void Efface();

    Historique& historique_;
    std::function<void(const EntreeHistorique&)> ramene_;
    std::size_t vus_ = 0; // Historique::Total() when the list was last brought up to date
    QListWidget* liste_;
    QLabel* panneau_;
};
