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

} // namespace

TSentenceLayout DrawSentence(int left, int top, QPainter &canvas, const TSentenceStrips &strips,
                             const TSentenceScene &scene, bool &guideMarkAtEdge)
{
    const QByteArray &sentence = scene.Sense.Sentence;
    const int length = static_cast<int>(sentence.size());
    const int width = scene.SentenceText.width();

    TSentenceLayout layout;
    layout.Top = top;
    layout.Split = LineSplit(sentence, MaxLineChars(width));
    const int l1 = layout.Split.L1;
    layout.X0 = left != 0 ? left + (width - SmallPitch * l1) / 2 : FlushLeft;

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

    for (int p = 1; p <= length; ++p) {
        const bool lineOne = p <= l1;
        const int column = lineOne ? p - 1 : p - l1 - 1;
        const QRect cell(layout.X0 + SmallPitch * column, top + (lineOne ? Line1CellDrop : Line2CellDrop),
                         SmallCellWidth, SmallCellHeight);
        const char c = sentence[p - 1];
        DrawCell(canvas, strips.SmallFont, cell, c, LookOf(c, p, lineOne, scene, l1));
    }

    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    const int typed = scene.Typing.InputLen;
    if (left != 0 && typed != length) {
        const bool onLineOne = typed < l1;
        const int column = onLineOne ? typed : typed - l1;
        canvas.fillRect(QRect(layout.X0 + SmallPitch * column + BarIndent,
                              top + (onLineOne ? Line1BarDrop : Line2BarDrop), BarWidth, BarHeight),
                        QColor::fromRgb(CursorRgb));
    }
    canvas.restore();
    return layout;
}
