#include "VoiceList.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

const QList<TVoice> Course = {
    {"SOUND/WORD/Level2/000331V.mp3", "rest"},
    {"SOUND/SENTENCE/Level2/000331_1S.mp3", "You can have the rest of the cake."},
    {"SOUND/WORD/Level2/000332V.mp3", "increase"},
};
const QString Settings = "festival-1";

QString ListOf(const QList<TVoice> &voices, const QString &settings)
{
    QString list;
    for (const TVoice &voice : voices)
        list += VoiceListLine(voice, settings) + '\n';
    return list;
}

struct TPlanCase {
    const char *Name;
    QString OldList;
    QSet<QString> MissingFiles;
    QList<int> ToSpeak;
    QStringList Stale;
};

class PlanVoicesTest : public testing::TestWithParam<TPlanCase> {};

TEST_P(PlanVoicesTest, SpeaksOnlyWhatChangedAndDropsWhatLeft)
{
    const TPlanCase &c = GetParam();
    const TVoicePlan plan = PlanVoices(Course, Settings, c.OldList,
                                       [&](const QString &file) { return !c.MissingFiles.contains(file); });
    EXPECT_EQ(plan.ToSpeak, c.ToSpeak);
    EXPECT_EQ(plan.Stale, c.Stale);
}

QList<TVoice> WithSentence(const QString &text)
{
    QList<TVoice> voices = Course;
    voices[1].Text = text;
    return voices;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanVoicesTest,
    testing::Values(
        TPlanCase{"FirstRun", "", {}, {0, 1, 2}, {}},
        TPlanCase{"NothingChanged", ListOf(Course, Settings), {}, {}, {}},
        TPlanCase{"OneSentenceReworded", ListOf(WithSentence("You can have the rest."), Settings), {}, {1}, {}},
        TPlanCase{"NewVoiceSettings", ListOf(Course, "festival-0"), {}, {0, 1, 2}, {}},
        TPlanCase{"AFileWasDeleted", ListOf(Course, Settings), {"SOUND/WORD/Level2/000332V.mp3"}, {2}, {}},
        TPlanCase{"AWordLeftTheCourse",
                  ListOf(Course + QList<TVoice>{{"SOUND/WORD/Level2/000399V.mp3", "gone"}}, Settings), {}, {},
                  {"SOUND/WORD/Level2/000399V.mp3"}},
        TPlanCase{"ANewWordJoined", ListOf(Course.mid(0, 2), Settings), {}, {2}, {}}),
    [](const testing::TestParamInfo<TPlanCase> &info) { return std::string(info.param.Name); });

} // namespace
