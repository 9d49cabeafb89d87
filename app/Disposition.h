#pragma once
// Small layout helpers shared by the windows.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

// Centres a top-level window on the primary screen.
inline void CentreSurEcran(QWidget* fenetre)
{
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre->move(zone.center() - fenetre->rect().center());
    }
}

// A label placed at absolute coordinates, named as the window layout names it.
inline QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y,
                         int largeur, int hauteur)
{
    auto* l = new QLabel(texte, parent);
    if (nom)
        l->setObjectName(nom);
    l->setGeometry(x, y, largeur, hauteur);
    return l;
}
