#include "Commands.h"

#include "Navigation.h"
#include "Results.h"
#include "RunStart.h"
#include "Typing.h"
#include "VoiceFiles.h"

#include <algorithm>

namespace {

enum class TMove { Moved, RunEnded };

int LastSentenceIndex(const TBandDataItem &word) { return std::max<int>(0, word.Item.size() - 1); }

int WordsLeft(const TTrainingState &state) { return state.CurItem.size() - state.CurItemIndex; }

TMove ToNextWord(TTrainingState &state, TTrainingOutcome &outcome)
{
    if (state.CurItemIndex + 1 >= state.CurItem.size())
        return TMove::RunEnded;
    ++state.CurItemIndex;
    state.CurItem[state.CurItemIndex].SentenceIndex = 0;
    outcome.CounterTag = WordsLeft(state);
    return TMove::Moved;
}

TMove MoveForward(TTrainingState &state, TPattern pattern, TTrainingOutcome &outcome)
{
    TBandDataItem &word = state.CurItem[state.CurItemIndex];
    const bool furtherSentence = word.SentenceIndex + 1 < word.Item.size();
    switch (pattern) {
    case ptWordAndSentence:
        // A word without sentences has no sentence stage to enter.
        if (state.WordOrSentence == wsWord && !word.Item.isEmpty()) {
            state.WordOrSentence = wsSentence;
            word.SentenceIndex = 0;
            return TMove::Moved;
        }
        if (state.WordOrSentence == wsSentence && furtherSentence) {
            ++word.SentenceIndex;
            return TMove::Moved;
        }
        if (ToNextWord(state, outcome) == TMove::RunEnded)
            return TMove::RunEnded;
        state.WordOrSentence = wsWord;
        return TMove::Moved;
    case ptWord:
        return ToNextWord(state, outcome);
    case ptSentence:
    case ptWriting:
        break;
    }
    if (furtherSentence) {
        ++word.SentenceIndex;
    } else {
        // Words without sentences have nothing to type in a sentence run.
        const int next = NextWordWithSentences(state.CurItem, state.CurItemIndex);
        if (next < 0)
            return TMove::RunEnded;
        state.CurItemIndex = next;
        state.CurItem[next].SentenceIndex = 0;
    }
    ++state.SentenceCounter;
    outcome.CounterTag = std::max(0, state.SentenceCount - state.SentenceCounter);
    return TMove::Moved;
}

void MoveBack(TTrainingState &state, TPattern pattern, TTrainingOutcome &outcome)
{
    TBandDataItem &word = state.CurItem[state.CurItemIndex];
    switch (pattern) {
    case ptWordAndSentence:
        if (state.WordOrSentence == wsSentence) {
            if (word.SentenceIndex <= 0)
                state.WordOrSentence = wsWord;
            else
                --word.SentenceIndex;
            return;
        }
        --state.CurItemIndex;
        {
            TBandDataItem &previous = state.CurItem[state.CurItemIndex];
            // A word without sentences is rewound to its word stage.
            state.WordOrSentence = previous.Item.isEmpty() ? wsWord : wsSentence;
            previous.SentenceIndex = LastSentenceIndex(previous);
        }
        outcome.CounterTag = WordsLeft(state);
        return;
    case ptWord:
        --state.CurItemIndex;
        state.CurItem[state.CurItemIndex].SentenceIndex = 0;
        outcome.CounterTag = WordsLeft(state);
        return;
    case ptSentence:
    case ptWriting:
        break;
    }
    if (word.SentenceIndex > 0) {
        --word.SentenceIndex;
    } else {
        state.CurItemIndex = PreviousWordWithSentences(state.CurItem, state.CurItemIndex);
        TBandDataItem &previous = state.CurItem[state.CurItemIndex];
        previous.SentenceIndex = LastSentenceIndex(previous);
    }
    --state.SentenceCounter;
    outcome.CounterTag = std::max(0, state.SentenceCount - state.SentenceCounter);
}

void ArriveAtTarget(TTrainingState &state, const TTrainingOptions &options, TTrainingOutcome &outcome)
{
    outcome.InvalidateWindow = true;
    outcome.LayOutTarget = true;
    outcome.PlayTargetVoice = SpeaksOnArrival(state, options);
    state.MissType = false;
}

} // namespace

