#include "app/fenetres/DansLEcran.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

void RameneDansLEcran(QWidget* fenetre)
{
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    const QSize bord = fenetre->frameGeometry().size() - fenetre->size();
    const QSize place = zone.size() - bord;
    if (fenetre->width() > place.width() || fenetre->height() > place.height())
        fenetre->resize(fenetre->size().boundedTo(place).expandedTo(fenetre->minimumSize()));
    QRect cadre = fenetre->frameGeometry();
    cadre.moveRight(std::min(cadre.right(), zone.right()));
    cadre.moveBottom(std::min(cadre.bottom(), zone.bottom()));
    cadre.moveLeft(std::max(cadre.left(), zone.left()));
    cadre.moveTop(std::max(cadre.top(), zone.top()));
    if (cadre.topLeft() != fenetre->frameGeometry().topLeft())
        fenetre->move(cadre.topLeft());
}

void PlaceACote(QWidget* fenetre, const QWidget* dessin)
{
    const QWidget* principale = dessin->window();
    const QScreen* ecran = principale->screen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    const QRect image(dessin->mapToGlobal(QPoint(0, 0)), dessin->size());
    const QRect cadre = principale->frameGeometry();
    const QSize taille = fenetre->frameGeometry().size();
    auto cache = [](const QRect& a, const QRect& b) {
        const QRect c = a.intersected(b);
        return static_cast<long>(c.width()) * c.height();
    };
    const QPoint candidats[] = {
        {cadre.right() + 1, cadre.top()},         {cadre.left() - taille.width(), cadre.top()},
        {cadre.left(), cadre.bottom() + 1},       {cadre.left(), cadre.top() - taille.height()},
        {image.right() + 1, cadre.top()},         {cadre.left(), image.bottom() + 1},
        {zone.right() + 1 - taille.width(), zone.top()}, {zone.left(), zone.bottom() + 1 - taille.height()},
    };
    std::pair<long, long> meilleur{-1, -1};
    QPoint choisi = fenetre->pos();
    for (QPoint p : candidats) {
        p.setX(std::clamp(p.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())));
        p.setY(std::clamp(p.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
        const QRect ici(p, taille);
        long autres = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != fenetre && w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                autres += cache(ici, w->frameGeometry());
        const std::pair<long, long> note{cache(ici, image), autres};
        if (meilleur.first < 0 || note < meilleur) {
            meilleur = note;
            choisi = p;
        }
    }
    fenetre->move(choisi);
}

namespace {
class GardeEcran : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        auto* fenetre = qobject_cast<QWidget*>(objet);
        if (evenement->type() == QEvent::Show && fenetre && fenetre->isWindow() &&
            fenetre->windowType() != Qt::Popup && fenetre->windowType() != Qt::ToolTip)
            // Once the window has its size: a dialog sizes itself as it shows.
            QTimer::singleShot(0, fenetre, [fenetre] { RameneDansLEcran(fenetre); });
        return false;
    }
};
} // namespace

void GardeLesFenetresDansLEcran()
{
    static GardeEcran* garde = nullptr;
    if (!garde) {
        garde = new GardeEcran(qApp);
        qApp->installEventFilter(garde);
    }
}
