// Draws the panels with words of the built-in course over the real screen
// backgrounds, at the places the window gives their controls, and keeps the
// pictures in panel-previews/ for review.

#include "CourseLoader.h"
#include "Fonts.h"
#include "MeaningPanel.h"
#include "PngImage.h"
#include "RelatedWords.h"
#include "Resources.h"
#include "StripFixtures.h"
#include "StatusWidgets.h"
#include "TrainingPanels.h"

#include <QDir>
#include <QImage>

#include <functional>

#include <gtest/gtest.h>

namespace {

class PanelsOnScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InstallFontSubstitutions();
        const std::optional<QByteArray> text = LoadResource(QStringLiteral("LDATA"));
        ASSERT_TRUE(text.has_value());
        Course = LoadCourse(*text, {}).Data;
        for (int code = 1; code <= 8; ++code)
            Hinshi[code] = LoadPicture(QStringLiteral("HINSHI%1").arg(code)).Image;
        QDir().mkpath(OutputFolder());
    }

    static QString OutputFolder() { return QDir::current().filePath(QStringLiteral("panel-previews")); }

    static const TBandDataItem *Find(const char *word)
    {
        for (const TLevelData &level : Course)
            for (const TBandData &band : level.Item)
                for (const TBandDataItem &item : band.Item)
                    if (item.Word == word)
                        return &item;
        return nullptr;
    }

    static QImage Screen(const char *name)
    {
        const TPngResult picture = LoadPicture(QString::fromLatin1(name));
        EXPECT_TRUE(picture) << picture.Error.toStdString();
        return picture.Image.convertToFormat(QImage::Format_RGB32);
    }

    // A control's paint: its own origin, clipped to its bounds.
    static void AtControl(QPainter &window, const QRect &bounds, const std::function<void(QPainter &)> &draw)
    {
        window.save();
        window.translate(bounds.topLeft());
        window.setClipRect(QRect(QPoint(0, 0), bounds.size()));
        draw(window);
        window.restore();
    }

    // The training screen of one moment of a run.
    struct TMoment {
        TPanelView View;
        int Remaining = 0;
        int MissCount = 0;
        bool SpecialTraining = false;
    };

    static QImage TrainingScreen(const TMoment &m, QStringList &messages)
    {
        QImage screen = Screen("SCR13000");
        QPainter window(&screen);
        const TMessageReporter report = [&messages](const QString &text) { messages.append(text); };
        const TPanelView &view = m.View;
        const int partLefts[] = {3, 199, 400};
        for (int i = 0; i < view.Word->Item.size() && i < 3; ++i)
            AtControl(window, QRect(partLefts[i], 13, 195, 99),
                      [&](QPainter &c) { DrawPartPanel(c, Hinshi, view.Word->Item[i].Part); });
        if (view.WordOrSentence == wsWord)
            AtControl(window, QRect(50, 150, 700, 45), [&](QPainter &c) { DrawWordMeaningPanel(c, view, report); });
        else
            AtControl(window, QRect(0, 330, 800, 50), [&](QPainter &c) { DrawSentensMeaningPanel(c, 800, view); });
        AtControl(window, QRect(116, 422, 568, 25), [&](QPainter &c) { DrawMessagePanel(c, 568, view); });
        AtControl(window, QRect(606, 129, 182, 28), [&](QPainter &c) { DrawWordPanel(c, 182, view); });
        AtControl(window, QRect(670, 7, 116, 16), [&](QPainter &c) { DrawIdNoPanel(c, 116, view); });
        if (m.SpecialTraining)
            AtControl(window, QRect(8, 116, 780, 16), [&](QPainter &c) { DrawSpecialTrainingPanel(c, QSize(780, 16)); });
        if (view.WordOrSentence == wsWord && view.InputMode == 9)
            DrawRelatedWords(window, *CurrentSense(view), TypingText);
        const QImage counter = LoadPicture(QStringLiteral("COUNTER")).Image;
        const QImage meter = LoadPicture(QStringLiteral("MISSMETER")).Image;
        const QImage flag = LoadPicture(QStringLiteral("FLAG")).Image;
        AtControl(window, QRect(35, 473, 60, 38), [&](QPainter &c) { DrawCounterPanel(c, counter, m.Remaining); });
        AtControl(window, QRect(303, 485, 194, 24),
                  [&](QPainter &c) { DrawMissCountPanel(c, meter, m.MissCount, QSize(194, 24)); });
        AtControl(window, QRect(387, 451, 26, 28),
                  [&](QPainter &c) { DrawFlagPanel(c, flag, m.MissCount, view.InputMode); });
        return screen;
    }

    static inline TDataList Course;
    static inline std::array<QImage, 9> Hinshi;
};

