// The main window on the offscreen platform, driven through its real
// controls with synthetic mouse and key events.

#include "EgImage.h"
#include "Fonts.h"
#include "Main.h"
#include "MainFormDescription.h"
#include "PngImage.h"
#include "ProgressFile.h"
#include "UserFiles.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        ExePath = Folder.path() + u'/';
    }

    // Starts the window as the program does, in the test's own folder.
    void Start()
    {
        TFrmMainEnvironment env = TestEnvironment(Folder.path());
        env.Pause = [this](int ms, const std::function<void()> &then) {
            Pauses.append(ms);
            if (HoldPauses)
                Held.push_back(then);
            else
                then();
        };
        env.ShowMessage = [this](const QString &text) { Messages.append(text); };
        env.Ask = [this](const QString &text) {
            Questions.append(text);
            return AnswerYes;
        };
        StartWindow(Window, env);
    }

    void Click(TEgImage *control)
    {
        ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString();
        const QPoint centre = control->geometry().center();
        QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {}, centre);
    }

    // From the title, the name button opens the user dialog, which saves as
    // it opens and is cancelled at once.
    void OpenAndCancelUserDialog()
    {
        Click(Window->Control("ImgBtn1"));
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->done(2);
        });
        poll.start(5);
        Click(Window->Control("bNameSelect"));
        poll.stop();
    }

    QStringList VisibleControls() const
    {
        QStringList names;
        for (QObject *child : Window->findChild<QWidget *>(QStringLiteral("ControlLayer"))->children())
            if (auto *w = qobject_cast<QWidget *>(child); w && w->isVisible())
                names.append(w->objectName());
        names.sort();
        return names;
    }

    void WriteFile(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(ExePath + relative).path());
        QFile file(ExePath + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadFile(const QString &relative) const
    {
        QFile file(ExePath + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Folder;
    QString ExePath;
    std::unique_ptr<TFrmMain> Window;
    QList<int> Pauses;
    // A held pause ends only when the test runs what follows it.
    bool HoldPauses = false;
    std::vector<std::function<void()>> Held;
    void EndHeldPauses()
    {
        const std::vector<std::function<void()>> held = std::exchange(Held, {});
        for (const std::function<void()> &then : held)
            then();
    }
    QStringList Messages;
    QStringList Questions;
    bool AnswerYes = true;
};

TEST_F(MainWindow, FirstStartShowsTheTitleForTheDefaultUser)
{
    Start();
    EXPECT_EQ(Window->CurScreenNo(), 0);
    EXPECT_EQ(Window->UserId(), QStringLiteral("-----"));
    EXPECT_EQ(Window->DataPath(), ExePath);
    EXPECT_TRUE(QDir(ExePath + QStringLiteral("Score")).exists());
    EXPECT_EQ(VisibleControls(), (QStringList{"ImgBtn1", "ImgBtn2", "ImgBtn3", "LblVersion"}));
    EXPECT_EQ(Window->size(), QSize(800, 600));
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("TypeKo"));
    EXPECT_EQ(Window->Data().size(), 8);
    EXPECT_EQ(Window->LevelNo(), 1);
    EXPECT_EQ(Window->BandNo(), 0);
    EXPECT_EQ(Window->RunState().LastIndex, -1);
    EXPECT_EQ(Window->RunState().BaseIndex.size(), 24);
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
}

TEST_F(MainWindow, StartsWithTheLastUserAndTheirChoices)
{
    WriteFile(QStringLiteral("Score.ini"), WriteLastUser(QStringLiteral("たろう")));
    WriteFile(QStringLiteral("Score/たろう.dat"),
              "Way=0,Word=0,New=1,Once=0,Level=5,Pattern=4,WordType=3,Set1=1,Set2=1,Set3=1,Set4=1,Set5=2,Set6=3,Set7=0\r\n"
              "\r\n\r\n\r\n#105,412\r\n");
    Start();
    EXPECT_EQ(Window->UserId(), QStringLiteral("たろう"));
    EXPECT_EQ(Window->LevelNo(), 1) << "a stored level never moves the start";
    EXPECT_EQ(Window->Pattern(), ptWriting);
    EXPECT_EQ(Window->Control("bWriting")->ImageIndex(), 3);
    EXPECT_EQ(Window->Control("bWordAndSentence")->ImageIndex(), 0);
    EXPECT_EQ(Window->ChosenWordType(), 3);
    EXPECT_EQ(Window->Options().GuideNo, 3);
    EXPECT_EQ(Window->Options().MeaningNo, 2);
    const TBandData &band = Window->Data()[1].Item[0];
    EXPECT_EQ(band.CheckCount, 1);
    EXPECT_EQ(band.KnownCount, 1);
    EXPECT_EQ(band.UnknownCount, 1);
    EXPECT_EQ(Window->Control("bLevel2")->ImageIndex(), 2);
    EXPECT_EQ(Window->Control("bBandA")->ImageIndex(), 2);
}

TEST_F(MainWindow, NavigatesThroughEveryScreenAndBack)
{
    Start();
    Click(Window->Control("ImgBtn1"));
    EXPECT_EQ(Window->CurScreenNo(), 10000);
    EXPECT_EQ(VisibleControls(), (QStringList{"bBack2", "bLevel1", "bLevel2", "bLevel3", "bLevel4", "bLevel5",
                                              "bLevel6", "bLevel7", "bLevel8", "bNameSelect", "imgCountHeader1",
                                              "imgUserId2"}));
    Click(Window->Control("bLevel2"));
    EXPECT_EQ(Window->CurScreenNo(), 12000);
    EXPECT_EQ(Pauses, QList<int>{300}) << "the chosen level shows for a moment first";
    Click(Window->Control("bBack1"));
    EXPECT_EQ(Window->CurScreenNo(), 10000);
    Click(Window->Control("bBack2"));
    EXPECT_EQ(Window->CurScreenNo(), 0);

    Click(Window->Control("ImgBtn2"));
    EXPECT_EQ(Window->CurScreenNo(), 20000);
    EXPECT_EQ(Window->Control("ImgBtnPrev")->ImageIndex(), 3);
    Click(Window->Control("ImgBtnPrev"));
    EXPECT_EQ(Window->CurScreenNo(), 20000) << "the first page has no previous page";
    for (int page = 20001; page <= 20004; ++page) {
        Click(Window->Control("ImgBtnNext"));
        EXPECT_EQ(Window->CurScreenNo(), page);
    }
    EXPECT_EQ(Window->Control("ImgBtnNext")->ImageIndex(), 3);
    EXPECT_EQ(Window->Control("ImgBtnPrev")->ImageIndex(), 0);
    Click(Window->Control("ImgBtnNext"));
    EXPECT_EQ(Window->CurScreenNo(), 20004);
    Click(Window->Control("ImgBtnPrev"));
    EXPECT_EQ(Window->CurScreenNo(), 20003);
    EXPECT_EQ(Window->Control("bBack1")->Top(), 523);
    Click(Window->Control("bBack1"));
    EXPECT_EQ(Window->CurScreenNo(), 0) << "back from a guide page returns to the title";

    Click(Window->Control("ImgBtn3"));
    EXPECT_EQ(Window->CurScreenNo(), 20005);
    EXPECT_EQ(Window->Control("bBack1")->Top(), 540);
    EXPECT_EQ(VisibleControls(), QStringList{"bBack1"});
    Click(Window->Control("bBack1"));
    EXPECT_EQ(Window->CurScreenNo(), 0);
}

TEST_F(MainWindow, ALevelWithoutCourseDataSaysSoAndStaysOnTheMenu)
{
    Start();
    TFrmMainTestAccess::Data(*Window)[4].Item.clear();
    Click(Window->Control("ImgBtn1"));
    Click(Window->Control("bLevel5"));
    EXPECT_EQ(Window->CurScreenNo(), 10000);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(QStringLiteral("体験版")));
    EXPECT_EQ(Window->LevelNo(), 1);
    EXPECT_EQ(Window->Control("bLevel5")->ImageIndex(), 0);
}

