#include "GlyphText.h"
#include "ProgressBar.h"


#include <gtest/gtest.h>

namespace {

// A digit strip whose ink for digit d covers the pixels where
// (x + y + d) % 3 == 0: column 0 black on white, column 1 red on white,
// column 2 white on black.
bool Ink(int x, int y, int digit) { return (x + y + digit) % 3 == 0; }

QImage DigitStrip()
{
    QImage strip(30, 130, QImage::Format_RGB32);
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool ink = Ink(x, y % 13, y / 13);
            strip.setPixel(x, y, ink ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            strip.setPixel(x + 10, y, ink ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
            strip.setPixel(x + 20, y, ink ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    return strip;
}

QImage Canvas(QRgb fill)
{
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Checks that the cell at `left` shows digit d with `ink` on `paper`.
void ExpectDigit(const QImage &image, int left, int top, int digit, QRgb ink, QRgb paper)
{
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(image.pixel(left + x, top + y), Ink(x, y, digit) ? ink : paper)
                << "digit " << digit << " at " << x << "," << y;
}

TEST(DrawNumber, PlacesDigitsRightAlignedInTenPixelCells)
{
    const QImage strip = DigitStrip();
    QImage image = Canvas(qRgb(255, 255, 255));
    {
        QPainter p(&image);
        DrawNumber(p, strip, 216, clBlack, QStringLiteral("120"), 12);
    }
    ExpectDigit(image, 186, 12, 1, qRgb(0, 0, 0), qRgb(255, 255, 255));
    ExpectDigit(image, 196, 12, 2, qRgb(0, 0, 0), qRgb(255, 255, 255));
    ExpectDigit(image, 206, 12, 0, qRgb(0, 0, 0), qRgb(255, 255, 255));
    // Nothing outside the three cells changes.
    for (int x : {185, 216})
        for (int y = 0; y < 40; ++y)
            EXPECT_EQ(image.pixel(x, y), qRgb(255, 255, 255));
}

TEST(DrawNumber, EachColourReadsOverAColouredBackground)
{
    const QRgb blue = qRgb(40, 60, 200);
    struct Case {
        TColor colour;
        QRgb ink;
    };
    // Black is ANDed, so its ink is black; white is ORed; red is made white
    // and then ANDed with red.
    const Case cases[] = {{clWhite, qRgb(255, 255, 255)}, {clRed, qRgb(255, 0, 0)}};
    for (const Case &c : cases) {
        QImage image = Canvas(blue);
        {
            QPainter p(&image);
            DrawNumber(p, DigitStrip(), 100, c.colour, QStringLiteral("7"), 5);
        }
        ExpectDigit(image, 90, 5, 7, c.ink, blue);
    }
}

TEST(DrawNumber, NonDigitsLeaveTheirCellEmptyAndOtherColoursDrawNothing)
{
    QImage image = Canvas(qRgb(255, 255, 255));
    {
        QPainter p(&image);
        DrawNumber(p, DigitStrip(), 100, clBlack, QStringLiteral("4x"), 0);
        DrawNumber(p, DigitStrip(), 200, 0x00FF00, QStringLiteral("8"), 0);
    }
    ExpectDigit(image, 80, 0, 4, qRgb(0, 0, 0), qRgb(255, 255, 255));
    for (int x = 90; x < 300; ++x)
        for (int y = 0; y < 13; ++y)
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

// The x range each colour covers in row y of a bar drawn on white.
struct TSpan {
    int First = -1;
    int Last = -1;
};
TSpan SpanOf(const QImage &image, int y, QRgb colour)
{
    TSpan s;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == colour) {
            if (s.First < 0)
                s.First = x;
            s.Last = x;
        }
    return s;
}

TEST(DrawProgressBar, DrawsGreenThenRedShares)
{
    struct Case {
        int known, unknown, total;
        TSpan green, red;
    };
    const Case cases[] = {
        {3, 2, 10, {402, 437}, {438, 462}},
        {1, 0, 200, {402, 402}, {-1, -1}},
        {0, 1, 200, {-1, -1}, {402, 402}},
        {0, 0, 10, {-1, -1}, {-1, -1}},
        {10, 0, 10, {402, 523}, {-1, -1}},
        {199, 1, 200, {402, 522}, {523, 523}},
        {1, 1, 0, {-1, -1}, {-1, -1}},
    };
    for (const Case &c : cases) {
        QImage image(600, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            DrawProgressBar(p, 402, 6, 29, 122, c.known, c.unknown, c.total);
        }
        const TSpan green = SpanOf(image, 6, qRgb(0, 255, 0));
        const TSpan red = SpanOf(image, 28, qRgb(255, 0, 0));
        EXPECT_EQ(green.First, c.green.First) << c.known << "/" << c.unknown << "/" << c.total;
        EXPECT_EQ(green.Last, c.green.Last) << c.known << "/" << c.unknown << "/" << c.total;
        EXPECT_EQ(red.First, c.red.First) << c.known << "/" << c.unknown << "/" << c.total;
        EXPECT_EQ(red.Last, c.red.Last) << c.known << "/" << c.unknown << "/" << c.total;
        EXPECT_EQ(image.pixel(402, 5), qRgb(255, 255, 255)) << "nothing above the bar";
        EXPECT_EQ(image.pixel(402, 29), qRgb(255, 255, 255)) << "nothing at the bottom edge";
    }
}

} // namespace
