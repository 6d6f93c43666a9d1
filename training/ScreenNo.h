#pragma once

#include <QString>

// The screens of both windows. A number also names its background picture
// ("SCR" and five digits), and the form tables list each control's screens
// by these numbers.
enum TScreenNo : int {
    scNone = -1,
    scTitle = 0,
    scLevelMenu = 10000,
    // The sub-window: the user list, name entry, delete confirmation, options.
    scUserList = 11000,
    scUserName = 11001,
    scUserDelete = 11002,
    scCourse = 12000,
    scOptions = 12100,
    scTraining = 13000,
    // The help pages that hang off the title, and the information page.
    scGuideFirst = 20000,
    scGuideLast = 20004,
    scInformation = 20005,
    scStart = 88888,
    scGoodbye = 99999,
};

// The resource name of a screen's background picture.
inline QString ScreenPictureName(int screenNo)
{
    return QStringLiteral("SCR%1").arg(screenNo, 5, 10, QLatin1Char('0'));
}
