#pragma once

#include <QString>
#include <QStringList>

// The user dialog's list as data: the users found in "Score/", kept in an
// order that ignores letter case, and the rules for adding and removing one.
// Nothing here touches a widget; only ReadUserList looks at the disk.

// Letter-case-blind order; names equal but for case still get a fixed order.
bool UserNameLess(const QString &a, const QString &b);

// The users whose progress files lie in "Score/" of the data folder, sorted:
// plain visible files ending in ".dat" whose names are safe user names.
// Links are left out, since one could lead outside the folder. A missing or
// empty folder gives the single placeholder "-----".
QStringList ReadUserList(const QString &dataPath);

// The index of the name, letter case ignored, or -1.
qsizetype IndexOfUser(const QStringList &users, const QString &name);

// Inserts the name at its sorted place and returns that place.
qsizetype InsertUser(QStringList &users, const QString &name);

// The item to select once the item at removed is gone from a list that now
// holds count items: the one that moved up into its place, else the new last.
qsizetype SelectionAfterRemoval(qsizetype removed, qsizetype count);

// Why a typed name cannot become a new user, checked in this order.
enum class TNewUserCheck {
    Ok,
    Empty,
    Unsafe,    // it could not be a file name inside "Score/"
    Duplicate, // the list holds it already, letter case ignored
};
TNewUserCheck CheckNewUserName(const QStringList &users, const QString &name);
