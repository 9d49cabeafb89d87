#pragma once
// The numeric solver: zero, integral or derivative of a typed function.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Travail.h"
#include "solver/modele/ModeleSolveur.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

class TSolveur : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TSolveur(QWidget* parent = nullptr);

    ModeleSolveur& Modele() { return modele_; }
    // A calculation runs, off the window's thread; CalculTermine() tells its
    // end.
    bool CalculEnCours() const { return travail_->EnCours(); }

signals:
    void CalculTermine();

public:
    void FormActivate() override;

public slots:
    void ChoixChange(int type);
    void ListeChoixClick();
    void CalculBtnClick();
    void SpeedButton1Click();

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    // A refusal of a field told in the status bar is over.
    void OublieRefus();
    bool ChampKeyPress(QLineEdit* champ);
    void Montre(const ReponseSolveur& reponse);
    // The fields and "Go ..." sleep while a calculation runs; its progress
    // and « Arrêter » show in the status bar.
    void Verrouille(bool verrou);

    ModeleSolveur modele_;
    QComboBox* choix_;
    QLabel* listeLabel_;
    QListWidget* listeChoix_;
    QLineEdit* fonc_;
    QToolButton* speedButton1_;
    QLabel* label1_;
    QLineEdit* acquisInf_;
    QLabel* label2_;
    QLineEdit* acquisSup_;
    QLabel* label3_;
    QLineEdit* acquisPlus_;
    QPushButton* calculBtn_;
    QProgressBar* progression_;
    QPushButton* arret_;
    Travail* travail_;
    QLabel* resultat_;
    QLabel* panneau_;
};
