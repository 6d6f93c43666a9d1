#include "ArtPaint.h"

#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>

QFont JpFont(double pixels, bool bold)
{
    QFont font(JapaneseFace);
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont LatinFont(double pixels, bool bold)
{
    QFont font(LatinFace);
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

QImage NewImage(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage NewAlphaImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PrepareSmooth(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void FillRounded(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &border,
                 double radius)
{
    painter.save();
    if (border.isValid()) {
        painter.setPen(QPen(border, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius);
    }
    painter.restore();
}

void DrawLabel(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
               const QColor &colour, int flags)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

double DrawParagraph(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
                     const QColor &colour, double lineSpacing)
{
    // Japanese breaks between any two characters; QTextLayout knows the
    // rules that keep closing brackets and small kana off a line start.
    painter.save();
    painter.setPen(colour);
    const double lineHeight = font.pixelSize() * lineSpacing;
    double y = rect.top();
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(rect.width());
            line.setPosition(QPointF(0, y - rect.top()));
            y += lineHeight;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(rect.left(), rect.top() + (lineHeight - font.pixelSize()) / 2));
        // A little air between paragraphs keeps points apart.
        y += lineHeight * 0.35;
    }
    painter.restore();
    return y - rect.top();
}

void DrawCheckMark(QPainter &painter, const QPointF &c, double size, const QColor &colour,
                   double width)
{
    painter.save();
    QPen pen(colour, width > 0 ? width : qMax(2.0, size / 5.0), Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(c + QPointF(-size * 0.42, size * 0.02));
    path.lineTo(c + QPointF(-size * 0.12, size * 0.32));
    path.lineTo(c + QPointF(size * 0.44, -size * 0.30));
    painter.drawPath(path);
    painter.restore();
}

void DrawArrowHead(QPainter &painter, const QPointF &tip, double size, bool pointsRight,
                   const QColor &colour)
{
    const double dir = pointsRight ? 1.0 : -1.0;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip + QPointF(-dir * size, -size * 0.62));
    path.lineTo(tip + QPointF(-dir * size, size * 0.62));
    path.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

namespace {

struct TFaceColours {
    QColor Fill, Border, Text;
};

TFaceColours ColoursOf(TFace face, TFrame frame)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    if (frame == TFrame::Unavailable)
        return {Palette::Grey, QColor(), Palette::GreyText};
    switch (face) {
    case TFace::Primary:
    case TFace::Secondary: {
        const QColor base = face == TFace::Primary ? Palette::Accent : Palette::Navy;
        switch (frame) {
        case TFrame::Hover: return {Mix(base, white, 0.22), QColor(), white};
        case TFrame::Pressed: return {Mix(base, black, 0.22), QColor(), white};
        case TFrame::Chosen: return {Palette::Chosen, QColor(), white};
        default: return {base, QColor(), white};
        }
    }
    case TFace::Plain:
        switch (frame) {
        case TFrame::Hover: return {Palette::Sky, Palette::Chosen, Palette::Navy};
        case TFrame::Pressed: return {Mix(Palette::Sky, Palette::Navy, 0.18), Palette::Navy, Palette::NavyDeep};
        case TFrame::Chosen: return {Palette::Chosen, QColor(), white};
        default: return {Palette::Panel, Palette::PanelLine, Palette::Navy};
        }
    }
    return {};
}

} // namespace

TFaceLook DrawButtonFace(QPainter &painter, const QRectF &rect, TFace face, TFrame frame)
{
    const TFaceColours colours = ColoursOf(face, frame);
    // A thin shadow under a resting face; a pressed face sinks onto it by one
    // pixel, an unavailable one lies flat.
    const double shadow = rect.height() >= 26 ? 2.0 : 1.0;
    const double radius = qMin(ArtRadius, rect.height() / 3.0);
    QRectF body = rect.adjusted(0, 0, 0, -shadow);
    const bool raised = frame != TFrame::Pressed && frame != TFrame::Unavailable;
    if (raised) {
        const QColor shade = face == TFace::Plain && frame != TFrame::Chosen
                                 ? Palette::PanelLine
                                 : Mix(colours.Fill, Qt::black, 0.30);
        FillRounded(painter, body.translated(0, shadow), shade, QColor(), radius);
    }
    if (frame == TFrame::Pressed)
        body.translate(1, 1);
    FillRounded(painter, body, colours.Fill, colours.Border, radius);
    return {body, colours.Text, colours.Fill};
}

QImage MakeStrip(QSize frameSize, const std::vector<TFrame> &frames, const QColor &corner,
                 const std::function<void(QPainter &, const QRectF &, TFrame)> &drawFrame)
{
    const int count = static_cast<int>(frames.size());
    QImage image = NewImage(frameSize.width() * count, frameSize.height(), corner);
    QPainter painter(&image);
    PrepareSmooth(painter);
    for (int i = 0; i < count; ++i) {
        const QRectF cell(i * frameSize.width(), 0, frameSize.width(), frameSize.height());
        painter.save();
        painter.setClipRect(cell);
        drawFrame(painter, cell, frames[static_cast<size_t>(i)]);
        painter.restore();
    }
    return image;
}

QImage MakeLabelStrip(QSize frameSize, const std::vector<TFrame> &frames, TFace face,
                      const QString &label, double fontPixels, const QColor &corner)
{
    return MakeStrip(frameSize, frames, corner,
                     [&](QPainter &painter, const QRectF &cell, TFrame frame) {
                         const TFaceLook look = DrawButtonFace(painter, cell, face, frame);
                         DrawLabel(painter, look.Face, label, JpFont(fontPixels, true), look.Text);
                     });
}
