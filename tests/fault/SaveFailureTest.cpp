// A save that fails part-way keeps the old file, tells the learner and
// leaves the progress marked unsaved.

#include "../profile/FileSizeLimit.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

namespace {

// A window whose learner has a saved progress file, and a change to the
// options that is not saved yet.
class SaveFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(w.Folder.isValid());
        ASSERT_TRUE(w.Create().isEmpty());
        ASSERT_TRUE(w.Window->SaveScore());
        Progress = QStringLiteral("Score/") + w.Window->UserId() + QStringLiteral(".dat");
        OldProgress = w.Read(Progress);
        ASSERT_TRUE(OldProgress.endsWith("[END]\r\n"));
        TFrmMainTestAccess::Options(*w.Window).TypeSoundNo = 1;
        TFrmMainTestAccess::ScoreSaved(*w.Window) = false;
    }

    TWindowInFolder w;
    QString Progress;
    QByteArray OldProgress;
};

TEST_F(SaveFailure, TheWindowShowsTheErrorKeepsTheOldProgressAndStaysUnsaved)
{
    TFrmMain &window = *w.Window;
    {
        TFileSizeLimit cut(16);
        EXPECT_FALSE(window.SaveScore());
        EXPECT_FALSE(TFrmMainTestAccess::ScoreSaved(window));
        // Closing asks whether to end without saving; "no" keeps the window.
        w.Answer = false;
        EXPECT_FALSE(window.close());
    }
    ASSERT_EQ(w.Messages.size(), 2);
    for (const QString &message : w.Messages)
        EXPECT_TRUE(message.startsWith(QStringLiteral("ファイルを保存できません："))) << message.toStdString();
    EXPECT_EQ(w.Questions.size(), 1);
    EXPECT_FALSE(TFrmMainTestAccess::ScoreSaved(window));
    EXPECT_EQ(w.Read(Progress), OldProgress);
    EXPECT_NE(window.CurScreenNo(), 99999) << "a refused close does not show the goodbye picture";
}

TEST_F(SaveFailure, AFolderWithoutWritePermissionKeepsBothOldFilesAndLetsTheLearnerLeave)
{
    TFrmMain &window = *w.Window;
    w.Write(QStringLiteral("Score.ini"), "-----.dat\r\n");
    const QByteArray oldLastUser = w.Read(QStringLiteral("Score.ini"));

    w.ReadOnlyFolder = true;
    // "Yes" ends the program without the progress; the goodbye still shows.
    w.Answer = true;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.CurScreenNo(), 99999);
    EXPECT_FALSE(TFrmMainTestAccess::ScoreSaved(window));
    ASSERT_EQ(w.Questions.size(), 1);
    EXPECT_EQ(w.Questions[0], QStringLiteral("進み具合を保存できませんでした。保存しないで終了しますか？"));
    // One message for the progress file, one for the last user's name.
    ASSERT_EQ(w.Messages.size(), 2);
    EXPECT_TRUE(w.Messages[0].contains(QStringLiteral(".dat"))) << w.Messages[0].toStdString();
    EXPECT_TRUE(w.Messages[1].contains(QStringLiteral("Score.ini"))) << w.Messages[1].toStdString();
    for (const QString &message : w.Messages)
        EXPECT_TRUE(message.startsWith(QStringLiteral("ファイルを保存できません："))) << message.toStdString();
    EXPECT_EQ(w.Read(Progress), OldProgress);
    EXPECT_EQ(w.Read(QStringLiteral("Score.ini")), oldLastUser);
}

} // namespace
