#include "app/fenetres/TOptionCalc.h"

#include "app/fenetres/Disposition.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// A titled group of two radio buttons, named after the group and the item
// ("CalcType0", "CalcType1").
QButtonGroup* GroupeRadio(QWidget* parent, const char* nom, const QString& titre,
                          const QString& item0, const QString& item1, const QRect& place)
{
    auto* cadre = new QGroupBox(titre, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(place);
    auto* disposition = new QVBoxLayout(cadre);
    auto* groupe = new QButtonGroup(cadre);
    const QString items[2] = {item0, item1};
    for (int i = 0; i < 2; ++i) {
        auto* bouton = new QRadioButton(items[i], cadre);
        bouton->setObjectName(QString(nom) + QString::number(i));
        disposition->addWidget(bouton);
        groupe->addButton(bouton, i);
    }
    return groupe;
}

} // namespace

TOptionCalc::TOptionCalc(QWidget* parent) : QDialog(parent)
{
    setObjectName("OptionCalc");
    setWindowTitle("Options");
    setFixedSize(501, 228);
    setModal(true);
    // A narrow face: "Souris 3 boutons (fonction supplémentaire)" fits its
    // column of the 501-pixel dialog.
    QFont police("Liberation Sans Narrow");
    police.setPixelSize(12);
    setFont(police);

    Etiquette(this, nullptr, "Calculette :", 8, 6, 200, 16);
    calcType_ = GroupeRadio(this, "CalcType", "Type de calculette par défaut",
                            "Affichage et calculs en réels", "Affichage et calculs en complexes",
                            QRect(8, 22, 236, 76));
    Etiquette(this, nullptr, "Module matriciel :", 8, 106, 200, 16);
    scaleMat_ = GroupeRadio(this, "ScaleMat", "Type de matrice",
                            "Matrices à coef. complexes (dim. <= 5)",
                            "Matrices à coef. réels (dim. <= 10)", QRect(8, 122, 236, 76));
    Etiquette(this, nullptr, "Module graphique :", 256, 6, 200, 16);
    optionMouse_ = GroupeRadio(this, "OptionMouse", "Type de souris", "Souris 2 boutons (classique)",
                               "Souris 3 boutons (fonction supplémentaire)",
                               QRect(256, 22, 237, 76));
    sonsGraf_ = new QCheckBox("Activer les sons.", this);
    sonsGraf_->setObjectName("SonsGraf");
    sonsGraf_->move(264, 104);
    sonsGraf_->adjustSize(); // a click anywhere on it toggles it

    saveBtn_ = new QPushButton("OK", this);
    saveBtn_->setObjectName("SaveBtn");
    saveBtn_->setGeometry(304, 190, 88, 28);
    saveBtn_->setDefault(true);
    auto* annuler = new QPushButton("Annuler", this);
    annuler->setObjectName("CancelBtn");
    annuler->setGeometry(402, 190, 88, 28);

    connect(calcType_, &QButtonGroup::idClicked, this, &TOptionCalc::CalcTypeClick);
    connect(optionMouse_, &QButtonGroup::idClicked, this, &TOptionCalc::OptionMouseClick);
    connect(scaleMat_, &QButtonGroup::idClicked, this, &TOptionCalc::ScaleMatClick);
    connect(sonsGraf_, &QCheckBox::clicked, this, &TOptionCalc::SonsGrafClick);
    connect(saveBtn_, &QPushButton::clicked, this, &TOptionCalc::SaveBtnClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    ChargeOptions(options_);
    MontreOptions();
    CentreSurEcran(this);
}

void TOptionCalc::MontreOptions()
{
    calcType_->button(options_.TypeMachine == "classique" ? 0 : 1)->setChecked(true);
    if (options_.NbBoutons == 2 || options_.NbBoutons == 3)
        optionMouse_->button(options_.NbBoutons == 2 ? 0 : 1)->setChecked(true);
    sonsGraf_->setChecked(options_.SonsOptions);
    if (options_.TailleMatrices == 5 || options_.TailleMatrices == 10)
        scaleMat_->button(options_.TailleMatrices == 5 ? 0 : 1)->setChecked(true);
}

void TOptionCalc::EnregistreOptions() { ::EnregistreOptions(options_); }

void TOptionCalc::CalcTypeClick(int item) { options_.TypeMachine = item == 0 ? "classique" : "complexe"; }

void TOptionCalc::OptionMouseClick(int item) { options_.NbBoutons = item == 0 ? 2 : 3; }

void TOptionCalc::SonsGrafClick(bool coche) { options_.SonsOptions = coche; }

void TOptionCalc::ScaleMatClick(int item) { options_.TailleMatrices = item == 0 ? 5 : 10; }

void TOptionCalc::SaveBtnClick()
{
    EnregistreOptions();
    accept();
}

void TOptionCalc::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    saveBtn_->setFocus();
}
