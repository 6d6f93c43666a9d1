#pragma once

#include "CourseData.h"
#include "LineSplit.h"

#include <QRect>

// What the word and sentence renderers read of the typing state. The window
// carries these as its own fields; TypingViewOf copies them in one go.
struct TTypingView {
    // Target characters typed correctly.
    int InputLen = 0;
    // 0 typing, 1 a hint was used, 9 the item is typed to its end.
    int InputMode = 0;
    // 9 from the moment a sentence is completed until the next correct key.
    int InputMode2 = 0;
    // Target positions revealed in a sentence.
    int HintIndex = 0;
    // The last key was a miss.
    bool MissType = false;
};

// Reads the typing fields of anything shaped like the training state, so
// the window can pass itself without this layer depending on the logic.
template <class TState>
constexpr TTypingView TypingViewOf(const TState &state)
{
    return {state.InputLen, state.InputMode, state.InputMode2, state.HintIndex, state.MissType};
}

// Everything the sentence and its two layers are drawn from, by reference:
// the window keeps ownership and nothing is copied per key.
struct TSentenceScene {
    // The current sense: its Sentence is typed, its Example carries the
    // element markup.
    const TSentenceData &Sense;
    TTypingView Typing;
    TPattern Pattern = ptWordAndSentence;
    // Writing guide option: 0 underline once reached, 1 underline all,
    // 2 underline all with labels, 3 no guide.
    int GuideNo = 0;
    // Bounds of the sentence layout control on the window; it is never shown
    // and only lends its bounds to the sentence.
    QRect SentenceText;
};

// Line 2 of a sentence stands this far below line 1.
inline constexpr int SentenceLinePitch = 60;

// The geometry a sentence was laid out with: the line split, the left edge
// of both lines and the top of the band. The two layers under the
// characters are drawn from it.
struct TSentenceLayout {
    TLineSplit Split;
    int X0 = 0;
    int Top = 0;
};
