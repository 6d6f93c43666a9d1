#include "Fonts.h"
#include "MeaningPanel.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TBandDataItem WordWithSenses(const QList<QPair<int, QString>> &senses)
{
    TBandDataItem word;
    word.Word = "word";
    for (const auto &[part, meaning] : senses) {
        TSentenceData sense;
        sense.Part = part;
        sense.Meaning = meaning;
        word.Item.append(sense);
    }
    return word;
}

// Every character is 10 pixels wide at the normal size and 8 at the small
// one, so positions can be worked out by hand.
TMeaningMetrics FixedMetrics()
{
    TMeaningMetrics metrics;
    metrics.Width = [](const QString &text, bool small) { return static_cast<int>(text.size()) * (small ? 8 : 10); };
    metrics.NormalHeight = 16;
    metrics.SmallHeight = 13;
    metrics.LineHeight = 16;
    return metrics;
}

int Bottom(const TPlacedMeaning &piece) { return piece.Bounds.top() + piece.Bounds.height(); }

TEST(MeaningPanel, PartsOfSpeechAreAbbreviatedInAsciiParentheses)
{
    const struct {
        int code;
        const char16_t *text;
    } cases[] = {{1, u"(名)"}, {2, u"(形)"}, {3, u"(副)"}, {4, u"(動)"}, {5, u"(代)"}, {6, u"(接)"},
                 {7, u"(前)"}, {8, u"(助)"}, {0, u""},     {9, u""},     {-1, u""}};
    for (const auto &c : cases)
        EXPECT_EQ(PartAbbreviation(c.code), QString::fromUtf16(c.text)) << c.code;
}

TEST(MeaningPanel, SensesFollowEachOtherWithSilverPrefixesAfterTwoIdeographicSpaces)
{
    const TBandDataItem rest = WordWithSenses({{1, u"残り"_qs}, {1, u"休息"_qs}, {4, u"休息する"_qs}});
    const QList<TMeaningLinePiece> expected = {
        {u"(名) "_qs, true, clSilver},           {u"残り"_qs, false, clBlack},
        {u"\u3000\u3000(名) "_qs, true, clSilver}, {u"休息"_qs, false, clBlack},
        {u"\u3000\u3000(動) "_qs, true, clSilver}, {u"休息する"_qs, false, clBlack},
    };
    EXPECT_EQ(MeaningLinePieces(rest, {}), expected);
}

TEST(MeaningPanel, ALineThatFitsIsCentredAndEveryPieceSharesItsBottom)
{
    const TBandDataItem receive = WordWithSenses({{4, u"[s]を[/s]受け取る"_qs}});
    const QList<TPlacedMeaning> placed = LayoutMeaningLine(MeaningLinePieces(receive, {}), FixedMetrics());
    // "(動) " 4 × 8, "を " 2 × 8, "受け取る" 4 × 10: 88 pixels in all.
    ASSERT_EQ(placed.size(), 3);
    const int lefts[] = {306, 338, 354};
    const int widths[] = {32, 16, 40};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(placed[i].Bounds.left(), lefts[i]) << i;
        EXPECT_EQ(placed[i].Bounds.width(), widths[i]) << i;
        EXPECT_EQ(Bottom(placed[i]), 16) << i;
    }
    EXPECT_EQ(placed[1].Text, u"を "_qs);
    EXPECT_TRUE(placed[1].Small);
    EXPECT_EQ(placed[1].Bounds.top(), 3);
    EXPECT_FALSE(placed[2].Small);
    EXPECT_EQ(placed[2].Bounds.top(), 0);
}

