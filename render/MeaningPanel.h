#pragma once

#include "Color.h"
#include "CourseData.h"
#include "MessageReporter.h"
#include "PanelView.h"

#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

// The meanings of a word on one centred line: each sense's part of speech
// in small silver type, then its meaning with its small annotations.

// "(名)" … "(助)" for the part-of-speech codes 1 to 8, empty otherwise.
QString PartAbbreviation(int code);

// One run of the meaning line before it is placed.
struct TMeaningLinePiece {
    QString Text;
    bool Small = false;
    TColor Color = clBlack;
    bool operator==(const TMeaningLinePiece &) const = default;
};

// The pieces of the meaning line of a word, sense after sense. A malformed
// annotation is reported here, once per occurrence.
QList<TMeaningLinePiece> MeaningLinePieces(const TBandDataItem &word, const TMessageReporter &report);

// How the line measures its text: the width of a text at the normal or the
// small size, the height of a piece at either size, and the line height.
struct TMeaningMetrics {
    std::function<int(const QString &text, bool small)> Width;
    int NormalHeight = 0;
    int SmallHeight = 0;
    int LineHeight = 0;
};

// A piece, or the part of one on a line, where it is drawn.
struct TPlacedMeaning {
    QString Text;
    bool Small = false;
    TColor Color = clBlack;
    QRect Bounds;
    bool operator==(const TPlacedMeaning &) const = default;
};

inline constexpr int MeaningPanelWidth = 700;

// Places the pieces: centred when the line fits the panel, else from the
// left edge; a piece that would cross the right edge is broken once, its
// rest starting a new line lineHeight + 12 lower. All pieces of a line
// share its bottom.
QList<TPlacedMeaning> LayoutMeaningLine(const QList<TMeaningLinePiece> &pieces, const TMeaningMetrics &metrics);

// The metrics of the panel's fonts.
TMeaningMetrics MeaningPanelMetrics();

// imgWordMeaning: the meanings of the current word. Malformed annotations
// are reported while the line is measured; the line is drawn all the same.
void DrawWordMeaningPanel(QPainter &canvas, const TPanelView &view, const TMessageReporter &report);
