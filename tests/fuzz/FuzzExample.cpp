// Example sentences of any text give chunks whose positions stay inside the
// sentence the learner types, and whose cells stay inside the two lines the
// sentence is laid out on.

#include "ChunkLayout.h"
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
        (void)TagColor(ElementLetter(chunk));
        (void)HasGuideLabel(chunk.Tag);
    }
    const int length = static_cast<int>(stripped.size());
    // Any break point that leaves a character on line 1, the line split's
    // own among them.
    const int l1 = length > 0 ? 1 + data[0] % length : 0;
    const TChunkLayout layout = LayOutChunks(text, l1);
    for (const TChunkPlace &chunk : layout.Chunks) {
        if (chunk.First < 0 || chunk.End < chunk.First || chunk.End > length)
            std::abort();
        int cells = 0;
        for (const TCellSpan &span : layout.SpansOf(chunk.First, chunk.End)) {
            const int lineLength = span.Line == 0 ? l1 : length - l1;
            if (span.Line > 1 || span.First < 0 || span.End <= span.First || span.End > lineLength)
                std::abort();
            cells += span.End - span.First;
        }
        if (cells != chunk.End - chunk.First)
            std::abort();
    }
    return 0;
}
