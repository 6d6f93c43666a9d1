#include "TextFit.h"

int FittingPrefixLength(const QString &text, int left, int right, const std::function<int(const QString &)> &width)
{
    // Widths grow with every character, so the longest fitting prefix is
    // found by walking down from the whole text.
    for (qsizetype n = text.size(); n > 0; --n) {
        if (text.at(n - 1).isHighSurrogate())
            continue;
        if (left + width(text.left(n)) <= right)
            return static_cast<int>(n);
    }
    return 0;
}
