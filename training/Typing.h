#pragma once

#include "TrainingOptions.h"
#include "TrainingOutcome.h"
#include "TrainingState.h"

// Judging the keys typed on the training screen. The target is single-byte
// text; the learner types only its letters, digits and spaces while the
// cursor passes every other character by itself, except inside a stretch a
// hint revealed and once the target has been completed.

inline constexpr int MaxMissCount = 10;
// From this many misses a word is judged unknown and must be typed again.
inline constexpr int SpecialTrainingMisses = 5;

// Letters, digits and the space.
bool IsTypable(char c);

// Places the cursor for a new target after any untypable characters it
// starts with, such as an opening quotation mark.
void ResetInput(TTrainingState &state, const QByteArray &target);

// Moves the cursor past a correctly typed character and, while typing from
// memory, past the untypable characters that follow it.
void AdvanceInput(TTrainingState &state, const QByteArray &target);

// Judges one character event against the current target. Enter, Backspace
// and characters outside 32..126 (input-method text among them) are
// swallowed without effect. A miss in a word counts up to ten, and never
// once the cursor stands at the word's end; a miss in a sentence only sounds.
TTrainingOutcome TypeKey(TTrainingState &state, char16_t key, const TTrainingOptions &options);

// Enter at the end of a target: the cursor goes back to its start so that
// the whole target, punctuation included, can be typed again.
TTrainingOutcome ReturnCursorToStart(TTrainingState &state);

// Backspace: the cursor steps back one character; misses stay counted.
TTrainingOutcome MoveCursorBack(TTrainingState &state);

// The click for a correct key: 1 keyboard, 2 electronic tone, 0 none.
int CorrectKeySound(int typeSoundNo);
