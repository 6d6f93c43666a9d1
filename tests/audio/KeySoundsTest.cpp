#include "AudioFixtures.h"
#include "KeySounds.h"
#include "Resources.h"

#include <gtest/gtest.h>

namespace {

class KeySoundsTest : public testing::Test {
protected:
    void SetUp() override { Sounds.Init(); }
    void TearDown() override { Sounds.Release(); }

    // The clicks each player sounds right now, as {1, 2, 3} flags.
    std::array<bool, 3> Sounding(TKeyPlayer player) const
    {
        return {Sounds.Playing(player, 1), Sounds.Playing(player, 2), Sounds.Playing(player, 3)};
    }

    TKeySounds Sounds;
};

using Flags = std::array<bool, 3>;

TEST_F(KeySoundsTest, EachClickStartsItsOwnSoundOnTheOneCallPlayer)
{
    const std::pair<int, Flags> rows[] = {
        {1, {true, false, false}},
        {2, {false, true, false}},
        {3, {false, false, true}},
    };
    for (const auto &[index, expected] : rows) {
        Sounds.Play(index);
        EXPECT_EQ(Sounding(TKeyPlayer::OneCall), expected) << "click " << index;
        EXPECT_EQ(Sounding(TKeyPlayer::Buffers), (Flags{false, false, false})) << "click " << index;
    }
    EXPECT_FALSE(Sounds.UseBuffers());
}

TEST_F(KeySoundsTest, OnTheOneCallPlayerAClickCutsOffTheOneStillSounding)
{
    Sounds.Play(1);
    Sounds.Play(3);
    EXPECT_EQ(Sounding(TKeyPlayer::OneCall), (Flags{false, false, true}));
}

TEST_F(KeySoundsTest, AFailedOneCallClickStillSoundsThroughItsBuffer)
{
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(2);
    EXPECT_TRUE(Sounds.UseBuffers());
    EXPECT_EQ(Sounding(TKeyPlayer::Buffers), (Flags{false, true, false}));
    EXPECT_EQ(Sounding(TKeyPlayer::OneCall), (Flags{false, false, false}));
}

TEST_F(KeySoundsTest, AfterOneFailureEveryClickUsesTheBuffersEvenThoughTheOneCallPlayerWorksAgain)
{
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(1);
    ASSERT_TRUE(WaitUntil([&] { return !Sounds.Playing(TKeyPlayer::Buffers, 1); }));
    for (int index : {3, 1, 2}) {
        Sounds.Play(index);
        EXPECT_TRUE(Sounds.Playing(TKeyPlayer::Buffers, index)) << "click " << index;
        EXPECT_FALSE(Sounds.Playing(TKeyPlayer::OneCall, index)) << "click " << index;
    }
    EXPECT_TRUE(Sounds.UseBuffers());
}

TEST_F(KeySoundsTest, BuffersOfDifferentClicksSoundAlongsideEachOther)
{
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(1);
    Sounds.Play(3);
    Sounds.Play(2);
    EXPECT_EQ(Sounding(TKeyPlayer::Buffers), (Flags{true, true, true}));
}

TEST_F(KeySoundsTest, ABufferThatHasEndedPlaysAgainWhenClicked)
{
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(3);
    ASSERT_TRUE(WaitUntil([&] { return !Sounds.Playing(TKeyPlayer::Buffers, 3); }));
    Sounds.Play(3);
    EXPECT_TRUE(Sounds.Playing(TKeyPlayer::Buffers, 3));
}

TEST_F(KeySoundsTest, EachBufferHoldsItsResourceFromByte44On)
{
    for (int index = 1; index <= 3; ++index) {
        const auto wave = LoadResource(QStringLiteral("TYPESOUND") + QString::number(index));
        ASSERT_TRUE(wave.has_value()) << "click " << index;
        EXPECT_EQ(Sounds.Buffer(index).toByteArray(), wave->mid(44)) << "click " << index;
    }
}

TEST_F(KeySoundsTest, ReleasedClicksAreSilentAndHoldNoBuffers)
{
    Sounds.FailNextOneCallPlayForTesting();
    Sounds.Play(1);
    Sounds.Release();
    Sounds.Play(1);
    for (int index = 1; index <= 3; ++index)
        EXPECT_TRUE(Sounds.Buffer(index).isEmpty()) << "click " << index;
    EXPECT_EQ(Sounding(TKeyPlayer::Buffers), (Flags{false, false, false}));
}

} // namespace

namespace {

TEST(ProgramKeySounds, PlayKeySoundSoundsTheProgramWideClicks)
{
    InitKeySounds();
    PlayKeySound(2);
    EXPECT_TRUE(KeySounds().Playing(TKeyPlayer::OneCall, 2));
    ReleaseKeySounds();
    EXPECT_TRUE(KeySounds().Buffer(2).isEmpty());
}

} // namespace
