#pragma once

#include "TrainingOptions.h"
#include "TrainingOutcome.h"
#include "TrainingState.h"

// The commands of the training screen: moving between targets, hints, the
// voice, the natural translation and the check mark. Every change lives in
// state.CurItem until the run ends; then the results go into `data`.

// Leaving a completed word judges it: known below five misses, unknown from
// five on. Sentences and uncompleted words keep their judgement.
void RecordWordJudgement(TTrainingState &state);

// Moves to the next target, stamping the word with the band's run number.
// Past the last target the results are recorded and RunEnded is set;
// otherwise the outcome asks for the new layout and, by the voice rule, its voice.
TTrainingOutcome Forward(TTrainingState &state, const TTrainingOptions &options, TDataList &data);

// Moves to the target before the current one; does nothing at the start of the run.
TTrainingOutcome Rewind(TTrainingState &state, const TTrainingOptions &options);

// Reveals the word, or the rest of the sentence's word at the cursor and
// the space after it. A word hint costs five misses, a sentence hint one.
TTrainingOutcome Hint(TTrainingState &state);

// The voice of the current target, as a file under `exePath`. Listening to
// a word before completing it costs five misses when the learner chose to
// listen after typing.
TTrainingOutcome NaturalVoice(TTrainingState &state, const TTrainingOptions &options, const QString &exePath);

// Shows or hides the natural translation; only in the sentence stage.
TTrainingOutcome ToggleTrans2(TTrainingState &state);

// Sets or clears the check mark of the current word.
TTrainingOutcome ToggleCheck(TTrainingState &state);

// Ends the run early (back button, closing the window): the current word's
// judgement and the run's results are recorded.
TTrainingOutcome EndRun(TTrainingState &state, const TTrainingOptions &options, TDataList &data);
