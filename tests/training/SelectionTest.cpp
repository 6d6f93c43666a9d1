#include "RunFixtures.h"
#include "RunStart.h"
#include "Selection.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectWordsInOrder, TakesTenWordsFromBaseIndexWrappingAtTheBandsEnd)
{
    struct Row {
        int bandSize;
        int baseIndex;
        QList<int> ids;
        int nextBaseIndex;
    };
    const Row rows[] = {
        {7, 5, {5, 6, 7, 1, 2, 3, 4, 5, 6, 7}, 1},
        {25, 21, {21, 22, 23, 24, 25, 1, 2, 3, 4, 5}, 6},
        {25, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
        {25, 26, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11},
        {10, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1},
        {1, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.bandSize << " words from " << row.baseIndex);
        const TDataList data = CourseWithBand(row.bandSize);
        TTrainingState state = FreshState();
        state.BaseIndex[0] = row.baseIndex;
        SelectWordsInOrder(state, data, 0, 0);
        EXPECT_EQ(IdsOf(state.CurItem), row.ids);
        EXPECT_EQ(state.BaseIndex[0], row.nextBaseIndex);
    }
}

TEST(SelectUnpracticedWords, TakesTheWordsNeverJudgedInBandOrder)
{
    TDataList data = CourseWithBand(25);
    QList<TBandDataItem> &words = data[0].Item[0].Item;
    const int unjudged[] = {2, 9, 10, 17, 25};
    for (int i = 0; i < words.size(); ++i)
        words[i].Judge = static_cast<std::uint16_t>(i % 4 + 1);
    for (int id : unjudged)
        words[id - 1].Judge = 0;
    RecountBand(data[0].Item[0]);

    TTrainingState state = FreshState();
    SelectUnpracticedWords(state, data, 0, 0);
    EXPECT_EQ(IdsOf(state.CurItem), QList<int>({2, 9, 10, 17, 25}));
}

TEST(SelectUnpracticedWords, StopsAtTenWords)
{
    const TDataList data = CourseWithBand(25);
    TTrainingState state = FreshState();
    SelectUnpracticedWords(state, data, 0, 0);
    EXPECT_EQ(IdsOf(state.CurItem), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(SelectUnknownWords, ListsUnknownWordsPassedLongestAgoFirstTiesInBandOrder)
{
    TDataList data = CourseWithBand(8);
    QList<TBandDataItem> &words = data[0].Item[0].Item;
    // id: judge, SelectCount
    const int rows[][3] = {{1, 4, 7}, {2, 1, 0}, {3, 4, 0}, {4, 3, 3}, {5, 0, 1}, {6, 4, 3}, {7, 2, 2}, {8, 4, 12}};
    for (const auto &row : rows) {
        words[row[0] - 1].Judge = static_cast<std::uint16_t>(row[1]);
        words[row[0] - 1].SelectCount = static_cast<std::uint16_t>(row[2]);
    }
    RecountBand(data[0].Item[0]);

    TTrainingState state = FreshState();
    SelectUnknownWords(state, data, 0, 0);
    EXPECT_EQ(IdsOf(state.CurItem), QList<int>({3, 4, 6, 1, 8}));
}

TEST(SelectCheckedWords, ListsCheckedWordsByRunNumberUpToTen)
{
    TDataList data = CourseWithBand(14);
    QList<TBandDataItem> &words = data[0].Item[0].Item;
    for (int i = 0; i < words.size(); ++i) {
        words[i].Check = i == 0 ? 0 : 1;
        words[i].SelectCount = static_cast<std::uint16_t>(i % 3 == 0 ? 9 : 2);
    }
    RecountBand(data[0].Item[0]);

    TTrainingState state = FreshState();
    SelectCheckedWords(state, data, 0, 0);
    // Ids 2, 3, 5, 6, ... carry run 2; ids 4, 7, 10, 13 carry run 9.
    EXPECT_EQ(IdsOf(state.CurItem), QList<int>({2, 3, 5, 6, 8, 9, 11, 12, 14, 4}));
}

TEST(Session, CountsFrom1To99AndThenStartsAgainAt1)
{
    const int rows[][2] = {{0, 1}, {1, 2}, {98, 99}, {99, 1}, {100, 1}, {-3, 1}};
    for (const auto &row : rows)
        EXPECT_EQ(NextSession(row[0]), row[1]) << "after " << row[0];
}

TEST(Session, EveryNewSelectionAdvancesItsBandOnly)
{
    using TSelect = void (*)(TTrainingState &, const TDataList &, int, int);
    const TSelect strategies[] = {SelectUnpracticedWords, SelectWordsInOrder, SelectUnknownWords, SelectCheckedWords};
    TDataList data = CourseWithBand(3);
    data[2].Item[1].Item.append(WordItem(5));
    for (TSelect select : strategies) {
        TTrainingState state = FreshState();
        state.Session[BandKey(2, 1)] = 99;
        select(state, data, 2, 1);
        EXPECT_EQ(state.Session[BandKey(2, 1)], 1);
        EXPECT_EQ(state.Session[0], 0);
    }
}

TEST(Selection, ABandWithoutWordsOrOutsideTheCourseGivesAnEmptyRun)
{
    const TDataList data = CourseWithBand(3);
    const int bands[][2] = {{0, 1}, {7, 2}, {8, 0}, {-1, 0}};
    for (const auto &band : bands) {
        for (int type = wtUnpracticed; type <= wtChecked; ++type) {
            TTrainingState state = FreshState();
            state.CurItem = {WordItem(77)};
            state.LastIndex = 5;
            const TTrainingOptions options{ptWord, band[0], band[1], 0, 0, 0, 0};
            EXPECT_FALSE(StartRun(state, data, options, srcNewWords, TWordType(type), [](int) { return 0; }));
            EXPECT_TRUE(state.CurItem.isEmpty());
            EXPECT_EQ(state.LastIndex, 5);
        }
    }
}

// Plays back the given draws and notes the range each draw was asked for.
struct ScriptedRandom {
    QList<int> draws;
    QList<int> ranges;
    int operator()(int count)
    {
        ranges.append(count);
        return draws.isEmpty() ? 0 : draws.takeFirst();
    }
};

TEST(ShuffleItems, ExchangesEachPositionWithOneDrawnFromTheRest)
{
    TTrainingState state = FreshState();
    state.CurItem = {WordItem(1), WordItem(2), WordItem(3), WordItem(4)};
    ScriptedRandom random{{2, 0, 1}, {}};
    ShuffleItems(state, std::ref(random));
    // 1 2 3 4 -> 3 2 1 4 -> 3 2 1 4 -> 3 2 4 1
    EXPECT_EQ(IdsOf(state.CurItem), QList<int>({3, 2, 4, 1}));
    EXPECT_EQ(random.ranges, QList<int>({4, 3, 2}));
}

TEST(ShuffleItems, ASingleWordDrawsNothing)
{
    TTrainingState state = FreshState();
    state.CurItem = {WordItem(1)};
    ScriptedRandom random;
    ShuffleItems(state, std::ref(random));
    EXPECT_TRUE(random.ranges.isEmpty());
}

TEST(StartRun, ShufflesUnlessTheInOrderTypeIsChosenWhateverTheSource)
{
    struct Row {
        TWordSource source;
        TWordType type;
        bool shuffled;
    };
    const Row rows[] = {{srcNewWords, wtInOrder, false},
                        {srcOnceMore, wtInOrder, false},
                        {srcNewWords, wtUnpracticed, true},
                        {srcOnceMore, wtUnknown, true}};
    const TDataList data = CourseWithBand(12);
    for (const Row &row : rows) {
        TTrainingState state = FreshState();
        state.CurItem = {WordItem(30), WordItem(31), WordItem(32)};
        state.Session[BandKey(1, 2)] = 4;
        state.Trans2Flag = true;
        ScriptedRandom random;
        const TTrainingOptions options{ptWord, 0, 0, 0, 0, 0, 0};
        ASSERT_TRUE(StartRun(state, data, options, row.source, row.type, std::ref(random)));
        EXPECT_EQ(!random.ranges.isEmpty(), row.shuffled);
        EXPECT_EQ(state.LastIndex, 0);
        EXPECT_FALSE(state.Trans2Flag);
        if (row.source == srcOnceMore) {
            EXPECT_EQ(IdsOf(state.CurItem), QList<int>({30, 31, 32}));
        }
    }
}

TEST(StartRun, OnceMoreKeepsTheSessionAndMarksTheBand)
{
    const TDataList data = CourseWithBand(12);
    TTrainingState state = FreshState();
    state.CurItem = {WordItem(3)};
    state.Session[BandKey(1, 2)] = 4;
    state.LastIndex = -1;
    const TTrainingOptions options{ptWord, 1, 2, 0, 0, 0, 0};
    ASSERT_TRUE(StartRun(state, data, options, srcOnceMore, wtUnpracticed, [](int) { return 0; }));
    EXPECT_EQ(state.Session[BandKey(1, 2)], 4);
    EXPECT_EQ(state.LastIndex, BandKey(1, 2));
}

TEST(BeginRun, SentenceRunsCountSentencesAndWordRunsCountWords)
{
    TTrainingState base = FreshState();
    const int sentences[] = {3, 2, 2, 3, 2, 2, 3, 2, 2, 2};
    for (int i = 0; i < 10; ++i)
        base.CurItem.append(WordItem(i + 1, "w", sentences[i]));
    base.CurItemIndex = 4;
    struct Row {
        TPattern pattern;
        int counter;
        TWordOrSentence stage;
    };
    const Row rows[] = {{ptSentence, 23, wsSentence}, {ptWriting, 23, wsSentence}, {ptWord, 10, wsWord}, {ptWordAndSentence, 10, wsWord}};
    for (const Row &row : rows) {
        TTrainingState state = base;
        const TTrainingOutcome outcome = BeginRun(state, TTrainingOptions{row.pattern, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(outcome.CounterTag, row.counter);
        EXPECT_EQ(state.WordOrSentence, row.stage);
        EXPECT_EQ(state.CurItemIndex, 0);
        EXPECT_TRUE(outcome.LayOutTarget);
        if (row.pattern == ptSentence) {
            EXPECT_EQ(state.SentenceCount, 23);
        }
    }
}

TEST(BeginRun, FirstVoicePlaysForSentencesAndForWordsHeardBeforeTyping)
{
    struct Row {
        TPattern pattern;
        int voiceNo;
        bool speaks;
    };
    const Row rows[] = {{ptWordAndSentence, 0, true}, {ptWord, 1, false},  {ptSentence, 1, true},
                        {ptSentence, 0, true},        {ptWriting, 0, false}, {ptWriting, 1, false}};
    for (const Row &row : rows) {
        TTrainingState state = FreshState();
        state.CurItem = {WordItem(1)};
        state.MissType = true;
        const TTrainingOutcome outcome = BeginRun(state, TTrainingOptions{row.pattern, 0, 0, 0, 0, row.voiceNo, 0});
        EXPECT_EQ(outcome.PlayTargetVoice, row.speaks) << row.pattern << " " << row.voiceNo;
        EXPECT_FALSE(state.MissType);
    }
}

TEST(BeginRun, ASentenceRunStartsAtTheFirstWordWithASentence)
{
    TTrainingState state = FreshState();
    state.CurItem = {WordItem(1, "a", 0), WordItem(2, "b", 2)};
    const TTrainingOutcome outcome = BeginRun(state, TTrainingOptions{ptSentence, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(state.CurItemIndex, 1);
    EXPECT_EQ(outcome.CounterTag, 2);

    TTrainingState silent = FreshState();
    silent.CurItem = {WordItem(1, "a", 0)};
    EXPECT_TRUE(BeginRun(silent, TTrainingOptions{ptWriting, 0, 0, 0, 0, 0, 0}).RunEnded);
}

} // namespace
