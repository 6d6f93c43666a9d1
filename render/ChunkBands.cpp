#include "ChunkBands.h"

#include "ChunkScan.h"
#include "GlyphCells.h"
#include "Markup.h"

namespace {

constexpr int BandHeight = 32;
constexpr int BandGap = 6;
constexpr int LineHeight = 60;

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

void DrawChunkBands(QPainter &canvas, const TSentenceScene &scene, const TSentenceLayout &layout)
{
    const QString &example = scene.Sense.Example;
    const int x0 = layout.X0;
    const int l1 = layout.Split.L1;
    int y = layout.Top;
    bool inside = false;
    bool collected = false;
    int count = 0;
    int chunkStart = 0;
    int lineOffset = 0;
    TColor colour = clWhite;
    bool takeColour = true;

    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    auto drawBand = [&] {
        if (colour != clWhite)
            FillSpan(canvas, x0 + SmallPitch * chunkStart, y, x0 + SmallPitch * count - BandGap, y + BandHeight, colour);
    };

    for (qsizetype i = 0; i < example.size(); ++i) {
        const QChar c = example[i];
        if (c == u'[') {
            if (collected)
                drawBand();
            chunkStart = count;
            collected = false;
            inside = true;
        } else if (c == u']') {
            inside = false;
            colour = clWhite;
        } else if (inside) {
            ++count;
            collected = true;
            if (count != l1)
                continue;
            if (const auto closing = NextChunkClosing(example, i)) {
                colour = BandColor(closing->Tag, lineOffset + chunkStart, scene, layout);
                drawBand();
                if (lineOffset + chunkStart <= scene.Typing.InputLen && closing->Distance > 1) {
                    if (colour != clWhite)
                        FillSpan(canvas, x0, y + LineHeight, x0 + SmallPitch * (closing->Distance - 1) - BandGap,
                                 y + LineHeight + BandHeight, colour);
                    takeColour = false;
                }
            }
            y += LineHeight;
            collected = false;
            lineOffset += l1;
            count = 0;
            chunkStart = 0;
        } else {
            if (takeColour)
                colour = BandColor(c, lineOffset + chunkStart, scene, layout);
            takeColour = true;
        }
    }
    if (collected)
        drawBand();
    canvas.restore();
}
