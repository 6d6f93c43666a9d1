#pragma once

#include "CourseData.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

// The captions of the start screen and the status widgets of the training
// screen. Each draws on its control's own canvas, origin at its top left.

// The caption of a pattern: "word & sentence", "word", "sentence", "writing".
QString PatternCaption(TPattern pattern);

// x of a caption centred on its control: both halves rounded toward zero.
int CaptionX(int controlWidth, int textWidth);

// imgLevelName: the level's name, 56 pt bold blue.
void DrawLevelNamePanel(QPainter &canvas, int controlWidth, const QString &levelName);
// imgBandName: the band's name, 42 pt bold yellow.
void DrawBandNamePanel(QPainter &canvas, int controlWidth, const QString &bandName);
// imgWordAndSentence: the pattern's caption, 38 pt bold green.
void DrawWordAndSentencePanel(QPainter &canvas, int controlWidth, TPattern pattern);

// One cell of the counter picture and where it goes on the control.
struct TCellCopy {
    QRect Source;
    QRect Dest;
    bool operator==(const TCellCopy &) const = default;
};

// The cells that show a count of items still to come: one centred digit
// below 10, two side by side up to 99, none outside 0 to 99.
QList<TCellCopy> CounterCells(int value);

// imgCounter: the count the control's Tag holds, from the counter picture.
void DrawCounterPanel(QPainter &canvas, const QImage &counterImage, int value);

// The row of the miss meter for that many misses, without its right frame:
// the control's width of the row's 26 pixel lines.
QRect MissMeterRow(int missCount, int controlWidth);

// imgMissCount: the meter's row scaled onto the whole control.
void DrawMissCountPanel(QPainter &canvas, const QImage &missMeter, int missCount, const QSize &controlSize);

// Where the flag picture is drawn on its control: y 0 (the poor cell) from
// 5 misses on, y -28 (the good cell) once the item is complete, else not at
// all.
std::optional<int> FlagTop(int missCount, int inputMode);

// imgFlag: the flag blended over what lies below.
void DrawFlagPanel(QPainter &canvas, const QImage &flagImage, int missCount, int inputMode);

// imgPart1..3: the part-of-speech picture of the code the control's Tag
// holds; pictures are indexed by code, 1 to 8. Any other code draws nothing.
void DrawPartPanel(QPainter &canvas, const std::array<QImage, 9> &hinshiImage, int code);
