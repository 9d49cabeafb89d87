#include "funclang/TFonctions.h"

#include "funclang/Fonctions.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

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
    // The table's lines by group and rank, a blank line between groups;
    // the power, which is no function, among the powers.
    std::vector<const Fonction*> ordre;
    for (const Fonction& f : LesFonctions())
        ordre.push_back(&f);
    std::sort(ordre.begin(), ordre.end(), [](const Fonction* a, const Fonction* b) {
        return std::pair(a->groupe, a->rang) < std::pair(b->groupe, b->rang);
    });
    int groupe = 0;
    for (const Fonction* f : ordre) {
        if (f->groupe != groupe)
            liste->addItem(QString());
        groupe = f->groupe;
        if (f->groupe == 1 && f->rang == 3)
            liste->addItem("X^Y : X puissance Y");
        liste->addItem(QString::fromUtf8(f->ligneListe));
        if (f->suiteListe)
            liste->addItem(QString::fromUtf8(f->suiteListe));
    }
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(liste);
}
