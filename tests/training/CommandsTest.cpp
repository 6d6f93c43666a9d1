#include "Commands.h"
#include "Navigation.h"
#include "RunFixtures.h"
#include "RunStart.h"
#include "Typing.h"

#include <gtest/gtest.h>

namespace {

TTrainingOptions OptionsFor(TPattern pattern, int voiceNo = 0)
{
    return TTrainingOptions{pattern, 0, 0, 0, 0, voiceNo, 0};
}

// A run started on band A of level 1 whose words have the given numbers of sentences.
struct TRun {
    TDataList data;
    TTrainingState state = FreshState();
    TTrainingOptions options;

    TRun(TPattern pattern, std::initializer_list<int> sentences, int voiceNo = 0)
        : options(OptionsFor(pattern, voiceNo))
    {
        data = CourseWithBand(0);
        int id = 1;
        for (int count : sentences)
            data[0].Item[0].Item.append(WordItem(id++, "word", count));
        state.CurItem = data[0].Item[0].Item;
        state.Session[0] = 7;
        BeginRun(state, options);
        ResetInput(state, CurrentTarget(state));
    }
};

struct Place {
    TWordOrSentence stage;
    int word;
    int sentence;
    int counter;

    bool operator==(const Place &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Place &p)
{
    return os << (p.stage == wsWord ? "word " : "sentence ") << p.word << "." << p.sentence << " counter " << p.counter;
}

Place Where(const TTrainingState &state, const TTrainingOutcome &outcome)
{
    return {state.WordOrSentence, state.CurItemIndex, state.CurItem[state.CurItemIndex].SentenceIndex, outcome.CounterTag};
}

TEST(Forward, AWordWithThreeSentencesTakesFourForwardsAndTheCountDropsOnTheNextWord)
{
    TRun run(ptWordAndSentence, {3, 1});
    const Place expected[] = {
        {wsSentence, 0, 0, -1}, {wsSentence, 0, 1, -1}, {wsSentence, 0, 2, -1}, {wsWord, 1, 0, 1}, {wsSentence, 1, 0, -1}};
    for (const Place &place : expected) {
        const TTrainingOutcome outcome = Forward(run.state, run.options, run.data);
        EXPECT_EQ(Where(run.state, outcome), place);
        EXPECT_TRUE(outcome.LayOutTarget);
        EXPECT_TRUE(outcome.StopVoice);
    }
    const TTrainingOutcome last = Forward(run.state, run.options, run.data);
    EXPECT_TRUE(last.RunEnded);
    EXPECT_FALSE(last.LayOutTarget);
    EXPECT_FALSE(last.PlayTargetVoice);
}

TEST(Forward, ASentenceRunOf23SentencesCountsDownAndEndsAfterThe23rd)
{
    TRun run(ptSentence, {3, 2, 2, 3, 2, 2, 3, 2, 2, 2});
    for (int step = 1; step <= 22; ++step) {
        const TTrainingOutcome outcome = Forward(run.state, run.options, run.data);
        ASSERT_FALSE(outcome.RunEnded) << step;
        EXPECT_EQ(outcome.CounterTag, 23 - step);
        EXPECT_TRUE(outcome.PlayTargetVoice);
    }
    EXPECT_EQ(run.state.CurItemIndex, 9);
    EXPECT_EQ(run.state.CurItem[9].SentenceIndex, 1);
    EXPECT_TRUE(Forward(run.state, run.options, run.data).RunEnded);
    // Every word was passed in run 7 and the band knows it now.
    for (const TBandDataItem &word : run.data[0].Item[0].Item)
        EXPECT_EQ(word.SelectCount, 7);
}

TEST(Forward, LeavingACompletedWordJudgesItByItsMisses)
{
    struct Row {
        int inputMode;
        int missCount;
        int judgeBefore;
        int judgeAfter;
    };
    const Row rows[] = {{9, 4, 0, 1}, {9, 5, 0, 4}, {9, 10, 1, 4}, {0, 7, 3, 3}, {1, 0, 0, 0}, {9, 2, 4, 1}};
    for (const Row &row : rows) {
        TRun run(ptWord, {1, 1});
        run.state.CurItem[0].Judge = static_cast<std::uint16_t>(row.judgeBefore);
        run.state.InputMode = row.inputMode;
        run.state.MissCount = row.missCount;
        Forward(run.state, run.options, run.data);
        EXPECT_EQ(run.state.CurItem[0].Judge, row.judgeAfter) << row.inputMode << " " << row.missCount;
    }
}

TEST(Forward, SentencesAreNeverJudged)
{
    TRun run(ptWordAndSentence, {2});
    Forward(run.state, run.options, run.data);
    run.state.InputMode = 9;
    run.state.MissCount = 8;
    Forward(run.state, run.options, run.data);
    EXPECT_EQ(run.state.CurItem[0].Judge, 0);
}

TEST(Forward, AnUnknownWordTypedWellBecomesKnownWhenTheRunEnds)
{
    TRun run(ptWord, {1});
    run.data[0].Item[0].Item[0].Judge = 4;
    RecountBand(run.data[0].Item[0]);
    run.state.CurItem[0].Judge = 4;
    run.state.InputMode = 9;
    run.state.MissCount = 2;
    EXPECT_TRUE(Forward(run.state, run.options, run.data).RunEnded);
    EXPECT_EQ(run.data[0].Item[0].UnknownCount, 0);
    EXPECT_EQ(run.data[0].Item[0].KnownCount, 1);
}

TEST(Forward, VoicesOfNewWordsFollowTheListeningOption)
{
    TRun before(ptWord, {1, 1}, 0);
    EXPECT_TRUE(Forward(before.state, before.options, before.data).PlayTargetVoice);
    TRun after(ptWord, {1, 1}, 1);
    EXPECT_FALSE(Forward(after.state, after.options, after.data).PlayTargetVoice);
    TRun writing(ptWriting, {2}, 0);
    EXPECT_FALSE(Forward(writing.state, writing.options, writing.data).PlayTargetVoice);
}

TEST(Forward, AWordWithoutSentencesHasNoSentenceStage)
{
    TRun run(ptWordAndSentence, {0, 1});
    const TTrainingOutcome outcome = Forward(run.state, run.options, run.data);
    EXPECT_EQ(Where(run.state, outcome), (Place{wsWord, 1, 0, 1}));
}

TEST(Rewind, GoesToTheTargetBeforeTheCurrentOne)
{
    struct Row {
        TPattern pattern;
        int forwards;
        Place target;
    };
    const Row rows[] = {
        // From the first sentence of a word back to the word itself.
        {ptWordAndSentence, 1, {wsWord, 0, 0, -1}},
        {ptWordAndSentence, 3, {wsSentence, 0, 1, -1}},
        // From a word back to the last sentence of the word before.
        {ptWordAndSentence, 4, {wsSentence, 0, 2, 2}},
        {ptWord, 1, {wsWord, 0, 0, 2}},
        {ptSentence, 3, {wsSentence, 0, 2, 2}},
        {ptWriting, 1, {wsSentence, 0, 0, 4}},
    };
    for (const Row &row : rows) {
        TRun run(row.pattern, {3, 1});
        for (int i = 0; i < row.forwards; ++i)
            Forward(run.state, run.options, run.data);
        run.state.Trans2Flag = true;
        const TTrainingOutcome outcome = Rewind(run.state, run.options);
        EXPECT_EQ(Where(run.state, outcome), row.target) << row.pattern << " after " << row.forwards;
        EXPECT_TRUE(outcome.LayOutTarget);
        EXPECT_FALSE(run.state.Trans2Flag);
    }
}

TEST(Rewind, DoesNothingAtTheStartOfTheRunAndNeverStamps)
{
    for (TPattern pattern : {ptWordAndSentence, ptWord, ptSentence, ptWriting}) {
        TRun run(pattern, {2, 2});
        const TTrainingOutcome outcome = Rewind(run.state, run.options);
        EXPECT_FALSE(outcome.LayOutTarget);
        EXPECT_FALSE(outcome.StopVoice);
        EXPECT_EQ(run.state.CurItemIndex, 0);
    }
    TRun run(ptWord, {1, 1});
    Forward(run.state, run.options, run.data);
    run.state.Session[0] = 9;
    Rewind(run.state, run.options);
    EXPECT_EQ(run.state.CurItem[1].SelectCount, 0);
    EXPECT_EQ(run.state.CurItem[0].SelectCount, 7);
}

TEST(Rewind, AWordWithoutSentencesIsReachedInItsWordStage)
{
    TRun run(ptWordAndSentence, {0, 1});
    Forward(run.state, run.options, run.data);
    const TTrainingOutcome outcome = Rewind(run.state, run.options);
    EXPECT_EQ(Where(run.state, outcome), (Place{wsWord, 0, 0, 2}));
}

TEST(Hint, ASentenceHintRevealsTheWordAtTheCursorAndTheSpaceAfterIt)
{
    TRun run(ptSentence, {1});
    run.state.CurItem[0].Item[0].Sentence = "I received a present from Linda this morning.";
    Hint(run.state);
    EXPECT_EQ(run.state.HintIndex, 2);
    EXPECT_EQ(run.state.MissCount, 1);
    EXPECT_EQ(run.state.InputMode, 1);
    const TTrainingOutcome again = Hint(run.state);
    EXPECT_EQ(run.state.HintIndex, 2);
    EXPECT_EQ(run.state.MissCount, 2);
    EXPECT_TRUE(again.RepaintMissCount);

    run.state.InputLen = 40;
    Hint(run.state);
    EXPECT_EQ(run.state.HintIndex, 45);
}

TEST(Hint, ACompletedSentenceTakesNoHint)
{
    TRun run(ptSentence, {1});
    run.state.InputMode = 9;
    const TTrainingOutcome outcome = Hint(run.state);
    EXPECT_FALSE(outcome.InvalidateWordText);
    EXPECT_EQ(run.state.MissCount, 0);
    EXPECT_EQ(run.state.HintIndex, 0);
}

TEST(Hint, AWordHintCostsFiveMissesAndLeadsToTheSpecialTraining)
{
    TRun run(ptWord, {1});
    for (char k : QByteArray("word"))
        TypeKey(run.state, k, run.options);
    ASSERT_EQ(run.state.InputMode, 9);
    const TTrainingOutcome hint = Hint(run.state);
    EXPECT_EQ(run.state.InputMode, 1);
    EXPECT_EQ(run.state.MissCount, 5);
    EXPECT_TRUE(hint.RepaintMissCount);
    ReturnCursorToStart(run.state);
    TTrainingOutcome last;
    for (char k : QByteArray("word"))
        last = TypeKey(run.state, k, run.options);
    EXPECT_EQ(last.SpecialTraining, TStripChange::Show);

    run.state.MissCount = 10;
    EXPECT_FALSE(Hint(run.state).RepaintMissCount);
    EXPECT_EQ(run.state.MissCount, 10);
}

TEST(NaturalVoice, ListeningToAnUnfinishedWordCostsFiveMissesWhenListeningAfterTyping)
{
    struct Row {
        int voiceNo;
        int inputMode;
        int missesBefore;
        int missesAfter;
    };
    const Row rows[] = {{1, 0, 0, 5}, {1, 1, 7, 10}, {1, 9, 2, 2}, {0, 0, 0, 0}, {0, 1, 3, 3}};
    for (const Row &row : rows) {
        TRun run(ptWord, {1}, row.voiceNo);
        run.state.InputMode = row.inputMode;
        run.state.MissCount = row.missesBefore;
        const TTrainingOutcome outcome = NaturalVoice(run.state, run.options, "/opt/typeko/");
        EXPECT_EQ(run.state.MissCount, row.missesAfter);
        EXPECT_EQ(outcome.VoiceFile, "/opt/typeko/SOUND/WORD/Level1/000001V.mp3");
    }
    TRun sentence(ptWordAndSentence, {2}, 1);
    Forward(sentence.state, sentence.options, sentence.data);
    EXPECT_EQ(NaturalVoice(sentence.state, sentence.options, "/p/").VoiceFile, "/p/SOUND/SENTENCE/Level1/000001_1S.mp3");
    EXPECT_EQ(sentence.state.MissCount, 0);
}

TEST(ToggleTrans2, WorksOnlyInTheSentenceStageAndANewTargetHidesItAgain)
{
    TRun run(ptWordAndSentence, {2});
    EXPECT_FALSE(ToggleTrans2(run.state).RepaintSentenceMeaning);
    EXPECT_FALSE(run.state.Trans2Flag);
    Forward(run.state, run.options, run.data);
    EXPECT_TRUE(ToggleTrans2(run.state).RepaintSentenceMeaning);
    EXPECT_TRUE(run.state.Trans2Flag);
    Forward(run.state, run.options, run.data);
    EXPECT_FALSE(run.state.Trans2Flag);
}

TEST(ToggleCheck, TwiceLeavesTheMarkAsItWasAndTheBandSeesItAtTheEnd)
{
    TRun run(ptWord, {1});
    EXPECT_EQ(ToggleCheck(run.state).CheckFrame, 1);
    EXPECT_EQ(ToggleCheck(run.state).CheckFrame, 0);
    EXPECT_EQ(run.state.CurItem[0].Check, 0);
    ToggleCheck(run.state);
    EXPECT_EQ(run.data[0].Item[0].CheckCount, 0);
    EndRun(run.state, run.options, run.data);
    EXPECT_EQ(run.data[0].Item[0].CheckCount, 1);
}

TEST(EndRun, RecordsTheCurrentWordsJudgementAndTheResults)
{
    TRun run(ptWord, {1, 1});
    run.state.InputMode = 9;
    run.state.MissCount = 6;
    const TTrainingOutcome outcome = EndRun(run.state, run.options, run.data);
    EXPECT_TRUE(outcome.RunEnded);
    EXPECT_TRUE(outcome.StopVoice);
    EXPECT_EQ(run.data[0].Item[0].Item[0].Judge, 4);
    EXPECT_EQ(run.data[0].Item[0].UnknownCount, 1);
}

} // namespace
