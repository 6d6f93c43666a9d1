#pragma once

#include "FrmMainTestAccess.h"
#include "Main.h"
#include "ProgressFile.h"
#include "Unit1.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QWidget;

// A main window started in a folder of its own, with the sub-window either
// made directly (shown, not modal) or opened by the main window's buttons.
// Messages and key clicks are collected instead of shown and played.
class SubWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A progress file for a user; empty, or carrying these options.
    void MakeUser(const QString &name);
    void MakeUser(const QString &name, const TOptions &options);
    QString ScoreFile(const QString &name) const;
    // Every file and folder below the test's folder, relative to it.
    QStringList Tree() const;

    // A sub-window made as the main window makes it, opened on a screen and
    // shown without a modal loop.
    void Open(int screen);

    void Click(TEgImage *control);
    void Click(QPushButton *button);
    // Clicks the listed name in ListBox1.
    void ClickUser(const QString &name);
    void TypeName(const QString &text);

    // Runs act on the sub-window once the main window has opened it modally;
    // a dialog that act leaves open is then cancelled so the test goes on.
    void WhenDialogOpens(std::function<void(TFrmSub &)> act);

    // The main window on the training screen of level 2, band A, with a run
    // started.
    void StartTraining();

    QTemporaryDir Folder;
    std::unique_ptr<TFrmMain> Main;
    std::unique_ptr<TFrmSub> Sub;
    QStringList Messages;
    // Kept in a standard vector: comparing empty Qt lists passes a null
    // pointer to memcmp inside Qt, which the sanitizer build reports.
    std::vector<int> Sounds;
};