TEST_F(MainWindow, BandRowsAndTheTotalRowFollowTheNumberOfBands)
{
    Start();
    struct Case {
        int bands;
        int totalTop;
        bool b, c;
    };
    const Case cases[] = {{1, 110, false, false}, {2, 150, true, false}, {3, 190, true, true}};
    // A copy: resizing may move the list that a reference would point into.
    const TBandData firstBand = Window->Data()[1].Item[0];
    for (const Case &c : cases) {
        TFrmMainTestAccess::Data(*Window)[1].Item.resize(c.bands, firstBand);
        Window->SetScreen(12000);
        EXPECT_TRUE(Window->Control("bBandA")->isVisible());
        EXPECT_EQ(Window->Control("bBandB")->isVisible(), c.b) << c.bands;
        EXPECT_EQ(Window->Control("bBandC")->isVisible(), c.c) << c.bands;
        EXPECT_EQ(Window->Control("bBandTotal")->Top(), c.totalTop) << c.bands;
    }
    // A remembered band C is chosen when the level opens again.
    Click(Window->Control("bBandC"));
    EXPECT_EQ(Window->BandNo(), 2);
    EXPECT_EQ(Window->Control("bBandC")->ImageIndex(), 2);
    EXPECT_EQ(Window->Control("bBandA")->ImageIndex(), 0);
    Window->SetScreen(10000);
    Click(Window->Control("bLevel2"));
    EXPECT_EQ(Window->BandNo(), 2);
}

