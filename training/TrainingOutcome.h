#pragma once

#include <QString>

// What the window must show or sound after a training step. The logic only
// changes the state; the window acts on this in the order of the fields:
// stop the voice, switch the strip, repaint and invalidate what is asked,
// lay out the next target, paint pending areas at once, sound the key, and
// last play the voice, so that a typed character is on screen before its
// click and the voice follows both.
enum class TStripChange { Unchanged, Show, Hide };

struct TTrainingOutcome {
    // Stop the voice and forget the file the player holds.
    bool StopVoice = false;
    // Show or hide imgSpecialTraining.
    TStripChange SpecialTraining = TStripChange::Unchanged;
    // Draw the inflected forms and related words of the completed word.
    bool DrawRelatedWords = false;
    bool InvalidateWordText = false;
    // imgMissCount and imgFlag, which both follow MissCount.
    bool RepaintMissCount = false;
    bool RepaintFlag = false;
    bool RepaintMessage = false;
    bool RepaintSentenceMeaning = false;
    bool RepaintIdNo = false;
    // From 0 on: the new number for imgCounter, which is then repainted.
    int CounterTag = -1;
    // From 0 on: the frame imgCheck must show.
    int CheckFrame = -1;
    // The look of the whole item changed. On the training screen the window
    // repaints what changed of the target and of the panels named here,
    // elsewhere all of itself.
    bool InvalidateWindow = false;
    // A writing-guide label may stand at the right edge of the sentence
    // area, which only the renderer knows; the window's repaint of what
    // changed in the target covers the label wherever it stands.
    bool InvalidateWindowIfGuideAtEdge = false;
    // Lay out the current target afresh with SetTrainingScreen(True).
    bool LayOutTarget = false;
    // The results are already recorded in the band; go back to the course screen.
    bool RunEnded = false;
    // Paint pending window areas at once.
    bool PaintNow = false;
    // 1 to 3: play that key click; 0 none.
    int KeySound = 0;
    // Play the voice of the current target the way the voice button does.
    bool PlayTargetVoice = false;
    // The full path of an mp3 to play; empty for none.
    QString VoiceFile;
};
