#include "GuideMarks.h"
#include "SentenceText.h"

#include "StripFixtures.h"

#include <gtest/gtest.h>

namespace {

constexpr int Top = 198;
constexpr int GuideY = Top + 31;
constexpr int LabelTop = Top + 43;
// The guide of the 45-character sentence starts 4 pixels right of x 85.
constexpr int GuideX = 89;
const QString PresentExample = QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M");

QImage Draw(TTypingView typing, int guideNo, TPattern pattern = ptWriting)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    static const TSentenceData sense = SenseOf(PresentExample);
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    bool atEdge = false;
    DrawSentence(10, Top, painter, {small, labels}, {sense, typing, pattern, guideNo, TypingText}, atEdge);
    return image;
}

TEST(DrawGuideMarks, TheGuideOptionDecidesWhichElementsAreUnderlined)
{
    struct Case {
        int GuideNo;
        int InputLen;
        const char *Underlined; // per chunk
    };
    const Case cases[] = {
        {3, 2, "-----"}, {1, 0, "xxxxx"}, {2, 0, "xxxxx"},
        {0, 0, "x----"}, {0, 2, "xx---"}, {0, 21, "xxxx-"},
    };
    const int bounds[] = {0, 2, 11, 21, 32, 45};
    const QRgb colours[] = {0xFF0099FF, 0xFFFF0000, 0xFF00EE00, 0xFFC0C0C0, 0xFFC0C0C0};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "guide " << c.GuideNo << ", typed " << c.InputLen);
        const QImage image = Draw({.InputLen = c.InputLen, .HintIndex = 45}, c.GuideNo);
        for (int k = 0; k < 5; ++k) {
            // A 1-pixel line from the chunk's first cell to 14 pixels short
            // of the next chunk.
            const int left = GuideX + 14 * bounds[k];
            const int right = GuideX + 14 * bounds[k + 1] - 14;
            EXPECT_EQ(image.pixel(left, GuideY), c.Underlined[k] == 'x' ? colours[k] : Paper) << k;
            EXPECT_EQ(image.pixel(right - 1, GuideY), c.Underlined[k] == 'x' ? colours[k] : Paper) << k;
            EXPECT_EQ(image.pixel(right, GuideY), Paper) << k;
            EXPECT_EQ(image.pixel(left, GuideY + 1), Paper) << k;
        }
    }
}

TEST(DrawGuideMarks, OnlyTheWritingPatternHasAGuide)
{
    EXPECT_EQ(Draw({.HintIndex = 45}, 2, ptSentence).pixel(GuideX, GuideY), Paper);
}

struct TExpectedLabel {
    char Letter;
    int Left; // destination
    int Width;
    int Row; // -1: absent
};

