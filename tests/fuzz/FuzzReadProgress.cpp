// A progress file of any bytes loads into the course tree without reaching
// outside it, and what it loads can be written again.

#include "ProgressFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Eight levels of one to three bands of a few words each, with a level that
// lacks bands, so that file lines for missing bands are exercised too.
TDataList FuzzCourse()
{
    TDataList data(LevelCount);
    for (int level = 0; level < LevelCount; ++level) {
        const int bands = level == 5 ? 0 : 1 + level % BandsPerLevel;
        for (int b = 0; b < bands; ++b) {
            TBandData band;
            for (int i = 0; i < 3 + b * 4; ++i) {
                TBandDataItem word;
                word.Id = level * 1000 + b * 100 + i;
                word.Word = "word";
                band.Item.append(word);
            }
            data[level].Item.append(band);
        }
    }
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const TDataList course = FuzzCourse();
    TDataList tree = course;
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TProgress progress = ReadProgress(text, tree);
    if (progress.BaseIndex.size() != LevelCount * BandsPerLevel || progress.Session.size() != LevelCount * BandsPerLevel)
        std::abort();
    for (const TLevelData &level : tree)
        for (const TBandData &band : level.Item)
            if (band.KnownCount + band.UnknownCount > band.Item.size() || band.CheckCount > band.Item.size())
                std::abort();
    (void)WriteProgress(tree, progress);
    return 0;
}
