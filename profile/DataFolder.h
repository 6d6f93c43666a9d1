#pragma once

#include <QString>

#include <functional>

// Where the learners' files live. A copy of the program in a folder that
// ordinary users cannot write to (one installed for the whole system) keeps
// them in a per-user store whose path repeats the program's folder; any
// other copy keeps them beside itself.

// The facts the decision depends on, gathered by the caller.
struct TDataFolderEnvironment {
    // The system's folder for installed programs, without a trailing slash.
    QString ProgramFiles;
    // The user's own folder for application data, without a trailing slash.
    QString LocalAppData;
    // Systems that redirect writes under the programs folder on their own.
    bool Modern = true;
    // Whether a file can be created and removed in the given folder.
    std::function<bool(const QString &folder)> CanWrite;
};

// The drive part of a path: empty for the paths of this platform.
QString DrivePart(const QString &path);

// The per-user store for a program folder: LocalAppData + "/VirtualStore/"
// + the folder without its drive and the separator after it, at most 260
// characters of it.
QString StorePath(const QString &dataPath, const QString &localAppData);

// The data folder for a program folder (ending in "/"); the result ends in
// "/" as well.
QString DecideDataPath(const QString &exePath, const TDataFolderEnvironment &env);

// The environment of this machine: programs folder "/usr", the user's data
// folder from XDG_DATA_HOME (default ~/.local/share), and a write test that
// creates and removes "check.dat".
TDataFolderEnvironment SystemDataFolderEnvironment();

// Create the data folder, and its "Score" folder, when they are missing;
// the lock on the data folder is taken between the two. Each returns an
// empty text on success, else a Japanese message with the system's reason.
QString EnsureDataFolder(const QString &dataPath);
QString EnsureScoreFolder(const QString &dataPath);
