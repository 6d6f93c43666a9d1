// The glyph strips from which the program composes the English it shows:
// the large letters of a word, the small letters of a sentence and the
// digits of the status widgets. Each glyph is first rendered as a coverage
// mask; every colour column is then mixed from that one mask, so the
// columns hold exactly the same shapes and only their stated colours.

#include "Artwork.h"
#include "ArtPaint.h"

#include <QPainterPath>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// Coverage (0 to 255) of a path filled with antialiasing, clipped to clip.
QImage CoverageOf(QSize size, const QPainterPath &path, const QRectF &clip)
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(clip);
    painter.fillPath(path, Qt::black);
    return mask;
}

// Coverage of text drawn through the font engine, which hints small digits
// onto the pixel grid.
QImage CoverageOfText(QSize size, const QString &text, const QFont &font, const QPointF &baseline)
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(baseline, text);
    return mask;
}

// Mixes ink over paper by the coverage of the mask, into target at origin.
void PaintThroughMask(QImage &target, const QImage &mask, QPoint origin, QColor ink, QColor paper)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const double a = qAlpha(mask.pixel(x, y)) / 255.0;
            const QColor c = Mix(paper, ink, a);
            target.setPixel(origin.x() + x, origin.y() + y,
                            qRgb(qRound(c.redF() * 255), qRound(c.greenF() * 255),
                                 qRound(c.blueF() * 255)));
        }
}

