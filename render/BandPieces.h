#pragma once

#include <QList>
#include <QRect>
#include <QRegion>

// What the word or the sentence puts on its band, piece by piece: a glyph
// cell, the cursor, a colour band, an underline, a label. Two drawings of
// the band differ only inside the pieces that differ, so a key repaints
// those and nothing else.
struct TBandPiece {
    // Names the piece within its drawing (which layer, which cell or chunk),
    // so that the same piece of two drawings is compared with itself.
    int Key = 0;
    QRect Rect;
    // Whatever besides the place decides the piece's pixels: a strip cell,
    // a colour, a label's row.
    qint64 Look = 0;
    bool operator==(const TBandPiece &) const = default;
};

// A drawing's pieces, in ascending Key order.
using TBandPieces = QList<TBandPiece>;

// The key of the index-th piece of a layer; layers are drawn in the order
// of their numbers.
constexpr int PieceKey(int layer, int index)
{
    return layer << 16 | index;
}

// Where two drawings of a band can differ: the rectangles of every piece
// that only one of them has, or that the two place or show differently.
QRegion ChangedArea(const TBandPieces &before, const TBandPieces &after);
