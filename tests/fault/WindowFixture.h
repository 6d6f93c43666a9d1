#pragma once

#include "../app/FrmMainTestAccess.h"
#include "Main.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The main window on a folder of its own, whose files a test prepares
// before the window reads them.
struct TWindowInFolder {
    QTemporaryDir Folder;
    std::unique_ptr<TFrmMain> Window;
    QStringList Messages;
    QStringList Questions;
    bool Answer = false;
    // Saves fail as in a folder without write permission, which root's
    // tests cannot make with file modes.
    bool ReadOnlyFolder = false;

    QString Path(const QString &relative) const { return Folder.path() + u'/' + relative; }
    void Write(const QString &relative, const QByteArray &bytes) const;
    QByteArray Read(const QString &relative) const;
    // Creates the window and lets it read its files; returns FormCreate's
    // error text.
    QString Create();
};
