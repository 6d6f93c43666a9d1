#include "ChunkLayout.h"

#include "Markup.h"

TCellSpan TChunkLayout::CellOf(int index) const
{
    const int line = L1 > 0 && index >= L1 ? 1 : 0;
    return {line, index - line * L1, index - line * L1 + 1};
}

QList<TCellSpan> TChunkLayout::SpansOf(int first, int end) const
{
    if (first >= end)
        return {};
    if (end <= L1 || first >= L1)
        return {{CellOf(first).Line, CellOf(first).First, CellOf(first).First + end - first}};
    return {{0, first, L1}, {1, 0, end - L1}};
}

bool TChunkLayout::EndsLine(int end) const
{
    return L1 > 0 && end > 0 && end % L1 == 0;
}

TChunkLayout LayOutChunks(const QString &example, int l1)
{
    TChunkLayout layout;
    layout.L1 = l1;
    for (const TChunk &chunk : ParseChunks(example)) {
        const int first = chunk.TargetStart - 1;
        layout.Chunks.append({first, first + static_cast<int>(chunk.Text.size()), ElementLetter(chunk)});
    }
    return layout;
}
