#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Where text was drawn on a test canvas: the bounding box of the pixels
// that differ from the background, empty when nothing was drawn.
QRect InkBounds(const QImage &image, QRgb background);

// Whether some pixel is close to that colour; antialiased text reaches its
// colour only in the middle of its strokes.
bool HasPixelNear(const QImage &image, const QColor &colour, int tolerance = 40);
