#include "SentenceText.h"

#include "StripFixtures.h"
#include "WordText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int Top = 198;
const QString PresentExample = QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M");
const QString KyotoExample =
    QStringLiteral("[I ]S[have ]V[friends ]O[in Kyoto and Tokyo. ]M[So, ]M[let's visit ]V[either town.]O");
const QString ShortExample = QStringLiteral("[Hi, ]Y[Bo ]S[ran.]V");

struct TDrawn {
    QImage Image;
    TSentenceLayout Layout;
    bool GuideMarkAtEdge = false;
};

TDrawn Draw(const TSentenceData &sense, TTypingView typing, TPattern pattern = ptSentence, int left = 10,
            int guideNo = 3, bool guideMarkAtEdge = false)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    TDrawn drawn{WhiteCanvas(), {}, guideMarkAtEdge};
    QPainter painter(&drawn.Image);
    drawn.Layout = DrawSentence(left, Top, painter, {small, labels}, {sense, typing, pattern, guideNo, TypingText},
                                drawn.GuideMarkAtEdge);
    return drawn;
}

TEST(DrawSentence, AFortyFiveCharacterSentenceIsCentredOnOneLine)
{
    const TSentenceData sense = SenseOf(PresentExample);
    ASSERT_EQ(sense.Sentence.size(), 45);
    const TDrawn drawn = Draw(sense, {.HintIndex = 45});
    EXPECT_EQ(drawn.Layout.Split, (TLineSplit{45, 0}));
    EXPECT_EQ(drawn.Layout.X0, 85);
    // Each cell carries a line along its bottom row: the first cell spans
    // x 85–105 and the last ends at 85 + 14 × 44 + 20.
    const int bottom = Top + 4 + 26;
    EXPECT_EQ(drawn.Image.pixel(84, bottom), Paper);
    EXPECT_EQ(drawn.Image.pixel(85, bottom), GreyInk);
    EXPECT_EQ(drawn.Image.pixel(721, bottom), GreyInk);
    EXPECT_EQ(drawn.Image.pixel(722, bottom), Paper);
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence, 85, Top + 4), QString(45, u'G'));
}

TEST(DrawSentence, ALongSentenceBreaksAfterTheLastBlankThatFits)
{
    const TSentenceData sense = SenseOf(KyotoExample);
    ASSERT_EQ(sense.Sentence.size(), 63);
    const TDrawn drawn = Draw(sense, {.InputLen = 63, .InputMode = 9, .HintIndex = 63});
    EXPECT_EQ(drawn.Layout.Split, (TLineSplit{51, 12}));
    EXPECT_EQ(drawn.Layout.X0, 43);
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence.first(51), 43, Top + 4), QString(51, u'B'));
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence.sliced(51), 43, Top + 64), QString(12, u'B'));
}

TEST(DrawSentence, FromTheLeftEdgeTheTextStartsAtTenWithoutACursor)
{
    const TSentenceData sense = SenseOf(PresentExample);
    const TDrawn drawn = Draw(sense, {.InputLen = 3, .HintIndex = 45}, ptSentence, 0);
    EXPECT_EQ(drawn.Layout.X0, 10);
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence.first(4), 10, Top + 4), QStringLiteral("BBBG"));
    EXPECT_EQ(CountRgb(drawn.Image, CursorRgb), 0);
}

TEST(DrawSentence, TheCursorBarStandsUnderTheNextCharacter)
{
    struct Case {
        QString Example;
        int InputLen;
        std::optional<QRect> Bar;
    };
    const Case cases[] = {
        {PresentExample, 0, QRect(92, Top + 37, 7, 3)},
        {PresentExample, 44, QRect(85 + 14 * 44 + 7, Top + 37, 7, 3)},
        {KyotoExample, 10, QRect(43 + 140 + 7, Top + 37, 7, 3)},
        // With line 1 typed the bar moves under the first character of line 2.
        {KyotoExample, 51, QRect(50, Top + 97, 7, 3)},
        {KyotoExample, 55, QRect(43 + 56 + 7, Top + 97, 7, 3)},
        {PresentExample, 45, std::nullopt},
        {KyotoExample, 63, std::nullopt},
    };
    for (const Case &c : cases) {
        const TSentenceData sense = SenseOf(c.Example);
        const TDrawn drawn = Draw(sense, {.InputLen = c.InputLen, .HintIndex = static_cast<int>(sense.Sentence.size())});
        SCOPED_TRACE(c.InputLen);
        if (!c.Bar) {
            EXPECT_EQ(CountRgb(drawn.Image, CursorRgb), 0);
            continue;
        }
        EXPECT_EQ(CountRgb(drawn.Image, CursorRgb), 21);
        EXPECT_EQ(drawn.Image.pixel(c.Bar->topLeft()), CursorRgb);
        EXPECT_EQ(drawn.Image.pixel(c.Bar->bottomRight()), CursorRgb);
    }
}

