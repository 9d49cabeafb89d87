#include "app/fenetres/TAide.h"

#include "app/fenetres/Disposition.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TAide::TAide() : QWidget(nullptr, Qt::Window)
{
    setObjectName("Aide");
    setWindowTitle("Aide de Tarvelle");
    resize(560, 480);
    navigateur_ = new QTextBrowser(this);
    navigateur_->setObjectName("Navigateur");
    navigateur_->setOpenLinks(true);
    // Back to the page seen before, as in any browser.
    auto* retour = new QPushButton("◀ Retour", this);
    retour->setObjectName("Retour");
    retour->setEnabled(false);
    connect(retour, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, retour, &QPushButton::setEnabled);
    auto* barre = new QHBoxLayout;
    barre->setContentsMargins(4, 4, 4, 0);
    barre->addWidget(retour);
    barre->addStretch();
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addLayout(barre);
    disposition->addWidget(navigateur_);
    CentreSurEcran(this);
}

TAide* TAide::Instance()
{
    static TAide* aide = new TAide;
    return aide;
}

QString TAide::Page(const QString& sujet)
{
    if (sujet == "COMPLEX")
        return "qrc:/aide/complex.html";
    if (sujet == "PRESENT")
        return "qrc:/aide/present.html";
    if (sujet == "GRAPH")
        return "qrc:/aide/graph.html";
    if (sujet == "MAT")
        return "qrc:/aide/mat.html";
    if (sujet == "SOLVEUR")
        return "qrc:/aide/solveur.html";
    return "qrc:/aide/sommaire.html";
}

void TAide::Montre(const QString& sujet)
{
    TAide* aide = Instance();
    aide->navigateur_->setSource(QUrl(Page(sujet)));
    aide->show();
    aide->raise();
    aide->activateWindow();
}
