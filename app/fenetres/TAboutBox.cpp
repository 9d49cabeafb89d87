#include "app/fenetres/TAboutBox.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Images.h"

#include <QFrame>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("AboutBox");
    setWindowTitle("A propos ...");
    setFixedSize(285, 178);
    setModal(true);

    auto* panneau = new QFrame(this);
    panneau->setObjectName("Panel1");
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setGeometry(8, 8, 269, 128);

    const QColor fond = palette().color(QPalette::Button);
    auto* icone = Etiquette(panneau, "ProgramIcon", QString(), 8, 8, 32, 32);
    icone->setPixmap(QPixmap(":/tarvelle.png").scaled(32, 32, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
    auto* nom = Etiquette(panneau, "ProductName", "Tarvelle", 52, 8, 200, 20);
    QFont gras = nom->font();
    gras.setBold(true);
    gras.setPointSize(12);
    nom->setFont(gras);
    Etiquette(panneau, "Version", "Version 1.1", 52, 28, 200, 16);
    auteur_ = Etiquette(panneau, "Copyright", QString(), 8, 88, 250, 16);
    Etiquette(panneau, "Comments", "Édition de décembre 2026", 8, 106, 255, 16);

    auto* cache = Etiquette(panneau, "ImCache", QString(), 8, 46, 42, 39);
    cache->setPixmap(ImageTransparente(":/cache.png", fond).scaled(42, 39, Qt::KeepAspectRatio,
                                                                   Qt::SmoothTransformation));
    auto* logo = Etiquette(panneau, "Logo", QString(), 120, 46, 140, 39);
    logo->setPixmap(ImageTransparente(":/logo.png", fond).scaled(140, 39, Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation));
    cache->setVisible(true);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn1");
    ok->setGeometry(105, 144, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);

    CentreSurEcran(this);
}

void TAboutBox::DefinitAuteur(const QString& auteur) { auteur_->setText(auteur); }

void TAboutBox::BitBtn1Click() { accept(); }
