#include "Results.h"

void RecordResults(const QList<TBandDataItem> &curItem, TDataList &data, int levelNo, int bandNo)
{
    if (levelNo >= 0 && levelNo < data.size() && bandNo >= 0 && bandNo < data[levelNo].Item.size()) {
        QList<TBandDataItem> &words = data[levelNo].Item[bandNo].Item;
        for (const TBandDataItem &copy : curItem) {
            for (TBandDataItem &word : words) {
                if (word.Id != copy.Id)
                    continue;
                word.Check = copy.Check;
                word.Judge = copy.Judge;
                word.SelectCount = copy.SelectCount;
                break;
            }
        }
    }
    for (TLevelData &level : data)
        for (TBandData &band : level.Item)
            RecountBand(band);
}
