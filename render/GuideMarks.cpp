#include "GuideMarks.h"

#include "ChunkScan.h"
#include "GlyphCells.h"
#include "Markup.h"
#include "RasterOps.h"

namespace {

constexpr int LabelHeight = 15;
constexpr int LabelDrop = 12;
constexpr int GuideIndent = 4;
constexpr int GuideBelowTop = 31;
constexpr int LineHeight = 60;
// The right edge of the sentence area that a lit start label may reach.
constexpr int RightEdge = 780;

struct TLabel {
    char16_t Letter;
    int SourceLeft;
    int SourceRight;
    // Destination left edge relative to the anchor.
    int Offset;
    // How far right of the anchor the edge test reaches; 0 for end labels,
    // which never raise the flag.
    int EdgeReach;
};

constexpr TLabel Labels[] = {
    {u'C', 85, 165, -10, 70}, {u'M', 211, 265, 0, 54}, {u'O', 54, 85, -10, 21},
    {u'Z', 165, 211, -4, 46}, {u'S', 0, 27, -27, 0},   {u'V', 27, 54, -27, 0},
};

bool HasStartLabel(QChar letter)
{
    return letter == u'C' || letter == u'M' || letter == u'O' || letter == u'Z';
}

} // namespace

std::optional<bool> DrawGuideLabel(QPainter &canvas, const QImage &svocMark, QChar letter, QPoint anchor,
                                   TGuideLabelRow row)
{
    for (const TLabel &label : Labels) {
        if (letter != label.Letter)
            continue;
        const int width = label.SourceRight - label.SourceLeft;
        CopyRect(canvas, QRect(anchor.x() + label.Offset, anchor.y(), width, LabelHeight), svocMark,
                 QRect(label.SourceLeft, LabelHeight * row, width, LabelHeight), TRasterOp::SrcCopy);
        if (label.EdgeReach == 0)
            return std::nullopt;
        return row == glLit && anchor.x() + label.EdgeReach >= RightEdge;
    }
    return std::nullopt;
}

bool DrawGuideMarks(QPainter &canvas, const QImage &svocMark, const TSentenceScene &scene, const TSentenceLayout &layout)
{
    if (scene.GuideNo == 3)
        return false;
    const QString &example = scene.Sense.Example;
    const TTypingView &typing = scene.Typing;
    const bool labels = scene.GuideNo == 2;
    const int x = layout.X0 + GuideIndent;
    const int l1 = layout.Split.L1;
    int y = layout.Top + GuideBelowTop;
    bool inside = false;
    bool collected = false;
    int count = 0;
    int chunkStart = 0;
    int lineOffset = 0;
    TColor colour = clWhite;
    bool takeColour = true;
    bool atEdge = false;

    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    auto underlined = [&] { return scene.GuideNo == 1 || scene.GuideNo == 2 || lineOffset + chunkStart <= typing.InputLen; };
    auto underline = [&] {
        if (colour != clWhite)
            FillSpan(canvas, x + SmallPitch * chunkStart, y, x + SmallPitch * count - SmallPitch, y + 1, colour);
    };
    auto label = [&](QChar letter, QPoint anchor, std::optional<TGuideLabelRow> row) {
        if (!row)
            return;
        if (const std::optional<bool> edge = DrawGuideLabel(canvas, svocMark, letter, anchor, *row))
            atEdge = *edge;
    };

    for (qsizetype i = 0; i < example.size(); ++i) {
        const QChar c = example[i];
        if (c == u'[') {
            if (collected && underlined())
                underline();
            chunkStart = count;
            collected = false;
            inside = true;
            const auto closing = NextChunkClosing(example, i);
            if (labels && closing && HasStartLabel(closing->Tag)) {
                const int s = lineOffset + chunkStart;
                const int e = s + closing->Distance - 1;
                std::optional<TGuideLabelRow> row;
                if (s <= typing.InputLen && typing.InputLen < e)
                    row = glLit;
                else if (s > typing.InputLen && typing.InputMode != 9)
                    row = glQuiet;
                label(closing->Tag, QPoint(x + SmallPitch * chunkStart, y + LabelDrop), row);
            }
        } else if (c == u']') {
            inside = false;
            colour = clWhite;
        } else if (inside) {
            const bool endsChunk = i + 2 < example.size() && example[i + 1] == u']';
            if (labels && endsChunk && (example[i + 2] == u'S' || example[i + 2] == u'V')) {
                const int q = lineOffset + count;
                const bool reached = lineOffset + chunkStart <= typing.InputLen;
                std::optional<TGuideLabelRow> row;
                if (q >= typing.InputLen && reached)
                    row = glLit;
                else if (q >= typing.InputLen && !reached && typing.InputMode != 9)
                    row = glQuiet;
                label(example[i + 2], QPoint(x + SmallPitch * count, y + LabelDrop), row);
            }
            ++count;
            collected = true;
            if (count != l1)
                continue;
            if (const auto closing = NextChunkClosing(example, i)) {
                colour = TagColor(closing->Tag);
                if (underlined()) {
                    underline();
                    if (closing->Distance > 1) {
                        if (colour != clWhite)
                            FillSpan(canvas, x, y + LineHeight, x + SmallPitch * (closing->Distance - 1) - SmallPitch,
                                     y + LineHeight + 1, colour);
                        takeColour = false;
                    }
                }
            }
            y += LineHeight;
            collected = false;
            lineOffset += l1;
            count = 0;
            chunkStart = 0;
        } else {
            if (takeColour)
                colour = TagColor(c);
            takeColour = true;
        }
    }
    if (collected && underlined() && typing.InputMode != 9)
        underline();
    canvas.restore();
    return atEdge;
}
