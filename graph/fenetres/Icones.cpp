#include "graph/fenetres/Icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <cstring>

namespace {

constexpr int Cote = 24;
const QColor Encre(20, 40, 90);
const QColor Courbe(200, 20, 20);

void Axes(QPainter& p)
{
    p.setPen(QPen(Encre, 1));
    p.drawLine(QPointF(3, 12.5), QPointF(21, 12.5));
    p.drawLine(QPointF(12.5, 3), QPointF(12.5, 21));
}

void Texte(QPainter& p, const QString& texte, int taille, bool italique = false)
{
    QFont police("Liberation Serif");
    police.setPixelSize(taille);
    police.setBold(!italique);
    police.setItalic(italique);
    p.setFont(police);
    p.setPen(Encre);
    p.drawText(QRectF(0, 0, Cote, Cote), Qt::AlignCenter, texte);
}

QPainterPath Trace(double debut, double fin, auto point)
{
    QPainterPath chemin;
    for (int i = 0; i <= 60; ++i) {
        const QPointF q = point(debut + (fin - debut) * i / 60.0);
        i == 0 ? chemin.moveTo(q) : chemin.lineTo(q);
    }
    return chemin;
}

void Loupe(QPainter& p)
{
    p.setPen(QPen(Encre, 2));
    p.drawEllipse(QPointF(10, 10), 6, 6);
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
}

void Dessine(QPainter& p, const char* nom)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPen crayon(Courbe, 1.6);
    auto is = [nom](const char* n) { return std::strcmp(nom, n) == 0; };
    if (is("SpeedButton1")) {
        Texte(p, "f(x)", 11, true);
    } else if (is("SpeedButton2")) { // cartesian: a wave over the axes
        Axes(p);
        p.setPen(crayon);
        p.drawPath(Trace(2, 22, [](double x) { return QPointF(x, 12.5 - 6 * std::sin((x - 12.5) / 3)); }));
    } else if (is("SpeedButton3")) { // polar: a four-leaved rose
        Axes(p);
        p.setPen(crayon);
        p.drawPath(Trace(0, 2 * M_PI, [](double t) {
            const double r = 9 * std::cos(2 * t);
            return QPointF(12.5 + r * std::cos(t), 12.5 - r * std::sin(t));
        }));
    } else if (is("SpeedButton4")) { // parametric: a Lissajous loop
        Axes(p);
        p.setPen(crayon);
        p.drawPath(Trace(0, 2 * M_PI, [](double t) {
            return QPointF(12.5 + 9 * std::sin(2 * t), 12.5 - 8 * std::cos(t));
        }));
    } else if (is("SpeedButton10")) { // conic: an ellipse
        Axes(p);
        p.setPen(crayon);
        p.drawEllipse(QPointF(12.5, 12.5), 9, 5.5);
    } else if (is("SpeedButton5")) { // study interval
        Texte(p, "[a,b]", 10);
    } else if (is("SpeedButton6")) { // tick unit: a ruler
        p.setPen(QPen(Encre, 1));
        p.drawLine(QPointF(2, 15.5), QPointF(22, 15.5));
        for (int x = 3; x <= 21; x += 3)
            p.drawLine(QPointF(x + 0.5, 15.5), QPointF(x + 0.5, x % 6 == 0 ? 9 : 12));
    } else if (is("SpeedButton7")) { // window corners
        p.setPen(QPen(Encre, 1));
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        p.setBrush(Courbe);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(3.5, 5.5), 2.2, 2.2);
        p.drawEllipse(QPointF(20.5, 18.5), 2.2, 2.2);
    } else if (is("SpeedButton8")) { // clear the screen
        p.fillRect(QRectF(3, 5, 18, 14), Qt::black);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(7, 9), QPointF(17, 15));
        p.drawLine(QPointF(17, 9), QPointF(7, 15));
    } else if (is("SpeedButton9")) { // zoom by factors
        Loupe(p);
        p.setPen(QPen(Encre, 1.5));
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
    } else if (is("ZoomButton")) { // zoom on the cursors' rectangle
        Loupe(p);
        p.setPen(QPen(Courbe, 1, Qt::DashLine));
        p.drawRect(QRectF(7.5, 7.5, 5, 5));
    } else if (is("dXButton")) {
        Texte(p, "f'", 15, true);
    } else if (is("SomButton")) {
        Texte(p, "∫", 18);
    } else if (is("ZeroButton")) {
        Texte(p, "x₀", 13, true);
    } else if (is("ExtremumButton")) { // a hump and its top marked
        p.setPen(crayon);
        p.drawPath(Trace(0.0, 1.0, [](double t) { return QPointF(3 + 18 * t, 19 - 13 * std::sin(M_PI * t)); }));
        p.setPen(QPen(Encre, 1, Qt::DashLine));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.setPen(QPen(Encre, 1));
        p.drawLine(QPointF(8, 5.5), QPointF(16, 5.5));
    } else if (is("EtudeButton")) { // a curve and the points a study finds
        p.setPen(crayon);
        p.drawPath(Trace(0.0, 1.0, [](double t) { return QPointF(3 + 18 * t, 12 - 7 * std::sin(2 * M_PI * t)); }));
        p.setPen(QPen(Encre, 1));
        for (const QPointF c : {QPointF(3, 12), QPointF(7.5, 5), QPointF(12, 12), QPointF(16.5, 19), QPointF(21, 12)}) {
            p.drawLine(c + QPointF(-1.5, -1.5), c + QPointF(1.5, 1.5));
            p.drawLine(c + QPointF(-1.5, 1.5), c + QPointF(1.5, -1.5));
        }
    } else if (is("Secours")) {
        Texte(p, "?", 17);
    }
}

} // namespace

QIcon IconeOutil(const char* nom)
{
    QIcon icone;
    for (int echelle : {1, 2, 3}) {
        QPixmap image(Cote * echelle, Cote * echelle);
        image.setDevicePixelRatio(echelle);
        image.fill(Qt::transparent);
        QPainter p(&image);
        Dessine(p, nom);
        p.end();
        icone.addPixmap(image);
    }
    return icone;
}
