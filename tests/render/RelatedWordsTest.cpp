#include "Fonts.h"
#include "RelatedWords.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

// The word's layout control on the training screen.
const QRect WordText(10, 198, 780, 124);

// Ten pixels a character, except "." which takes two, so positions can be
// worked out by hand.
int FixedWidth(const QString &text)
{
    int width = 0;
    for (QChar c : text)
        width += c == u'.' ? 2 : 10;
    return width;
}

TSentenceData Related(const QString &etc1, const QString &etc3)
{
    TSentenceData sense;
    sense.Etc1 = etc1;
    sense.Etc3 = etc3;
    return sense;
}

TEST(RelatedWords, InflectionsAreCentredOnTheMiddleOfTheWindowBelowTheWord)
{
    const QList<TPlacedWords> placed = LayoutRelatedWords(Related(u"lose - lost - lost"_qs, {}), WordText, FixedWidth);
    const QList<TPlacedWords> expected = {{u"lose - lost - lost"_qs, 310, 278, clBlack}};
    EXPECT_EQ(placed, expected);
}

TEST(RelatedWords, TheLayoutFollowsTheWordControl)
{
    // A control at x 110, y 100, 500 × 100: inflections centred on x 360 at
    // y 180, lines from y 220, broken at its right edge, x 610.
    const QRect moved(110, 100, 500, 100);
    const QList<TPlacedWords> placed =
        LayoutRelatedWords(Related(u"go - went"_qs, QString(25, u'a')), moved, FixedWidth);
    const QList<TPlacedWords> expected = {
        {u"go - went"_qs, 315, 180, clBlack}, {QString(24, u'a'), 368, 220, clBlack}, {u"a"_qs, 368, 240, clBlack}};
    EXPECT_EQ(placed, expected);
}

TEST(RelatedWords, EachLineStartsTwentyPixelsBelowTheLastWithBlueHeadwords)
{
    const QList<TPlacedWords> placed =
        LayoutRelatedWords(Related({}, u"[b]loss[/b] x[cr][b]lost[/b] y[cr]z [b]win[/b]"_qs), WordText, FixedWidth);
    const QList<TPlacedWords> expected = {
        {u"loss"_qs, 368, 342, clBlue}, {u" x"_qs, 408, 342, clBlack}, {u"lost"_qs, 368, 362, clBlue},
        {u" y"_qs, 408, 362, clBlack},  {u"z "_qs, 368, 382, clBlack}, {u"win"_qs, 388, 382, clBlue},
    };
    EXPECT_EQ(placed, expected);
}

TEST(RelatedWords, ATextPassingTheRightMarginGoesOnOneLineLowerAndPushesTheNextLineDown)
{
    // 45 characters from 368 would end at 818; 42 end at 788.
    const QString longLine = QString(45, u'a');
    const QList<TPlacedWords> placed = LayoutRelatedWords(Related({}, longLine + u"[cr]next"_qs), WordText, FixedWidth);
    const QList<TPlacedWords> expected = {
        {QString(42, u'a'), 368, 342, clBlack},
        {QString(3, u'a'), 368, 362, clBlack},
        {u"next"_qs, 368, 382, clBlack},
    };
    EXPECT_EQ(placed, expected);
}

TEST(RelatedWords, ATextOfWhichNoCharacterFitsIsLeftOutAndThePenStays)
{
    // The line ends at 788; "[b]xy" cannot start there, a following "." of
    // two pixels still fits at 788.
    const QList<TPlacedWords> placed = LayoutRelatedWords(Related({}, QString(42, u'a') + u"[b]xy[/b]."_qs), WordText, FixedWidth);
    const QList<TPlacedWords> expected = {{QString(42, u'a'), 368, 342, clBlack}, {u"."_qs, 788, 342, clBlack}};
    EXPECT_EQ(placed, expected);
}

TEST(RelatedWords, AnUnclosedHeadwordColoursTheFollowingLinesAndEmptyFieldsDrawNothing)
{
    // The next line has no "[b]" of its own, so its "[/b]" is plain text.
    const QList<TPlacedWords> open = LayoutRelatedWords(Related({}, u"a[b]b[cr]c[/b]d[cr]e[b]f[/b]g"_qs), WordText, FixedWidth);
    const QList<TPlacedWords> expected = {
        {u"a"_qs, 368, 342, clBlack}, {u"b"_qs, 378, 342, clBlue}, {u"c[/b]d"_qs, 368, 362, clBlue},
        {u"e"_qs, 368, 382, clBlue},  {u"f"_qs, 378, 382, clBlue}, {u"g"_qs, 388, 382, clBlack},
    };
    EXPECT_EQ(open, expected);
    EXPECT_TRUE(LayoutRelatedWords(Related({}, {}), WordText, FixedWidth).isEmpty());
    EXPECT_EQ(LayoutRelatedWords(Related({}, u"one line"_qs), WordText, FixedWidth).size(), 1);
}

TEST(RelatedWords, TheRelatedWordsOfLoseTakeThreeLinesInTheRealFont)
{
    InstallFontSubstitutions();
    const QFontMetrics metrics(PointFont(FaceMsPGothic, 11));
    const QList<TPlacedWords> placed = LayoutRelatedWords(
        Related(u"lose - lost - lost"_qs,
                u"[b]loss[/b] <名> 喪失[cr][b]lost[/b] <形> 失くした、道に迷った[cr]⇔ [b]win[/b] ～に勝つ、勝つ"_qs),
        WordText,
        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    QList<int> lineTops;
    for (const TPlacedWords &words : placed) {
        if (words.Y == 278)
            continue;
        if (!lineTops.contains(words.Y)) {
            lineTops.append(words.Y);
            EXPECT_EQ(words.X, 368) << words.Text.toStdString();
        }
        EXPECT_LE(words.X + metrics.horizontalAdvance(words.Text), 790) << words.Text.toStdString();
    }
    EXPECT_EQ(lineTops, (QList<int>{342, 362, 382}));
}

} // namespace
