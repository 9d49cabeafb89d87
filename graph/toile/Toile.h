#pragma once
// Puts a plot's drawing on the 320 x 240 image of the drawing area, pixel
// for pixel: no anti-aliasing, lines without their last pixel (the pen
// stops where the next line starts), anything outside the image clipped.
#include "graph/modele/Dessin.h"

#include <QImage>

QImage NouvelleImage();                 // the black area
void EffaceImage(QImage& image);        // EffaceEcran's part on the picture
void Peint(QImage& image, const Dessin& dessin);
