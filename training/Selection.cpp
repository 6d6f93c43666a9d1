#include "Selection.h"

#include <algorithm>

namespace {

const TBandData *FindBand(const TDataList &data, int levelNo, int bandNo)
{
    if (levelNo < 0 || levelNo >= data.size())
        return nullptr;
    const TLevelData &level = data[levelNo];
    if (bandNo < 0 || bandNo >= level.Item.size())
        return nullptr;
    return &level.Item[bandNo];
}

void AdvanceSession(TTrainingState &state, int levelNo, int bandNo)
{
    const int s = BandKey(levelNo, bandNo);
    if (s >= 0 && s < state.Session.size())
        state.Session[s] = NextSession(state.Session[s]);
}

// Takes the words that qualify, in ascending SelectCount and, within one
// count, in band order, up to `bound` words and never more than ten.
template <typename TQualifies>
void SelectByRunNumber(TTrainingState &state, const TBandData &band, int bound, TQualifies qualifies)
{
    QList<const TBandDataItem *> candidates;
    for (const TBandDataItem &word : band.Item)
        if (qualifies(word))
            candidates.append(&word);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const TBandDataItem *a, const TBandDataItem *b) { return a->SelectCount < b->SelectCount; });
    const int taken = std::max(0, std::min({MaxRunWords, bound, static_cast<int>(candidates.size())}));
    for (int i = 0; i < taken; ++i)
        state.CurItem.append(*candidates[i]);
}

} // namespace

int NextSession(int session)
{
    const int next = session + 1;
    // A value read from an old or edited file outside 1..99 restarts the count.
    return next >= 1 && next <= 99 ? next : 1;
}

void SelectUnpracticedWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo)
{
    state.CurItem.clear();
    const TBandData *band = FindBand(data, levelNo, bandNo);
    if (!band)
        return;
    const int limit = std::min<int>(MaxRunWords, band->Item.size() - band->KnownCount - band->UnknownCount);
    for (const TBandDataItem &word : band->Item) {
        if (state.CurItem.size() >= limit)
            break;
        if (word.Judge == 0)
            state.CurItem.append(word);
    }
    AdvanceSession(state, levelNo, bandNo);
}

void SelectWordsInOrder(TTrainingState &state, const TDataList &data, int levelNo, int bandNo)
{
    state.CurItem.clear();
    const TBandData *band = FindBand(data, levelNo, bandNo);
    if (!band)
        return;
    const int count = band->Item.size();
    const int s = BandKey(levelNo, bandNo);
    // A band without words has nothing to wrap to; its place stays where it was.
    if (count > 0) {
        int p = s < state.BaseIndex.size() ? state.BaseIndex[s] - 1 : 0;
        if (p < 0 || p >= count)
            p = 0;
        for (int i = 0; i < MaxRunWords; ++i) {
            state.CurItem.append(band->Item[p]);
            p = p + 1 == count ? 0 : p + 1;
        }
        if (s < state.BaseIndex.size())
            state.BaseIndex[s] = p + 1;
    }
    AdvanceSession(state, levelNo, bandNo);
}

void SelectUnknownWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo)
{
    state.CurItem.clear();
    const TBandData *band = FindBand(data, levelNo, bandNo);
    if (!band)
        return;
    SelectByRunNumber(state, *band, band->UnknownCount, [](const TBandDataItem &w) { return IsUnknownJudge(w.Judge); });
    AdvanceSession(state, levelNo, bandNo);
}

void SelectCheckedWords(TTrainingState &state, const TDataList &data, int levelNo, int bandNo)
{
    state.CurItem.clear();
    const TBandData *band = FindBand(data, levelNo, bandNo);
    if (!band)
        return;
    SelectByRunNumber(state, *band, band->CheckCount, [](const TBandDataItem &w) { return w.Check == 1; });
    AdvanceSession(state, levelNo, bandNo);
}

void ShuffleItems(TTrainingState &state, const TRandomBelow &randomBelow)
{
    const int n = state.CurItem.size();
    if (n < 2)
        return;
    for (int i = 0; i <= n - 2; ++i) {
        const int r = randomBelow(n - i);
        // A draw outside the asked range would reach past the run; it exchanges nothing.
        if (r > 0 && r < n - i)
            state.CurItem.swapItemsAt(i, i + r);
    }
}