// Left-most and right-most columns that hold any coverage, or (-1, -1).
std::pair<int, int> InkColumns(const QImage &mask)
{
    int first = -1, last = -1;
    for (int x = 0; x < mask.width(); ++x)
        for (int y = 0; y < mask.height(); ++y)
            if (qAlpha(mask.pixel(x, y)) != 0) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

QPainterPath TextPath(const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// A large glyph stretched so that its ink covers exactly columns 0 to
// width - 1 of its 61 x 70 cell, standing on a common baseline.
QImage LargeGlyphMask(QChar c, int inkWidth)
{
    const QSize cell(61, 70);
    if (c == QLatin1Char(' '))
        return CoverageOf(cell, QPainterPath(), QRectF());
    const QFont font = LatinFont(60, true);
    const QPainterPath outline = TextPath(QString(c), font);
    const QRectF bounds = outline.boundingRect();
    const double baseline = 54;
    // The outline's extremes may cover a last column too faintly to count, so
    // the stretch grows by small steps until both edge columns hold ink.
    for (double extra = 0; extra < 2.0; extra += 0.25) {
        QTransform map;
        map.translate(0, baseline);
        map.scale((inkWidth + extra) / bounds.width(), 1.0);
        map.translate(-bounds.left(), 0);
        const QImage mask = CoverageOf(cell, map.map(outline), QRectF(0, 0, inkWidth, 70));
        if (InkColumns(mask) == std::pair(0, inkWidth - 1))
            return mask;
    }
    std::fprintf(stderr, "glyph '%c' cannot be fitted to %d pixels\n", c.toLatin1(), inkWidth);
    std::exit(1);
}

// A small glyph centred in its 21 x 27 cell, narrowed where it would run
// into its neighbours at the sentence pitch of 14 pixels.
QImage SmallGlyphMask(QChar c)
{
    const QSize cell(21, 27);
    if (c == QLatin1Char(' '))
        return CoverageOf(cell, QPainterPath(), QRectF());
    const QFont font(QStringLiteral("Liberation Sans"), -1);
    QFont sized = font;
    sized.setPixelSize(21);
    const QPainterPath outline = TextPath(QString(c), sized);
    const QRectF bounds = outline.boundingRect();
    const double maxInk = 13.0;
    const double scale = bounds.width() > maxInk ? maxInk / bounds.width() : 1.0;
    QTransform map;
    map.translate(10.5, 20);
    map.scale(scale, 1.0);
    map.translate(-bounds.center().x(), 0);
    return CoverageOf(cell, map.map(outline), QRectF(0, 0, 21, 27));
}

QImage LargeStrip()
{
    // Ink widths of a to z, the hyphen and the blank, which the program
    // uses as advances (ink width + 3); the blank has no ink.
    static constexpr std::array<int, 28> widths{41, 41, 41, 40, 41, 28, 46, 40, 12, 21,
                                                43, 12, 57, 40, 41, 41, 40, 30, 41, 32,
                                                40, 45, 61, 44, 44, 38, 23, 20};
    QImage strip = NewImage(122, 28 * 70, Qt::white);
    for (int row = 0; row < 28; ++row) {
        const QChar c = row < 26 ? QChar('a' + row) : row == 26 ? QChar('-') : QChar(' ');
        const QImage mask = LargeGlyphMask(c, widths[static_cast<size_t>(row)]);
        PaintThroughMask(strip, mask, QPoint(0, row * 70), QColor(0, 0, 255), Qt::white);
        PaintThroughMask(strip, mask, QPoint(61, row * 70), QColor(128, 128, 128), Qt::white);
    }
    return strip;
}

QImage SmallStrip()
{
    QString rows = QStringLiteral("abcdefghijklmnopqrstuvwxyz,.'?\"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890!:- ");
    QImage strip = NewImage(63, 72 * 27, Qt::white);
    const std::array<QColor, 3> inks{QColor(0, 0, 0), QColor(128, 128, 128), QColor(240, 240, 240)};
    for (int row = 0; row < 72; ++row) {
        QImage mask;
        if (row < rows.size()) {
            mask = SmallGlyphMask(rows[row]);
        } else {
            // The square of a character not yet revealed, crisp and solid.
            mask = QImage(21, 27, QImage::Format_ARGB32_Premultiplied);
            mask.fill(Qt::transparent);
            QPainter painter(&mask);
            painter.fillRect(QRect(5, 8, 12, 12), Qt::black);
        }
        for (int column = 0; column < 3; ++column)
            PaintThroughMask(strip, mask, QPoint(column * 21, row * 27), inks[static_cast<size_t>(column)], Qt::white);
    }
    return strip;
}

QImage NumberStrip()
{
    QImage strip = NewImage(30, 130, Qt::white);
    QFont font = LatinFont(13, true);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int digit = 0; digit < 10; ++digit) {
        const QString text = QString::number(digit);
        const double advance = QFontMetricsF(font).horizontalAdvance(text);
        const QImage mask = CoverageOfText(QSize(10, 13), text, font,
                                           QPointF(qRound((10 - advance) / 2), 11));
        const QPoint origin(0, digit * 13);
        PaintThroughMask(strip, mask, origin, Qt::black, Qt::white);
        PaintThroughMask(strip, mask, origin + QPoint(10, 0), QColor(255, 0, 0), Qt::white);
        PaintThroughMask(strip, mask, origin + QPoint(20, 0), Qt::white, Qt::black);
    }
    return strip;
}

QImage EnterMark()
{
    // A small key cap with the return arrow, in the colour of main actions.
    QImage mark = NewAlphaImage(31, 40);
    QPainter painter(&mark);
    PrepareSmooth(painter);
    FillRounded(painter, QRectF(1, 5, 29, 30), Palette::Panel, Palette::Accent, 5);
    QPen pen(Palette::Accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    QPainterPath arrow;
    arrow.moveTo(22, 11);
    arrow.lineTo(22, 24);
    arrow.lineTo(11, 24);
    painter.drawPath(arrow);
    DrawArrowHead(painter, QPointF(6, 24), 7, false, Palette::Accent);
    return mark;
}

} // namespace

void AddGlyphStrips(TArtworkList &list)
{
    list.push_back({QStringLiteral("FONTLARGE"), LargeStrip(), 1});
    list.push_back({QStringLiteral("FONTSMALL"), SmallStrip(), 1});
    list.push_back({QStringLiteral("FONTNUM"), NumberStrip(), 1});
    list.push_back({QStringLiteral("MARKENTER"), EnterMark(), 1});
}
