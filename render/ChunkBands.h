#pragma once

#include "ChunkLayout.h"
#include "Color.h"
#include "SentenceScene.h"

#include <QChar>
#include <QList>
#include <QPainter>
#include <QRect>

// The band colour of a chunk whose element letter is `letter` and whose
// first character has `chunkFirst` target characters before it. In the
// writing pattern, while a completed sentence is typed again, a chunk the
// cursor has reached shows no band (white); otherwise the letter's colour.
TColor BandColor(QChar letter, int chunkFirst, const TSentenceScene &scene, const TSentenceLayout &layout);

// A stretch of one colour laid under or beneath the characters, for the
// chunk of that index.
struct TColourSpan {
    int Chunk = 0;
    // 0 on the chunk's first line, 1 for its continuation on line 2.
    int Piece = 0;
    QRect Rect;
    TColor Colour = clWhite;
};

// The bands DrawChunkBands lays, in drawing order; chunks without a colour
// have none.
QList<TColourSpan> ChunkBandSpans(const TChunkLayout &chunks, const TSentenceScene &scene,
                                  const TSentenceLayout &layout);

// Lays a band of its element's colour behind each chunk of a completed
// sentence, 32 pixels high from the line's top and ending 6 pixels before
// the next chunk's first cell; a chunk split by the line break continues on
// line 2. Chunks without an element letter get no band.
void DrawChunkBands(QPainter &canvas, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout);
