#include "AudioFixtures.h"
#include "KeySounds.h"
#include "VoicePlayer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A sound driver that does not exist stands for a machine without sound.
class NoDeviceTest : public testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "no-such-driver", 1); }
    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(NoDeviceTest, ClicksAreSilentAndFallBackToEmptyBuffers)
{
    TKeySounds sounds;
    sounds.Init();
    for (int index : {1, 2, 3, 1}) {
        sounds.Play(index);
        EXPECT_FALSE(sounds.Playing(TKeyPlayer::OneCall, index));
        EXPECT_FALSE(sounds.Playing(TKeyPlayer::Buffers, index));
        EXPECT_TRUE(sounds.Buffer(index).isEmpty());
    }
    EXPECT_TRUE(sounds.UseBuffers());
    sounds.Release();
}

TEST_F(NoDeviceTest, TheVoicePlayerStaysNotSetUpAndEveryCallDoesNothing)
{
    QTemporaryDir folder;
    const QString voice = folder.filePath("voice.mp3");
    const bool made = MakeToneMp3(voice, 0.5, 440);

    TVoicePlayer player;
    player.Init();
    EXPECT_FALSE(player.SetUp());
    player.Play(made ? voice : folder.filePath("missing.mp3"));
    EXPECT_FALSE(player.Playing());
    player.Stop();
    player.Release();
}

TEST_F(NoDeviceTest, SoundComesBackWhenADeviceAppearsForTheNextStart)
{
    TKeySounds silent;
    silent.Init();
    silent.Release();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    TKeySounds sounds;
    sounds.Init();
    sounds.Play(1);
    EXPECT_TRUE(sounds.Playing(TKeyPlayer::OneCall, 1));
    sounds.Release();
}

} // namespace
