#pragma once

#include "TrainingState.h"

#include <initializer_list>

// Small course pieces built in code for the training tests.

inline TSentenceData Sense(const char *sentence, int part = posNoun, int id2 = 0, const QString &etc2 = {})
{
    TSentenceData s;
    s.Sentence = sentence;
    s.Part = part;
    s.Id2 = id2;
    s.Etc2 = etc2;
    return s;
}

inline TBandDataItem WordItem(int id, const char *word = "word", int sentences = 1)
{
    TBandDataItem w;
    w.Id = id;
    w.Word = word;
    for (int i = 0; i < sentences; ++i)
        w.Item.append(Sense("A b.", posNoun, i + 1));
    return w;
}

// A course with one band, at level 1 band A, of `count` words with ids 1..count.
inline TDataList CourseWithBand(int count)
{
    TDataList data(LevelCount);
    for (TLevelData &level : data)
        level.Item.resize(BandsPerLevel);
    for (int id = 1; id <= count; ++id)
        data[0].Item[0].Item.append(WordItem(id));
    RecountBand(data[0].Item[0]);
    return data;
}

inline TTrainingState FreshState()
{
    TTrainingState state;
    state.BaseIndex.fill(0, LevelCount * BandsPerLevel);
    state.Session.fill(0, LevelCount * BandsPerLevel);
    return state;
}

inline QList<int> IdsOf(const QList<TBandDataItem> &items)
{
    QList<int> ids;
    for (const TBandDataItem &item : items)
        ids.append(item.Id);
    return ids;
}
