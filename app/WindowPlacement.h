#pragma once

#include <QPoint>

// Where the window goes: centred across the screen and one caption height
// above the vertical centre. On a screen smaller than the window the result
// is negative and used as it is.
constexpr QPoint WindowPlacement(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int captionHeight)
{
    return QPoint((screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2 - captionHeight);
}
