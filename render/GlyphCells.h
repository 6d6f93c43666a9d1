#pragma once

#include <QByteArrayView>
#include <QRect>

// Where the characters of the word and the sentence lie in their glyph
// strips, and how far a large glyph moves the pen.

inline constexpr int LargeCellWidth = 61;
inline constexpr int LargeCellHeight = 70;
inline constexpr int LargeStripRows = 28;
inline constexpr int SmallCellWidth = 21;
inline constexpr int SmallCellHeight = 27;
// The sentence's fixed pitch; each cell overlaps its neighbours by 7 pixels.
inline constexpr int SmallPitch = 14;
// The filled square that stands for a character not yet revealed, and the
// row of any character the small strip lacks.
inline constexpr int SquareRow = 71;
// A character the large strip lacks; the row lies below the strip.
inline constexpr int MissingLargeRow = 71;

enum TSmallColumn { scBlack = 0, scGrey = 1, scPale = 2 };

// a to z are rows 0 to 25, "-" row 26, the blank row 27.
int LargeGlyphRow(char c);

// a to z, punctuation, A to Z, digits, "!", ":", "-" and the blank; any
// other character gets the square's row.
int SmallGlyphRow(char c);

// Ink width plus 3 pixels; 0 for a character the large strip lacks.
int GlyphAdvance(char c);

int TextAdvance(QByteArrayView text);

inline QRect LargeCell(int row, int column)
{
    return QRect(column * LargeCellWidth, row * LargeCellHeight, LargeCellWidth, LargeCellHeight);
}

inline QRect SmallCell(int row, int column)
{
    return QRect(column * SmallCellWidth, row * SmallCellHeight, SmallCellWidth, SmallCellHeight);
}