TEST_F(PanelsOnScreens, TheMeaningsOfRestAndReceiveFitOneCentredLineWithoutMessages)
{
    const TMeaningMetrics metrics = MeaningPanelMetrics();
    for (const char *name : {"rest", "receive", "lose"}) {
        const TBandDataItem *word = Find(name);
        ASSERT_NE(word, nullptr) << name;
        QStringList messages;
        const QList<TPlacedMeaning> placed =
            LayoutMeaningLine(MeaningLinePieces(*word, [&](const QString &m) { messages.append(m); }), metrics);
        EXPECT_TRUE(messages.isEmpty()) << name;
        ASSERT_FALSE(placed.isEmpty());
        const int left = placed.first().Bounds.left();
        const int right = placed.last().Bounds.right() + 1;
        EXPECT_GT(left, 0) << name;
        EXPECT_LE(std::abs(left - (700 - right)), 1) << name;
        for (const TPlacedMeaning &piece : placed)
            EXPECT_EQ(piece.Bounds.bottom() + 1, metrics.LineHeight) << name;
    }
}

TEST_F(PanelsOnScreens, TrainingMomentsAreDrawnOverTheTrainingScreen)
{
    const TBandDataItem *rest = Find("rest");
    const TBandDataItem *receive = Find("receive");
    const TBandDataItem *lose = Find("lose");
    ASSERT_TRUE(rest && receive && lose);
    TBandDataItem restSecond = *rest;
    restSecond.SentenceIndex = 1;

    const struct {
        const char *file;
        TMoment moment;
    } moments[] = {
        {"training-rest-word.png", {{rest, wsWord, ptWordAndSentence, 0, 0, 0, false, true}, 10, 2}},
        {"training-lose-completed.png", {{lose, wsWord, ptWordAndSentence, 9, 4, 0, false, false}, 7, 3}},
        {"training-receive-special.png", {{receive, wsWord, ptWordAndSentence, 0, 2, 0, false, false}, 5, 5, true}},
        {"training-rest-sentence.png", {{&restSecond, wsSentence, ptWordAndSentence, 9, 0, 1, true, false}, 9, 1}},
        {"training-receive-writing.png", {{receive, wsSentence, ptWriting, 0, 0, 2, false, false}, 1, 0}},
    };
    for (const auto &m : moments) {
        QStringList messages;
        const QImage screen = TrainingScreen(m.moment, messages);
        EXPECT_TRUE(messages.isEmpty()) << m.file;
        EXPECT_EQ(screen.size(), QSize(800, 600));
        EXPECT_TRUE(screen.save(QDir(OutputFolder()).filePath(QString::fromLatin1(m.file)))) << m.file;
    }
}

TEST_F(PanelsOnScreens, TheStartScreenNamesLevelBandAndPattern)
{
    const TLevelData &level = Course[1];
    ASSERT_FALSE(level.Item.isEmpty());
    QImage screen = Screen("SCR88888");
    {
        QPainter window(&screen);
        AtControl(window, QRect(200, 124, 400, 70),
                  [&](QPainter &c) { DrawLevelNamePanel(c, 400, LevelNameText(1, level.LevelName)); });
        AtControl(window, QRect(200, 212, 400, 60),
                  [&](QPainter &c) { DrawBandNamePanel(c, 400, ShortNameText(level.Item[0].BandName)); });
        AtControl(window, QRect(200, 362, 400, 60),
                  [&](QPainter &c) { DrawWordAndSentencePanel(c, 400, ptWordAndSentence); });
    }
    EXPECT_NE(screen, Screen("SCR88888"));
    EXPECT_TRUE(screen.save(QDir(OutputFolder()).filePath(QStringLiteral("start-screen.png"))));
}

} // namespace
