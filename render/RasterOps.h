#pragma once

#include "Color.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// Rectangle copies with the four raster operations the glyph strips are
// drawn with. They are exact per pixel on the raster engine (a QImage or a
// widget's backing store) with antialiasing off.
enum class TRasterOp {
    SrcCopy,    // destination := source
    SrcAnd,     // destination := source AND destination
    MergePaint, // destination := (NOT source) OR destination
    SrcPaint,   // destination := source OR destination
};

// Copies srcRect of the source into destRect, scaling when the sizes
// differ. The painter's state is left as it was.
void CopyRect(QPainter &dest, const QRect &destRect, const QImage &source, const QRect &srcRect, TRasterOp op);

inline QColor QColorOf(TColor colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Fills (left, top) to (right, bottom), right and bottom excluded, with the
// painter's composition mode; an empty or inverted rectangle fills nothing.
inline void FillSpan(QPainter &canvas, int left, int top, int right, int bottom, TColor colour)
{
    if (right > left && bottom > top)
        canvas.fillRect(QRect(left, top, right - left, bottom - top), QColorOf(colour));
}
