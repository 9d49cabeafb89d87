#include "graph/Lecture.h"

#include <QPainter>

void Lecture::paintEvent(QPaintEvent* evenement)
{
    const QRect zone = contentsRect();
    QFont police = font();
    if (QFontMetrics(police).horizontalAdvance(text()) <= zone.width()) {
        QLabel::paintEvent(evenement);
        return;
    }
    // Smaller by steps of a tenth of a point until the text fits.
    qreal taille = QFontInfo(police).pointSizeF();
    while (taille > 1.0 && QFontMetrics(police).horizontalAdvance(text()) > zone.width()) {
        taille -= 0.1;
        police.setPointSizeF(taille);
    }
    QPainter p(this);
    p.setFont(police);
    p.setPen(palette().color(foregroundRole()));
    p.drawText(zone, static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}
