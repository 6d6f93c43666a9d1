#include "GuideMarks.h"

#include "GlyphCells.h"
#include "Markup.h"
#include "RasterOps.h"

#include <algorithm>

namespace {

constexpr int LabelHeight = 15;
constexpr int LabelDrop = 12;
constexpr int GuideIndent = 4;
constexpr int GuideBelowTop = 31;
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

bool HasEndLabel(QChar letter)
{
    return letter == u'S' || letter == u'V';
}

// Where the guide of a sentence is drawn: the left edge of its cells and
// the top of line 1's underline.
struct TGuideOrigin {
    int X = 0;
    int Y = 0;
    QPoint Cell(const TCellSpan &cell) const
    {
        return QPoint(X + SmallPitch * cell.First, Y + SentenceLinePitch * cell.Line);
    }
};

// Underlines a chunk on every line it covers, 1 pixel high, ending one cell
// short of the next chunk.
void PlaceUnderline(QList<TGuideMark> &marks, int k, const TChunkLayout &chunks, const TChunkPlace &chunk,
                    bool lastChunk, const TSentenceScene &scene, const TGuideOrigin &origin)
{
    const TColor colour = TagColor(chunk.Letter);
    const bool underlined = scene.GuideNo == 1 || scene.GuideNo == 2 || chunk.First <= scene.Typing.InputLen;
    if (colour == clWhite || !underlined)
        return;
    const QList<TCellSpan> spans = chunks.SpansOf(chunk.First, chunk.End);
    // Once the item is typed to its end the last chunk loses its underline,
    // except when it fills its line or runs over the break: those are drawn
    // as soon as the line is full.
    if (lastChunk && scene.Typing.InputMode == 9 && spans.size() == 1 && !chunks.EndsLine(chunk.End))
        return;
    for (qsizetype part = 0; part < spans.size(); ++part) {
        const QPoint left = origin.Cell(spans[part]);
        const int right = origin.X + SmallPitch * (spans[part].End - 1);
        if (right > left.x())
            marks.append({k, static_cast<int>(part), QRect(left.x(), left.y(), right - left.x(), 1), colour, {}});
    }
}
// A start label is lit while the cursor is inside its chunk and quiet ahead
// of it until the item is typed to its end.
std::optional<TGuideLabelRow> StartLabelRow(const TChunkPlace &chunk, const TTypingView &typing)
{
    if (chunk.First <= typing.InputLen && typing.InputLen < chunk.End)
        return glLit;
    if (chunk.First > typing.InputLen && typing.InputMode != 9)
        return glQuiet;
    return std::nullopt;
}

// An end label is lit from the moment the cursor reaches the line part that
// holds the chunk's last character until it passes that character; before,
// it is quiet until the item is typed to its end.
std::optional<TGuideLabelRow> EndLabelRow(const TChunkLayout &chunks, const TChunkPlace &chunk,
                                          const TTypingView &typing)
{
    const int last = chunk.End - 1;
    if (last < typing.InputLen)
        return std::nullopt;
    const int partFirst = std::max(chunk.First, chunks.CellOf(last).Line * chunks.L1);
    if (partFirst <= typing.InputLen)
        return glLit;
    if (typing.InputMode != 9)
        return glQuiet;
    return std::nullopt;
}

} // namespace

std::optional<TGuideLabelPlace> PlaceGuideLabel(QChar letter, QPoint anchor, TGuideLabelRow row)
{
    for (const TLabel &label : Labels) {
        if (letter != label.Letter)
            continue;
        const int width = label.SourceRight - label.SourceLeft;
        TGuideLabelPlace place;
        place.Dest = QRect(anchor.x() + label.Offset, anchor.y(), width, LabelHeight);
        place.Source = QRect(label.SourceLeft, LabelHeight * row, width, LabelHeight);
        if (label.EdgeReach != 0)
            place.AtEdge = row == glLit && anchor.x() + label.EdgeReach >= RightEdge;
        return place;
    }
    return std::nullopt;
}

std::optional<bool> DrawGuideLabel(QPainter &canvas, const QImage &svocMark, QChar letter, QPoint anchor,
                                   TGuideLabelRow row)
{
    const std::optional<TGuideLabelPlace> place = PlaceGuideLabel(letter, anchor, row);
    if (!place)
        return std::nullopt;
    CopyRect(canvas, place->Dest, svocMark, place->Source, TRasterOp::SrcCopy);
    return place->AtEdge;
}

TGuideMarks PlaceGuideMarks(const TChunkLayout &chunks, const TSentenceScene &scene, const TSentenceLayout &layout)
{
    TGuideMarks guide;
    if (scene.GuideNo == 3)
        return guide;
    const TTypingView &typing = scene.Typing;
    const TGuideOrigin origin{layout.X0 + GuideIndent, layout.Top + GuideBelowTop};
    const QPoint labelDrop(0, LabelDrop);
    const auto placeLabel = [&](int k, QChar letter, QPoint anchor, TGuideLabelRow row) {
        const std::optional<TGuideLabelPlace> place = PlaceGuideLabel(letter, anchor, row);
        if (!place)
            return;
        guide.Marks.append({k, LabelPiece, place->Dest, clWhite, place->Source});
        if (place->AtEdge)
            guide.AtEdge = *place->AtEdge;
    };
    for (qsizetype k = 0; k < chunks.Chunks.size(); ++k) {
        const TChunkPlace &chunk = chunks.Chunks[k];
        const int index = static_cast<int>(k);
        PlaceUnderline(guide.Marks, index, chunks, chunk, k + 1 == chunks.Chunks.size(), scene, origin);
        if (scene.GuideNo != 2)
            continue;
        if (HasStartLabel(chunk.Letter)) {
            if (const auto row = StartLabelRow(chunk, typing))
                placeLabel(index, chunk.Letter, origin.Cell(chunks.CellOf(chunk.First)) + labelDrop, *row);
        } else if (HasEndLabel(chunk.Letter) && chunk.End > chunk.First) {
            if (const auto row = EndLabelRow(chunks, chunk, typing))
                placeLabel(index, chunk.Letter, origin.Cell(chunks.CellOf(chunk.End - 1)) + labelDrop, *row);
        }
    }
    return guide;
}

bool DrawGuideMarks(QPainter &canvas, const QImage &svocMark, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout)
{
    const TGuideMarks guide = PlaceGuideMarks(chunks, scene, layout);
    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    for (const TGuideMark &mark : guide.Marks) {
        if (mark.Piece == LabelPiece)
            CopyRect(canvas, mark.Rect, svocMark, mark.Source, TRasterOp::SrcCopy);
        else
            canvas.fillRect(mark.Rect, QColorOf(mark.Colour));
    }
    canvas.restore();
    return guide.AtEdge;
}
