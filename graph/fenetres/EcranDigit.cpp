#include "graph/fenetres/EcranDigit.h"

#include "graph/modele/Vue.h"
#include "graph/toile/Toile.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

EcranDigit::EcranDigit(QWidget* parent) : QWidget(parent), image_(NouvelleImage())
{
    setObjectName("EcranDigit");
    setFixedSize(LargeurEcran, HauteurEcran);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void EcranDigit::DefinitMarque(std::optional<QPoint> pixel)
{
    marque_ = pixel;
    update();
}

void EcranDigit::DefinitCroix(std::vector<QPoint> pixels)
{
    croix_ = std::move(pixels);
    update();
}

void EcranDigit::DefinitAgrandissement(int facteur)
{
    facteur_ = facteur < 1 ? 1 : facteur > 3 ? 3 : facteur;
    setFixedSize(LargeurEcran * facteur_, HauteurEcran * facteur_);
    update();
}

std::optional<QPoint> EcranDigit::PixelSous(const QPointF& position) const
{
    // Each picture pixel covers facteur_ x facteur_ pixels of the widget.
    const QPoint p(static_cast<int>(std::floor(position.x() / facteur_)),
                   static_cast<int>(std::floor(position.y() / facteur_)));
    if (!image_.rect().contains(p))
        return std::nullopt;
    return p;
}

void EcranDigit::mouseMoveEvent(QMouseEvent* evenement)
{
    if (const auto p = PixelSous(evenement->position()))
        emit Deplacement(p->x(), p->y());
}

void EcranDigit::mousePressEvent(QMouseEvent* evenement)
{
    if (const auto p = PixelSous(evenement->position()))
        emit Appui(evenement->button(), p->x(), p->y());
}

void EcranDigit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(rect(), image_);
    if (!croix_.empty()) {
        const qreal f = facteur_;
        p.setPen(QPen(QColor(255, 0, 255), 1));
        for (const QPoint& c : croix_) {
            const QPointF centre((c.x() + 0.5) * f, (c.y() + 0.5) * f);
            p.drawLine(centre + QPointF(-3 * f, -3 * f), centre + QPointF(3 * f, 3 * f));
            p.drawLine(centre + QPointF(-3 * f, 3 * f), centre + QPointF(3 * f, -3 * f));
        }
    }
    if (marque_) {
        // A small square around the pixel, in a colour no plot uses.
        const qreal f = facteur_;
        p.setPen(QPen(QColor(255, 0, 255), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF((marque_->x() - 2) * f, (marque_->y() - 2) * f, 5 * f - 1, 5 * f - 1));
    }
}
