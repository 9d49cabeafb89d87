#pragma once
// The plot as it leaves the program: the picture scaled by whole pixels for
// a PNG file, or the drawing as vector paths for an SVG file that stays
// sharp at any size.
#include "graph/modele/Dessin.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The scale asked by a file name ending in "@2x.png", "@3x.png" or
// "@4x.png"; 1 otherwise.
int FacteurDuNom(const QString& nom);
// Each pixel a square of facteur x facteur pixels, never smoothed.
QImage ImageAgrandie(const QImage& image, int facteur);
QByteArray OctetsPng(const QImage& image);
// The picture in the format its file name's extension names: "PNG", "JPG"
// (".jpg", ".jpeg") or "BMP"; empty for any other extension (SVG aside).
const char* FormatImageDuNom(const QString& nom);
QByteArray OctetsImage(const QImage& image, const char* format);
// The drawing of the area (axes, ticks, curves in their colours) as SVG
// paths over a black 320 x 240 background.
QByteArray OctetsSvg(const Dessin& dessin);
// A drawing too large to be written as paths: the picture itself, its pixels
// as squares, in an SVG file.
QByteArray OctetsSvg(const QImage& image);
