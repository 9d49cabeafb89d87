#pragma once
#include "app/fenetres/Activation.h"

#include <QDialog>

class QLabel;

// The about box, shown modally from the calculator's "&?" menu.
class TAboutBox : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    // The calculator puts the author string here before showing the box.
    void DefinitAuteur(const QString& auteur);

public slots:
    void BitBtn1Click();

private:
    QLabel* auteur_;
};
