#include "ChunkBands.h"
#include "SentenceText.h"

#include "StripFixtures.h"

#include <gtest/gtest.h>

namespace {

constexpr int Top = 198;
constexpr QRgb SubjectRgb = 0xFF0099FF;
constexpr QRgb VerbRgb = 0xFFFF0000;
constexpr QRgb ObjectRgb = 0xFF00EE00;
constexpr QRgb SilverRgb = 0xFFC0C0C0;
const QString PresentExample = QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M");

QImage Draw(const TSentenceData &sense, TTypingView typing, TPattern pattern = ptSentence)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    bool atEdge = false;
    DrawSentence(10, Top, painter, {small, labels}, {sense, typing, pattern, 3, TypingText}, atEdge);
    return image;
}

TTypingView Completed(const TSentenceData &sense)
{
    const int length = static_cast<int>(sense.Sentence.size());
    return {.InputLen = length, .InputMode = 9, .HintIndex = length};
}

// A band from cell `first` to cell `end` (exclusive) of a line at x0, read
// on the rows above and below the glyph cells, with the gap after it white.
void ExpectBand(const QImage &image, int x0, int lineTop, int first, int end, QRgb rgb)
{
    const int left = x0 + 14 * first;
    const int right = x0 + 14 * end - 6;
    for (int y : {lineTop, lineTop + 31}) {
        EXPECT_EQ(image.pixel(left, y), rgb) << "band start at " << left;
        EXPECT_EQ(image.pixel(right - 1, y), rgb) << "band end at " << right;
        EXPECT_EQ(image.pixel(right, y), Paper) << "gap at " << right;
    }
    EXPECT_EQ(image.pixel(left, lineTop + 32), Paper);
}

void ExpectNoBand(const QImage &image, int x0, int lineTop, int first, int end)
{
    for (int x = x0 + 14 * first; x < x0 + 14 * end; ++x)
        EXPECT_EQ(image.pixel(x, lineTop), Paper) << x;
}

TEST(DrawChunkBands, EachChunkGetsItsColourEndingSixPixelsBeforeTheNext)
{
    const TSentenceData sense = SenseOf(PresentExample);
    const QImage image = Draw(sense, Completed(sense));
    ExpectBand(image, 85, Top, 0, 2, SubjectRgb);
    ExpectBand(image, 85, Top, 2, 11, VerbRgb);
    ExpectBand(image, 85, Top, 11, 21, ObjectRgb);
    ExpectBand(image, 85, Top, 21, 32, SilverRgb);
    ExpectBand(image, 85, Top, 32, 45, SilverRgb);
    EXPECT_EQ(image.pixel(84, Top), Paper);
}

TEST(DrawChunkBands, NothingIsLaidBehindASentenceStillBeingTyped)
{
    const TSentenceData sense = SenseOf(PresentExample);
    const QImage image = Draw(sense, {.InputLen = 44, .HintIndex = 45});
    ExpectNoBand(image, 85, Top, 0, 45);
}

TEST(DrawChunkBands, OtherElementsAreSilverAndUntaggedChunksUncoloured)
{
    // "Oh no, " is Y; "it." carries no tag; "ab" is followed by a stray
    // character that costs it its colour.
    const TSentenceData sense = SenseOf(QStringLiteral("[Oh no, ]Y[I ]S[ab]Vx[lost ]V[it.]"));
    const QImage image = Draw(sense, Completed(sense));
    const int x0 = 10 + (780 - 14 * 19) / 2;
    ExpectBand(image, x0, Top, 0, 7, SilverRgb);
    ExpectBand(image, x0, Top, 7, 9, SubjectRgb);
    ExpectNoBand(image, x0, Top, 9, 11);
    ExpectBand(image, x0, Top, 11, 16, VerbRgb);
    ExpectNoBand(image, x0, Top, 16, 19);
}

TEST(DrawChunkBands, AChunkEndingWithLineOneHasNoContinuation)
{
    const TSentenceData sense = SenseOf(
        QStringLiteral("[I ]S[have ]V[friends ]O[in Kyoto and Tokyo. ]M[So, ]M[let's visit ]V[either town.]O"));
    const QImage image = Draw(sense, Completed(sense));
    ExpectBand(image, 43, Top, 35, 39, SilverRgb);
    ExpectBand(image, 43, Top, 39, 51, VerbRgb);
    // Line 2 starts with the object band of "either town.", not a red one.
    ExpectBand(image, 43, Top + 60, 0, 12, ObjectRgb);
}

TEST(DrawChunkBands, AChunkSplitByTheLineBreakContinuesOnLineTwo)
{
    // 40 characters of subject, then a 20-character object broken after
    // its blank at position 52.
    const QString example = QStringLiteral("[%1 ]S[%2 %3]O").arg(QString(39, u'a'), QString(11, u'b'), QString(8, u'c'));
    const TSentenceData sense = SenseOf(example);
    ASSERT_EQ(sense.Sentence.size(), 60);
    const QImage image = Draw(sense, Completed(sense));
    const int x0 = 10 + (780 - 14 * 52) / 2;
    ExpectBand(image, x0, Top, 0, 40, SubjectRgb);
    ExpectBand(image, x0, Top, 40, 52, ObjectRgb);
    ExpectBand(image, x0, Top + 60, 0, 8, ObjectRgb);
}

TEST(DrawChunkBands, InWritingEachBandVanishesAsTheCursorReachesItsChunk)
{
    const TSentenceData sense = SenseOf(PresentExample);
    struct Case {
        int InputLen;
        int InputMode2;
        const char *Banded; // per chunk: 'x' banded, '-' not
    };
    const Case cases[] = {
        {0, 0, "xxxxx"},  {1, 0, "-xxxx"},  {2, 0, "--xxx"}, {12, 0, "---xx"},
        {44, 0, "-----"}, {45, 0, "xxxxx"}, {12, 9, "xxxxx"},
    };
    const int bounds[] = {0, 2, 11, 21, 32, 45};
    const QRgb colours[] = {SubjectRgb, VerbRgb, ObjectRgb, SilverRgb, SilverRgb};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.InputLen);
        const QImage image = Draw(sense, {.InputLen = c.InputLen, .InputMode = 9, .InputMode2 = c.InputMode2, .HintIndex = 45},
                                  ptWriting);
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(k);
            if (c.Banded[k] == 'x')
                ExpectBand(image, 85, Top, bounds[k], bounds[k + 1], colours[k]);
            else
                ExpectNoBand(image, 85, Top, bounds[k], bounds[k + 1]);
        }
    }
}

} // namespace
