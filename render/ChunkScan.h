#pragma once

#include "Color.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <algorithm>
#include <optional>

// Helpers shared by the two layers under a sentence, which scan the example
// markup the same way.

// Where the chunk the scan stands in closes: the "]" lies `Distance`
// characters ahead (1 when it follows at once) and `Tag` stands right
// after it.
struct TChunkClosing {
    int Distance = 0;
    QChar Tag;
};

// Looks for the next "]" among the 300 characters after index `at`; none
// when it is not there or nothing follows it.
inline std::optional<TChunkClosing> NextChunkClosing(const QString &example, qsizetype at)
{
    constexpr qsizetype Reach = 300;
    const qsizetype last = std::min(example.size() - 1, at + Reach);
    for (qsizetype i = at + 1; i <= last; ++i) {
        if (example[i] == u']') {
            if (i + 1 >= example.size())
                return std::nullopt;
            return TChunkClosing{static_cast<int>(i - at), example[i + 1]};
        }
    }
    return std::nullopt;
}

inline QColor QColorOf(TColor colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Fills (left, top) to (right, bottom), right and bottom excluded; an empty
// or inverted rectangle fills nothing.
template <class TCanvas>
void FillSpan(TCanvas &canvas, int left, int top, int right, int bottom, TColor colour)
{
    if (right > left && bottom > top)
        canvas.fillRect(QRect(left, top, right - left, bottom - top), QColorOf(colour));
}
