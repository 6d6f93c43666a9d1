#include "RunFixtures.h"
#include "TrainingScreen.h"

#include <gtest/gtest.h>

namespace {

TTrainingState OnWord(const TBandDataItem &word, TWordOrSentence stage, int sentenceIndex = 0)
{
    TTrainingState state = FreshState();
    state.CurItem = {word};
    state.CurItem[0].SentenceIndex = sentenceIndex;
    state.WordOrSentence = stage;
    return state;
}

TBandDataItem NounVerbNoun()
{
    TBandDataItem word = WordItem(1, "present", 0);
    word.Item = {Sense("A.", posNoun, 1, QStringLiteral("<ア2>")), Sense("B.", posVerb, 2, QStringLiteral("<ア1>")),
                 Sense("C.", posNoun, 3, QStringLiteral("<発1>"))};
    return word;
}

TEST(LayOutTrainingScreen, OnePictureForEachPartOfSpeechSpreadByTheirNumber)
{
    TTrainingState state = OnWord(NounVerbNoun(), wsWord);
    const TTrainingLayout layout = LayOutTrainingScreen(state, ptWordAndSentence, true);
    EXPECT_EQ(state.HinshiSize, 2);
    EXPECT_EQ(layout.Parts[0].Tag, posNoun);
    EXPECT_EQ(layout.Parts[0].Left, 205);
    EXPECT_EQ(layout.Parts[1].Tag, posVerb);
    EXPECT_EQ(layout.Parts[1].Left, 400);
    EXPECT_FALSE(layout.Parts[2].Visible);
    // The noun picture carries the mark of the first noun sentence.
    EXPECT_EQ(layout.Parts[0].SoundMarkCell, 1);
    EXPECT_EQ(layout.Parts[0].SoundMarkCenterX, 302);
    EXPECT_EQ(layout.Parts[1].SoundMarkCell, 0);
    EXPECT_TRUE(layout.Message.isEmpty());

    const std::pair<QList<int>, QList<int>> rows[] = {
        {{posVerb}, {302}}, {{posNoun, posVerb, posAdverb, posAdjective}, {107, 302, 497}}, {{posVerb, posVerb}, {302}}};
    for (const auto &[parts, lefts] : rows) {
        TBandDataItem word = WordItem(2, "w", 0);
        for (int part : parts)
            word.Item.append(Sense("A.", part));
        TTrainingState s = OnWord(word, wsWord);
        const TTrainingLayout l = LayOutTrainingScreen(s, ptWord, true);
        QList<int> shown;
        for (const TPartPicture &p : l.Parts)
            if (p.Visible)
                shown.append(p.Left);
        EXPECT_EQ(shown, lefts);
    }
}

TEST(LayOutTrainingScreen, TheSentenceStageShowsOnlyThePictureOfItsPartAndNoMarks)
{
    TTrainingState state = OnWord(NounVerbNoun(), wsSentence, 2);
    const TTrainingLayout layout = LayOutTrainingScreen(state, ptWordAndSentence, true);
    EXPECT_TRUE(layout.Parts[0].Visible);
    EXPECT_FALSE(layout.Parts[1].Visible);
    EXPECT_EQ(layout.Parts[0].Left, -1);
    EXPECT_EQ(layout.Parts[0].SoundMarkCell, -1);
    EXPECT_TRUE(layout.SentenceMeaningVisible);
    EXPECT_FALSE(layout.WordMeaningVisible);
    EXPECT_TRUE(layout.FlashSentence);
}

TEST(LayOutTrainingScreen, AWordWithoutSentencesGivesTheMessageAndNoPicture)
{
    TTrainingState state = OnWord(WordItem(3, "alone", 0), wsWord);
    const TTrainingLayout layout = LayOutTrainingScreen(state, ptWord, true);
    EXPECT_EQ(layout.Message, QStringLiteral("品詞数エラー"));
    EXPECT_EQ(state.HinshiSize, 0);
    for (const TPartPicture &p : layout.Parts)
        EXPECT_FALSE(p.Visible);
}

TEST(LayOutTrainingScreen, SentencePatternsShowNoPictures)
{
    TTrainingState state = OnWord(NounVerbNoun(), wsSentence, 1);
    const TTrainingLayout layout = LayOutTrainingScreen(state, ptSentence, true);
    for (const TPartPicture &p : layout.Parts) {
        EXPECT_FALSE(p.Visible);
        EXPECT_EQ(p.Tag, 0);
    }
}

TEST(LayOutTrainingScreen, RewindAndTheInstructionLineFollowThePlaceInTheRun)
{
    struct Row {
        TPattern pattern;
        TWordOrSentence stage;
        int word;
        int sentence;
        int sentenceCounter;
        bool rewind;
        bool message;
    };
    const Row rows[] = {
        {ptWordAndSentence, wsWord, 0, 0, 0, false, true},
        {ptWordAndSentence, wsSentence, 0, 0, 0, true, true},
        {ptWordAndSentence, wsWord, 1, 0, 0, true, false},
        {ptWord, wsWord, 0, 0, 0, false, true},
        {ptWord, wsWord, 1, 0, 0, true, false},
        {ptSentence, wsSentence, 0, 0, 0, false, true},
        {ptSentence, wsSentence, 0, 1, 1, true, false},
        {ptWriting, wsSentence, 1, 0, 2, true, false},
    };
    for (const Row &row : rows) {
        TTrainingState state = FreshState();
        state.CurItem = {WordItem(1, "a", 2), WordItem(2, "b", 2)};
        state.CurItemIndex = row.word;
        state.CurItem[row.word].SentenceIndex = row.sentence;
        state.WordOrSentence = row.stage;
        state.SentenceCounter = row.sentenceCounter;
        const TTrainingLayout layout = LayOutTrainingScreen(state, row.pattern, false);
        EXPECT_EQ(layout.RewindAvailable, row.rewind) << row.pattern << " " << row.word << "." << row.sentence;
        EXPECT_EQ(layout.MessageVisible, row.message) << row.pattern << " " << row.word << "." << row.sentence;
    }
}

TEST(LayOutTrainingScreen, ANewTargetStartsTypingAfreshButAChangeOfOptionsKeepsIt)
{
    TBandDataItem word = WordItem(1, "\"quoted\"", 1);
    word.Check = 1;
    for (bool flag : {true, false}) {
        TTrainingState state = OnWord(word, wsWord);
        state.InputLen = 4;
        state.InputMode = 9;
        state.InputMode2 = 9;
        state.HintIndex = 3;
        state.MissCount = 6;
        const TTrainingLayout layout = LayOutTrainingScreen(state, ptWord, flag);
        EXPECT_EQ(layout.CheckFrame, 1);
        EXPECT_EQ(layout.HideSpecialTraining, flag);
        EXPECT_EQ(state.InputLen, flag ? 1 : 4);
        EXPECT_EQ(state.MissCount, flag ? 0 : 6);
        EXPECT_EQ(state.InputMode, flag ? 0 : 9);
        EXPECT_EQ(state.HintIndex, flag ? 0 : 3);
    }
}

} // namespace
