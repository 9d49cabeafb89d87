#include "graph/EcranDigit.h"

#include "graph/Toile.h"
#include "graph/Vue.h"

#include <QPainter>

EcranDigit::EcranDigit(QWidget* parent) : QWidget(parent), image_(NouvelleImage())
{
    setObjectName("EcranDigit");
    setFixedSize(LargeurEcran, HauteurEcran);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void EcranDigit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(rect(), image_);
}
