#pragma once

#include "CourseData.h"
#include "Selection.h"

#include <array>

// The learner's choices on the course screen besides the level and the
// band: the pattern, where the words of a run come from and which words.
// The window keeps one of these and draws its buttons from it; nothing
// reads a choice back from a button.
struct TCourseChoice {
    TPattern Pattern = ptWordAndSentence;
    TWordSource Source = srcNewWords;
    // The last run was of the band on screen, so it can be practised again.
    bool OnceMoreAvailable = false;
    TWordType WordType = wtInOrder;
    // By word type; the words in order are always there to choose.
    std::array<bool, 4> TypeAvailable{true, true, true, true};
    bool operator==(const TCourseChoice &) const = default;
};

// A new pattern: writing practises the last run's words when it can, the
// other patterns go back to fresh words when the last run is on offer.
void ChoosePattern(TCourseChoice &choice, TPattern pattern);
// Returns false, changing nothing, when the source cannot be chosen.
bool ChooseSource(TCourseChoice &choice, TWordSource source);
// A word type is always one of fresh words; false when it cannot be chosen.
bool ChooseWordType(TCourseChoice &choice, TWordType type);
// Which types the band offers, and whether its last run can be repeated. A
// type that can no longer be chosen hands the choice on: to the
// not-yet-practised words when the band has them, else to the words in order.
void UpdateForBand(TCourseChoice &choice, const TBandData &band, bool lastRunWasThisBand);
