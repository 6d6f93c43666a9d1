#pragma once

#include "ArtPalette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>
#include <vector>

// Drawing helpers shared by every group of pictures.

QFont JpFont(double pixels, bool bold = false);
QFont LatinFont(double pixels, bool bold = false);

// An opaque picture filled with one colour, or a fully transparent one.
QImage NewImage(int width, int height, const QColor &fill);
QImage NewAlphaImage(int width, int height);

// A painter with antialiasing for shapes and text.
void PrepareSmooth(QPainter &painter);

// The colour t of the way from a to b.
QColor Mix(const QColor &a, const QColor &b, double t);

void FillRounded(QPainter &painter, const QRectF &rect, const QColor &fill,
                 const QColor &border = QColor(), double radius = ArtRadius);
void DrawLabel(QPainter &painter, const QRectF &rect, const QString &text,
               const QFont &font, const QColor &colour, int flags = Qt::AlignCenter);
// Wrapped text in a box; returns the height it took.
double DrawParagraph(QPainter &painter, const QRectF &rect, const QString &text,
                     const QFont &font, const QColor &colour, double lineSpacing = 1.45);

void DrawCheckMark(QPainter &painter, const QPointF &centre, double size, const QColor &colour,
                   double width = 0);
void DrawArrowHead(QPainter &painter, const QPointF &tip, double size, bool pointsRight,
                   const QColor &colour);

// The states a button frame can show.
enum class TFrame { Normal, Pressed, Hover, Chosen, Unavailable };

// Button families: the warm main action, the navy command, the plain choice.
enum class TFace { Primary, Secondary, Plain };

struct TFaceLook {
    QRectF Face;      // where the content goes, already shifted when pressed
    QColor Text;
    QColor Fill;
};

// Draws the face of one button frame inside rect and tells where and in
// which colour its content goes.
TFaceLook DrawButtonFace(QPainter &painter, const QRectF &rect, TFace face, TFrame frame);

// A strip of frames side by side; each frame is drawn by drawFrame into its
// own rectangle on top of the corner colour of the place the button sits on.
QImage MakeStrip(QSize frameSize, const std::vector<TFrame> &frames, const QColor &corner,
                 const std::function<void(QPainter &, const QRectF &, TFrame)> &drawFrame);

// A labelled button strip of the common kind.
QImage MakeLabelStrip(QSize frameSize, const std::vector<TFrame> &frames, TFace face,
                      const QString &label, double fontPixels,
                      const QColor &corner = Palette::Page);
