#include "AudioDevice.h"
#include "CourseLoader.h"
#include "Resources.h"
#include "VoiceFiles.h"
#include "VoicePlayer.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// The mixer's output format: 44100 Hz, 16-bit, mono.
constexpr int Rate = 44100;
constexpr int FullScale = 32767;

// The samples of an mp3 as the mixer plays them; empty when it cannot be
// decoded.
std::vector<std::int16_t> DecodeVoice(const QString &file)
{
    Mix_Chunk *chunk = Mix_LoadWAV(file.toLocal8Bit().constData());
    if (chunk == nullptr)
        return {};
    const auto *samples = reinterpret_cast<const std::int16_t *>(chunk->abuf);
    std::vector<std::int16_t> out(samples, samples + chunk->alen / 2);
    Mix_FreeChunk(chunk);
    return out;
}

struct TLevels {
    int Peak = 0;
    int FullScaleSamples = 0;
    double LeadSeconds = 0;  // before the first sample above a whisper
    double TrailSeconds = 0; // after the last one
    int EdgePeak = 0;        // loudest sample of the first and last 50 ms
};

TLevels Measure(const std::vector<std::int16_t> &samples)
{
    // -30 dBFS: quieter than any speech sound of a voice that peaks near
    // full scale, far louder than the encoder's noise in silence.
    const int whisper = FullScale / 32;
    const int edge = Rate / 20;
    TLevels levels;
    long first = -1;
    long last = -1;
    for (long i = 0; i < long(samples.size()); ++i) {
        const int v = std::abs(int(samples[i]));
        levels.Peak = std::max(levels.Peak, v);
        levels.FullScaleSamples += v >= FullScale;
        if (v > whisper) {
            first = first < 0 ? i : first;
            last = i;
        }
        if (i < edge || i >= long(samples.size()) - edge)
            levels.EdgePeak = std::max(levels.EdgePeak, v);
    }
    levels.LeadSeconds = double(first) / Rate;
    levels.TrailSeconds = double(long(samples.size()) - 1 - last) / Rate;
    return levels;
}

// The voices the build speaks for the built-in course lie beside the
// program under the names the training asks the player for.
class CourseVoicesTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!TYPEKO_VOICES_MADE)
            GTEST_SKIP() << "flite, sox or lame is missing, so the build made no voices";
        const auto text = LoadResource(QStringLiteral("LDATA"));
        ASSERT_TRUE(text.has_value());
        const TCourseLoadResult course = LoadCourse(*text, [](const QString &) {});
        ASSERT_TRUE(course.Ok());
        for (int level = 0; level < course.Data.size(); ++level)
            for (const TBandData &band : course.Data[level].Item)
                for (const TBandDataItem &word : band.Item) {
                    Expected.append(WordVoiceFile(ProgramFolder, level, word));
                    for (const TSentenceData &sense : word.Item)
                        Expected.append(SentenceVoiceFile(ProgramFolder, level, word, sense));
                }
        ASSERT_FALSE(Expected.isEmpty());
    }

    const QString ProgramFolder = QStringLiteral(TYPEKO_PROGRAM_FOLDER "/");
    QStringList Expected;
};

TEST_F(CourseVoicesTest, EveryWordAndSentenceHasItsVoiceAndNoOtherVoiceLies)
{
    QSet<QString> found;
    QDirIterator it(ProgramFolder + "SOUND", {"*.mp3"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(it.next());
    for (const QString &file : Expected)
        EXPECT_TRUE(found.contains(file)) << "missing " << qPrintable(file);
    EXPECT_EQ(found.size(), QSet<QString>(Expected.cbegin(), Expected.cend()).size());
}

TEST_F(CourseVoicesTest, EveryVoicePlaysForAPlausibleTime)
{
    InitVoicePlayer();
    ASSERT_TRUE(VoicePlayer().SetUp());
    for (const QString &file : Expected) {
        PlayVoice(file);
        EXPECT_TRUE(VoicePlayer().Playing()) << qPrintable(file);
        EXPECT_GT(VoicePlayer().Duration(), 0.2) << qPrintable(file);
        EXPECT_LT(VoicePlayer().Duration(), 15.0) << qPrintable(file);
    }
    StopVoice();
    ReleaseVoicePlayer();
}

// A learner hears every voice at one level, undistorted, starting almost at
// once and ending cleanly: each voice peaks between -3 dBFS and just below
// full scale, no sample is clipped, and it opens and closes with a short
// silence (quiet for its first and last 50 ms, speech within 0.4 s of
// either end).
TEST_F(CourseVoicesTest, EveryVoiceIsEvenlyLoudUnclippedAndFramedByShortSilence)
{
    ASSERT_TRUE(AcquireAudioDevice());
    for (const QString &file : Expected) {
        const std::vector<std::int16_t> samples = DecodeVoice(file);
        ASSERT_GT(samples.size(), std::size_t(Rate / 5)) << qPrintable(file);
        const TLevels levels = Measure(samples);
        EXPECT_GE(levels.Peak, int(FullScale * 0.708)) << qPrintable(file);
        EXPECT_LE(levels.Peak, int(FullScale * 0.98)) << qPrintable(file);
        EXPECT_EQ(levels.FullScaleSamples, 0) << qPrintable(file);
        EXPECT_LT(levels.EdgePeak, FullScale / 100) << qPrintable(file);
        EXPECT_LE(levels.LeadSeconds, 0.4) << qPrintable(file);
        EXPECT_LE(levels.TrailSeconds, 0.4) << qPrintable(file);
    }
    ReleaseAudioDevice();
}

} // namespace
