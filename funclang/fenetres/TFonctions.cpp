#include "funclang/fenetres/TFonctions.h"

#include "funclang/Fonctions.h"

#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

TFonctions::TFonctions(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("Fonctions");
    setWindowTitle("Liste des fonctions");
    // Wide enough for its caption and its longest line: the user reads the
    // list while typing.
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
    const QFontMetrics mesure(police);
    int largeur = QFontMetrics(font()).horizontalAdvance(windowTitle()) + 90; // the caption and its box
    for (int i = 0; i < liste->count(); ++i)
        largeur = std::max(largeur, mesure.horizontalAdvance(liste->item(i)->text()) + 24);
    // Every line at once where the screen is tall enough; otherwise as many
    // as fit, with a scroll bar that stays in sight.
    int hauteur = liste->count() * liste->sizeHintForRow(0) + 6;
    if (const QScreen* ecran = screen()) {
        const int place = ecran->availableGeometry().height() - 60; // the caption and a margin
        if (hauteur > place) {
            hauteur = std::max(place, 20 * liste->sizeHintForRow(0) + 6);
            liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            largeur += liste->verticalScrollBar()->sizeHint().width();
        }
    }
    setFixedSize(largeur, hauteur);
}

void TFonctions::MontreAPresDe(QWidget* appelant)
{
    const QRect cadre = appelant->frameGeometry();
    QPoint ou(cadre.right() + 8, cadre.top());
    if (const QScreen* ecran = appelant->screen()) {
        const QRect zone = ecran->availableGeometry();
        if (ou.x() + frameGeometry().width() > zone.right())
            ou.setX(std::max(zone.left(), cadre.left() - frameGeometry().width() - 8));
        ou.setY(std::clamp(ou.y(), zone.top(), std::max(zone.top(), zone.bottom() - frameGeometry().height())));
    }
    move(ou);
    show();
}
