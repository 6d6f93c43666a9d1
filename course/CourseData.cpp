#include "CourseData.h"

void RecountBand(TBandData &band)
{
    band.CheckCount = 0;
    band.KnownCount = 0;
    band.UnknownCount = 0;
    for (const TBandDataItem &word : band.Item) {
        if (word.Check == 1)
            ++band.CheckCount;
        if (IsKnownJudge(word.Judge))
            ++band.KnownCount;
        if (IsUnknownJudge(word.Judge))
            ++band.UnknownCount;
    }
}

int LevelWordCount(const TLevelData &level)
{
    int words = 0;
    for (const TBandData &band : level.Item)
        words += band.Item.size();
    return words;
}
