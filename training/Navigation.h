#pragma once

#include "TrainingState.h"

// Where the learner stands in a run: the text being typed and the targets
// before and after it. Words without example sentences are legal course
// data, so every move here steps over a sentence stage that has no sentence
// instead of reaching past the end of a word's senses.

constexpr bool IsSentencePattern(TPattern pattern) { return pattern == ptSentence || pattern == ptWriting; }

// The current word, or null when CurItemIndex lies outside the run.
const TBandDataItem *CurrentWord(const TTrainingState &state);

// The text being typed, in code page 932: the word in the word stage, the
// current sentence in the sentence stage. Empty when there is none.
QByteArray CurrentTarget(const TTrainingState &state);

// The index of the first word after `index` (or before it) that has at
// least one sentence; -1 for none.
int NextWordWithSentences(const QList<TBandDataItem> &items, int index);
int PreviousWordWithSentences(const QList<TBandDataItem> &items, int index);

// Whether a target comes before the current one, which is when rewind is
// available: not on the first word of a word run, nor on the first sentence
// of a sentence run.
bool HasPreviousTarget(const TTrainingState &state, TPattern pattern);
