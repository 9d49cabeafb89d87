#pragma once
// The small dialogs of the plotter: window corners, study interval, tick
// unit, zoom factors and the interval of a function's study. None has an OK button: the user types a
// number and Enter in each field in turn, and the last Enter closes the
// dialog. Each opens on the values in force and leaves its results in its
// pending values; the command that showed it takes them only when the last
// Enter closed it. Escape or the close box changes nothing, whatever fields
// were confirmed before.
#include "app/fenetres/Activation.h"
#include "numerics/Etendu.h"

#include <QDialog>

#include <vector>

class QLineEdit;

class TDialogueGraphe : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    TDialogueGraphe(const char* nom, const QString& titre, QWidget* parent);

    // Shows the dialog with one value in force per field, shortest text
    // that reads back as the value; true when its last Enter closed it.
    bool Demande(std::vector<Etendu> enVigueur);

protected:
    // A field Edit1, Edit2, ... under its label, and a line of text.
    QLineEdit* AjouteChamp(const QString& libelle);
    void AjouteNote(const QString& texte);
    // Enter in field k (from 0); the key never reaches the field.
    virtual void Entree(int champ, const QString& texte) = 0;
    // The number of a field: one whole number, a decimal comma read as the
    // point. Anything else beeps and gives no value.
    static bool Lit(const QString& texte, Etendu& valeur);
    // Moves to the next field, its text selected.
    void Suivant(int champ);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

    std::vector<QLineEdit*> champs_;
    std::vector<Etendu> enVigueur_;
};

class TDonnees : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TDonnees(QWidget* parent = nullptr);
    Etendu DonXmin = -3.2L, DonXmax = 3.2L, DonYmin = -2.4L, DonYmax = 2.4L;
    void FormActivate() override;

protected:
    void Entree(int champ, const QString& texte) override;

private:
    int confirmes_ = 0; // fields confirmed in order
};

// Two bounds, the second waiting for the first.
class TIntervalle : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TIntervalle(QWidget* parent = nullptr);
    Etendu BorneInf = -3.2L, BorneSup = 3.2L;
    void FormActivate() override;

protected:
    TIntervalle(const char* nom, const QString& titre, const QString& inf, const QString& sup, QWidget* parent);
    void Entree(int champ, const QString& texte) override;
    // Whether the upper bound may close the dialog (a beep otherwise).
    virtual bool BorneSupAcceptee(Etendu) const { return true; }

private:
    bool infConfirmee_ = false;
};

class TScaleEcran : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TScaleEcran(QWidget* parent = nullptr);
    Etendu EchelleSaisie = 1.0L;
    void FormActivate() override;

protected:
    void Entree(int champ, const QString& texte) override;
};

// The interval of a function's study: any two different bounds.
class TEtude : public TIntervalle {
    Q_OBJECT
public:
    explicit TEtude(QWidget* parent = nullptr);

protected:
    bool BorneSupAcceptee(Etendu v) const override { return v != BorneInf; }
};

class TZoomChoose : public TDialogueGraphe {
    Q_OBJECT
public:
    explicit TZoomChoose(QWidget* parent = nullptr);
    Etendu CoefZoomX = 1.0L, CoefZoomY = 1.0L;
    void FormActivate() override;

protected:
    void Entree(int champ, const QString& texte) override;

private:
    bool xConfirme_ = false, yConfirme_ = false;
};
