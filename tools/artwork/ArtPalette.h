#pragma once

#include <QColor>
#include <QString>

// The one palette of the program's artwork. Every picture takes its colours
// from here so that screens, buttons and marks read as one family.
namespace Palette {
inline const QColor Page{0xF2, 0xF5, 0xFA};      // off-white, a breath of blue
inline const QColor Panel{0xFF, 0xFF, 0xFF};
inline const QColor PanelLine{0xD3, 0xDB, 0xE6};
inline const QColor Stripe{0xE8, 0xEE, 0xF6};    // alternate table rows
inline const QColor Navy{0x1D, 0x3A, 0x5F};      // headers and titles
inline const QColor NavyDeep{0x13, 0x28, 0x44};
inline const QColor Ink{0x22, 0x2E, 0x3C};       // body text
inline const QColor Muted{0x5E, 0x6C, 0x7C};     // secondary text
inline const QColor Accent{0xEE, 0x7D, 0x1C};    // the warm colour of main actions
inline const QColor Sky{0xDC, 0xE8, 0xF6};       // light tint of hover
inline const QColor Chosen{0x2B, 0x6C, 0xB0};    // filled state of a chosen choice
inline const QColor Check{0x2E, 0x9E, 0x5B};     // check marks
inline const QColor Grey{0xDD, 0xE1, 0xE6};      // unavailable faces
inline const QColor GreyText{0xA3, 0xAB, 0xB5};
inline const QColor Warning{0xD9, 0x3F, 0x3F};
} // namespace Palette

// One corner radius for every rounded shape.
constexpr double ArtRadius = 6.0;

// Faces come from Debian's font packages and are found by family name.
inline const QString JapaneseFace = QStringLiteral("IPAexGothic");
inline const QString LatinFace = QStringLiteral("DejaVu Sans");
