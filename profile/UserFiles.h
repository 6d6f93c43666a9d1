#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QDateTime;

// The learners' files in the data folder: "Score.ini" naming the last user,
// and one progress file per user in "Score/".

// The name used when no user has been chosen yet.
inline const QString NoUserName = QStringLiteral("-----");

// The longest user name, in characters, as the user dialog's name box
// takes it; a longer name read from "Score.ini" is not taken.
constexpr qsizetype MaxUserNameLength = 12;

// Why a user name cannot name a file inside "Score/" on any common system
// without reaching outside it, or come back the same from "Score.ini".
enum class TNameFault {
    None,
    Empty,
    DotName,   // "." or ".."
    EdgeSpace, // a blank at either end
    Character, // a path separator, a control character, one of < > : " | ? *,
               // or a character code page 932 cannot hold or gives back changed
};
struct TNameCheck {
    TNameFault Fault = TNameFault::None;
    // The character at fault, for the message; "制御文字" for a control one.
    QString Character;
};
TNameCheck CheckUserName(const QString &name);
bool IsSafeUserName(const QString &name);

// A typed name as "Score.ini" will give it back: a character that code page
// 932 stores but returns as another (〜 comes back as ～, − as －) is replaced
// by the one it returns. Refused holds the first character the code page
// cannot store at all (an emoji, say), and is empty when there is none.
struct TNormalisedName {
    QString Name;
    QString Refused;
};
TNormalisedName NormaliseUserName(const QString &typed);

// Renames the progress files in "Score/" that an earlier build wrote under
// names "Score.ini" cannot give back (a name with 〜) to the name it gives
// back, so that their progress opens again; a file whose new name is taken
// stays as it is. Returns how many were renamed.
int NormaliseUserFiles(const QString &dataPath);

// The progress file of a user.
QString ProgressFilePath(const QString &dataPath, const QString &userId);
QString LastUserFilePath(const QString &dataPath);

// The user named by "Score.ini": its first line without its last extension.
// A missing, empty, unsafe or overlong name gives "-----".
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

// The name beside a file under which its bytes are kept before a save
// would replace them: "name.dat.bak-20261210-153000", with "-2", "-3"…
// added when that name is taken.
QString BackupPath(const QString &path, const QDateTime &when);

// Renames the file to its backup name. Returns the backup's path, or an
// empty text when the file could not be renamed.
QString KeepAsBackup(const QString &path, const QDateTime &when);

// Replaces a file's content all at once: a crash or a full disk part-way
// leaves the old file as it was. Returns an empty text on success, else a
// Japanese message with the system's reason.
QString SaveWholeFile(const QString &path, const QByteArray &bytes);
// The message of a save that failed for the given reason, the reason in
// Japanese.
QString SaveFailedMessage(const QString &path, const QString &reason);
