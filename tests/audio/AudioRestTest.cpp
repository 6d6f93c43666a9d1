#include "AudioDevice.h"
#include "AudioFixtures.h"
#include "KeySounds.h"
#include "Resources.h"
#include "VoicePlayer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// How often the mixer is open now, as SDL_mixer counts it: 0 while it is
// closed, and never more than 1 however often it rests and wakes.
int MixerOpenings()
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels);
}

// The clicks on a mixer whose silence is timed by a clock the test moves.
class AudioRestTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetAudioClockForTesting([this] { return Now; });
        Sounds.Init();
        ASSERT_TRUE(AudioDeviceOpen());
    }
    void TearDown() override
    {
        Sounds.Release();
        SetAudioClockForTesting({});
    }

    // Moves the clock on and lets the silence check look.
    void After(qint64 ms)
    {
        Now += ms;
        CheckAudioSilence();
    }

    void Rest()
    {
        ASSERT_TRUE(WaitUntil([] { return Mix_Playing(-1) == 0; }));
        After(SilenceBeforeRestMs);
        ASSERT_TRUE(AudioDeviceResting());
    }

    qint64 Now = 0;
    TKeySounds Sounds;
};

TEST_F(AudioRestTest, TheMixerClosesOnceNothingHasSoundedForTheWholeSilence)
{
    EXPECT_EQ(MixerOpenings(), 1);
    After(SilenceBeforeRestMs - 1);
    EXPECT_FALSE(AudioDeviceResting());
    EXPECT_TRUE(AudioDeviceOpen());
    After(1);
    EXPECT_TRUE(AudioDeviceResting());
    EXPECT_FALSE(AudioDeviceOpen());
    EXPECT_EQ(MixerOpenings(), 0);
}

TEST_F(AudioRestTest, TheSilenceCountsFromTheLastClick)
{
    After(SilenceBeforeRestMs - 100);
    Sounds.Play(1);
    ASSERT_TRUE(WaitUntil([&] { return !Sounds.Playing(TKeyPlayer::OneCall, 1); }));
    After(SilenceBeforeRestMs - 1);
    EXPECT_FALSE(AudioDeviceResting());
    After(1);
    EXPECT_TRUE(AudioDeviceResting());
}

TEST_F(AudioRestTest, NothingClosesWhileAClickSoundsAndTheSilenceStartsWhenItEnds)
{
    Sounds.Play(1);
    After(10 * SilenceBeforeRestMs);
    EXPECT_FALSE(AudioDeviceResting());
    EXPECT_TRUE(Sounds.Playing(TKeyPlayer::OneCall, 1));
    // The check saw the click still sounding at this time of the clock.
    ASSERT_TRUE(WaitUntil([&] { return !Sounds.Playing(TKeyPlayer::OneCall, 1); }));
    After(SilenceBeforeRestMs - 1);
    EXPECT_FALSE(AudioDeviceResting());
    After(1);
    EXPECT_TRUE(AudioDeviceResting());
}

TEST_F(AudioRestTest, AClickAfterARestOpensTheMixerAgainAndSoundsToItsEnd)
{
    for (TKeyPlayer player : {TKeyPlayer::OneCall, TKeyPlayer::Buffers}) {
        const char *name = player == TKeyPlayer::OneCall ? "one-call" : "buffers";
        Rest();
        if (player == TKeyPlayer::Buffers)
            Sounds.FailNextOneCallPlayForTesting();
        Sounds.Play(2);
        EXPECT_TRUE(AudioDeviceOpen()) << name;
        EXPECT_FALSE(AudioDeviceResting()) << name;
        EXPECT_TRUE(Sounds.Playing(player, 2)) << name;
        EXPECT_EQ(Sounds.UseBuffers(), player == TKeyPlayer::Buffers) << name;
        // The mixer's own thread plays it through on the opened device.
        EXPECT_TRUE(WaitUntil([&] { return !Sounds.Playing(player, 2); })) << name;
    }
}

TEST_F(AudioRestTest, ARestKeepsTheFormatTheChannelsAndThePreparedClicks)
{
    Rest();
    Sounds.Play(1);
    Rest();
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(3);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(frequency, 44100);
    EXPECT_EQ(format, AUDIO_S16SYS);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(Mix_AllocateChannels(-1), ClickChannelCount);
    for (int index = 1; index <= 3; ++index) {
        const auto wave = LoadResource(QStringLiteral("TYPESOUND") + QString::number(index));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(Sounds.Buffer(index).toByteArray(), wave->mid(44)) << "click " << index;
    }
    // Buffers of different clicks still sound alongside each other.
    Sounds.Play(1);
    EXPECT_TRUE(Sounds.Playing(TKeyPlayer::Buffers, 1));
    EXPECT_TRUE(Sounds.Playing(TKeyPlayer::Buffers, 3));
}

