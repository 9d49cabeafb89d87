#include "app/TAide.h"

#include "app/Disposition.h"

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
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
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
