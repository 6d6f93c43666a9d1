#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// Small readers shared by the artwork tests.

// The embedded picture, decoded by the program's own PNG reader; the test
// fails where it is called when the picture is missing or unreadable.
QImage LoadEmbedded(const QString &name);

inline bool IsWhite(QRgb p) { return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255; }

// Bounding box of every pixel in area that is not white, relative to the
// area's top left; empty when the area is all white.
QRect InkBounds(const QImage &image, const QRect &area);