void RecordWordJudgement(TTrainingState &state)
{
    if (state.InputMode != 9 || state.WordOrSentence != wsWord)
        return;
    if (state.CurItemIndex >= 0 && state.CurItemIndex < state.CurItem.size())
        state.CurItem[state.CurItemIndex].Judge = JudgeForMisses(state.MissCount);
}

TTrainingOutcome Forward(TTrainingState &state, const TTrainingOptions &options, TDataList &data)
{
    TTrainingOutcome outcome;
    outcome.StopVoice = true;
    if (!CurrentWord(state))
        return outcome;
    const int s = BandKey(options.LevelNo, options.BandNo);
    if (s >= 0 && s < state.Session.size())
        state.CurItem[state.CurItemIndex].SelectCount = static_cast<std::uint16_t>(state.Session[s] & 0xFFFF);
    state.Trans2Flag = false;
    RecordWordJudgement(state);
    if (MoveForward(state, options.Pattern, outcome) == TMove::RunEnded) {
        RecordResults(state.CurItem, data, options.LevelNo, options.BandNo);
        outcome.RunEnded = true;
        return outcome;
    }
    ArriveAtTarget(state, options, outcome);
    return outcome;
}

TTrainingOutcome Rewind(TTrainingState &state, const TTrainingOptions &options)
{
    TTrainingOutcome outcome;
    if (!CurrentWord(state) || !HasPreviousTarget(state, options.Pattern))
        return outcome;
    outcome.StopVoice = true;
    state.Trans2Flag = false;
    RecordWordJudgement(state);
    MoveBack(state, options.Pattern, outcome);
    ArriveAtTarget(state, options, outcome);
    return outcome;
}

TTrainingOutcome Hint(TTrainingState &state)
{
    TTrainingOutcome outcome;
    if (state.WordOrSentence == wsWord) {
        state.InputMode = 1;
        if (state.MissCount < MaxMissCount) {
            state.MissCount = std::min(MaxMissCount, state.MissCount + SpecialTrainingMisses);
            outcome.RepaintMissCount = true;
        }
        outcome.InvalidateWordText = true;
        return outcome;
    }
    if (state.InputMode == 9)
        return outcome;
    if (state.InputMode == 0)
        state.InputMode = 1;
    if (state.MissCount < MaxMissCount) {
        ++state.MissCount;
        outcome.RepaintMissCount = true;
    }
    const QByteArray sentence = CurrentTarget(state);
    for (int i = state.InputLen + 1; i <= sentence.size(); ++i) {
        state.HintIndex = i;
        if (sentence[i - 1] == ' ')
            break;
    }
    outcome.InvalidateWordText = true;
    return outcome;
}

TTrainingOutcome NaturalVoice(TTrainingState &state, const TTrainingOptions &options, const QString &exePath)
{
    TTrainingOutcome outcome;
    const TBandDataItem *word = CurrentWord(state);
    if (!word)
        return outcome;
    if (state.WordOrSentence == wsSentence) {
        if (word->SentenceIndex >= 0 && word->SentenceIndex < word->Item.size())
            outcome.VoiceFile = SentenceVoiceFile(exePath, options.LevelNo, *word, word->Item[word->SentenceIndex]);
        return outcome;
    }
    outcome.VoiceFile = WordVoiceFile(exePath, options.LevelNo, *word);
    if (options.VoiceNo != 0 && state.InputMode != 9) {
        state.MissCount = std::min(MaxMissCount, state.MissCount + SpecialTrainingMisses);
        outcome.RepaintMissCount = true;
    }
    return outcome;
}

TTrainingOutcome ToggleTrans2(TTrainingState &state)
{
    TTrainingOutcome outcome;
    if (state.WordOrSentence == wsWord)
        return outcome;
    state.Trans2Flag = !state.Trans2Flag;
    outcome.RepaintSentenceMeaning = true;
    return outcome;
}

TTrainingOutcome ToggleCheck(TTrainingState &state)
{
    TTrainingOutcome outcome;
    if (!CurrentWord(state))
        return outcome;
    TBandDataItem &word = state.CurItem[state.CurItemIndex];
    word.Check = word.Check == 0 ? 1 : 0;
    outcome.CheckFrame = word.Check;
    return outcome;
}

TTrainingOutcome EndRun(TTrainingState &state, const TTrainingOptions &options, TDataList &data)
{
    TTrainingOutcome outcome;
    outcome.StopVoice = true;
    RecordWordJudgement(state);
    RecordResults(state.CurItem, data, options.LevelNo, options.BandNo);
    outcome.RunEnded = true;
    return outcome;
}
