#pragma once

#include "TrainingState.h"

#include <QString>

#include <array>

// The layout of the training screen for the current target: which
// part-of-speech pictures stand where, which panels show, and the state of
// the check mark and the rewind button. The window applies it to its
// controls and paints; with `flag` the typing state starts afresh.

inline constexpr int PartPictureWidth = 195;

struct TPartPicture {
    // Part-of-speech code whose picture is drawn; 0 for none.
    int Tag = 0;
    bool Visible = false;
    // New Left of the picture; -1 keeps the one it has.
    int Left = -1;
    // Cell of the pronunciation mark picture shown over the picture, centred
    // on SoundMarkCenterX (see PronunciationMarkCell); -1 for none.
    int SoundMarkCell = -1;
    int SoundMarkCenterX = 0;
};

struct TTrainingLayout {
    std::array<TPartPicture, 3> Parts;
    // A word without sentences in a word pattern: show this message; the run goes on.
    QString Message;
    bool WordMeaningVisible = false;
    bool SentenceMeaningVisible = false;
    bool MessageVisible = false;
    int CheckFrame = 0;
    bool RewindAvailable = false;
    bool HideSpecialTraining = false;
    // The sentence is flashed into place before the final paint.
    bool FlashSentence = false;
};

TTrainingLayout LayOutTrainingScreen(TTrainingState &state, TPattern pattern, bool flag);