TEST_F(AudioRestTest, ReleasedWhileRestingTheNextStartOpensOneMixer)
{
    Rest();
    Sounds.Release();
    EXPECT_FALSE(AudioDeviceResting());
    EXPECT_EQ(MixerOpenings(), 0);
    Sounds.Init();
    EXPECT_EQ(MixerOpenings(), 1);
    Sounds.Play(1);
    EXPECT_TRUE(Sounds.Playing(TKeyPlayer::OneCall, 1));
    Sounds.Release();
    EXPECT_EQ(MixerOpenings(), 0);
}

// In a running application the check comes from a timer, which stops while
// the mixer rests, so an idle program wakes for nothing.
TEST_F(AudioRestTest, InARunningApplicationTheMixerRestsByItselfAndItsTimerStops)
{
    Sounds.Release();
    int argc = 1;
    char name[] = "audio_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Sounds.Init();
    Now += SilenceBeforeRestMs;
    EXPECT_TRUE(WaitUntil([] {
        QCoreApplication::processEvents();
        return AudioDeviceResting();
    }));
    const QList<QTimer *> timers = app.findChildren<QTimer *>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_FALSE(timers.front()->isActive());
    Sounds.Play(1);
    EXPECT_TRUE(timers.front()->isActive());
    Sounds.Release();
    EXPECT_FALSE(timers.front()->isActive());
}

// A recording through SDL's disk driver would start its file anew at each
// opening, so that driver keeps the mixer open through any silence.
TEST(AudioRestOnDisk, ARecordingDeviceNeverRests)
{
    QTemporaryDir folder;
    const QString recording = folder.filePath("recording.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.toLocal8Bit().constData(), 1);
    qint64 now = 0;
    SetAudioClockForTesting([&] { return now; });
    TKeySounds sounds;
    sounds.Init();
    sounds.Play(1);
    ASSERT_TRUE(WaitUntil([&] { return !sounds.Playing(TKeyPlayer::OneCall, 1); }));
    now += 10 * SilenceBeforeRestMs;
    CheckAudioSilence();
    EXPECT_TRUE(AudioDeviceOpen());
    EXPECT_FALSE(AudioDeviceResting());
    sounds.Release();
    SetAudioClockForTesting({});
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("SDL_DISKAUDIOFILE");
}

// A voice on a mixer that rests; the voice player is the program-wide one.
class VoiceRestTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Folder = new QTemporaryDir;
        Voice = Folder->filePath("voice.mp3");
        Other = Folder->filePath("other.mp3");
        Made = MakeToneMp3(Voice, VoiceSeconds, 440) && MakeToneMp3(Other, VoiceSeconds, 660);
    }
    static void TearDownTestSuite() { delete Folder; }

    void SetUp() override
    {
        if (!Made)
            GTEST_SKIP() << "lame is needed to make the test voices";
        SetAudioClockForTesting([this] { return Now; });
        InitVoicePlayer();
        ASSERT_TRUE(VoicePlayer().SetUp());
    }
    void TearDown() override
    {
        ReleaseVoicePlayer();
        ClearCurVoiceFile();
        SetAudioClockForTesting({});
    }

    void After(qint64 ms)
    {
        Now += ms;
        CheckAudioSilence();
    }

    static bool PlayingFromItsBeginning()
    {
        return VoicePlayer().Playing() && VoicePlayer().Position() < VoiceSeconds / 2 &&
               std::abs(VoicePlayer().Duration() - VoiceSeconds) < 0.2;
    }

    static constexpr double VoiceSeconds = 0.8;
    static inline QTemporaryDir *Folder = nullptr;
    static inline QString Voice;
    static inline QString Other;
    static inline bool Made = false;
    qint64 Now = 0;
};

TEST_F(VoiceRestTest, AVoiceKeepsTheMixerOpenWhileItPlays)
{
    PlayVoice(Voice);
    After(10 * SilenceBeforeRestMs);
    EXPECT_TRUE(AudioDeviceOpen());
    EXPECT_TRUE(VoicePlayer().Playing());
    ASSERT_TRUE(WaitUntil([] { return !VoicePlayer().Playing(); }));
    After(SilenceBeforeRestMs - 1);
    EXPECT_TRUE(AudioDeviceOpen());
    After(1);
    EXPECT_TRUE(AudioDeviceResting());
}

TEST_F(VoiceRestTest, AfterARestTheSameVoiceAndAnotherPlayFromTheirBeginning)
{
    for (const QString &next : {Voice, Other}) {
        PlayVoice(Voice);
        ASSERT_TRUE(WaitUntil([] { return !VoicePlayer().Playing(); }));
        After(SilenceBeforeRestMs);
        ASSERT_TRUE(AudioDeviceResting());
        PlayVoice(next);
        EXPECT_TRUE(AudioDeviceOpen()) << qPrintable(next);
        EXPECT_TRUE(PlayingFromItsBeginning()) << qPrintable(next);
        EXPECT_EQ(CurVoiceFile(), next);
        EXPECT_TRUE(WaitUntil([] { return VoicePlayer().Position() >= VoiceSeconds / 2; })) << qPrintable(next);
    }
}

} // namespace
