#pragma once
#include <QColor>
#include <QPixmap>
#include <QString>

// A picture whose background shows the button face: every pixel of the colour
// of its pixel (1, 1) is treated as transparent, as the splash window and the
// about box draw their pictures.
QPixmap ImageTransparente(const QString& fichier, const QColor& fond);
