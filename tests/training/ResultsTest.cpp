#include "Results.h"

#include <gtest/gtest.h>

namespace {

TBandDataItem Word(int id, int check = 0, int judge = 0, int selectCount = 0)
{
    TBandDataItem w;
    w.Id = id;
    w.Check = check;
    w.Judge = static_cast<std::uint16_t>(judge);
    w.SelectCount = static_cast<std::uint16_t>(selectCount);
    return w;
}

TEST(RecordResults, CopiesResultsByIdAndRecountsEveryBand)
{
    TDataList data(LevelCount);
    TBandData band;
    for (int id : {10, 11, 12, 13})
        band.Item.append(Word(id));
    data[1].Item.append(band);
    TBandData other;
    other.Item.append(Word(10, 1, 3, 9)); // same id in another band stays untouched
    data[2].Item.append(other);

    // Word 11 was trained twice in a short in-order run: its last copy wins.
    const QList<TBandDataItem> run = {Word(11, 1, 4, 5), Word(12, 0, 1, 5), Word(11, 0, 1, 6), Word(99, 1, 1, 1)};
    RecordResults(run, data, 1, 0);

    const QList<TBandDataItem> &words = data[1].Item[0].Item;
    EXPECT_EQ(words[1].Check, 0);
    EXPECT_EQ(words[1].Judge, 1);
    EXPECT_EQ(words[1].SelectCount, 6);
    EXPECT_EQ(words[2].Judge, 1);
    EXPECT_EQ(words[0].Judge, 0);
    EXPECT_EQ(data[1].Item[0].KnownCount, 2);
    EXPECT_EQ(data[1].Item[0].UnknownCount, 0);
    EXPECT_EQ(data[2].Item[0].Item[0].Judge, 3);
    // Counters of other bands are brought up to date too.
    EXPECT_EQ(data[2].Item[0].CheckCount, 1);
    EXPECT_EQ(data[2].Item[0].UnknownCount, 1);
}

TEST(RecordResults, ABandThatDoesNotExistOnlyRecounts)
{
    TDataList data(LevelCount);
    TBandData band;
    band.Item.append(Word(1, 1, 2, 0));
    data[1].Item.append(band);
    RecordResults({Word(1)}, data, 3, 0);
    EXPECT_EQ(data[1].Item[0].Item[0].Judge, 2);
    EXPECT_EQ(data[1].Item[0].KnownCount, 1);
}

TEST(JudgeForMisses, FiveMissesMakeAWordUnknown)
{
    EXPECT_EQ(JudgeForMisses(0), 1);
    EXPECT_EQ(JudgeForMisses(4), 1);
    EXPECT_EQ(JudgeForMisses(5), 4);
    EXPECT_EQ(JudgeForMisses(10), 4);
}

} // namespace
