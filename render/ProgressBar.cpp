#include "ProgressBar.h"

#include <QColor>

#include <cstdint>

TProgressBarExtent ProgressBarExtent(int scale, int known, int unknown, int total)
{
    TProgressBarExtent e;
    if (total <= 0)
        return e;
    e.Known = static_cast<int>(std::int64_t(known) * scale / total);
    if (known != 0 && e.Known == 0)
        e.Known = 1;
    e.Unknown = e.Known;
    if (unknown != 0) {
        e.Unknown = static_cast<int>((std::int64_t(known) + unknown) * scale / total);
        if (e.Unknown <= e.Known)
            e.Unknown = e.Known + 1;
    }
    return e;
}

void DrawProgressBar(QPainter &canvas, int left, int top, int bottom, int scale, int known, int unknown, int total)
{
    const TProgressBarExtent e = ProgressBarExtent(scale, known, unknown, total);
    if (known != 0 && e.Known > 0)
        canvas.fillRect(QRect(left, top, e.Known, bottom - top), QColor(0, 255, 0));
    if (unknown != 0 && e.Unknown > e.Known)
        canvas.fillRect(QRect(left + e.Known, top, e.Unknown - e.Known, bottom - top), QColor(255, 0, 0));
}