TEST(DrawGuideMarks, TheLabelOfTheElementBeingTypedIsHighlighted)
{
    struct Case {
        const char *What;
        TTypingView Typing;
        std::vector<TExpectedLabel> Labels;
    };
    // Subject and verb labels end at the last character of their chunk;
    // the others start at the first.
    const int subject = GuideX + 14 * 1 - 27;
    const int verb = GuideX + 14 * 10 - 27;
    const int object = GuideX + 14 * 11 - 10;
    const int modifier1 = GuideX + 14 * 21;
    const int modifier2 = GuideX + 14 * 32;
    const Case cases[] = {
        {"at the start", {.HintIndex = 45},
         {{'S', subject, 27, 1}, {'V', verb, 27, 0}, {'O', object, 31, 0}, {'M', modifier1, 54, 0}, {'M', modifier2, 54, 0}}},
        {"inside the object", {.InputLen = 12, .HintIndex = 45},
         {{'S', subject, 27, -1}, {'V', verb, 27, -1}, {'O', object, 31, 1}, {'M', modifier1, 54, 0}, {'M', modifier2, 54, 0}}},
        {"on the verb's last character", {.InputLen = 10, .HintIndex = 45},
         {{'V', verb, 27, 1}, {'O', object, 31, 0}}},
        {"on the object's last character", {.InputLen = 20, .HintIndex = 45},
         {{'O', object, 31, 1}, {'M', modifier1, 54, 0}}},
        {"completed", {.InputLen = 45, .InputMode = 9, .HintIndex = 45},
         {{'S', subject, 27, -1}, {'V', verb, 27, -1}, {'O', object, 31, -1}, {'M', modifier1, 54, -1}, {'M', modifier2, 54, -1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.What);
        const QImage image = Draw(c.Typing, 2);
        for (const TExpectedLabel &label : c.Labels) {
            SCOPED_TRACE(label.Letter);
            if (label.Row < 0) {
                EXPECT_EQ(image.pixel(label.Left + label.Width / 2, LabelTop + 7), Paper);
                continue;
            }
            const QRgb rgb = LabelRgb(label.Letter, label.Row);
            EXPECT_EQ(image.pixel(label.Left, LabelTop), rgb);
            EXPECT_EQ(image.pixel(label.Left + label.Width - 1, LabelTop + 14), rgb);
            EXPECT_NE(image.pixel(label.Left + label.Width, LabelTop + 7), rgb);
            EXPECT_EQ(image.pixel(label.Left, LabelTop + 15), Paper);
        }
    }
}

TEST(DrawGuideMarks, AVerbSplitByTheBreakLightsItsLabelOnceTheCursorIsOnLineTwo)
{
    // A 40-character subject, then a 20-character verb broken after its
    // blank at position 52: its label hangs at its last character, on line 2.
    const QString example = QStringLiteral("[%1 ]S[%2 %3]V").arg(QString(39, u'a'), QString(11, u'b'), QString(8, u'c'));
    const TSentenceData sense = SenseOf(example);
    ASSERT_EQ(sense.Sentence.size(), 60);
    const int guideX = 10 + (780 - 14 * 52) / 2 + 4;
    const QPoint verbLabel(guideX + 14 * 7 - 27, Top + 31 + 60 + 12);
    struct Case {
        int InputLen;
        int InputMode;
        int Row; // -1: absent
    };
    const Case cases[] = {{0, 0, 0}, {45, 0, 0}, {52, 0, 1}, {59, 0, 1}, {60, 9, -1}};
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.InputLen);
        QImage image = WhiteCanvas();
        QPainter painter(&image);
        bool atEdge = false;
        DrawSentence(10, Top, painter, {small, labels},
                     {sense, {.InputLen = c.InputLen, .InputMode = c.InputMode, .HintIndex = 60}, ptWriting, 2, TypingText}, atEdge);
        painter.end();
        if (c.Row >= 0) {
            EXPECT_EQ(image.pixel(verbLabel), LabelRgb('V', c.Row));
        }
        EXPECT_EQ(CountRgb(image, LabelRgb('V', 0)), c.Row == 0 ? 27 * 15 : 0);
        EXPECT_EQ(CountRgb(image, LabelRgb('V', 1)), c.Row == 1 ? 27 * 15 : 0);
    }
}

TEST(DrawGuideMarks, GuidesOtherThanTwoDrawNoLabels)
{
    for (int guideNo : {0, 1, 3})
        EXPECT_EQ(CountRgb(Draw({.HintIndex = 45}, guideNo), LabelRgb('S', 1)), 0) << guideNo;
}

TEST(DrawGuideMarks, OtherElementsAreUnderlinedButNeverLabelled)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    const TSentenceData sense = SenseOf(QStringLiteral("[John, ]Y[run ]V"));
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    bool atEdge = false;
    const TSentenceLayout layout = DrawSentence(10, Top, painter, {small, labels}, {sense, {.HintIndex = 10}, ptWriting, 2, TypingText}, atEdge);
    EXPECT_EQ(image.pixel(layout.X0 + 4, GuideY), 0xFFC0C0C0);
    // Only the verb's end label is drawn.
    EXPECT_EQ(CountRgb(image, LabelRgb('V', 0)), 27 * 15);
    for (char letter : {'S', 'O', 'C', 'Z', 'M'})
        for (int row : {0, 1})
            EXPECT_EQ(CountRgb(image, LabelRgb(letter, row)), 0) << letter;
}

