#include "ChunkBands.h"

#include "GlyphCells.h"
#include "Markup.h"
#include "RasterOps.h"

namespace {

constexpr int BandHeight = 32;
constexpr int BandGap = 6;

} // namespace

TColor BandColor(QChar letter, int chunkFirst, const TSentenceScene &scene, const TSentenceLayout &layout)
{
    const TTypingView &typing = scene.Typing;
    const int length = layout.Split.L1 + layout.Split.L2;
    if (scene.Pattern == ptWriting && typing.InputLen != 0 && typing.InputLen != length && typing.InputMode2 != 9
        && chunkFirst <= typing.InputLen)
        return clWhite;
    return TagColor(letter);
}

void DrawChunkBands(QPainter &canvas, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout)
{
    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    for (const TChunkPlace &chunk : chunks.Chunks) {
        const TColor colour = BandColor(chunk.Letter, chunk.First, scene, layout);
        if (colour == clWhite)
            continue;
        for (const TCellSpan &span : chunks.SpansOf(chunk.First, chunk.End)) {
            const int y = layout.Top + SentenceLinePitch * span.Line;
            FillSpan(canvas, layout.X0 + SmallPitch * span.First, y, layout.X0 + SmallPitch * span.End - BandGap,
                     y + BandHeight, colour);
        }
    }
    canvas.restore();
}
