#include "SentenceText.h"

#include "ChunkBands.h"
#include "ChunkLayout.h"
#include "GlyphCells.h"
#include "GuideMarks.h"
#include "WordText.h"

namespace {

constexpr int Line1CellDrop = 4;
constexpr int Line2CellDrop = Line1CellDrop + SentenceLinePitch;
constexpr int Line1BarDrop = 37;
constexpr int Line2BarDrop = Line1BarDrop + SentenceLinePitch;
constexpr int BarIndent = 7;
constexpr int BarWidth = 7;
constexpr int BarHeight = 3;
constexpr int FlushLeft = 10;

enum class TCellLook { Nothing, Square, Black, Grey, Pale };

bool IsLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// How the character at target position p shows.
TCellLook LookOf(char c, int p, bool lineOne, const TSentenceScene &scene, int l1)
{
    const TTypingView &typing = scene.Typing;
    const bool writing = scene.Pattern == ptWriting;
    const bool blank = c == ' ';
    if (p > typing.HintIndex)
        return blank && writing ? TCellLook::Nothing : TCellLook::Square;
    if (p <= typing.InputLen) {
        // In the writing pattern, punctuation the cursor has just passed over
        // by itself shows grey on line 1 rather than as typed.
        const bool passedOver = p == typing.InputLen && typing.InputLen == typing.HintIndex && !typing.MissType
                                && !IsLetterOrDigit(c) && !blank
                                && !(typing.InputMode == 9 && typing.InputLen == l1);
        return writing && lineOne && passedOver ? TCellLook::Grey : TCellLook::Black;
    }
    if (!writing && typing.InputMode == 9 && (IsLetterOrDigit(c) || blank))
        return TCellLook::Pale;
    return TCellLook::Grey;
}

// The same raster operations as CopyRect, without saving and restoring the
// painter around every glyph: a sentence takes up to a hundred copies per
// key. The caller has switched antialiasing and smoothing off.
void Blit(QPainter &canvas, const QRect &cell, const QImage &strip, const QRect &source, QPainter::CompositionMode mode)
{
    if (canvas.compositionMode() != mode)
        canvas.setCompositionMode(mode);
    canvas.drawImage(cell, strip, source);
}

constexpr QPainter::CompositionMode SrcAnd = QPainter::RasterOp_SourceAndDestination;
constexpr QPainter::CompositionMode MergePaint = QPainter::RasterOp_NotSourceOrDestination;

void DrawCell(QPainter &canvas, const QImage &smallFont, const QRect &cell, char c, TCellLook look)
{
    const int row = SmallGlyphRow(c);
    switch (look) {
    case TCellLook::Nothing:
        return;
    case TCellLook::Square:
        Blit(canvas, cell, smallFont, SmallCell(SquareRow, scGrey), SrcAnd);
        return;
    case TCellLook::Black:
        Blit(canvas, cell, smallFont, SmallCell(row, scBlack), SrcAnd);
        return;
    case TCellLook::Grey:
    case TCellLook::Pale:
        // Punch a white glyph-shaped hole first so the glyph keeps its
        // shade over a coloured band.
        Blit(canvas, cell, smallFont, SmallCell(row, scBlack), MergePaint);
        Blit(canvas, cell, smallFont, SmallCell(row, look == TCellLook::Grey ? scGrey : scPale), SrcAnd);
        return;
    }
}

// The line split and the left edge the sentence is laid out with.
TSentenceLayout LayOutSentence(int left, int top, const TSentenceScene &scene)
{
    TSentenceLayout layout;
    layout.Top = top;
    layout.Split = LineSplit(scene.Sense.Sentence, MaxLineChars(scene.SentenceText.width()));
    layout.X0 = left != 0 ? left + (scene.SentenceText.width() - SmallPitch * layout.Split.L1) / 2 : FlushLeft;
    return layout;
}

// The cell of target position p, from 1.
QRect CellRect(const TSentenceLayout &layout, int p)
{
    const bool lineOne = p <= layout.Split.L1;
    const int column = lineOne ? p - 1 : p - layout.Split.L1 - 1;
    return QRect(layout.X0 + SmallPitch * column, layout.Top + (lineOne ? Line1CellDrop : Line2CellDrop),
                 SmallCellWidth, SmallCellHeight);
}

// The cursor bar under the next character; none from the left edge or once
// the sentence is typed to its end.
QRect BarRect(int left, const TSentenceLayout &layout, int typed, int length)
{
    if (left == 0 || typed == length)
        return {};
    const bool onLineOne = typed < layout.Split.L1;
    const int column = onLineOne ? typed : typed - layout.Split.L1;
    return QRect(layout.X0 + SmallPitch * column + BarIndent, layout.Top + (onLineOne ? Line1BarDrop : Line2BarDrop),
                 BarWidth, BarHeight);
}

enum TSentenceLayer { slBands, slGuide, slCells, slBar };

} // namespace

