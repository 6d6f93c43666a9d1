#include "WordText.h"

#include "GlyphCells.h"
#include "StripFixtures.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Cab = "cab";
// "cab" is 44 + 44 + 44 pixels wide, so it starts at 10 + (780 - 132) / 2.
constexpr int WordLeft = 334;
constexpr int Top = 198;

QImage Draw(const QByteArray &word, TTypingView typing, int dispWordNo = 0)
{
    static const QImage large = SyntheticLargeStrip();
    static const QImage mark = SyntheticEnterMark();
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    DrawWord(painter, large, mark, word, typing, dispWordNo, TypingText);
    return image;
}

TEST(GlyphCells, CharactersMapToTheirRowsAndAdvances)
{
    struct Case {
        char Char;
        int LargeRow;
        int SmallRow;
        int Advance;
    };
    const Case cases[] = {
        {'a', 0, 0, 44},   {'m', 12, 12, 60}, {'z', 25, 25, 41},  {'-', 26, 69, 26}, {' ', 27, 70, 23},
        {'i', 8, 8, 15},   {'w', 22, 22, 64}, {'A', 71, 31, 0},   {'Z', 71, 56, 0},  {'1', 71, 57, 0},
        {'9', 71, 65, 0},  {'0', 71, 66, 0},  {',', 71, 26, 0},   {'.', 71, 27, 0},  {'\'', 71, 28, 0},
        {'?', 71, 29, 0},  {'"', 71, 30, 0},  {'!', 71, 67, 0},   {':', 71, 68, 0},  {';', 71, 71, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LargeGlyphRow(c.Char), c.LargeRow) << c.Char;
        EXPECT_EQ(SmallGlyphRow(c.Char), c.SmallRow) << c.Char;
        EXPECT_EQ(GlyphAdvance(c.Char), c.Advance) << c.Char;
    }
    EXPECT_EQ(TextAdvance("receive"), 33 + 44 + 44 + 44 + 15 + 48 + 44);
    EXPECT_EQ(TextAdvance(""), 0);
}

TEST(DrawWord, TheUntypedRestShowsOnlyAfterAHintOrWhenAllowed)
{
    struct Case {
        const char *What;
        TTypingView Typing;
        int DispWordNo;
        const char *Looks;
    };
    const Case cases[] = {
        {"typing", {.InputLen = 1}, 0, "B.."},
        {"after a hint", {.InputLen = 1, .InputMode = 1}, 1, "BGG"},
        {"typed again, rest shown", {.InputLen = 1, .InputMode = 9}, 0, "BGG"},
        {"typed again, rest hidden", {.InputLen = 1, .InputMode = 9}, 1, "B.."},
        {"complete", {.InputLen = 3, .InputMode = 9}, 1, "BBB"},
    };
    for (const Case &c : cases) {
        const QImage image = Draw(Cab, c.Typing, c.DispWordNo);
        EXPECT_EQ(LargeCellLooks(image, Cab, WordLeft, Top), QLatin1String(c.Looks)) << c.What;
    }
}

TEST(DrawWord, TheCursorStandsUnderTheNextLetter)
{
    const QImage image = Draw(Cab, {.InputLen = 1});
    EXPECT_EQ(CountRgb(image, CursorRgb), 28 * 6);
    EXPECT_EQ(image.pixel(WordLeft + 44, Top + 72), CursorRgb);
    EXPECT_EQ(image.pixel(WordLeft + 44 + 27, Top + 77), CursorRgb);
    // Nothing else of the word is drawn to the right of the typed letter.
    for (int x = WordLeft + 44; x < 790; ++x)
        ASSERT_EQ(image.pixel(x, Top + 5), Paper) << x;
}

TEST(DrawWord, ACompletedWordEndsWithTheEnterMarkInsteadOfTheCursor)
{
    const QImage image = Draw(Cab, {.InputLen = 3, .InputMode = 9});
    const QPoint mark(WordLeft + 132, Top + 20);
    EXPECT_EQ(image.pixel(mark), qRgb(255, 0, 0));
    // Half-transparent black over white blends to mid grey.
    EXPECT_NEAR(qRed(image.pixel(mark + QPoint(1, 0))), 127, 1);
    // Transparent pixels leave the white background.
    EXPECT_EQ(image.pixel(mark + QPoint(2, 0)), Paper);
    EXPECT_EQ(image.pixel(mark + QPoint(0, 1)), Paper);
    EXPECT_EQ(CountRgb(image, CursorRgb), 0);
}

TEST(DrawWord, TheWordBandIsClearedFirst)
{
    QImage image = WhiteCanvas();
    image.fill(qRgb(10, 20, 30));
    {
        QPainter painter(&image);
        DrawWord(painter, SyntheticLargeStrip(), SyntheticEnterMark(), Cab, {}, 0, TypingText);
    }
    EXPECT_EQ(image.pixel(10, 198), Paper);
    EXPECT_EQ(image.pixel(789, 321), Paper);
    EXPECT_EQ(image.pixel(9, 198), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(790, 321), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(10, 322), qRgb(10, 20, 30));
}

} // namespace
