#include "DataFolder.h"

#include "FileErrors.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

QString DrivePart(const QString &)
{
    return QString();
}

QString StorePath(const QString &dataPath, const QString &localAppData)
{
    const QString drive = DrivePart(dataPath);
    return localAppData + QStringLiteral("/VirtualStore/") + dataPath.mid(drive.size() + 1, 260);
}

QString DecideDataPath(const QString &exePath, const TDataFolderEnvironment &env)
{
    const QString dataPath = exePath;
    const bool underProgramFiles = !env.ProgramFiles.isEmpty() && dataPath.startsWith(env.ProgramFiles, Qt::CaseSensitive);
    const auto writable = [&] { return env.CanWrite && env.CanWrite(dataPath); };
    if (underProgramFiles) {
        if (env.Modern || !writable())
            return StorePath(dataPath, env.LocalAppData);
        return dataPath;
    }
    if (dataPath.contains(QStringLiteral("Program Files"), Qt::CaseSensitive) && !writable())
        return StorePath(dataPath, env.LocalAppData);
    return dataPath;
}

namespace {

// The write test creates, closes and removes "check.dat"; a failed removal
// does not count against the folder.
bool CanWriteCheckFile(const QString &folder)
{
    QFile file(folder + QStringLiteral("check.dat"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    const bool ok = file.error() == QFileDevice::NoError;
    file.remove();
    return ok;
}

} // namespace

TDataFolderEnvironment SystemDataFolderEnvironment()
{
    const QProcessEnvironment sys = QProcessEnvironment::systemEnvironment();
    TDataFolderEnvironment env;
    env.ProgramFiles = QStringLiteral("/usr");
    QString dataHome = sys.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    while (dataHome.size() > 1 && dataHome.endsWith(u'/'))
        dataHome.chop(1);
    env.LocalAppData = dataHome;
    env.Modern = true;
    env.CanWrite = CanWriteCheckFile;
    return env;
}

namespace {

QString MakeFolder(const QString &folder)
{
    if (QDir(folder).exists() || QDir().mkpath(folder))
        return QString();
    return QStringLiteral("フォルダを作成できません：%1\n%2").arg(QDir::toNativeSeparators(folder), FolderFailureReason(folder));
}

} // namespace

QString EnsureDataFolder(const QString &dataPath)
{
    return MakeFolder(dataPath);
}

QString EnsureScoreFolder(const QString &dataPath)
{
    return MakeFolder(dataPath + QStringLiteral("Score"));
}
