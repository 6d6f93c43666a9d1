#pragma once

#include "BandPieces.h"
#include "SentenceScene.h"

#include <QImage>
#include <QPainter>

// The pictures a sentence is composed from; the window owns them.
struct TSentenceStrips {
    const QImage &SmallFont;
    const QImage &SVOCMark;
};

// Draws the current sense's sentence into the band from y `top` to `top` +
// the layout control's height, after clearing the band to white across the
// whole window: the element bands once it is complete, the writing guide in
// the writing pattern, then every character at a pitch of 14 pixels (black
// typed, grey revealed, pale when typed again after completion, a square
// when not yet revealed), and the cursor bar under the next character.
// With `left` 0 the text starts at x 10 and no cursor bar is drawn.
//
// `guideMarkAtEdge` is the window's GuideMarkAtEdge field: in the writing
// pattern it is cleared and then set by the guide layer (see
// DrawGuideMarks); in the other patterns it is left as it was. The key
// handler reads the field after the repaint of a correct key.
TSentenceLayout DrawSentence(int left, int top, QPainter &canvas, const TSentenceStrips &strips,
                             const TSentenceScene &scene, bool &guideMarkAtEdge);

// The pieces DrawSentence puts on the band for the same scene: the element
// bands, the writing guide, every character cell and the cursor bar.
TBandPieces SentencePieces(int left, int top, const TSentenceScene &scene);
