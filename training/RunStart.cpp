#include "RunStart.h"

#include "Navigation.h"

bool StartRun(TTrainingState &state, const TDataList &data, const TTrainingOptions &options, TWordSource source,
              TWordType wordType, const TRandomBelow &randomBelow)
{
    if (source == srcNewWords) {
        switch (wordType) {
        case wtUnpracticed: SelectUnpracticedWords(state, data, options.LevelNo, options.BandNo); break;
        case wtInOrder: SelectWordsInOrder(state, data, options.LevelNo, options.BandNo); break;
        case wtUnknown: SelectUnknownWords(state, data, options.LevelNo, options.BandNo); break;
        case wtChecked: SelectCheckedWords(state, data, options.LevelNo, options.BandNo); break;
        }
    }
    if (state.CurItem.isEmpty())
        return false;
    state.LastIndex = BandKey(options.LevelNo, options.BandNo);
    if (wordType != wtInOrder)
        ShuffleItems(state, randomBelow);
    state.Trans2Flag = false;
    return true;
}

TTrainingOutcome BeginRun(TTrainingState &state, const TTrainingOptions &options)
{
    TTrainingOutcome outcome;
    state.CurItemIndex = 0;
    if (!state.CurItem.isEmpty())
        state.CurItem[0].SentenceIndex = 0;
    const bool sentences = IsSentencePattern(options.Pattern);
    if (sentences) {
        state.SentenceCount = SentenceCountOf(state.CurItem);
        state.SentenceCounter = 0;
        outcome.CounterTag = state.SentenceCount;
    } else {
        outcome.CounterTag = state.CurItem.size();
    }
    state.WordOrSentence = sentences ? wsSentence : wsWord;
    // A sentence run starts at the first word that has a sentence; with none
    // at all there is nothing to type and nothing to show.
    if (sentences) {
        const int first = NextWordWithSentences(state.CurItem, -1);
        if (first < 0) {
            outcome.RunEnded = true;
            return outcome;
        }
        state.CurItemIndex = first;
        state.CurItem[first].SentenceIndex = 0;
    }
    if (state.CurItem.isEmpty()) {
        outcome.RunEnded = true;
        return outcome;
    }
    outcome.LayOutTarget = true;
    outcome.PlayTargetVoice = SpeaksOnArrival(state, options);
    state.MissType = false;
    return outcome;
}

int SentenceCountOf(const QList<TBandDataItem> &items)
{
    int count = 0;
    for (const TBandDataItem &item : items)
        count += item.Item.size();
    return count;
}

bool SpeaksOnArrival(const TTrainingState &state, const TTrainingOptions &options)
{
    return (options.VoiceNo == 0 || state.WordOrSentence == wsSentence) && options.Pattern != ptWriting;
}
