#pragma once
// Small layout helpers shared by the windows.
#include <QAction>
#include <QBoxLayout>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWidget>

#include "app/fenetres/Plateforme.h"

// Centres a top-level window on the primary screen.
inline void CentreSurEcran(QWidget* fenetre)
{
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre->move(zone.center() - fenetre->rect().center());
    }
}

// A label placed at absolute coordinates, named as the window layout names it.
template <class Sorte = QLabel>
Sorte* Etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y, int largeur,
                 int hauteur)
{
    auto* l = new Sorte(texte, parent);
    if (nom)
        l->setObjectName(nom);
    l->setGeometry(x, y, largeur, hauteur);
    return l;
}

// A one-line field placed at absolute coordinates, named as the layout names it.
inline QLineEdit* Champ(QWidget* parent, const char* nom, const QRect& place)
{
    auto* c = new QLineEdit(parent);
    c->setObjectName(nom);
    c->setGeometry(place);
    return c;
}

// "Copier" for a label that shows a value: Ctrl+C in its window (the fields
// keep their own), and the label's context menu; the text copied is the
// value without its padding.
inline QAction* ActionCopier(QWidget* fenetre, QLabel* valeur, const char* nom)
{
    auto* copier = new QAction("Copier", fenetre);
    copier->setObjectName(nom);
    copier->setShortcut(QKeySequence::Copy);
    QObject::connect(copier, &QAction::triggered, fenetre,
                     [valeur] { QGuiApplication::clipboard()->setText(valeur->text().trimmed()); });
    fenetre->addAction(copier);
    valeur->addAction(copier);
    valeur->setContextMenuPolicy(Qt::ActionsContextMenu);
    return copier;
}

// The status bar of a main window with its one panel, named nom and
// nom + "Panneau"; the panel shows " " followed by the hint under the pointer.
inline QLabel* BarreDEtat(QMainWindow* fenetre, const char* nom)
{
    auto* barre = new QStatusBar(fenetre);
    barre->setObjectName(nom);
    barre->setSizeGripEnabled(false);
    auto* panneau = new QLabel(" ", barre);
    panneau->setObjectName(QString(nom) + "Panneau");
    barre->addWidget(panneau, 1);
    fenetre->setStatusBar(barre);
    return panneau;
}

// For a window's event(): a hint goes to its panel rather than to a message
// of the status bar. True when the event was a hint.
inline bool MontreAstuce(QEvent* evenement, QLabel* panneau)
{
    if (evenement->type() != QEvent::StatusTip)
        return false;
    panneau->setText(" " + static_cast<QStatusTipEvent*>(evenement)->tip());
    return true;
}

// The hint of the control under the pointer in a window (the nearest one
// that has a hint), the empty text elsewhere.
inline QString AstuceSousLePointeur(QWidget* fenetre)
{
    QWidget* w = QApplication::widgetAt(QCursor::pos());
    while (w && w != fenetre && w->statusTip().isEmpty())
        w = w->parentWidget();
    return w && fenetre->isAncestorOf(w) ? w->statusTip() : QString();
}

// Moves to a field as Tab does, its text selected: what is typed next
// replaces the old text instead of joining it.
inline void SelectionneChamp(QLineEdit* champ)
{
    champ->setFocus(Qt::TabFocusReason);
    champ->selectAll();
}

// A push button at the end of a row of buttons, with its hint; Enter in
// the window's fields does not press it.
inline QPushButton* BoutonDeLigne(QWidget* parent, QBoxLayout* ligne, const char* nom, const QString& titre,
                                  const QString& aide)
{
    auto* b = new QPushButton(titre, parent);
    b->setObjectName(nom);
    b->setStatusTip(aide);
    b->setAutoDefault(false);
    ligne->addWidget(b);
    return b;
}

// An Enter key pressed in a field: the fields of the program validate on it.
inline bool EstToucheEntree(QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return false;
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

// F1 anywhere in the window opens its help at sujet.
inline QAction* AideF1(QWidget* fenetre, const char* sujet)
{
    auto* aide = new QAction(fenetre);
    aide->setObjectName("AideF1");
    aide->setShortcut(Qt::Key_F1);
    aide->setShortcutContext(Qt::WidgetWithChildrenShortcut); // a tool window is never the active one
    QObject::connect(aide, &QAction::triggered, fenetre, [s = std::string(sujet)] { LaPlateforme().Aide(s); });
    fenetre->addAction(aide);
    return aide;
}
