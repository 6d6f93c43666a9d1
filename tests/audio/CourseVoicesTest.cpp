#include "CourseLoader.h"
#include "Resources.h"
#include "VoiceFiles.h"
#include "VoicePlayer.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The voices the build speaks for the built-in course lie beside the
// program under the names the training asks the player for.
class CourseVoicesTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!TYPEKO_VOICES_MADE)
            GTEST_SKIP() << "espeak-ng or lame is missing, so the build made no voices";
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

} // namespace
