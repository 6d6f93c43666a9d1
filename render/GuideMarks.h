#pragma once

#include "ChunkLayout.h"
#include "SentenceScene.h"

#include <QChar>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <optional>

// The writing guide under a sentence in the writing pattern: each element
// underlined in its colour and, with guide option 2, a small label naming
// it, highlighted while the element is being typed.

// Label rows of the label picture.
enum TGuideLabelRow { glQuiet = 0, glLit = 1 };

// Copies the label of a tag letter (C, M, O, Z anchored at the chunk's
// start; S, V at its end) from the label picture at `anchor`. For a start
// label, tells whether it is lit and reaches the right edge of the
// sentence area; for an end label or a letter without a label, nothing.
std::optional<bool> DrawGuideLabel(QPainter &canvas, const QImage &svocMark, QChar letter, QPoint anchor,
                                   TGuideLabelRow row);

// Draws the guide layer and returns the new value of the window's
// GuideMarkAtEdge flag: true when the last start label drawn was lit and
// reached the right edge, which the key handler takes as the cue to repaint
// the whole window. Guide option 3 draws nothing and returns false.
bool DrawGuideMarks(QPainter &canvas, const QImage &svocMark, const TChunkLayout &chunks, const TSentenceScene &scene,
                    const TSentenceLayout &layout);
