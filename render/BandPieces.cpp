#include "BandPieces.h"

QRegion ChangedArea(const TBandPieces &before, const TBandPieces &after)
{
    QRegion changed;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < before.size() || j < after.size()) {
        if (j == after.size() || (i < before.size() && before[i].Key < after[j].Key)) {
            changed += before[i++].Rect;
        } else if (i == before.size() || after[j].Key < before[i].Key) {
            changed += after[j++].Rect;
        } else {
            if (before[i] != after[j]) {
                changed += before[i].Rect;
                changed += after[j].Rect;
            }
            ++i;
            ++j;
        }
    }
    return changed;
}
