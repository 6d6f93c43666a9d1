#pragma once

#include "PanelView.h"

#include <QPainter>
#include <QSize>
#include <QString>

// The text panels of the training screen around the typed item: the
// translations, the instruction line, the item number, the word's id and
// the special-training notice. Each draws the whole panel from the view, on
// the control's own canvas with the origin at its top left and the control's
// width (or size) given, and sets every font and colour it uses.

// Whether the literal translation shows: always in the writing pattern,
// else by MeaningNo (0 always, 1 once the item is complete, 2 never).
bool ShowsTranslation1(TPattern pattern, int meaningNo, int inputMode);

// The instruction for the first item of a run.
QString InstructionMessage(const TPanelView &view);

// The right-aligned text of imgWord: the word in the sentence and writing
// patterns, "sense/senses" while a sentence of word & sentence is typed,
// else nothing.
QString WordPanelText(const TPanelView &view);

// "ID: " and the word's id while the id is asked for, else nothing.
QString IdNoText(const TPanelView &view);

// imgSentensMeaning: both translations centred.
void DrawSentensMeaningPanel(QPainter &canvas, int controlWidth, const TPanelView &view);
// imgMessage: the instruction centred.
void DrawMessagePanel(QPainter &canvas, int controlWidth, const TPanelView &view);
// imgWord: its text right-aligned.
void DrawWordPanel(QPainter &canvas, int controlWidth, const TPanelView &view);
// imgIdNo: its text right-aligned.
void DrawIdNoPanel(QPainter &canvas, int controlWidth, const TPanelView &view);
// imgSpecialTraining: the whole panel is yellow; it needs no view.
void DrawSpecialTrainingPanel(QPainter &canvas, const QSize &controlSize);
