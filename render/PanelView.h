#pragma once

#include "CourseData.h"

// What the training panels read of the window's state for one paint. The
// window fills it from its own fields; the word it points to must outlive
// the paint. A null word means no run has started and the panels stay empty.
struct TPanelView {
    const TBandDataItem *Word = nullptr;
    TWordOrSentence WordOrSentence = wsWord;
    TPattern Pattern = ptWordAndSentence;
    // 0 typing, 1 hinted, 9 the item is typed to its end.
    int InputMode = 0;
    int InputLen = 0;
    // 0 the literal translation always shows, 1 once the item is complete,
    // 2 never (except in the writing pattern).
    int MeaningNo = 0;
    bool Trans2Flag = false;
    bool IdNoShowFlag = false;
};

// The sense of the current word that is being practised, or null when the
// word has none at its SentenceIndex.
inline const TSentenceData *CurrentSense(const TPanelView &view)
{
    if (!view.Word || view.Word->SentenceIndex < 0 || view.Word->SentenceIndex >= view.Word->Item.size())
        return nullptr;
    return &view.Word->Item[view.Word->SentenceIndex];
}
