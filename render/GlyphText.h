#pragma once

#include "Color.h"

#include <QImage>
#include <QPainter>
#include <QString>

// Text composed from glyph strips rather than a font.

// Draws the digits of a text so that they end at the right edge x, one
// 10 × 13 cell per character from the digit strip; a character that is not
// a digit leaves its cell empty. Black digits are ANDed onto what lies
// below, white ones ORed, red ones made white and then ANDed red, so each
// reads on any background. Any other colour draws nothing.
void DrawNumber(QPainter &canvas, const QImage &numFont, int right, TColor colour, const QString &text, int top);
