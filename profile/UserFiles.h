#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The learners' files in the data folder: "Score.ini" naming the last user,
// and one progress file per user in "Score/".

// The name used when no user has been chosen yet.
inline const QString NoUserName = QStringLiteral("-----");

// Whether a user name can name a file inside "Score/" on any common system
// without reaching outside it: not empty, no path separators, no control
// characters, none of < > : " | ? *, not "." or "..", no blanks at either
// end, and every character storable in "Score.ini".
bool IsSafeUserName(const QString &name);

// The progress file of a user.
QString ProgressFilePath(const QString &dataPath, const QString &userId);
QString LastUserFilePath(const QString &dataPath);

// The user named by "Score.ini": its first line without its last extension.
// A missing, empty or unsafe name gives "-----".
QString ReadLastUser(const std::optional<QByteArray> &scoreIni);

// The text of "Score.ini" for a user: the name and ".dat", CR LF, in code
// page 932.
QByteArray WriteLastUser(const QString &userId);

// Reads a whole file. Nothing when it does not exist; an error text when it
// exists but cannot be read.
struct TFileRead {
    std::optional<QByteArray> Bytes;
    QString Error;
};
TFileRead ReadWholeFile(const QString &path);

// Replaces a file's content all at once: a crash or a full disk part-way
// leaves the old file as it was. Returns an empty text on success, else a
// Japanese message with the system's reason.
QString SaveWholeFile(const QString &path, const QByteArray &bytes);
// The message of a save that failed for the given reason.
QString SaveFailedMessage(const QString &path, const QString &reason);
