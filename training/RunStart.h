#pragma once

#include "Selection.h"
#include "TrainingOptions.h"
#include "TrainingOutcome.h"

// Starting a run happens in two halves around the start-screen wait.

// Chooses the words (a once-more run keeps CurItem as the last run left it),
// marks the band as the last one trained and shuffles the words unless the
// in-order type is chosen, whatever the source. Returns false when there is
// no word to practise: the window then goes back to the course screen.
bool StartRun(TTrainingState &state, const TDataList &data, const TTrainingOptions &options, TWordSource source,
              TWordType wordType, const TRandomBelow &randomBelow);

// Sets the run on its first target after the wait: the counters, the stage
// and the counter panel. The outcome asks for the layout and, by the voice
// rule, the first voice. Returns RunEnded when a sentence run holds no
// sentence at all, so that the window goes back to the course screen.
TTrainingOutcome BeginRun(TTrainingState &state, const TTrainingOptions &options);

// The number of example sentences of all words of the run.
int SentenceCountOf(const QList<TBandDataItem> &items);

// Whether a newly shown target speaks at once: words only when the learner
// listens before typing, sentences always, and nothing in writing.
bool SpeaksOnArrival(const TTrainingState &state, const TTrainingOptions &options);