TEST_F(MainWindow, WritingSwitchesToOnceMoreAndOtherPatternsBack)
{
    Start();
    Click(Window->Control("ImgBtn1"));
    Click(Window->Control("bLevel2"));
    // No run yet: once-more is greyed and writing keeps new words.
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 2);
    Click(Window->Control("bWriting"));
    EXPECT_EQ(Window->Pattern(), ptWriting);
    EXPECT_EQ(Window->Control("bNewWord")->ImageIndex(), 1);

    TFrmMainTestAccess::Run(*Window).LastIndex = 1 * 3 + 0;
    Click(Window->Control("bWord"));
    Window->UpdateWordTypeButtons();
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 0) << "the band of the last run offers once-more";
    Click(Window->Control("bWriting"));
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 1);
    EXPECT_EQ(Window->Control("bNewWord")->ImageIndex(), 0);
    Click(Window->Control("bWriting"));
    EXPECT_EQ(Window->Control("bWriting")->ImageIndex(), 3) << "the chosen pattern stays chosen";
    Click(Window->Control("bSentence"));
    EXPECT_EQ(Window->Control("bNewWord")->ImageIndex(), 1);
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 0);

    // A word type always brings the new-words source back.
    Click(Window->Control("bOnceMore"));
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 1);
    Click(Window->Control("bNewWordType1"));
    EXPECT_EQ(Window->Control("bNewWord")->ImageIndex(), 1);
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 0);
    EXPECT_EQ(Window->ChosenWordType(), 0);

    // Another band greys once-more and hands a chosen once-more back.
    Click(Window->Control("bOnceMore"));
    TFrmMainTestAccess::Run(*Window).LastIndex = 5;
    Window->UpdateWordTypeButtons();
    EXPECT_EQ(Window->Control("bOnceMore")->ImageIndex(), 2);
    EXPECT_EQ(Window->Control("bNewWord")->ImageIndex(), 1);
}

