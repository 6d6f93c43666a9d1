#pragma once

#include "CourseData.h"

#include <QList>

#include <cstdint>

// The state of a training run and of the item being typed. The main window
// carries these as its own fields; the training logic reads and changes them
// through this part alone, so it can be tested without a window.
struct TTrainingState {
    // Per band key: where the next in-order selection starts, and the run.
    QList<std::int32_t> BaseIndex;
    QList<std::int32_t> Session;
    // Copies of the words of the run, in training order.
    QList<TBandDataItem> CurItem;
    int CurItemIndex = 0;
    TWordOrSentence WordOrSentence = wsWord;
    // The natural translation shows under the literal one.
    bool Trans2Flag = false;
    // The last key was a miss.
    bool MissType = false;
    int SentenceCount = 0;
    int SentenceCounter = 0;
    bool IdNoShowFlag = false;
    // Band key of the last run started; -1 for none.
    int LastIndex = 0;
    // 0 typing, 1 a hint was used, 9 the item is typed to its end.
    int InputMode = 0;
    // 9 from the moment a sentence is completed until the next correct key.
    int InputMode2 = 0;
    // Target positions revealed in a sentence.
    int HintIndex = 0;
    // Misses charged to the item, 0 to 10.
    int MissCount = 0;
    int HinshiSize = 0;
    // Characters of the target typed correctly.
    int InputLen = 0;
};
