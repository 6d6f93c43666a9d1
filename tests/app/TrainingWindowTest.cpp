// Whole runs on the real window, typed key by key through key events.

#include "EgImage.h"
#include "Main.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

class TrainingWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        TFrmMainEnvironment env = TestEnvironment(Folder.path());
        env.ShowMessage = [this](const QString &text) { Messages.append(text); };
        // Each look at the clock moves it on by half a second, so the start
        // screen's wait ends by itself after a few turns.
        env.TickCount = [this] { return Clock += ClockStep; };
        env.Pause = HoldablePause(HoldPauses, Held);
        StartWindow(Window, env);
    }

    void Click(TEgImage *control)
    {
        QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(Window->windowHandle(), key, modifiers);
    }

    void Type(char c) { QTest::keyClick(Window->windowHandle(), c); }

    void OpenCourseScreen()
    {
        Click(Window->Control("ImgBtn1"));
        Click(Window->Control("bLevel2"));
        ASSERT_EQ(Window->CurScreenNo(), 12000);
    }

    // The text being typed now.
    QByteArray Target() const
    {
        const TBandDataItem &word = Window->RunState().CurItem[Window->RunState().CurItemIndex];
        if (Window->RunState().WordOrSentence == wsWord)
            return word.Word;
        return word.Item[word.SentenceIndex].Sentence;
    }

    // Types the rest of the target; the cursor passes what is not typed.
    void TypeToTheEnd()
    {
        const QByteArray target = Target();
        for (int guard = 0; Window->RunState().InputLen < target.size() && guard < 200; ++guard)
            Type(target[Window->RunState().InputLen]);
    }

    // The course as the progress file on disk gives it back, and its settings.
    std::pair<TDataList, TProgress> Saved() const
    {
        QFile file(Folder.path() + QStringLiteral("/Score/-----.dat"));
        TDataList data = Window->Data();
        if (!file.open(QIODevice::ReadOnly))
            return {TDataList(), TProgress()};
        const TProgress progress = ReadProgress(file.readAll(), data);
        return {data, progress};
    }

    QTemporaryDir Folder;
    std::unique_ptr<TFrmMain> Window;
    QStringList Messages;
    qint64 Clock = 0;
    qint64 ClockStep = 500;
    // A held pause ends only when the test runs what follows it.
    bool HoldPauses = false;
    std::vector<std::function<void()>> Held;
};

TEST_F(TrainingWindow, AWholeWordAndSentenceRunTypedCorrectlyRaisesTheKnownCount)
{
    OpenCourseScreen();
    Key(Qt::Key_Return);
    ASSERT_EQ(Window->CurScreenNo(), 13000) << "Enter on the course screen starts the run";
    ASSERT_EQ(Window->RunState().CurItem.size(), 10);
    int targets = 0;
    while (Window->CurScreenNo() == 13000 && targets < 200) {
        TypeToTheEnd();
        ASSERT_EQ(Window->RunState().InputMode, 9);
        Key(Qt::Key_Return); // the cursor returns to the start
        ASSERT_EQ(Window->RunState().InputLen, 0);
        Key(Qt::Key_Return); // on to the next target
        ++targets;
    }
    EXPECT_EQ(Window->CurScreenNo(), 12000);
    // Ten words and their sentences: each word has one to three.
    EXPECT_GT(targets, 20);
    const TBandData &band = Window->Data()[1].Item[0];
    EXPECT_EQ(band.KnownCount, 10);
    EXPECT_EQ(band.UnknownCount, 0);
    EXPECT_EQ(Window->RunState().Session[3], 1);
    EXPECT_EQ(Window->RunState().BaseIndex[3], 11);
    EXPECT_EQ(Window->RunState().LastIndex, 3);
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 0) << "once-more is offered for the band just trained";
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    // The finished run is on disk at once, not only when the window closes.
    const auto [saved, progress] = Saved();
    ASSERT_FALSE(saved.isEmpty()) << "the run's end saves the progress file";
    EXPECT_EQ(saved[1].Item[0].KnownCount, 10);
    EXPECT_EQ(progress.Session[3], 1);
    EXPECT_EQ(progress.BaseIndex[3], 11);
    EXPECT_FALSE(Window->ProgressUnsaved());
}