TEST_F(MainWindow, WordTypesGreyOutFromTheBandsCountsAndHandTheChoiceOn)
{
    Start();
    Click(Window->Control("ImgBtn1"));
    Click(Window->Control("bLevel2"));
    TBandData &band = TFrmMainTestAccess::Data(*Window)[1].Item[0];
    // A fresh band: nothing judged or checked.
    EXPECT_EQ(Window->Control("bNewWordType1")->ImageIndex(), 0);
    EXPECT_EQ(Window->Control("bNewWordType3")->ImageIndex(), 3);
    EXPECT_EQ(Window->Control("bNewWordType4")->ImageIndex(), 3);
    Click(Window->Control("bNewWordType3"));
    EXPECT_EQ(Window->ChosenWordType(), 1) << "an unavailable type cannot be chosen";

    // Every word judged, some unknown, one checked.
    for (TBandDataItem &w : band.Item)
        w.Judge = 1;
    band.Item[0].Judge = 4;
    band.Item[1].Check = 1;
    RecountBand(band);
    Click(Window->Control("bNewWordType1"));
    Window->UpdateWordTypeButtons();
    EXPECT_EQ(Window->Control("bNewWordType1")->ImageIndex(), 3);
    EXPECT_EQ(Window->ChosenWordType(), 1) << "the choice falls to the words in order";
    EXPECT_EQ(Window->Control("bNewWordType3")->ImageIndex(), 0);
    EXPECT_EQ(Window->Control("bNewWordType4")->ImageIndex(), 0);

    // Type 3 chosen, then no unknown words remain: type 1 is greyed too, so
    // the choice falls to type 2.
    Click(Window->Control("bNewWordType3"));
    band.Item[0].Judge = 1;
    RecountBand(band);
    Window->UpdateWordTypeButtons();
    EXPECT_EQ(Window->Control("bNewWordType3")->ImageIndex(), 3);
    EXPECT_EQ(Window->ChosenWordType(), 1);

    // Type 4 chosen while unjudged words exist again: the choice falls to type 1.
    band.Item[2].Judge = 0;
    RecountBand(band);
    Window->UpdateWordTypeButtons();
    Click(Window->Control("bNewWordType4"));
    band.Item[1].Check = 0;
    RecountBand(band);
    Window->UpdateWordTypeButtons();
    EXPECT_EQ(Window->Control("bNewWordType4")->ImageIndex(), 3);
    EXPECT_EQ(Window->ChosenWordType(), 0);
}

TEST_F(MainWindow, LevelMenuDrawsEveryLevelWithWordsAndTheirSumInTheTotalRow)
{
    Start();
    // Levels of the test's own: three levels of 30 words with their own
    // results, an empty level and a level whose band has no words.
    const TBandData words = TFrmMainTestAccess::Data(*Window)[1].Item[0];
    ASSERT_EQ(words.Item.size(), 30);
    const auto judged = [&](int known, int unknown) {
        TLevelData level;
        level.Item.append(words);
        TBandData &band = level.Item[0];
        for (int i = 0; i < band.Item.size(); ++i)
            band.Item[i].Judge = i < known ? 1 : i < known + unknown ? 4 : 0;
        RecountBand(band);
        return level;
    };
    TLevelData noWords;
    noWords.Item.append(TBandData{});
    TFrmMainTestAccess::Data(*Window) = TDataList{judged(10, 5), judged(0, 0), TLevelData{}, judged(30, 0), noWords, {}, {}, {}};
    Click(Window->Control("ImgBtn1"));
    const QImage shot = Window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = TFrmMainTestAccess::ScreenImage(*Window).value(QStringLiteral("SCR10000")).convertToFormat(QImage::Format_RGB32);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb none = 0;
    // On a scale of 150: the green bar ends before x = 573 + green, the red
    // one before 573 + red. The total row has 90 words, 40 known, 5 unknown.
    const struct {
        int row;
        int green, red;
    } rows[] = {{0, 50, 75}, {1, 0, 0}, {3, 150, 150}, {8, 66, 75}};
    for (const auto &r : rows) {
        const int top = 38 * r.row + 169;
        for (const int y : {top, top + 22}) {
            for (int x = 573; x < 573 + 150; ++x) {
                const QRgb expected = x < 573 + r.green ? green : x < 573 + r.red ? red : none;
                if (expected != none) {
                    ASSERT_EQ(shot.pixel(x, y), expected) << r.row << " x " << x;
                } else {
                    ASSERT_NE(shot.pixel(x, y), green) << r.row << " x " << x;
                    ASSERT_NE(shot.pixel(x, y), red) << r.row << " x " << x;
                }
            }
        }
        EXPECT_NE(shot.pixel(573, top - 1), green) << r.row;
        EXPECT_NE(shot.pixel(573, top + 23), green) << r.row;
        // Each number cell holds black ink.
        for (const int right : {386, 468, 552}) {
            bool ink = false;
            for (int y = 38 * r.row + 173; y < 38 * r.row + 186; ++y)
                for (int x = right - 10; x < right; ++x)
                    ink = ink || shot.pixel(x, y) == qRgb(0, 0, 0);
            EXPECT_TRUE(ink) << r.row << " " << right;
        }
    }
    // Rows of levels without words show the menu picture untouched.
    for (const int row : {2, 4, 5, 6, 7}) {
        const QRect cells(318, 38 * row + 162, 482, 38);
        EXPECT_EQ(shot.copy(cells), background.copy(cells)) << row;
    }
}

