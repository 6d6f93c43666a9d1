#include "Typing.h"

#include "Navigation.h"

#include <algorithm>

namespace {

char ToUpperAscii(int c)
{
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

TTrainingOutcome TypeWordKey(TTrainingState &state, bool match, const QByteArray &word, const TTrainingOptions &options)
{
    TTrainingOutcome outcome;
    outcome.InvalidateWordText = true;
    if (!match) {
        state.MissType = true;
        if (state.InputLen != word.size() && state.MissCount < MaxMissCount) {
            ++state.MissCount;
            outcome.RepaintMissCount = true;
        }
        outcome.KeySound = options.MissSoundNo == 1 ? 0 : 3;
        return outcome;
    }
    AdvanceInput(state, word);
    state.MissType = false;
    const bool atEnd = state.InputLen == word.size();
    if (atEnd) {
        if (state.InputMode != 9) {
            outcome.DrawRelatedWords = true;
            if (state.MissCount >= SpecialTrainingMisses)
                outcome.SpecialTraining = TStripChange::Show;
            state.InputMode = 9;
            outcome.RepaintFlag = true;
        } else {
            outcome.SpecialTraining = TStripChange::Hide;
        }
    }
    outcome.PaintNow = true;
    outcome.KeySound = CorrectKeySound(options.TypeSoundNo);
    outcome.PlayTargetVoice = atEnd;
    return outcome;
}

TTrainingOutcome TypeSentenceKey(TTrainingState &state, bool match, const QByteArray &sentence,
                                 const TTrainingOptions &options)
{
    TTrainingOutcome outcome;
    outcome.InvalidateWordText = true;
    if (!match) {
        state.MissType = true;
        outcome.KeySound = options.MissSoundNo == 1 ? 0 : 3;
        return outcome;
    }
    AdvanceInput(state, sentence);
    state.MissType = false;
    state.HintIndex = std::max(state.HintIndex, state.InputLen);
    state.InputMode2 = 0;
    const bool atEnd = state.InputLen == sentence.size();
    if (atEnd) {
        state.InputMode = 9;
        state.InputMode2 = 9;
        outcome.RepaintFlag = true;
        outcome.RepaintSentenceMeaning = options.MeaningNo == 1 && options.Pattern != ptWriting;
        outcome.InvalidateWindow = true;
    }
    outcome.PaintNow = true;
    outcome.InvalidateWindowIfGuideAtEdge = true;
    outcome.KeySound = CorrectKeySound(options.TypeSoundNo);
    outcome.PlayTargetVoice = atEnd;
    return outcome;
}

} // namespace

bool IsTypable(char c)
{
    return c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void ResetInput(TTrainingState &state, const QByteArray &target)
{
    state.InputLen = 0;
    while (state.InputLen < target.size() && !IsTypable(target[state.InputLen]))
        ++state.InputLen;
}

void AdvanceInput(TTrainingState &state, const QByteArray &target)
{
    ++state.InputLen;
    if (state.InputMode == 9 || state.InputLen < state.HintIndex)
        return;
    while (state.InputLen < target.size() && !IsTypable(target[state.InputLen]))
        ++state.InputLen;
}

TTrainingOutcome TypeKey(TTrainingState &state, char16_t key, const TTrainingOptions &options)
{
    if (key == 13 || key == 8 || key < 32 || key > 126)
        return {};
    const QByteArray target = CurrentTarget(state);
    const bool inTarget = state.InputLen >= 0 && state.InputLen < target.size();
    const bool match = inTarget && ToUpperAscii(static_cast<unsigned char>(target[state.InputLen])) == ToUpperAscii(key);
    TTrainingOutcome outcome = state.WordOrSentence == wsWord ? TypeWordKey(state, match, target, options)
                                                              : TypeSentenceKey(state, match, target, options);
    outcome.RepaintMessage = true;
    return outcome;
}

TTrainingOutcome ReturnCursorToStart(TTrainingState &state)
{
    state.InputLen = 0;
    TTrainingOutcome outcome;
    outcome.InvalidateWordText = true;
    return outcome;
}

TTrainingOutcome MoveCursorBack(TTrainingState &state)
{
    TTrainingOutcome outcome;
    if (state.InputLen > 0) {
        --state.InputLen;
        outcome.InvalidateWordText = true;
    }
    return outcome;
}

int CorrectKeySound(int typeSoundNo)
{
    switch (typeSoundNo) {
    case 1: return 2;
    case 2: return 0;
    default: return 1;
    }
}