TEST_F(TrainingWindow, FiveMissesStartSpecialTrainingUntilTheWordIsTypedAgain)
{
    OpenCourseScreen();
    Click(Window->Control("bWord"));
    Click(Window->Control("bTraining"));
    ASSERT_EQ(Window->CurScreenNo(), 13000);
    const int first = Window->RunState().CurItem[0].Id;
    for (int i = 0; i < 5; ++i)
        Type('#');
    EXPECT_EQ(Window->RunState().MissCount, 5);
    TypeToTheEnd();
    EXPECT_TRUE(Window->Control("imgSpecialTraining")->isVisible());
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Window->RunState().CurItemIndex, 0) << "Enter does not leave a word in special training";
    TypeToTheEnd();
    EXPECT_FALSE(Window->Control("imgSpecialTraining")->isVisible());
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Window->RunState().CurItemIndex, 1);
    Click(Window->Control("bBack2"));
    EXPECT_EQ(Window->CurScreenNo(), 12000);
    for (const TBandDataItem &w : Window->Data()[1].Item[0].Item) {
        if (w.Id == first) {
            EXPECT_EQ(w.Judge, 4) << "five misses make the word unknown";
        }
    }
    EXPECT_EQ(Window->Data()[1].Item[0].UnknownCount, 1);
    // Leaving the run by the back button saves what it recorded.
    const auto [saved, progress] = Saved();
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_EQ(saved[1].Item[0].UnknownCount, 1);
}

TEST_F(TrainingWindow, ControlKeysRunTheTrainingCommands)
{
    OpenCourseScreen();
    Click(Window->Control("bTraining"));
    ASSERT_EQ(Window->RunState().WordOrSentence, wsWord);
    EXPECT_EQ(Window->Control("bRewind")->ImageIndex(), 3) << "nothing to rewind to at the start";

    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Window->RunState().MissCount, 5) << "a word hint costs five misses";
    EXPECT_EQ(Window->RunState().InputMode, 1);
    EXPECT_EQ(Window->RunState().InputLen, 0) << "Ctrl+H types nothing";

    Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(Window->RunState().WordOrSentence, wsSentence) << "Ctrl+J moves on to the word's first sentence";
    EXPECT_EQ(Window->RunState().MissCount, 0);
    EXPECT_EQ(Window->Control("bRewind")->ImageIndex(), 0);

    EXPECT_FALSE(Window->RunState().Trans2Flag);
    Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(Window->RunState().Trans2Flag);

    Key(Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    Key(Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Window->RunState().WordOrSentence, wsSentence) << "other modifier sets do nothing";

    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Window->RunState().WordOrSentence, wsWord) << "Ctrl+F goes back to the word";
    EXPECT_EQ(Window->RunState().CurItemIndex, 0);

    EXPECT_FALSE(Window->RunState().IdNoShowFlag);
    Key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Window->RunState().IdNoShowFlag);

    // Ctrl+Enter acts as Enter; Shift+Enter plays the voice and stays.
    TypeToTheEnd();
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Window->RunState().InputLen, 0);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Window->RunState().WordOrSentence, wsWord);
    EXPECT_EQ(Window->RunState().InputLen, 0);

    Click(Window->Control("imgCheck"));
    EXPECT_EQ(Window->RunState().CurItem[0].Check, 1);
    EXPECT_EQ(Window->Control("imgCheck")->ImageIndex(), 1);
}

TEST_F(TrainingWindow, OnceMoreRepeatsTheWordsOfTheLastRun)
{
    OpenCourseScreen();
    Click(Window->Control("bWord"));
    Click(Window->Control("bTraining"));
    QList<int> ids;
    for (const TBandDataItem &w : Window->RunState().CurItem)
        ids.append(w.Id);
    Click(Window->Control("bBack2"));
    ASSERT_EQ(Window->Control("bOnceMore")->ImageIndex(), 0);
    Click(Window->Control("bOnceMore"));
    Click(Window->Control("bNewWordType2"));
    Click(Window->Control("bOnceMore"));
    Click(Window->Control("bTraining"));
    ASSERT_EQ(Window->CurScreenNo(), 13000);
    QList<int> again;
    for (const TBandDataItem &w : Window->RunState().CurItem)
        again.append(w.Id);
    EXPECT_EQ(again, ids) << "in order, a once-more run keeps the order of the last run";
    EXPECT_EQ(Window->RunState().Session[3], 1) << "a once-more run does not count as a new run";
}

TEST_F(TrainingWindow, TheStartScreenShowsUntilEnter)
{
    OpenCourseScreen();
    // A clock that stands still: only Enter can end the wait, however often
    // the wait looks again.
    ClockStep = 0;
    HoldPauses = true;
    Click(Window->Control("bTraining"));
    for (int look = 0; look < 3; ++look) {
        ASSERT_EQ(Held.size(), 1u);
        EXPECT_EQ(Window->CurScreenNo(), 88888);
        std::exchange(Held, {}).front()();
    }
    Type('x'); // other keys are swallowed there
    ASSERT_EQ(Held.size(), 1u);
    std::exchange(Held, {}).front()();
    EXPECT_EQ(Window->CurScreenNo(), 88888);
    Key(Qt::Key_Return);
    HoldPauses = false;
    ASSERT_EQ(Held.size(), 1u);
    std::exchange(Held, {}).front()();
    EXPECT_EQ(Window->CurScreenNo(), 13000);
}

} // namespace
