#pragma once

#include <QChar>
#include <QList>
#include <QString>

// Where the sentence-element chunks of an example stand once the sentence
// is laid out on the band, computed once per drawing and read by both
// layers under the characters (the element bands and the writing guide).

// A run of cells on one line of the band: First to End, End excluded,
// counted in cells from the line's left edge.
struct TCellSpan {
    int Line = 0;
    int First = 0;
    int End = 0;
    bool operator==(const TCellSpan &) const = default;
};

// One chunk, in target indexes counted from 0 (its first character has the
// target position First + 1).
struct TChunkPlace {
    int First = 0;
    int End = 0;
    // The element letter (see ElementLetter); null when the chunk has none.
    QChar Letter;
};

struct TChunkLayout {
    QList<TChunkPlace> Chunks;
    // Characters of line 1; the rest of the sentence is on line 2.
    int L1 = 0;

    // The line and column of the cell holding a target index.
    TCellSpan CellOf(int index) const;
    // The cells of target indexes first to end on each line they cover:
    // one span, or two when the line break falls between them.
    QList<TCellSpan> SpansOf(int first, int end) const;
    // Whether the character before target index `end` fills its line.
    bool EndsLine(int end) const;
};

TChunkLayout LayOutChunks(const QString &example, int l1);
