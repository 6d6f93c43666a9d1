#include "Fonts.h"
#include "PanelPixels.h"
#include "TrainingPanels.h"

#include <QFontMetrics>
#include <QImage>

#include <functional>

#include <gtest/gtest.h>

namespace {

// "rest" with three senses, the second being practised.
TBandDataItem Rest()
{
    TBandDataItem word;
    word.Id = 331;
    word.Word = "rest";
    for (int i = 0; i < 3; ++i) {
        TSentenceData sense;
        sense.Sentence = "Let's rest here for a while.";
        sense.Translation1 = u"休もう/ここで/しばらく。"_qs;
        sense.Translation2 = u"ここでしばらく休もう。"_qs;
        word.Item.append(sense);
    }
    word.SentenceIndex = 1;
    return word;
}

const QRgb Background = qRgb(255, 255, 255);

QImage Paint(int width, int height, const std::function<void(QPainter &)> &draw)
{
    InstallFontSubstitutions();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    QPainter canvas(&image);
    draw(canvas);
    canvas.end();
    return image;
}

TEST(TrainingPanels, TheLiteralTranslationShowsByMeaningNoAndAlwaysWhenWriting)
{
    const struct {
        TPattern pattern;
        int meaningNo;
        int inputMode;
        bool shown;
    } cases[] = {
        {ptWordAndSentence, 0, 0, true}, {ptWordAndSentence, 1, 0, false}, {ptWordAndSentence, 1, 1, false},
        {ptSentence, 1, 9, true},        {ptSentence, 2, 9, false},        {ptWriting, 2, 0, true},
        {ptWriting, 1, 0, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ShowsTranslation1(c.pattern, c.meaningNo, c.inputMode), c.shown)
            << c.pattern << " " << c.meaningNo << " " << c.inputMode;
}

TEST(TrainingPanels, TranslationsTakeTheirOwnRowsAndColours)
{
    TBandDataItem rest = Rest();
    TPanelView view;
    view.Word = &rest;
    view.WordOrSentence = wsSentence;

    view.MeaningNo = 0;
    const QImage literalOnly = Paint(800, 50, [&](QPainter &c) { DrawSentensMeaningPanel(c, 800, view); });
    const QRect literal = InkBounds(literalOnly, Background);
    ASSERT_FALSE(literal.isEmpty());
    EXPECT_LT(literal.bottom(), 25);
    const QFontMetrics metrics(PointFont(FaceMsPGothic, 12));
    const int centredX = (800 - metrics.horizontalAdvance(rest.Item[1].Translation1)) / 2;
    EXPECT_GE(literal.left(), centredX);
    EXPECT_LE(literal.left(), centredX + 3);

    view.MeaningNo = 2;
    view.Trans2Flag = true;
    const QImage naturalOnly = Paint(800, 50, [&](QPainter &c) { DrawSentensMeaningPanel(c, 800, view); });
    const QRect natural = InkBounds(naturalOnly, Background);
    ASSERT_FALSE(natural.isEmpty());
    // Its line starts at 25; a glyph may reach one pixel above its line.
    EXPECT_GE(natural.top(), 24);
    EXPECT_GT(natural.bottom(), 30);
    EXPECT_TRUE(HasPixelNear(naturalOnly, QColor(46, 91, 155)));
    EXPECT_FALSE(HasPixelNear(naturalOnly, Qt::black, 30));
}

TEST(TrainingPanels, TheInstructionFollowsTheStateOfTheItem)
{
    TBandDataItem rest = Rest();
    const struct {
        TWordOrSentence mode;
        int inputMode;
        int inputLen;
        const char16_t *message;
    } cases[] = {
        {wsWord, 9, 4, u">>> Enterキーを押してください。"},
        {wsSentence, 9, 28, u">>> Enterキーを押してください。"},
        {wsSentence, 0, 3, u">>> 英文を打ってください。スペースも打ってください。"},
        {wsSentence, 9, 5, u">>> 英文を打ってください。スペースも打ってください。"},
        {wsWord, 0, 0, u">>> 単語のスペルを打ってください。"},
        {wsWord, 1, 2, u">>> 単語のスペルを打ってください。"},
        {wsWord, 9, 0, u">>> 文字の色が変わり、カーソルが先頭の時、Enterキーを押すと次へ進みます。"},
        {wsSentence, 9, 0, u">>> 文字の色が変わり、カーソルが先頭の時、Enterキーを押すと次へ進みます。"},
    };
    for (const auto &c : cases) {
        TPanelView view;
        view.Word = &rest;
        view.WordOrSentence = c.mode;
        view.InputMode = c.inputMode;
        view.InputLen = c.inputLen;
        EXPECT_EQ(InstructionMessage(view), QString::fromUtf16(c.message))
            << c.mode << " " << c.inputMode << " " << c.inputLen;
    }
}

TEST(TrainingPanels, TheWordPanelShowsTheWordOrTheSenseNumberByPattern)
{
    TBandDataItem rest = Rest();
    const struct {
        TPattern pattern;
        TWordOrSentence mode;
        const char *text;
    } cases[] = {
        {ptWordAndSentence, wsSentence, "2/3"}, {ptWordAndSentence, wsWord, ""}, {ptWord, wsWord, ""},
        {ptSentence, wsSentence, "rest"},       {ptWriting, wsSentence, "rest"},
    };
    for (const auto &c : cases) {
        TPanelView view{&rest, c.mode, c.pattern};
        EXPECT_EQ(WordPanelText(view), QString::fromLatin1(c.text)) << c.pattern << " " << c.mode;
    }
}

TEST(TrainingPanels, TheSenseNumberEndsAtTheRightEdgeOfItsPanel)
{
    TBandDataItem rest = Rest();
    const TPanelView view{&rest, wsSentence, ptWordAndSentence};
    const QRect ink = InkBounds(Paint(182, 28, [&](QPainter &c) { DrawWordPanel(c, 182, view); }), Background);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.right(), 176);
    EXPECT_GE(ink.left(), 140);
}

TEST(TrainingPanels, TheIdShowsOnlyWhenAskedFor)
{
    TBandDataItem rest = Rest();
    TPanelView view{&rest};
    EXPECT_TRUE(InkBounds(Paint(116, 16, [&](QPainter &c) { DrawIdNoPanel(c, 116, view); }), Background).isEmpty());
    view.IdNoShowFlag = true;
    EXPECT_EQ(IdNoText(view), u"ID: 331"_qs);
    const QRect ink = InkBounds(Paint(116, 16, [&](QPainter &c) { DrawIdNoPanel(c, 116, view); }), Background);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.right(), 110);
}

TEST(TrainingPanels, TheSpecialTrainingNoticeIsGreyOnAFullYellowBand)
{
    const QImage panel = Paint(780, 16, [](QPainter &c) { DrawSpecialTrainingPanel(c, QSize(780, 16)); });
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_EQ(panel.pixel(0, 0), yellow);
    EXPECT_EQ(panel.pixel(779, 15), yellow);
    EXPECT_EQ(panel.pixel(390, 8), yellow);
    const QRect ink = InkBounds(panel, yellow);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 12);
    EXPECT_LE(ink.left(), 14);
    EXPECT_LE(ink.right(), 767);
    EXPECT_GE(ink.right(), 760);
    EXPECT_TRUE(HasPixelNear(panel, QColor(128, 128, 128)));
}

TEST(TrainingPanels, NoRunDrawsNothing)
{
    const TPanelView none;
    const QImage image = Paint(800, 50, [&](QPainter &c) {
        DrawSentensMeaningPanel(c, 800, none);
        DrawWordPanel(c, 182, none);
        DrawIdNoPanel(c, 116, none);
    });
    EXPECT_TRUE(InkBounds(image, Background).isEmpty());
}

} // namespace