TEST_F(MainWindow, TheUnnamedFirstLevelIsShownAsLevelOne)
{
    Start();
    const TLevelData levelTwo = TFrmMainTestAccess::Data(*Window)[1];
    // What the level's name panel shows on the course or start screen.
    const auto shown = [&](int levelIndex, const QByteArray &name, int screen) {
        TFrmMainTestAccess::Data(*Window)[levelIndex] = levelTwo;
        TFrmMainTestAccess::Data(*Window)[levelIndex].LevelName = name;
        Window->SetScreen(10000);
        Click(levelIndex == 0 ? Window->Control("bLevel1") : Window->Control("bLevel2"));
        EXPECT_EQ(Window->CurScreenNo(), 12000);
        Window->SetScreen(screen);
        TEgImage *panel = screen == 12000 ? Window->Control("imgLevelName2") : Window->Control("imgLevelName");
        return Window->grab(panel->geometry()).toImage();
    };
    for (const int screen : {12000, 88888}) {
        const QImage unnamed = shown(0, QByteArray(), screen);
        EXPECT_EQ(unnamed, shown(0, "Level 1", screen)) << screen;
        EXPECT_NE(unnamed, shown(0, "Level 3", screen)) << screen;
        EXPECT_NE(shown(1, QByteArray(), screen), shown(1, "Level 1", screen))
            << screen << " only the first level takes the name";
    }
}

TEST_F(MainWindow, InputDuringAPauseIsIgnoredAndASecondCloseDuringTheGoodbyeDoesNothing)
{
    Start();
    HoldPauses = true;
    Click(Window->Control("ImgBtn1"));
    Click(Window->Control("bLevel2"));
    ASSERT_EQ(Held.size(), 1u);
    EXPECT_EQ(Window->CurScreenNo(), 10000) << "the chosen level shows for a moment first";
    Click(Window->Control("bBack2"));
    QTest::keyClick(Window->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(Window->CurScreenNo(), 10000) << "a click or a key during the pause is ignored";
    EndHeldPauses();
    EXPECT_EQ(Window->CurScreenNo(), 12000);

    Window->close();
    EXPECT_EQ(Window->CurScreenNo(), 99999);
    EXPECT_TRUE(Window->isVisible()) << "the goodbye shows for its second";
    Window->close();
    EXPECT_EQ(Held.size(), 1u) << "a second close starts no second goodbye";
    EXPECT_TRUE(Window->isVisible());
    EndHeldPauses();
    EXPECT_FALSE(Window->isVisible());
    EXPECT_EQ(ReadFile(QStringLiteral("Score.ini")), QByteArray("-----.dat\r\n")) << "the user is remembered as the goodbye ends";
}

TEST_F(MainWindow, ClosingSavesShowsTheGoodbyeAndRemembersTheUser)
{
    Start();
    TFrmMainTestAccess::Data(*Window)[1].Item[0].Item[0].Judge = 4;
    Window->close();
    EXPECT_EQ(Window->CurScreenNo(), 99999);
    EXPECT_EQ(Pauses, QList<int>{1000});
    EXPECT_TRUE(TFrmMainTestAccess::ScoreSaved(*Window));
    const QByteArray progress = ReadFile(QStringLiteral("Score/-----.dat"));
    EXPECT_TRUE(progress.startsWith("Way=0,Word=0,New=1,Once=0,Level=2,Pattern=1,WordType=1,"));
    EXPECT_TRUE(progress.contains("\r\n400,000,"));
    EXPECT_EQ(progress.count("\r\n"), 28);
    EXPECT_EQ(ReadFile(QStringLiteral("Score.ini")), QByteArray("-----.dat\r\n"));
    EXPECT_TRUE(VisibleControls().isEmpty());
}

TEST_F(MainWindow, ClosingRightAfterASaveSkipsSaving)
{
    Start();
    ASSERT_TRUE(Window->SaveScore());
    QFile::remove(ExePath + QStringLiteral("Score/-----.dat"));
    Window->close();
    EXPECT_FALSE(QFile::exists(ExePath + QStringLiteral("Score/-----.dat")));
    EXPECT_EQ(ReadFile(QStringLiteral("Score.ini")), QByteArray("-----.dat\r\n"));
}

TEST_F(MainWindow, AFailedSaveAsksBeforeClosingWithoutIt)
{
    Start();
    // A folder where the progress file should be makes the save fail.
    QDir().mkpath(ExePath + QStringLiteral("Score/-----.dat"));
    AnswerYes = false;
    EXPECT_FALSE(Window->close());
    EXPECT_EQ(Questions.size(), 1);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("ファイルを保存できません")));
    EXPECT_FALSE(TFrmMainTestAccess::ScoreSaved(*Window));
    EXPECT_EQ(Window->CurScreenNo(), 0);

    AnswerYes = true;
    EXPECT_TRUE(Window->close());
    EXPECT_EQ(Window->CurScreenNo(), 99999);
    // The goodbye does not claim what did not happen.
    const TPngResult unsaved = LoadPicture(QStringLiteral("SCR99999N"));
    ASSERT_TRUE(unsaved);
    EXPECT_EQ(Window->grab().toImage().convertToFormat(QImage::Format_RGB32),
              unsaved.Image.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindow, ChangesAfterACancelledUserDialogAreSavedOnClosing)
{
    Start();
    OpenAndCancelUserDialog();
    ASSERT_TRUE(TFrmMainTestAccess::ScoreSaved(*Window));
    EXPECT_FALSE(Window->ProgressUnsaved());
    Click(Window->Control("bLevel2"));
    Click(Window->Control("bWord"));
    TFrmMainTestAccess::Data(*Window)[1].Item[0].Item[0].Check = 1;
    EXPECT_TRUE(Window->ProgressUnsaved()) << "what the file keeps has changed since the save";
    Window->close();
    const QByteArray progress = ReadFile(QStringLiteral("Score/-----.dat"));
    EXPECT_TRUE(progress.contains(",Pattern=2,")) << progress.toStdString();
    EXPECT_TRUE(progress.contains("\r\n#000,")) << progress.toStdString();
}

