#pragma once

#include <QPainter>

// The two-colour bar of a band: green for the known share of `scale`
// pixels, red after it for the unknown share, each at least one pixel when
// its count is not 0. The rest of the bar shows what lies below. A total of
// 0 or less draws nothing.
void DrawProgressBar(QPainter &canvas, int left, int top, int bottom, int scale, int known, int unknown, int total);

// The widths the bar is drawn with: the end of the green part and the end
// of the red part, both counted from the left edge.
struct TProgressBarExtent {
    int Known = 0;
    int Unknown = 0;
    bool operator==(const TProgressBarExtent &) const = default;
};
TProgressBarExtent ProgressBarExtent(int scale, int known, int unknown, int total);