TEST(MeaningPanel, ARealFontLineKeepsSmallAndNormalTextOnOneBottomLine)
{
    InstallFontSubstitutions();
    const TBandDataItem receive = WordWithSenses({{4, u"[s]を[/s]受け取る"_qs}});
    const TMeaningMetrics metrics = MeaningPanelMetrics();
    const QList<TPlacedMeaning> placed = LayoutMeaningLine(MeaningLinePieces(receive, {}), metrics);
    ASSERT_EQ(placed.size(), 3);
    EXPECT_LT(metrics.SmallHeight, metrics.NormalHeight);
    EXPECT_EQ(placed[2].Bounds.width(), 60);
    for (const TPlacedMeaning &piece : placed)
        EXPECT_EQ(Bottom(piece), metrics.LineHeight) << piece.Text.toStdString();
    EXPECT_EQ(placed[1].Bounds.left(), placed[0].Bounds.right() + 1);
    EXPECT_EQ(placed[2].Bounds.left(), placed[1].Bounds.right() + 1);
    const int total = placed[2].Bounds.right() + 1 - placed[0].Bounds.left();
    EXPECT_EQ(placed[0].Bounds.left(), (700 - total) / 2);
}

TEST(MeaningPanel, ALineWiderThanThePanelStartsAtTheLeftAndBreaksOnceOntoALowerLine)
{
    // A small prefix of 32 pixels and a meaning of 80 characters (800 pixels).
    const TBandDataItem word = WordWithSenses({{1, QString(80, u'あ')}});
    const QList<TPlacedMeaning> placed = LayoutMeaningLine(MeaningLinePieces(word, {}), FixedMetrics());
    ASSERT_EQ(placed.size(), 3);
    EXPECT_EQ(placed[0].Bounds.left(), 0);
    // 66 characters end at 692; a 67th would pass 700.
    EXPECT_EQ(placed[1].Bounds.left(), 32);
    EXPECT_EQ(placed[1].Text.size(), 66);
    EXPECT_EQ(Bottom(placed[1]), 16);
    EXPECT_EQ(placed[2].Bounds.left(), 0);
    EXPECT_EQ(placed[2].Text.size(), 14);
    EXPECT_EQ(Bottom(placed[2]), 16 + 16 + 12);
}

TEST(MeaningPanel, APieceThatCannotStartOnTheLineMovesWholeToTheNextOne)
{
    // The first sense has no part of speech, so its prefix is one small
    // blank: its meaning ends at 698 and not one character of the next
    // prefix fits there.
    const TBandDataItem word = WordWithSenses({{0, QString(69, u'あ')}, {1, u"い"_qs}});
    const QList<TPlacedMeaning> placed = LayoutMeaningLine(MeaningLinePieces(word, {}), FixedMetrics());
    ASSERT_EQ(placed.size(), 4);
    EXPECT_EQ(placed[1].Bounds.right() + 1, 698);
    EXPECT_EQ(placed[2].Text, u"\u3000\u3000(名) "_qs);
    EXPECT_EQ(placed[2].Bounds.left(), 0);
    EXPECT_EQ(Bottom(placed[2]), 44);
    EXPECT_EQ(placed[3].Bounds.left(), 48);
    EXPECT_EQ(Bottom(placed[3]), 44);
}

TEST(MeaningPanel, AMalformedAnnotationIsReportedOnceForEachMeasuringAndTheLineStillDraws)
{
    InstallFontSubstitutions();
    TBandDataItem word = WordWithSenses({{4, u"[s]を受け取る"_qs}, {4, u"[/s]a[s]b"_qs}});
    TPanelView view;
    view.Word = &word;
    QStringList messages;
    const TMessageReporter report = [&messages](const QString &m) { messages.append(m); };
    QImage panel(700, 45, QImage::Format_RGB32);
    panel.fill(Qt::white);
    {
        QPainter canvas(&panel);
        DrawWordMeaningPanel(canvas, view, report);
    }
    const QStringList once = {u"[s]エラー:[s]を受け取る"_qs, u"[s]エラー:[/s]a[s]b"_qs, u"[s]エラー:a[s]b"_qs};
    EXPECT_EQ(messages, once);
    bool inked = false;
    for (int y = 0; y < panel.height() && !inked; ++y)
        for (int x = 0; x < panel.width() && !inked; ++x)
            inked = qGray(panel.pixel(x, y)) < 100;
    EXPECT_TRUE(inked);
    {
        QPainter canvas(&panel);
        DrawWordMeaningPanel(canvas, view, report);
    }
    EXPECT_EQ(messages, once + once);
}

} // namespace
