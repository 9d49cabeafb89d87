#include "app/fenetres/Images.h"

#include <QImage>
#include <QPainter>

QPixmap ImageTransparente(const QString& fichier, const QColor& fond)
{
    const QImage travail = QImage(fichier).convertToFormat(QImage::Format_ARGB32);
    QImage image(travail.size(), QImage::Format_ARGB32);
    image.fill(fond);
    if (travail.width() > 1 && travail.height() > 1) {
        const QRgb transparente = travail.pixel(1, 1);
        for (int y = 0; y < travail.height(); ++y)
            for (int x = 0; x < travail.width(); ++x)
                if (travail.pixel(x, y) != transparente)
                    image.setPixel(x, y, travail.pixel(x, y));
    }
    return QPixmap::fromImage(image);
}
