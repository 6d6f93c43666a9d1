#pragma once

#include "ChunkLayout.h"
#include "Color.h"
#include "SentenceScene.h"

#include <QChar>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <optional>

// The writing guide under a sentence in the writing pattern: each element
// underlined in its colour and, with guide option 2, a small label naming
// it, highlighted while the element is being typed.

// Label rows of the label picture.
enum TGuideLabelRow { glQuiet = 0, glLit = 1 };

// Where a label goes and which part of the label picture it shows. AtEdge
// is set for start labels only: whether the label is lit and reaches the
// right edge of the sentence area.
struct TGuideLabelPlace {
    QRect Dest;
    QRect Source;
    std::optional<bool> AtEdge;
};

// The label of a tag letter anchored at `anchor`; none for a letter
// without a label.
std::optional<TGuideLabelPlace> PlaceGuideLabel(QChar letter, QPoint anchor, TGuideLabelRow row);

// Copies the label of a tag letter (C, M, O, Z anchored at the chunk's
// start; S, V at its end) from the label picture at `anchor`. For a start
// label, tells whether it is lit and reaches the right edge of the
// sentence area; for an end label or a letter without a label, nothing.
std::optional<bool> DrawGuideLabel(QPainter &canvas, const QImage &svocMark, QChar letter, QPoint anchor,
                                   TGuideLabelRow row);

// One mark of the guide, for the chunk of that index: a piece of its
// underline (piece 0 on its first line, 1 on line 2), filled with Colour,
// or its label (piece LabelPiece), copied from Source of the label picture.
inline constexpr int LabelPiece = 2;
struct TGuideMark {
    int Chunk = 0;
    int Piece = 0;
    QRect Rect;
    TColor Colour = clWhite;
    QRect Source;
};

// The marks DrawGuideMarks draws, in drawing order, and the value it
// returns for the window's flag.
struct TGuideMarks {
    QList<TGuideMark> Marks;
    bool AtEdge = false;
};
TGuideMarks PlaceGuideMarks(const TChunkLayout &chunks, const TSentenceScene &scene, const TSentenceLayout &layout);

// Draws the guide layer and returns the new value of the window's
// GuideMarkAtEdge flag: true when the last start label drawn was lit and
// reached the right edge, which the key handler takes as the cue to repaint
// the whole window. Guide option 3 draws nothing and returns false.
bool DrawGuideMarks(QPainter &canvas, const QImage &svocMark, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout);
