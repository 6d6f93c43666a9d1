#include "LineSplit.h"

TLineSplit LineSplit(const QByteArray &sentence, int maxChars)
{
    const int length = static_cast<int>(sentence.size());
    if (length <= maxChars)
        return {length, 0};
    for (int i = maxChars; i >= 1; --i) {
        if (sentence[i - 1] == ' ')
            return {i, length - i};
    }
    return {length, 0};
}
