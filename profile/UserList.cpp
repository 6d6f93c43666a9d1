#include "UserList.h"

#include "UserFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool UserNameLess(const QString &a, const QString &b)
{
    const int blind = QString::compare(a, b, Qt::CaseInsensitive);
    return blind != 0 ? blind < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QStringList ReadUserList(const QString &dataPath)
{
    QStringList users;
    const QDir folder(dataPath + QStringLiteral("Score"));
    // The program writes ".dat" in lower case; a file it would never open
    // under that name is not one of its users.
    const QFileInfoList files = folder.entryInfoList({QStringLiteral("*.dat")},
                                                     QDir::Files | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName().chopped(4);
        if (!file.isSymLink() && IsSafeUserName(name))
            users.append(name);
    }
    if (users.isEmpty())
        users.append(NoUserName);
    std::sort(users.begin(), users.end(), UserNameLess);
    return users;
}

qsizetype IndexOfUser(const QStringList &users, const QString &name)
{
    const auto found = std::find_if(users.begin(), users.end(),
                                    [&](const QString &u) { return u.compare(name, Qt::CaseInsensitive) == 0; });
    return found == users.end() ? -1 : found - users.begin();
}

qsizetype InsertUser(QStringList &users, const QString &name)
{
    const auto place = std::upper_bound(users.begin(), users.end(), name, UserNameLess);
    const qsizetype index = place - users.begin();
    users.insert(index, name);
    return index;
}

qsizetype SelectionAfterRemoval(qsizetype removed, qsizetype count)
{
    return removed < count ? removed : count - 1;
}

TNewUserCheck CheckNewUserName(const QStringList &users, const QString &name)
{
    if (name.isEmpty())
        return TNewUserCheck::Empty;
    if (!IsSafeUserName(name))
        return TNewUserCheck::Unsafe;
    if (IndexOfUser(users, name) >= 0)
        return TNewUserCheck::Duplicate;
    return TNewUserCheck::Ok;
}