TEST_F(MainWindow, AFailedSaveAfterAChangeIsToldOnceAndClosingTriesAgain)
{
    bool failing = true;
    TFrmMainEnvironment env = TestEnvironment(Folder.path());
    env.ShowMessage = [this](const QString &text) { Messages.append(text); };
    env.Ask = [this](const QString &text) {
        Questions.append(text);
        return false;
    };
    env.SaveFile = [&failing](const QString &path, const QByteArray &bytes) {
        return failing ? SaveFailedMessage(path, QStringLiteral("No space left on device")) : SaveWholeFile(path, bytes);
    };
    StartWindow(Window, env);
    for (int change = 1; change <= 3; ++change) {
        TFrmMainTestAccess::Data(*Window)[1].Item[0].Item[change].Judge = 1;
        Window->SaveAfterChange();
    }
    ASSERT_EQ(Messages.size(), 1) << "told once, not after every run";
    EXPECT_TRUE(Messages[0].contains(QStringLiteral("ディスクに空きがありません"))) << Messages[0].toStdString();
    EXPECT_TRUE(Window->ProgressUnsaved());
    failing = false;
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Questions.isEmpty());
    EXPECT_TRUE(ReadFile(QStringLiteral("Score/-----.dat")).contains("\r\n000,100,100,100,"));
}

