#include "AudioFixtures.h"
#include "VoicePlayer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double LongSeconds = 2.0;
constexpr double ShortSeconds = 0.8;

// Two voices of different lengths, made once for all tests.
class VoicePlayerTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Folder = new QTemporaryDir;
        LongVoice = Folder->filePath("long.mp3");
        ShortVoice = Folder->filePath("short.mp3");
        Made = MakeToneMp3(LongVoice, LongSeconds, 440) && MakeToneMp3(ShortVoice, ShortSeconds, 660);
    }
    static void TearDownTestSuite() { delete Folder; }

    void SetUp() override
    {
        if (!Made)
            GTEST_SKIP() << "lame is needed to make the test voices";
        InitVoicePlayer();
        ASSERT_TRUE(VoicePlayer().SetUp());
    }
    void TearDown() override
    {
        ReleaseVoicePlayer();
        ClearCurVoiceFile();
    }

    static bool PlayingFor(double seconds)
    {
        return VoicePlayer().Playing() && std::abs(VoicePlayer().Duration() - seconds) < 0.2;
    }

    static inline QTemporaryDir *Folder = nullptr;
    static inline QString LongVoice;
    static inline QString ShortVoice;
    static inline bool Made = false;
};

TEST_F(VoicePlayerTest, AnExistingFilePlaysAndIsRemembered)
{
    PlayVoice(LongVoice);
    EXPECT_TRUE(PlayingFor(LongSeconds));
    EXPECT_EQ(CurVoiceFile(), LongVoice);
}

TEST_F(VoicePlayerTest, TheSameFileAgainStartsFromItsBeginning)
{
    PlayVoice(LongVoice);
    ASSERT_TRUE(WaitUntil([] { return VoicePlayer().Position() >= 1.0; }));
    PlayVoice(LongVoice);
    EXPECT_TRUE(PlayingFor(LongSeconds));
    EXPECT_LT(VoicePlayer().Position(), 1.0);
}

TEST_F(VoicePlayerTest, TheSameFileAgainPlaysOnceItHasEnded)
{
    PlayVoice(ShortVoice);
    ASSERT_TRUE(WaitUntil([] { return !VoicePlayer().Playing(); }));
    PlayVoice(ShortVoice);
    EXPECT_TRUE(PlayingFor(ShortSeconds));
}

TEST_F(VoicePlayerTest, AnotherFileReplacesTheVoiceAtOnce)
{
    PlayVoice(LongVoice);
    PlayVoice(ShortVoice);
    EXPECT_TRUE(PlayingFor(ShortSeconds));
    EXPECT_EQ(CurVoiceFile(), ShortVoice);
}

TEST_F(VoicePlayerTest, AFileThatCannotPlayIsSilentAndALaterExistingFilePlays)
{
    const QString broken = Folder->filePath("broken.mp3");
    QFile text(broken);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a recording\n");
    text.close();
    const QString empty = Folder->filePath("empty.mp3");
    QFile(empty).open(QIODevice::WriteOnly);

    for (const QString &silent : {Folder->filePath("missing.mp3"), broken, empty}) {
        PlayVoice(LongVoice);
        PlayVoice(silent);
        EXPECT_FALSE(VoicePlayer().Playing()) << qPrintable(silent);
        EXPECT_EQ(CurVoiceFile(), silent);
        // Asking again for the same name stays silent too.
        PlayVoice(silent);
        EXPECT_FALSE(VoicePlayer().Playing()) << qPrintable(silent);
        PlayVoice(ShortVoice);
        EXPECT_TRUE(PlayingFor(ShortSeconds)) << "after " << qPrintable(silent);
    }
}

TEST_F(VoicePlayerTest, StopVoiceEndsTheVoiceAndForgetsItsFile)
{
    PlayVoice(LongVoice);
    StopVoice();
    EXPECT_FALSE(VoicePlayer().Playing());
    EXPECT_TRUE(CurVoiceFile().isEmpty());
    PlayVoice(LongVoice);
    EXPECT_TRUE(PlayingFor(LongSeconds));
}

TEST_F(VoicePlayerTest, APlayerThatIsNotSetUpDoesNothing)
{
    ReleaseVoicePlayer();
    StopVoice();
    PlayVoice(LongVoice);
    EXPECT_FALSE(VoicePlayer().Playing());
    EXPECT_TRUE(CurVoiceFile().isEmpty());
}

} // namespace
