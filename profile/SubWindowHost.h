#pragma once

#include "ProgressFile.h"

#include <QByteArray>
#include <QString>

class QWidget;

// What the sub-window needs of the window that opens it: the learner's
// options, the data folder and the current user to read, and the few calls
// that act on the main window once the learner has chosen. The main window
// owns all of it; the sub-window only asks.
class TSubWindowHost {
public:
    // The window the sub-window is centred over and owned by.
    virtual QWidget &HostWidget() = 0;
    virtual const TOptions &Options() const = 0;
    virtual QString DataPath() const = 0;
    virtual QString UserId() const = 0;

    // Makes this user the current one and loads the progress onto the level menu.
    virtual void SelectUser(const QString &name) = 0;
    // Takes new options and lays the item being typed out again with them.
    virtual void ApplyOptions(const TOptions &options) = 0;
    // Replaces a file as a whole; an empty text, or the message to show.
    virtual QString SaveFile(const QString &path, const QByteArray &bytes) = 0;
    // A message the learner must read; returns when it has been closed.
    virtual void ShowMessage(const QString &text) = 0;
    virtual void PlayKeySound(int n) = 0;

protected:
    ~TSubWindowHost() = default;
};
