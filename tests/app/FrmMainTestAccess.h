#pragma once

#include "Main.h"

// The window's own state, for tests that set up what a learner reaches only
// through long runs (a course with other bands, a progress on the edge of a
// save). Everything a test only reads goes through the window's public
// accessors instead.
struct TFrmMainTestAccess {
    static TTrainingState &Run(TFrmMain &w) { return w.Run; }
    static TDataList &Data(TFrmMain &w) { return w.FData; }
    static TOptions &Options(TFrmMain &w) { return w.FOptions; }
    static QString &UserId(TFrmMain &w) { return w.FUserId; }
    static bool &ScoreSaved(TFrmMain &w) { return w.ScoreSaved; }
    // The pictures the window holds decoded now, by resource name.
    static QHash<QString, QImage> ScreenImage(TFrmMain &w)
    {
        QHash<QString, QImage> held;
        for (const QString &name : w.Pictures.Decoded())
            held.insert(name, w.Pictures.Picture(name));
        return held;
    }
};
