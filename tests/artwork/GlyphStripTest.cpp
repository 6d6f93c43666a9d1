#include "ArtworkPixels.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Ink widths of a to z, the hyphen and the blank; the program advances by
// these plus 3, so a glyph one pixel off shifts every later letter.
constexpr std::array<int, 28> LargeInkWidths{41, 41, 41, 40, 41, 28, 46, 40, 12, 21, 43, 12, 57, 40,
                                             41, 41, 40, 30, 41, 32, 40, 45, 61, 44, 44, 38, 23, 20};

TEST(LargeGlyphs, InkStartsAtTheCellEdgeAndIsExactlyAsWideAsTheTable)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTLARGE"));
    for (int row = 0; row < 28; ++row)
        for (int column = 0; column < 2; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            const QRect ink = InkBounds(strip, QRect(column * 61, row * 70, 61, 70));
            if (row == 27) {
                EXPECT_TRUE(ink.isEmpty()) << "the blank has no ink";
                continue;
            }
            EXPECT_EQ(ink.left(), 0);
            EXPECT_EQ(ink.width(), LargeInkWidths[static_cast<size_t>(row)]);
        }
}

TEST(LargeGlyphs, TypedColumnIsBlueAndPendingColumnGrey)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTLARGE"));
    int solidBlue = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < 61; ++x) {
            // Between blue and white: blue stays full, red and green fall together.
            const QRgb blue = strip.pixel(x, y), grey = strip.pixel(x + 61, y);
            ASSERT_EQ(qBlue(blue), 255) << x << "," << y;
            ASSERT_EQ(qRed(blue), qGreen(blue)) << x << "," << y;
            ASSERT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey)) << x << "," << y;
            // The same coverage on the way from white to grey.
            const double coverage = (255 - qRed(blue)) / 255.0;
            ASSERT_NEAR(qRed(grey), 255 - 127 * coverage, 1.0) << x << "," << y;
            solidBlue += blue == qRgb(0, 0, 255);
        }
    EXPECT_GT(solidBlue, 10000);
}

// Each small column holds its ink colour, white, and greys between them.
TEST(SmallGlyphs, CellsHoldOnlyTheirInkColourAndWhite)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTSMALL"));
    const std::array<int, 3> inks{0, 128, 240};
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < 63; ++x) {
            const QRgb p = strip.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
            ASSERT_GE(qRed(p), inks[static_cast<size_t>(x / 21)]) << x << "," << y;
        }
}

TEST(SmallGlyphs, CharactersAreCentredAndTheBlankIsEmpty)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTSMALL"));
    for (int row = 0; row < 70; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const QRect ink = InkBounds(strip, QRect(0, row * 27, 21, 27));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 10.5, 1.0);
        EXPECT_LE(ink.width(), 14) << "wider than the sentence pitch";
    }
    EXPECT_TRUE(InkBounds(strip, QRect(0, 70 * 27, 63, 27)).isEmpty());
}

TEST(SmallGlyphs, LastRowHoldsASolidSquareInEachColour)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTSMALL"));
    const std::array<QRgb, 3> inks{qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(240, 240, 240)};
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        const QRect area(column * 21, 71 * 27, 21, 27);
        const QRect ink = InkBounds(strip, area);
        EXPECT_GE(ink.width(), 10);
        EXPECT_LE(ink.width(), 14);
        EXPECT_EQ(ink.width(), ink.height());
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                ASSERT_EQ(strip.pixel(area.left() + x, area.top() + y), inks[static_cast<size_t>(column)]);
    }
}

// The red and white digits must be the black digits recoloured pixel for
// pixel, because the program makes red by painting white and then red.
TEST(Digits, RedAndWhiteColumnsRepeatTheBlackShapes)
{
    const QImage strip = LoadEmbedded(QStringLiteral("FONTNUM"));
    for (int digit = 0; digit < 10; ++digit)
        EXPECT_FALSE(InkBounds(strip, QRect(0, digit * 13, 10, 13)).isEmpty()) << digit;
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 10; ++x) {
            const QRgb black = strip.pixel(x, y), red = strip.pixel(x + 10, y), white = strip.pixel(x + 20, y);
            ASSERT_TRUE(qRed(black) == qGreen(black) && qGreen(black) == qBlue(black)) << x << "," << y;
            ASSERT_EQ(red, qRgb(255, qGreen(black), qGreen(black))) << x << "," << y;
            ASSERT_EQ(white, qRgb(255 - qRed(black), 255 - qRed(black), 255 - qRed(black))) << x << "," << y;
        }
}

} // namespace
