#include "Navigation.h"

#include <algorithm>

const TBandDataItem *CurrentWord(const TTrainingState &state)
{
    if (state.CurItemIndex < 0 || state.CurItemIndex >= state.CurItem.size())
        return nullptr;
    return &state.CurItem[state.CurItemIndex];
}

QByteArray CurrentTarget(const TTrainingState &state)
{
    const TBandDataItem *word = CurrentWord(state);
    if (!word)
        return {};
    if (state.WordOrSentence == wsWord)
        return word->Word;
    if (word->SentenceIndex < 0 || word->SentenceIndex >= word->Item.size())
        return {};
    return word->Item[word->SentenceIndex].Sentence;
}

int NextWordWithSentences(const QList<TBandDataItem> &items, int index)
{
    for (int i = index + 1; i < items.size(); ++i)
        if (!items[i].Item.isEmpty())
            return i;
    return -1;
}

int PreviousWordWithSentences(const QList<TBandDataItem> &items, int index)
{
    for (int i = std::min<int>(index, items.size()) - 1; i >= 0; --i)
        if (!items[i].Item.isEmpty())
            return i;
    return -1;
}

bool HasPreviousTarget(const TTrainingState &state, TPattern pattern)
{
    switch (pattern) {
    case ptWordAndSentence:
        return state.WordOrSentence == wsSentence || state.CurItemIndex > 0;
    case ptWord:
        return state.CurItemIndex > 0;
    case ptSentence:
    case ptWriting:
        break;
    }
    const TBandDataItem *word = CurrentWord(state);
    if (word && word->SentenceIndex > 0)
        return true;
    return PreviousWordWithSentences(state.CurItem, state.CurItemIndex) >= 0;
}
