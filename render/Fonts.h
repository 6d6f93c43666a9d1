#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

// The program names its faces as the course and the screens were designed
// with them. Each name is mapped once, at start-up and before anything
// draws text, to an installed face with the same metrics where one exists,
// so Japanese never falls back to a monospaced face.
void InstallFontSubstitutions();

// A font by face name and size in points, converted to pixels at 96 dpi so
// that the desktop's density setting never moves the layout.
QFont PointFont(const QString &face, int points, bool bold = false);

// A font by face name and size in pixels.
QFont PixelFont(const QString &face, int pixels, bool bold = false);

// The face names the program uses.
inline const QString FaceMsPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FaceMsUiGothic = QStringLiteral("MS UI Gothic");
inline const QString FaceMeiryo = QStringLiteral("メイリオ");
inline const QString FaceArial = QStringLiteral("Arial");
inline const QString FaceTahoma = QStringLiteral("Tahoma");

// Draws a text with the top of its line at y, the way the screens place
// their texts (not at its baseline).
void TextOut(QPainter &canvas, int x, int y, const QString &text);
