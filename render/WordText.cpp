#include "WordText.h"

#include "GlyphCells.h"
#include "RasterOps.h"

#include <algorithm>

namespace {

constexpr int EnterMarkDrop = 20;
constexpr int CursorDrop = 72;
constexpr int CursorWidth = 28;
constexpr int CursorHeight = 6;

enum TWordLayer { wlGlyphs, wlCursor, wlEnterMark };

struct TGlyphPlace {
    // The glyph's target position, from 1.
    int Position = 0;
    QRect Dest;
    QRect Cell;
};

// Where every part of the word goes; drawing and repainting both read it.
struct TWordPlaces {
    QList<TGlyphPlace> Glyphs;
    // The word is typed in full: the Enter mark stands at EndX instead of
    // the cursor.
    bool Complete = false;
    QPoint EnterMark;
    QRect Cursor;
};

TWordPlaces PlaceWord(const QByteArray &word, const TTypingView &typing, int dispWordNo, const QRect &wordText)
{
    TWordPlaces places;
    const int length = static_cast<int>(word.size());
    const int typed = std::clamp(typing.InputLen, 0, length);
    // Integer division truncates toward zero, so a word wider than the
    // band starts left of it.
    const int x0 = (wordText.width() - TextAdvance(word)) / 2;
    const int typedWidth = TextAdvance(QByteArrayView(word).first(typed));
    const int top = wordText.top();

    int x = wordText.left();
    for (int i = 1; i <= length; ++i) {
        if (typing.InputMode == 0 && i > typing.InputLen)
            break;
        if (typing.InputMode == 9 && i > typing.InputLen && dispWordNo != 0)
            break;
        const char c = word[i - 1];
        const int row = LargeGlyphRow(c);
        // A character the strip lacks has no cell and no advance.
        if (row < LargeStripRows)
            places.Glyphs.append({i, QRect(x0 + x, top, LargeCellWidth, LargeCellHeight),
                                  LargeCell(row, i <= typing.InputLen ? 0 : 1)});
        x += GlyphAdvance(c);
    }

    const int endX = x0 + typedWidth + wordText.left();
    places.Complete = typing.InputLen == length;
    if (places.Complete)
        places.EnterMark = QPoint(endX, top + EnterMarkDrop);
    else
        places.Cursor = QRect(endX, top + CursorDrop, CursorWidth, CursorHeight);
    return places;
}

} // namespace

void DrawWord(QPainter &canvas, const QImage &largeFont, const QImage &enterMark, const QByteArray &word,
              const TTypingView &typing, int dispWordNo, const QRect &wordText)
{
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    canvas.fillRect(wordText, Qt::white);

    const TWordPlaces places = PlaceWord(word, typing, dispWordNo, wordText);
    for (const TGlyphPlace &glyph : places.Glyphs)
        CopyRect(canvas, glyph.Dest, largeFont, glyph.Cell, TRasterOp::SrcCopy);
    if (places.Complete) {
        canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
        canvas.drawImage(places.EnterMark, enterMark);
    } else {
        canvas.fillRect(places.Cursor, QColor::fromRgb(CursorRgb));
    }
    canvas.restore();
}

TBandPieces WordPieces(const QByteArray &word, const TTypingView &typing, int dispWordNo, const QRect &wordText,
                       const QSize &enterMarkSize)
{
    const TWordPlaces places = PlaceWord(word, typing, dispWordNo, wordText);
    TBandPieces pieces;
    for (const TGlyphPlace &glyph : places.Glyphs)
        pieces.append({PieceKey(wlGlyphs, glyph.Position), glyph.Dest, qint64(glyph.Cell.y()) << 32 | glyph.Cell.x()});
    if (places.Complete)
        pieces.append({PieceKey(wlEnterMark, 0), QRect(places.EnterMark, enterMarkSize), 0});
    else
        pieces.append({PieceKey(wlCursor, 0), places.Cursor, 0});
    return pieces;
}
