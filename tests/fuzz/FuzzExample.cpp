// Example sentences of any text give chunks whose positions stay inside the
// sentence the learner types.

#include "Markup.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString stripped = StripTags(text);
    if (stripped.size() > text.size())
        std::abort();
    for (const TChunk &chunk : ParseChunks(text)) {
        if (chunk.TargetStart < 1 || chunk.Text.contains(u'['))
            std::abort();
        (void)TagColor(chunk.Tag);
        (void)HasGuideLabel(chunk.Tag);
    }
    return 0;
}
