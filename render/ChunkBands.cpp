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

QList<TColourSpan> ChunkBandSpans(const TChunkLayout &chunks, const TSentenceScene &scene,
                                  const TSentenceLayout &layout)
{
    QList<TColourSpan> spans;
    for (qsizetype k = 0; k < chunks.Chunks.size(); ++k) {
        const TChunkPlace &chunk = chunks.Chunks[k];
        const TColor colour = BandColor(chunk.Letter, chunk.First, scene, layout);
        if (colour == clWhite)
            continue;
        const QList<TCellSpan> parts = chunks.SpansOf(chunk.First, chunk.End);
        for (qsizetype part = 0; part < parts.size(); ++part) {
            const TCellSpan &span = parts[part];
            const int y = layout.Top + SentenceLinePitch * span.Line;
            const int left = layout.X0 + SmallPitch * span.First;
            const int right = layout.X0 + SmallPitch * span.End - BandGap;
            if (right > left)
                spans.append({static_cast<int>(k), static_cast<int>(part), QRect(left, y, right - left, BandHeight), colour});
        }
    }
    return spans;
}

void DrawChunkBands(QPainter &canvas, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout)
{
    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    for (const TColourSpan &span : ChunkBandSpans(chunks, scene, layout))
        canvas.fillRect(span.Rect, QColorOf(span.Colour));
    canvas.restore();
}
