#pragma once

#include "CourseData.h"

// The choices and options of the learner that the training logic reads.
// The window fills this from its own fields for every call; nothing here
// keeps a copy between calls.
struct TTrainingOptions {
    TPattern Pattern = ptWordAndSentence;
    int LevelNo = 0;
    int BandNo = 0;
    // 0 keyboard click, 1 electronic tone, 2 off; anything else is a click.
    int TypeSoundNo = 0;
    // 0 a miss sounds, 1 misses are silent.
    int MissSoundNo = 0;
    // 0 the voice plays before typing, 1 after typing (listening early costs misses).
    int VoiceNo = 0;
    // 0 translation always shown, 1 after the sentence is typed, 2 never.
    int MeaningNo = 0;
};
