// What the main window repaints: a screen change paints the window once,
// a key repaints only what it changed, and the picture that results is
// the one a full repaint gives.

#include "EgImage.h"
#include "GlyphCells.h"
#include "Main.h"
#include "WindowTestSupport.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Notes every paint the window itself receives, with the area it covers.
class TPaintLog : public QObject {
public:
    explicit TPaintLog(QWidget *window)
        : Window(window)
    {
        window->installEventFilter(this);
    }

    QList<QRegion> Paints;

    QRegion Painted() const
    {
        QRegion all;
        for (const QRegion &r : Paints)
            all += r;
        return all;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == Window && event->type() == QEvent::Paint)
            Paints.append(static_cast<QPaintEvent *>(event)->region());
        return false;
    }

private:
    QWidget *Window;
};

class WindowRepaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        Restart();
    }

    // A window of its own, started as the program starts it; the clock
    // moves on half a second at each look, so the start screen's wait ends.
    void Restart()
    {
        Window.reset();
        TFrmMainEnvironment env = TestEnvironment(Folder.path());
        env.ShowMessage = [](const QString &) {};
        env.TickCount = [this] { return Clock += 500; };
        env.Pause = HoldablePause(HoldPauses, Held);
        StartWindow(Window, env);
        Settle();
    }

    // Runs what is pending, paints included.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void Click(const char *name)
    {
        TEgImage *control = Window->Control(QString::fromUtf8(name));
        ASSERT_TRUE(control && control->isVisible()) << name;
        QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
    }

    // The paints of one step, from its input until nothing is pending.
    QList<QRegion> PaintsOf(const std::function<void()> &step)
    {
        TPaintLog log(Window.get());
        step();
        Settle();
        return log.Paints;
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(Window->windowHandle(), key, modifiers);
    }

    void Type(char c) { QTest::keyClick(Window->windowHandle(), c); }

    // From the title to the first target of a run of level 2 in a pattern.
    void StartRun(const char *patternButton)
    {
        Click("ImgBtn1");
        Click("bLevel2");
        Click(patternButton);
        Click("bTraining");
        Settle();
        ASSERT_EQ(Window->CurScreenNo(), 13000);
    }

    const TTrainingState &Run() const { return Window->RunState(); }

    QByteArray Target() const
    {
        const TBandDataItem &word = Run().CurItem[Run().CurItemIndex];
        if (Run().WordOrSentence == wsWord)
            return word.Word;
        return word.Item[word.SentenceIndex].Sentence;
    }

    // The next character the cursor waits for.
    char Next() const { return Target()[Run().InputLen]; }

    // What the window shows now, pieced together from its partial paints.
    QImage OnScreen() const
    {
        return Window->screen()->grabWindow(Window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The window painted afresh in full.
    QImage FullPaint() const { return Window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Ends the pauses held so far, in their order.
    void EndHeldPauses()
    {
        for (const std::function<void()> &then : std::exchange(Held, {}))
            then();
    }

    QTemporaryDir Folder;
    std::unique_ptr<TFrmMain> Window;
    qint64 Clock = 0;
    // A held pause ends only when the test ends it.
    bool HoldPauses = false;
    std::vector<std::function<void()>> Held;
};

// The smallest rectangle holding every pixel where two pictures differ.
QRect Difference(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (la[x] != lb[x])
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

TEST_F(WindowRepaint, EachScreenChangePaintsTheWholeWindowOnce)
{
    const QRegion whole(Window->rect());
    struct TStep {
        const char *Button;
        int Screen;
    };
    // Title, level menu, guide pages forth and back, information, and back.
    const TStep steps[] = {
        {"ImgBtn2", 20000}, {"ImgBtnNext", 20001}, {"ImgBtnPrev", 20000}, {"bBack1", 0},
        {"ImgBtn3", 20005}, {"bBack1", 0},         {"ImgBtn1", 10000},
    };
    for (const TStep &step : steps) {
        // The pointer leaving the button it last clicked repaints that one;
        // it moves before the click so that the click's paints are its own.
        TEgImage *button = Window->Control(QString::fromUtf8(step.Button));
        ASSERT_TRUE(button && button->isVisible()) << step.Button;
        QTest::mouseMove(Window->windowHandle(), button->geometry().center());
        Settle();
        const QList<QRegion> paints = PaintsOf([&] { Click(step.Button); });
        ASSERT_EQ(Window->CurScreenNo(), step.Screen) << step.Button;
        ASSERT_EQ(paints.size(), 1) << step.Button << " to screen " << step.Screen;
        EXPECT_EQ(paints.front(), whole) << step.Button;
    }
}

// A key repaints the cells it changed and nothing more: the letter typed
// and the cursor bar where it was and where it goes, or the meter and the
// flag for a miss.
TEST_F(WindowRepaint, AKeyRepaintsExactlyWhatItChanged)
{
    StartRun("bWordAndSentence");
    ASSERT_EQ(Target(), "rest");
    // The word is centred in its band, 198 from the top; the bar lies 72
    // below the top of the letters.
    const int x0 = 10 + (780 - TextAdvance("rest")) / 2;
    const int r = GlyphAdvance('r');
    const QList<QRegion> letter = PaintsOf([&] { Type('r'); });
    ASSERT_EQ(letter.size(), 1);
    EXPECT_EQ(letter.front(), QRegion(x0, 198, 61, 70) + QRegion(x0, 270, 28, 6) + QRegion(x0 + r, 270, 28, 6));

    const QList<QRegion> miss = PaintsOf([&] { Type('#'); });
    ASSERT_EQ(miss.size(), 1);
    EXPECT_EQ(miss.front(), QRegion(Window->Control("imgMissCount")->geometry()) + Window->Control("imgFlag")->geometry());

    // On to the word's first sentence, on one line of 34 cells 14 apart:
    // the first cell turns from a square to the letter and the bar, 37
    // below the band's top, moves one cell on.
    Key(Qt::Key_J, Qt::ControlModifier);
    Settle();
    ASSERT_EQ(Target(), "You can have the rest of the cake.");
    const int cells = 10 + (780 - 14 * 34) / 2;
    const QList<QRegion> sentence = PaintsOf([&] { Type('Y'); });
    ASSERT_EQ(sentence.size(), 1);
    EXPECT_EQ(sentence.front(), QRegion(cells, 202, 21, 27) + QRegion(cells + 7, 235, 7, 3) + QRegion(cells + 21, 235, 7, 3));
    EXPECT_TRUE(OnScreen() == FullPaint());
}

// Laying out the next target, or the first of a run, is one paint, even
// where a sentence first flashes at the left edge; it settles in its place
// with one more paint once the flash is over.
TEST_F(WindowRepaint, ANewTargetIsPaintedOnce)
{
    Click("ImgBtn1");
    Click("bLevel2");
    Click("bSentence");
    // The pointer leaving the button it clicked paints that button.
    QTest::mouseMove(Window->windowHandle(), Window->Control("bTraining")->geometry().center());
    Settle();
    HoldPauses = true;
    const QList<QRegion> start = PaintsOf([&] {
        Click("bTraining");
        // The start screen looks at the clock again and again.
        for (int look = 0; look < 20 && Window->CurScreenNo() == 88888; ++look)
            EndHeldPauses();
    });
    ASSERT_EQ(Window->CurScreenNo(), 13000);
    const QRegion whole(Window->rect());
    ASSERT_EQ(start.size(), 2) << "the start screen, then the training screen";
    EXPECT_EQ(start[1], whole);

    const QRegion band(0, 198, 800, 124);
    const QRegion corner(0, 0, 6, 6);
    const auto flashOver = [&] {
        const QList<QRegion> settle = PaintsOf([&] { EndHeldPauses(); });
        ASSERT_EQ(settle.size(), 1);
        EXPECT_EQ(settle.front(), band + corner);
    };
    flashOver();

    const QList<QRegion> next = PaintsOf([&] { Key(Qt::Key_J, Qt::ControlModifier); });
    ASSERT_EQ(next.size(), 1);
    EXPECT_EQ(next.front().intersected(band + corner), band + corner);
    // What the next target leaves as it was is not painted again.
    for (const char *unchanged : {"bBack2", "bForward", "bHint", "bSetup"})
        EXPECT_FALSE(next.front().intersects(Window->Control(QString::fromUtf8(unchanged))->geometry())) << unchanged;
    flashOver();
    EXPECT_TRUE(OnScreen() == FullPaint());
}

// Every step of runs in the four patterns, with misses, hints, cursor keys,
// completed targets typed again and the moves between targets: after each,
// what the partial repaints left on screen is what a full repaint shows.
TEST_F(WindowRepaint, AfterEveryStepOfARunTheScreenEqualsAFullRepaint)
{
    struct TCase {
        const char *Pattern;
        TOptions Options;
    };
    const TCase cases[] = {
        {"bWordAndSentence", {0, 0, 0, 0, 1, 0}},
        {"bWord", {0, 0, 1, 0, 0, 0}},
        {"bSentence", {0, 0, 0, 0, 2, 0}},
        {"bWriting", {0, 0, 0, 0, 0, 2}},
        {"bWriting", {0, 0, 0, 0, 1, 0}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Pattern);
        Restart();
        TFrmMainTestAccess::Options(*Window) = c.Options;
        StartRun(c.Pattern);
        int step = 0;
        const auto check = [&](const char *what) {
            Settle();
            ++step;
            const QImage shown = OnScreen();
            const QImage full = FullPaint();
            ASSERT_EQ(shown.size(), full.size());
            ASSERT_TRUE(shown == full) << what << " at step " << step << " of target " << Target().toStdString()
                                       << ": differs in " << Difference(shown, full).x() << ","
                                       << Difference(shown, full).y() << " " << Difference(shown, full).width()
                                       << "x" << Difference(shown, full).height();
        };
        for (int targets = 0; targets < 4 && Window->CurScreenNo() == 13000; ++targets) {
            const QByteArray target = Target();
            Type('#');
            check("a miss");
            for (int guard = 0; Run().InputLen < target.size() / 2 && guard < 200; ++guard) {
                Type(Next());
                check("a letter");
            }
            Key(Qt::Key_Backspace);
            check("Backspace");
            Key(Qt::Key_H, Qt::ControlModifier);
            check("a hint");
            for (int guard = 0; Run().InputLen < target.size() && guard < 200; ++guard) {
                Type(Next());
                check("a letter");
            }
            Key(Qt::Key_Return);
            check("Enter back to the start");
            for (int i = 0; i < 3 && Run().InputLen < target.size(); ++i) {
                Type(Next());
                check("a letter typed again");
            }
            Key(Qt::Key_Backspace);
            check("Backspace after completion");
            Key(Qt::Key_J, Qt::ControlModifier);
            check("on to the next target");
        }
        Key(Qt::Key_I, Qt::ControlModifier);
        check("the natural translation");
        Key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        check("the word's id");
        Key(Qt::Key_F, Qt::ControlModifier);
        check("back to the last target");
    }
}

} // namespace
