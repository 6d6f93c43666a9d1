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
    // Pronunciation mark over the picture: 0 none, 1 the left half of the
    // mark strip, 2 its right half, centred on SoundMarkCenterX.
    int SoundMark = 0;
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

// 1 for "<発1>" and "<ア1>", 2 for "<発2>" and "<ア2>", 0 for anything else.
int SoundMarkOf(const QString &etc2);