TSentenceLayout DrawSentence(int left, int top, QPainter &canvas, const TSentenceStrips &strips,
                             const TSentenceScene &scene, bool &guideMarkAtEdge)
{
    const QByteArray &sentence = scene.Sense.Sentence;
    const int length = static_cast<int>(sentence.size());
    const TSentenceLayout layout = LayOutSentence(left, top, scene);
    const int l1 = layout.Split.L1;

    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    // The band is cleared across the whole surface drawn on.
    canvas.fillRect(QRect(0, top, canvas.device()->width(), scene.SentenceText.height()), Qt::white);

    const bool bands = scene.Typing.InputMode == 9;
    const bool guide = scene.Pattern == ptWriting;
    if (bands || guide) {
        const TChunkLayout chunks = LayOutChunks(scene.Sense.Example, l1);
        if (bands)
            DrawChunkBands(canvas, chunks, scene, layout);
        // The guide layer starts from a cleared flag and raises it anew.
        if (guide)
            guideMarkAtEdge = DrawGuideMarks(canvas, strips.SVOCMark, chunks, scene, layout);
    }

    // Only the cells that meet the area being painted are copied: a
    // sentence has up to a hundred, and a key changes two or three.
    const QRect area = canvas.hasClipping() ? canvas.clipBoundingRect().toAlignedRect() : QRect();
    for (int p = 1; p <= length; ++p) {
        const QRect cell = CellRect(layout, p);
        if (!area.isNull() && !area.intersects(cell))
            continue;
        const char c = sentence[p - 1];
        DrawCell(canvas, strips.SmallFont, cell, c, LookOf(c, p, p <= l1, scene, l1));
    }

    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect bar = BarRect(left, layout, scene.Typing.InputLen, length);
    if (!bar.isNull())
        canvas.fillRect(bar, QColor::fromRgb(CursorRgb));
    canvas.restore();
    return layout;
}

TBandPieces SentencePieces(int left, int top, const TSentenceScene &scene)
{
    const QByteArray &sentence = scene.Sense.Sentence;
    const int length = static_cast<int>(sentence.size());
    const TSentenceLayout layout = LayOutSentence(left, top, scene);
    const int l1 = layout.Split.L1;
    TBandPieces pieces;

    const bool bands = scene.Typing.InputMode == 9;
    const bool guide = scene.Pattern == ptWriting;
    if (bands || guide) {
        const TChunkLayout chunks = LayOutChunks(scene.Sense.Example, l1);
        if (bands)
            for (const TColourSpan &span : ChunkBandSpans(chunks, scene, layout))
                pieces.append({PieceKey(slBands, span.Chunk * 2 + span.Piece), span.Rect, span.Colour});
        if (guide)
            for (const TGuideMark &mark : PlaceGuideMarks(chunks, scene, layout).Marks)
                pieces.append({PieceKey(slGuide, mark.Chunk * 4 + mark.Piece), mark.Rect,
                               qint64(mark.Source.y()) << 40 | qint64(mark.Source.x()) << 24 | mark.Colour});
    }
    for (int p = 1; p <= length; ++p) {
        const char c = sentence[p - 1];
        const int look = static_cast<int>(LookOf(c, p, p <= l1, scene, l1));
        pieces.append({PieceKey(slCells, p), CellRect(layout, p), qint64(look) << 8 | static_cast<unsigned char>(c)});
    }
    const QRect bar = BarRect(left, layout, scene.Typing.InputLen, length);
    if (!bar.isNull())
        pieces.append({PieceKey(slBar, 0), bar, 0});
    return pieces;
}
