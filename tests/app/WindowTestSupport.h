#pragma once

#include "FrmMainTestAccess.h"
#include "Main.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// An environment that keeps the window inside a test folder: its data beside
// it, never in a per-user store, and no blocking pause.
inline TFrmMainEnvironment TestEnvironment(const QString &folder)
{
    TFrmMainEnvironment env;
    env.ExePath = folder + u'/';
    env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
    env.DataFolder.LocalAppData = folder + QStringLiteral("/store");
    env.DataFolder.CanWrite = [](const QString &) { return true; };
    env.Pause = [](int, const std::function<void()> &then) { then(); };
    return env;
}

// A pause that runs its continuation at once, or keeps it in `held` while
// `hold` is set, so a test can look at the window during the pause.
inline std::function<void(int, const std::function<void()> &)> HoldablePause(const bool &hold,
                                                                             std::vector<std::function<void()>> &held)
{
    return [&hold, &held](int, const std::function<void()> &then) {
        if (hold)
            held.push_back(then);
        else
            then();
    };
}

// Starts the window as the program does and shows it.
inline void StartWindow(std::unique_ptr<TFrmMain> &window, const TFrmMainEnvironment &env)
{
    window = std::make_unique<TFrmMain>(env);
    const QString error = window->FormCreate();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}