TEST(DrawGuideLabel, ALitStartLabelRaisesTheFlagAtTheRightEdge)
{
    struct Case {
        char Letter;
        int Anchor;
        TGuideLabelRow Row;
        std::optional<bool> AtEdge;
    };
    const Case cases[] = {
        {'C', 710, glLit, true},  {'C', 709, glLit, false}, {'M', 726, glLit, true},   {'M', 725, glLit, false},
        {'O', 759, glLit, true},  {'O', 758, glLit, false}, {'Z', 734, glLit, true},   {'Z', 733, glLit, false},
        {'C', 760, glQuiet, false}, {'S', 790, glLit, std::nullopt}, {'V', 790, glLit, std::nullopt},
        {'Y', 790, glLit, std::nullopt},
    };
    const QImage labels = SyntheticLabels();
    for (const Case &c : cases) {
        QImage image = WhiteCanvas();
        QPainter painter(&image);
        EXPECT_EQ(DrawGuideLabel(painter, labels, QChar::fromLatin1(c.Letter), QPoint(c.Anchor, 100), c.Row), c.AtEdge)
            << c.Letter << " at " << c.Anchor;
    }
}

TEST(DrawGuideLabel, EachLabelLandsAtItsOffsetFromTheAnchor)
{
    struct Case {
        char Letter;
        int Left;
        int Width;
    };
    const Case cases[] = {{'C', -10, 80}, {'M', 0, 54}, {'O', -10, 31}, {'Z', -4, 46}, {'S', -27, 27}, {'V', -27, 27}};
    const QImage labels = SyntheticLabels();
    for (const Case &c : cases) {
        QImage image = WhiteCanvas();
        {
            QPainter painter(&image);
            DrawGuideLabel(painter, labels, QChar::fromLatin1(c.Letter), QPoint(300, 100), glQuiet);
        }
        const QRgb rgb = LabelRgb(c.Letter, 0);
        EXPECT_EQ(CountRgb(image, rgb), c.Width * 15) << c.Letter;
        EXPECT_EQ(image.pixel(300 + c.Left, 100), rgb) << c.Letter;
        EXPECT_EQ(image.pixel(300 + c.Left + c.Width - 1, 114), rgb) << c.Letter;
    }
}

TEST(DrawGuideMarks, TheFlagFollowsTheLastStartLabelDrawn)
{
    const QImage labels = SyntheticLabels();
    struct Case {
        QString Example;
        int X0;
        bool AtEdge;
    };
    // A lit complement label at anchor 710 raises the flag, one at 709 does
    // not; a quiet object label drawn after it lowers it again.
    const Case cases[] = {
        {QStringLiteral("[ab]C"), 706, true},
        {QStringLiteral("[ab]C"), 705, false},
        {QStringLiteral("[ab]C[cd]O"), 706, false},
    };
    for (const Case &c : cases) {
        const TSentenceData sense = SenseOf(c.Example);
        QImage image = WhiteCanvas();
        QPainter painter(&image);
        const TSentenceLayout layout{{static_cast<int>(sense.Sentence.size()), 0}, c.X0, Top};
        const TChunkLayout chunks = LayOutChunks(c.Example, layout.Split.L1);
        EXPECT_EQ(DrawGuideMarks(painter, labels, chunks, {sense, {.HintIndex = 4}, ptWriting, 2, TypingText}, layout), c.AtEdge)
            << c.Example.toStdString() << " at " << c.X0;
    }
}

} // namespace
