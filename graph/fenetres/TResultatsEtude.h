#pragma once
// The results of a function's study: one row per point found, its kind, x
// and f(x). Non-modal; Ctrl+C copies the rows chosen (all without a
// choice), « Placer le curseur » puts cursor 1 on the row's point. The
// plotter marks the points on its picture while the window shows.
#include "graph/modele/Etude.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

class TResultatsEtude : public QMainWindow {
    Q_OBJECT
public:
    explicit TResultatsEtude(QWidget* parent);

    // The study of the function titled, on [a, b]; interrompue: stopped
    // before its end.
    void Affiche(const Etude& etude, const QString& fonction);
    const Etude& Resultat() const { return etude_; }

    std::function<void(Etendu x, Etendu y)> placeCurseur;
    std::function<void()> fermee;

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void Copie();
    void PlaceCurseur();

    Etude etude_;
    std::vector<LigneEtude> lignes_;
    QLabel* titre_;
    QTableWidget* grille_;
    QPushButton* placer_;
    QLabel* panneau_;
};
