#pragma once

#include "CourseData.h"
#include "SentenceScene.h"

#include <QImage>
#include <QRect>
#include <QString>

// Synthetic glyph strips whose cells say which row and column they came
// from, so a drawn sentence or word can be read back pixel by pixel.

// Where the word and sentence layout controls stand on the training screen.
inline constexpr QRect TypingText(10, 198, 780, 124);

inline constexpr QRgb Paper = 0xFFFFFFFF;
inline constexpr QRgb BlackInk = 0xFF000000;
inline constexpr QRgb GreyInk = 0xFF808080;
inline constexpr QRgb PaleInk = 0xFFF0F0F0;
inline constexpr QRgb BlueInk = 0xFF0000FF;

// Small strip, 63 × 1944: each cell carries row + 1 as eight bits in a
// stripe at x 7–13 (bit k fills y 1 + 3k to 3 + 3k) and a full-width line
// at y 26 marking the cell's extent; black, grey and pale ink by column.
QImage SyntheticSmallStrip();

// Large strip, 122 × 1960: each cell carries row + 1 as five bits in a
// stripe at x 0–2 (bit k fills y 2 + 3k to 4 + 3k); blue ink in column 0,
// grey in column 1.
QImage SyntheticLargeStrip();

// Enter mark, 31 × 40: opaque red at (0, 0), half-transparent black at
// (1, 0), fully transparent elsewhere.
QImage SyntheticEnterMark();

// Label picture, 265 × 30: every label cell of each row is one flat colour,
// LabelRgb(letter, row).
QImage SyntheticLabels();
QRgb LabelRgb(char letter, int row);

// How the cells of a drawn sentence line look, one character each: 'B'
// black, 'G' grey, 'P' pale, '#' the square, '.' nothing, '?' a glyph of
// another character than the target's.
QString SmallCellLooks(const QImage &image, const QByteArray &text, int x0, int cellTop);

// How the glyphs of a drawn word look: 'B' blue, 'G' grey, '.' nothing, '?'
// a glyph of another letter.
QString LargeCellLooks(const QImage &image, const QByteArray &word, int x0, int top);

// A sense made from an example with its markup; the target is derived
// from it.
TSentenceData SenseOf(const QString &example);

QImage WhiteCanvas();

// The number of pixels of that colour.
int CountRgb(const QImage &image, QRgb rgb);