TEST_F(MainWindow, AProgressFileThatCannotBeUsedIsKeptAsABackup)
{
    struct Case {
        const char *what;
        bool folder; // a folder in its place cannot be read
        QByteArray bytes;
    };
    const Case cases[] = {
        {"a picture saved under the name", false, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x03", 19)},
        {"a folder in its place", true, QByteArray()},
    };
    for (const Case &c : cases) {
        QTemporaryDir folder;
        const QString exe = folder.path() + u'/';
        const QString path = exe + QStringLiteral("Score/-----.dat");
        QDir().mkpath(exe + QStringLiteral("Score"));
        if (c.folder) {
            QDir().mkpath(path);
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        QStringList messages;
        TFrmMainEnvironment env = TestEnvironment(folder.path());
        env.ShowMessage = [&messages](const QString &text) { messages.append(text); };
        env.Now = [] { return QDateTime(QDate(2026, 12, 10), QTime(15, 30, 0)); };
        std::unique_ptr<TFrmMain> window;
        StartWindow(window, env);
        ASSERT_EQ(messages.size(), 1) << c.what;
        EXPECT_TRUE(messages[0].contains(QStringLiteral("「-----.dat.bak-20261210-153000」として残してあります")))
            << c.what << ": " << messages[0].toStdString();
        const QString backup = path + QStringLiteral(".bak-20261210-153000");
        if (c.folder) {
            EXPECT_TRUE(QFileInfo(backup).isDir()) << c.what;
        } else {
            QFile kept(backup);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << c.what;
            EXPECT_EQ(kept.readAll(), c.bytes) << c.what << ": the bytes are kept as they were";
        }
        window->close();
        QFile fresh(path);
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_TRUE(fresh.readAll().startsWith("Way=0,")) << c.what << ": a new progress file takes the name";
    }
}

TEST_F(MainWindow, ASecondWindowOnTheSameDataFolderStopsBeforeWritingAnything)
{
    Start();
    const QStringList before = QDir(ExePath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    TFrmMain second(TestEnvironment(Folder.path()));
    EXPECT_TRUE(second.FormCreate().isEmpty());
    EXPECT_TRUE(second.DataFolderBusy());
    EXPECT_EQ(second.CurScreenNo(), -1);
    EXPECT_EQ(QDir(ExePath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    Window->close();
    Window.reset();
    // Once the first has ended, the folder is free again.
    TFrmMain third(TestEnvironment(Folder.path()));
    EXPECT_TRUE(third.FormCreate().isEmpty());
    EXPECT_FALSE(third.DataFolderBusy());
}

TEST_F(MainWindow, AnUnsafeNameInTheLastUserFileBecomesTheDefaultUser)
{
    WriteFile(QStringLiteral("Score.ini"), "../../outside.dat\r\n");
    Start();
    EXPECT_EQ(Window->UserId(), QStringLiteral("-----"));
    Window->close();
    EXPECT_FALSE(QFile::exists(Folder.path() + QStringLiteral("/../outside.dat")));
}

TEST_F(MainWindow, StartUpStopsWithAReasonWhenItsFilesCannotBeUsed)
{
    struct Case {
        const char *what;
        const char *blocker; // a folder or file standing where start-up needs another
        bool folder;
        const char16_t *reason;
    };
    const Case cases[] = {
        {"a file where the Score folder belongs", "Score", false, u"フォルダを作成できません"},
        {"a folder where Score.ini belongs", "Score.ini", true, u"ファイルを読み込めません"},
    };
    for (const Case &c : cases) {
        QTemporaryDir folder;
        const QString exe = folder.path() + u'/';
        if (c.folder) {
            QDir().mkpath(exe + QString::fromLatin1(c.blocker));
        } else {
            QFile file(exe + QString::fromLatin1(c.blocker));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        TFrmMainEnvironment env;
        env.ExePath = exe;
        env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
        env.ShowMessage = [](const QString &) {};
        TFrmMain window(env);
        const QString error = window.FormCreate();
        EXPECT_TRUE(error.startsWith(QString::fromUtf16(c.reason))) << c.what << ": " << error.toStdString();
        EXPECT_EQ(window.CurScreenNo(), -1) << c.what;
    }
}

TEST_F(MainWindow, EveryHandlerOfTheFormIsBound)
{
    Start();
    const QStringList bound = Window->BoundHandlerNames();
    for (const TControlDesc &desc : MainFormDescription().Controls) {
        for (const char *handler : {desc.OnClick, desc.OnPaint})
            if (handler) {
                EXPECT_TRUE(bound.contains(QString::fromLatin1(handler))) << desc.Name << " " << handler;
            }
    }
}

TEST_F(MainWindow, NameSelectSavesTheProgress)
{
    Start();
    OpenAndCancelUserDialog();
    EXPECT_TRUE(TFrmMainTestAccess::ScoreSaved(*Window));
    EXPECT_FALSE(ReadFile(QStringLiteral("Score/-----.dat")).isEmpty());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Sounds play into a silent device, so the window behaves as with a sound
    // card; a run may name another driver to try the window without one.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