TEST(DrawSentence, EachCharacterShowsItsStateByTheRules)
{
    struct Case {
        const char *What;
        TPattern Pattern;
        TTypingView Typing;
        const char *Looks; // "Hi, Bo ran."
    };
    const Case cases[] = {
        {"nothing revealed", ptSentence, {}, "###########"},
        {"nothing revealed, writing: blanks stay empty", ptWriting, {}, "###.##.####"},
        {"typed, revealed, hidden", ptSentence, {.InputLen = 3, .HintIndex = 5}, "BBBGG######"},
        {"typed again after completion", ptSentence, {.InputLen = 2, .InputMode = 9, .HintIndex = 11}, "BBGPPPPPPPG"},
        {"typed again after completion, writing", ptWriting, {.InputLen = 2, .InputMode = 9, .HintIndex = 11},
         "BBGGGGGGGGG"},
        {"writing: punctuation just passed over", ptWriting, {.InputLen = 3, .HintIndex = 3}, "BBG.##.####"},
        {"writing: after a miss it shows typed", ptWriting, {.InputLen = 3, .HintIndex = 3, .MissType = true},
         "BBB.##.####"},
        {"writing: the closing mark of a sentence typed to its end", ptWriting,
         {.InputLen = 11, .InputMode = 9, .HintIndex = 11}, "BBBBBBBBBBB"},
        {"writing: the closing mark before completion", ptWriting, {.InputLen = 11, .HintIndex = 11}, "BBBBBBBBBBG"},
    };
    const TSentenceData sense = SenseOf(ShortExample);
    for (const Case &c : cases) {
        const TDrawn drawn = Draw(sense, c.Typing, c.Pattern);
        EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence, drawn.Layout.X0, Top + 4), QLatin1String(c.Looks))
            << c.What;
    }
}

TEST(DrawSentence, PassedOverPunctuationOnLineTwoShowsTyped)
{
    // "either town." ends line 2; on line 1 the same state would show grey.
    const TSentenceData sense = SenseOf(KyotoExample);
    const TDrawn drawn = Draw(sense, {.InputLen = 63, .HintIndex = 63}, ptWriting);
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence.sliced(51), 43, Top + 64), QString(12, u'B'));
}

TEST(DrawSentence, GreyAndPaleGlyphsKeepTheirShadeOverABand)
{
    // A completed sentence typed again: bands behind, pale letters and grey
    // punctuation over them.
    const TSentenceData sense = SenseOf(ShortExample);
    const TDrawn drawn = Draw(sense, {.InputLen = 0, .InputMode = 9, .HintIndex = 11});
    EXPECT_EQ(SmallCellLooks(drawn.Image, sense.Sentence, drawn.Layout.X0, Top + 4), QStringLiteral("PPGPPPPPPPG"));
    const int x0 = drawn.Layout.X0;
    // Between the stripes of "H" and "i" the silver band shows through.
    EXPECT_EQ(drawn.Image.pixel(x0 + 16, Top + 10), qRgb(192, 192, 192));
    // The stripe of "," on the band: grey ink where its bits are set.
    EXPECT_EQ(drawn.Image.pixel(x0 + 28 + 10, Top + 4 + 2 + 3 * 1), GreyInk);
}

TEST(DrawSentence, TheGuideFlagIsRenewedOnlyInTheWritingPattern)
{
    const TSentenceData sense = SenseOf(ShortExample);
    EXPECT_TRUE(Draw(sense, {}, ptSentence, 10, 2, true).GuideMarkAtEdge);
    EXPECT_FALSE(Draw(sense, {}, ptWriting, 10, 3, true).GuideMarkAtEdge);
}

} // namespace
