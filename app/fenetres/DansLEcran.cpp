#include "app/fenetres/DansLEcran.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

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
