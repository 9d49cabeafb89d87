#include "funclang/TFonctions.h"

#include <QListWidget>
#include <QVBoxLayout>

TFonctions::TFonctions(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("Fonctions");
    setWindowTitle("Liste des fonctions");
    setFixedSize(168, 87);
    auto* liste = new QListWidget(this);
    liste->setObjectName("ListBox1");
    liste->setFrameShape(QFrame::NoFrame);
    // A narrow face: the longest line fits the width of the window.
    QFont police("Liberation Sans Narrow");
    police.setPixelSize(12);
    liste->setFont(police);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->addItems({
        "INT(X) : partie entière",
        "FRAC(X) : partie décimale",
        "ABS(X) : valeur absolue",
        "SIGNE(X) : signe",
        "DEG(X) : convertit en degrés",
        "RAD(X) : convertit en radians",
        "",
        "CARRE(X) : carré",
        "CUBE(X) : cube",
        "X^Y : X puissance Y",
        "RACINE(X) : racine carrée",
        "FACT(X) : factorielle",
        "INV(X) : inverse",
        "",
        "EXP(X) : exponentielle",
        "LN(X) : logarithme népérien",
        "LOG(X) : logarithme décimal",
        "",
        "SIN(X) -> sinus",
        "COS(X) -> cosinus",
        "TAN(X) -> tangente",
        "ARCSIN(X) -> sinus inverse",
        "ARCCOS(X) -> cosinus inverse",
        "ARCTAN(X) -> tangente",
        "                        inverse",
        "",
        "SH(X) -> sinus hyperbolique",
        "CH(X) -> cosinus hyperbolique",
        "TH(X) -> tangente hyperbolique",
        "ARGSH(X) -> sinus",
        "                 hyperbolique inverse",
        "ARGCH(X) -> cosinus",
        "                 hyperbolique inverse",
        "ARGTH(X) -> tangente",
        "                 hyperbolique inverse",
    });
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(liste);
}
