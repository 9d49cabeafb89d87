#include "graph/EcranDigit.h"

#include "graph/Toile.h"
#include "graph/Vue.h"

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

std::optional<QPoint> EcranDigit::PixelSous(const QPointF& position) const
{
    const QPoint p(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
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
}
