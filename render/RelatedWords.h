#pragma once

#include "Color.h"
#include "CourseData.h"

#include <QList>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>

#include <functional>

// The inflected forms and related words of a completed word, drawn on the
// window below the word.

// A text at its place on the window, top left at (X, Y).
struct TPlacedWords {
    QString Text;
    int X = 0;
    int Y = 0;
    TColor Color = clBlack;
    bool operator==(const TPlacedWords &) const = default;
};

// Where the texts go, for the word's layout control at `wordText` (x 10,
// y 198, 780 × 124 on the training screen): the inflections centred on the
// control, 80 below its top (x 400, y 278), then each related-words line
// from x 368, the first 20 below the control (y 342) and each further 20
// lower. A text that would pass the control's right edge (x 790) is broken
// once, at any character, and goes on at x 368 one line lower; a text of
// which not even one character fits is left out. Headwords are blue, the
// rest black.
QList<TPlacedWords> LayoutRelatedWords(const TSentenceData &sense, const QRect &wordText,
                                       const std::function<int(const QString &)> &width);

// Draws them in 11 pt on white boxes. Draws nothing for an empty Etc1 and
// Etc3; leaves the canvas in its own font and colours.
void DrawRelatedWords(QPainter &canvas, const TSentenceData &sense, const QRect &wordText);

// Where DrawRelatedWords draws for the same sense: the box of every text
// with a pixel of margin for ink that overhangs it.
QRegion RelatedWordsArea(const TSentenceData &sense, const QRect &wordText);
