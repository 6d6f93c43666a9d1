#include "CourseChoice.h"

void ChoosePattern(TCourseChoice &choice, TPattern pattern)
{
    choice.Pattern = pattern;
    if (!choice.OnceMoreAvailable)
        return;
    choice.Source = pattern == ptWriting ? srcOnceMore : srcNewWords;
}

bool ChooseSource(TCourseChoice &choice, TWordSource source)
{
    if (source == srcOnceMore && !choice.OnceMoreAvailable)
        return false;
    choice.Source = source;
    return true;
}

bool ChooseWordType(TCourseChoice &choice, TWordType type)
{
    if (!choice.TypeAvailable[type])
        return false;
    choice.Source = srcNewWords;
    choice.WordType = type;
    return true;
}

void UpdateForBand(TCourseChoice &choice, const TBandData &band, bool lastRunWasThisBand)
{
    const auto setAvailable = [&](TWordType type, bool available) {
        choice.TypeAvailable[type] = available;
        if (!available && choice.WordType == type)
            choice.WordType = choice.TypeAvailable[wtUnpracticed] ? wtUnpracticed : wtInOrder;
    };
    setAvailable(wtUnpracticed, band.Item.size() > band.KnownCount + band.UnknownCount);
    setAvailable(wtUnknown, band.UnknownCount != 0);
    setAvailable(wtChecked, band.CheckCount != 0);

    choice.OnceMoreAvailable = lastRunWasThisBand;
    if (!lastRunWasThisBand)
        choice.Source = srcNewWords;
}
