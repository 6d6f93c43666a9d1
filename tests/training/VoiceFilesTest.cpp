#include "RunFixtures.h"
#include "VoiceFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(VoiceFiles, NameTheRecordingByLevelAndSixDigitId)
{
    const QString exe = QStringLiteral("/usr/lib/typeko/");
    EXPECT_EQ(WordVoiceFile(exe, 1, WordItem(348)), exe + "SOUND/WORD/Level2/000348V.mp3");
    EXPECT_EQ(WordVoiceFile(exe, 7, WordItem(1234567)), exe + "SOUND/WORD/Level8/1234567V.mp3");

    const std::tuple<int, int, int, QString> rows[] = {
        {1, 349, 1, "SOUND/SENTENCE/Level2/000349_1S.mp3"},
        {1, 348, 0, "SOUND/SENTENCE/Level2/000348S.mp3"},
        {0, 7, 12, "SOUND/SENTENCE/Level1/000007_12S.mp3"},
    };
    for (const auto &[levelNo, id, id2, file] : rows)
        EXPECT_EQ(SentenceVoiceFile(exe, levelNo, WordItem(id), Sense("A.", posNoun, id2)), exe + file);
}

} // namespace
