// Course text of any bytes either loads or reports the faulty line, and the
// tree always holds eight levels.

#include "CourseLoader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    int reports = 0;
    const TCourseLoadResult result = LoadCourse(text, [&](const QString &) { ++reports; });
    if (result.Data.size() != LevelCount)
        std::abort();
    for (const TLevelData &level : result.Data)
        (void)ShortNameText(level.LevelName);
    return 0;
}
