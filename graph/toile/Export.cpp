#include "graph/toile/Export.h"

#include "graph/modele/Vue.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QLineF>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cstring>

int FacteurDuNom(const QString& nom)
{
    const QRegularExpressionMatch m = QRegularExpression("@([234])x\\.png$", QRegularExpression::CaseInsensitiveOption)
                                          .match(nom);
    return m.hasMatch() ? m.captured(1).toInt() : 1;
}

QImage ImageAgrandie(const QImage& image, int facteur)
{
    return facteur <= 1 ? image : image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray OctetsPng(const QImage& image) { return OctetsImage(image, "PNG"); }

const char* FormatImageDuNom(const QString& nom)
{
    const QString extension = QFileInfo(nom).suffix().toLower();
    if (extension == "png")
        return "PNG";
    if (extension == "jpg" || extension == "jpeg")
        return "JPG";
    if (extension == "bmp")
        return "BMP";
    return nullptr;
}

QByteArray OctetsImage(const QImage& image, const char* format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    // The best JPEG quality: a plot is sharp lines on black.
    image.save(&tampon, format, std::strcmp(format, "JPG") == 0 ? 100 : -1);
    return octets;
}

namespace {
// An SVG of the area's size, painted by peins over a black background.
template <class Peinture>
QByteArray Svg(Peinture peins)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    QSvgGenerator svg;
    svg.setOutputDevice(&tampon);
    svg.setSize(QSize(LargeurEcran, HauteurEcran));
    svg.setViewBox(QRect(0, 0, LargeurEcran, HauteurEcran));
    svg.setTitle("Tarvelle");
    QPainter p(&svg);
    p.fillRect(QRect(0, 0, LargeurEcran, HauteurEcran), Qt::black);
    peins(p);
    p.end();
    return octets;
}
} // namespace

QByteArray OctetsSvg(const QImage& image)
{
    return Svg([&image](QPainter& p) { p.drawImage(0, 0, image); });
}

QByteArray OctetsSvg(const Dessin& dessin)
{
    return Svg([&dessin](QPainter& p) {
    // Pixel (x, y) is the unit square from (x, y); a line runs through the
    // centres of its end pixels.
    for (const Primitive& d : dessin) {
        const QColor couleur(d.couleur.r, d.couleur.g, d.couleur.b);
        if (d.sorte == Primitive::Sorte::Pixel) {
            p.fillRect(QRectF(d.x1, d.y1, 1, 1), couleur);
        } else {
            // Flat caps (renderers blur the square and round ones), the line
            // lengthened by half a pixel at each end as a square cap would.
            const QPointF a(d.x1 + 0.5, d.y1 + 0.5), b(d.x2 + 0.5, d.y2 + 0.5);
            const QLineF ligne(a, b);
            const QPointF demi = ligne.length() > 0 ? (b - a) * (0.5 / ligne.length()) : QPointF();
            QPainterPath chemin(a - demi);
            chemin.lineTo(b + demi);
            p.setPen(QPen(couleur, 1.0, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(chemin);
        }
    }
    });
}
