#include "app/fenetres/TSplash.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Images.h"

TSplash::TSplash(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Splash");
    setFixedSize(286, 189);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    const QColor fond = palette().color(QPalette::Button);
    auto* icone = Etiquette(this, "ProgramIcon", QString(), 14, 14, 32, 32);
    icone->setPixmap(QPixmap(":/tarvelle.png").scaled(32, 32, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
    auto* nom = Etiquette(this, "ProductName", "Tarvelle", 58, 12, 200, 28);
    QFont grand = nom->font();
    grand.setPointSize(18);
    grand.setBold(true);
    nom->setFont(grand);
    Etiquette(this, "Version", "Version 1.1", 58, 42, 200, 18);
    Etiquette(this, "Label1", "Calculatrice scientifique", 14, 150, 260, 16);
    Etiquette(this, "Label2", "Chargement des modules ...", 14, 166, 260, 16);

    auto* cache = Etiquette(this, "ImCache", QString(), 14, 66, 84, 78);
    cache->setPixmap(ImageTransparente(":/cache.png", fond));
    auto* logo = Etiquette(this, "Logo", QString(), 110, 66, 160, 78);
    logo->setPixmap(ImageTransparente(":/logo.png", fond));
    cache->setVisible(true);

    CentreSurEcran(this);
}
