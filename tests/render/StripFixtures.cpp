#include "StripFixtures.h"

#include "GlyphCells.h"
#include "Markup.h"

#include <QPainter>

namespace {

QRgb ReadInk(QRgb pixel)
{
    return pixel == BlackInk || pixel == GreyInk || pixel == PaleInk || pixel == BlueInk ? pixel : 0;
}

struct TDecoded {
    int Row = -1; // -1: no ink at all
    QRgb Ink = 0;
    bool Mixed = false;
};

// Reads the bits of a stripe column, bit k at y = firstY + 3k.
TDecoded Decode(const QImage &image, int x, int firstY, int bits)
{
    TDecoded decoded;
    int value = 0;
    for (int k = 0; k < bits; ++k) {
        const QRgb ink = ReadInk(image.pixel(x, firstY + 3 * k));
        if (!ink)
            continue;
        value |= 1 << k;
        if (decoded.Ink && decoded.Ink != ink)
            decoded.Mixed = true;
        decoded.Ink = ink;
    }
    if (value)
        decoded.Row = value - 1;
    return decoded;
}

} // namespace

QImage SyntheticSmallStrip()
{
    QImage strip(63, 1944, QImage::Format_RGB32);
    strip.fill(Paper);
    const QRgb inks[] = {BlackInk, GreyInk, PaleInk};
    for (int row = 0; row < 72; ++row)
        for (int column = 0; column < 3; ++column) {
            const QPoint origin(column * 21, row * 27);
            for (int k = 0; k < 8; ++k)
                if ((row + 1) >> k & 1)
                    for (int y = 1 + 3 * k; y <= 3 + 3 * k; ++y)
                        for (int x = 7; x <= 13; ++x)
                            strip.setPixel(origin + QPoint(x, y), inks[column]);
            for (int x = 0; x < 21; ++x)
                strip.setPixel(origin + QPoint(x, 26), inks[column]);
        }
    return strip;
}

QImage SyntheticLargeStrip()
{
    QImage strip(122, 1960, QImage::Format_RGB32);
    strip.fill(Paper);
    const QRgb inks[] = {BlueInk, GreyInk};
    for (int row = 0; row < 28; ++row)
        for (int column = 0; column < 2; ++column)
            for (int k = 0; k < 5; ++k)
                if ((row + 1) >> k & 1)
                    for (int y = 2 + 3 * k; y <= 4 + 3 * k; ++y)
                        for (int x = 0; x <= 2; ++x)
                            strip.setPixel(column * 61 + x, row * 70 + y, inks[column]);
    return strip;
}

QImage SyntheticEnterMark()
{
    QImage mark(31, 40, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    mark.setPixel(0, 0, qRgba(255, 0, 0, 255));
    mark.setPixel(1, 0, qPremultiply(qRgba(0, 0, 0, 128)));
    return mark;
}

QRgb LabelRgb(char letter, int row)
{
    const QString letters = QStringLiteral("SVOCZM");
    return qRgb(30 + 30 * static_cast<int>(letters.indexOf(QLatin1Char(letter))), row == 0 ? 60 : 200, 90);
}

QImage SyntheticLabels()
{
    QImage labels(265, 30, QImage::Format_RGB32);
    const struct {
        char Letter;
        int Left;
        int Right;
    } cells[] = {{'S', 0, 27}, {'V', 27, 54}, {'O', 54, 85}, {'C', 85, 165}, {'Z', 165, 211}, {'M', 211, 265}};
    for (const auto &cell : cells)
        for (int row = 0; row < 2; ++row)
            for (int y = 15 * row; y < 15 * row + 15; ++y)
                for (int x = cell.Left; x < cell.Right; ++x)
                    labels.setPixel(x, y, LabelRgb(cell.Letter, row));
    return labels;
}

QString SmallCellLooks(const QImage &image, const QByteArray &text, int x0, int cellTop)
{
    QString looks;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const TDecoded d = Decode(image, x0 + 14 * static_cast<int>(i) + 10, cellTop + 2, 8);
        if (d.Row < 0)
            looks += u'.';
        else if (d.Mixed)
            looks += u'?';
        else if (d.Row == SquareRow && d.Ink == GreyInk)
            looks += u'#';
        else if (d.Row != SmallGlyphRow(text[i]))
            looks += u'?';
        else
            looks += d.Ink == BlackInk ? u'B' : d.Ink == GreyInk ? u'G' : d.Ink == PaleInk ? u'P' : u'?';
    }
    return looks;
}

QString LargeCellLooks(const QImage &image, const QByteArray &word, int x0, int top)
{
    QString looks;
    int x = x0;
    for (const char c : word) {
        const TDecoded d = Decode(image, x + 1, top + 3, 5);
        if (d.Row < 0)
            looks += u'.';
        else if (d.Mixed || d.Row != LargeGlyphRow(c))
            looks += u'?';
        else
            looks += d.Ink == BlueInk ? u'B' : d.Ink == GreyInk ? u'G' : u'?';
        x += GlyphAdvance(c);
    }
    return looks;
}

TSentenceData SenseOf(const QString &example)
{
    TSentenceData sense;
    sense.Example = example;
    sense.Sentence = StripTags(example).toLatin1();
    return sense;
}

QImage WhiteCanvas()
{
    QImage canvas(800, 600, QImage::Format_RGB32);
    canvas.fill(Paper);
    return canvas;
}

int CountRgb(const QImage &image, QRgb rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += line[x] == rgb;
    }
    return count;
}
