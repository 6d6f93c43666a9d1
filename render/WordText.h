#pragma once

#include "BandPieces.h"
#include "SentenceScene.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

// The cursor colour of the word and the sentence, 0x9900FF.
inline constexpr QRgb CursorRgb = 0xFFFF0099;

// Draws the word of the word screen into the training background, centred
// in `wordText` (the bounds of the word layout control): the typed letters
// blue from column 0 of the large strip, the rest grey from column 1 or
// hidden, then either the Enter mark (word typed in full) or the cursor
// under the next letter. The untyped rest is hidden while typing without a
// hint, and when a completed word is typed again with dispWordNo 1.
// `largeFont` and `enterMark` are the window's pictures, only read here.
void DrawWord(QPainter &canvas, const QImage &largeFont, const QImage &enterMark, const QByteArray &word,
              const TTypingView &typing, int dispWordNo, const QRect &wordText);

// The pieces DrawWord puts on the band for the same word and state: each
// glyph cell, then the cursor or the Enter mark of `enterMarkSize`.
TBandPieces WordPieces(const QByteArray &word, const TTypingView &typing, int dispWordNo, const QRect &wordText,
                       const QSize &enterMarkSize);
