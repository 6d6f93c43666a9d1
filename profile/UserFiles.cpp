#include "UserFiles.h"

#include "Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool IsSafeUserName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    if (name.front().isSpace() || name.back().isSpace())
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return false;
        if (QStringView(u"/\\<>:\"|?*").contains(c))
            return false;
    }
    return IsCp932Encodable(name);
}

QString ProgressFilePath(const QString &dataPath, const QString &userId)
{
    return dataPath + QStringLiteral("Score/") + userId + QStringLiteral(".dat");
}

QString LastUserFilePath(const QString &dataPath)
{
    return dataPath + QStringLiteral("Score.ini");
}

QString ReadLastUser(const std::optional<QByteArray> &scoreIni)
{
    if (!scoreIni || scoreIni->isEmpty())
        return NoUserName;
    QByteArray first = *scoreIni;
    const qsizetype end = first.indexOf('\n');
    if (end >= 0)
        first.truncate(end);
    if (first.endsWith('\r'))
        first.chop(1);
    QString name = FromCp932(first);
    // Drop the last extension, as a file name would lose it.
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return IsSafeUserName(name) ? name : NoUserName;
}

QByteArray WriteLastUser(const QString &userId)
{
    return ToCp932(userId + QStringLiteral(".dat")) + "\r\n";
}

TFileRead ReadWholeFile(const QString &path)
{
    TFileRead result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = QStringLiteral("ファイルを読み込めません：%1\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    result.Bytes = file.readAll();
    return result;
}

QString SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, a write that stops short (a full disk, a size limit) says
    // so at once; a buffered one reports it only at commit, where a short
    // final flush still counts as success and would replace the old file
    // with a cut one.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    const QString reason = file.error() == QFileDevice::NoError ? QStringLiteral("書き込みが途中で止まりました")
                                                               : file.errorString();
    file.cancelWriting();
    return SaveFailedMessage(path, reason);
}

QString SaveFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイルを保存できません：%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}
