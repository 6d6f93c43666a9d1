#pragma once

#include "TrainingState.h"

#include <functional>
#include <random>

// The words of a new run. Each strategy fills state.CurItem with copies of
// words of band Data[levelNo].Item[bandNo] (at most ten) and advances the
// band's Session. A band that does not exist, or holds no words, yields an
// empty CurItem, which the caller treats as "nothing to practise".

// Word types in the order of their buttons; the value is also what the
// progress file stores.
enum TWordType : int {
    wtUnpracticed = 0,
    wtInOrder = 1,
    wtUnknown = 2,
    wtChecked = 3,
};

// Where the words of a run come from: a fresh selection or the last run.
enum TWordSource : int {
    srcNewWords = 0,
    srcOnceMore = 1,
};

inline constexpr int MaxRunWords = 10;

// Words never judged, in band order.
void SelectUnpracticedWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo);
// Ten words in band order from BaseIndex, wrapping to the first word; a band
// of fewer than ten words repeats words. BaseIndex moves past the last one.
void SelectWordsInOrder(TTrainingState &state, const TDataList &data, int levelNo, int bandNo);
// Words judged unknown, those passed longest ago (lowest SelectCount) first.
void SelectUnknownWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo);
// Check-marked words, those passed longest ago first.
void SelectCheckedWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo);

// The run number after `session`: 1..99, then 1 again.
int NextSession(int session);

// Returns a uniformly drawn integer in 0 .. count - 1.
using TRandomBelow = std::function<int(int count)>;

// Draws from a generator the window owns and seeded once.
inline TRandomBelow RandomBelowFrom(std::mt19937 &generator)
{
    return [&generator](int count) { return std::uniform_int_distribution<int>(0, count - 1)(generator); };
}

// Puts state.CurItem in random order: position i is exchanged with a
// position drawn from i .. n - 1.
void ShuffleItems(TTrainingState &state, const TRandomBelow &randomBelow);
