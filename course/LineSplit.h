#pragma once

#include <QByteArray>

// How a typing target is laid out on the sentence band: L1 characters on the
// first line (ending with the blank where the line breaks), L2 on the second.
struct TLineSplit {
    int L1 = 0;
    int L2 = 0;
    bool operator==(const TLineSplit &) const = default;
};

// The widest line holds this many characters on the 780-pixel band at a
// pitch of 14 pixels, less one character of margin on either side.
constexpr int MaxLineChars(int bandWidth) { return bandWidth / 14 - 2; }

// Breaks after the last blank among the first maxChars characters when the
// text is longer than that; without such a blank it stays on one line.
TLineSplit LineSplit(const QByteArray &sentence, int maxChars);
