#include "UserFiles.h"

#include "Cp932.h"
#include "FileErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileInfoList>
#include <QSaveFile>

namespace {

// One character of a name: a code point, so that an emoji is one character.
QString CharacterAt(const QString &text, qsizetype &i)
{
    const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    const QString one = text.mid(i, length);
    i += length;
    return one;
}

QString ShownCharacter(const QString &c)
{
    const char16_t code = c.at(0).unicode();
    if (code < 32 || code == 127 || c.at(0).category() == QChar::Other_Control)
        return QStringLiteral("制御文字");
    return c;
}

} // namespace

TNameCheck CheckUserName(const QString &name)
{
    if (name.isEmpty())
        return {TNameFault::Empty, {}};
    if (name == u"." || name == u"..")
        return {TNameFault::DotName, {}};
    if (name.front().isSpace() || name.back().isSpace())
        return {TNameFault::EdgeSpace, {}};
    for (qsizetype i = 0; i < name.size();) {
        const QString c = CharacterAt(name, i);
        const char16_t code = c.at(0).unicode();
        const bool bad = code < 32 || code == 127 || c.at(0).category() == QChar::Other_Control ||
                         QStringView(u"/\\<>:\"|?*").contains(c.at(0)) || !IsCp932Encodable(c) ||
                         FromCp932(ToCp932(c)) != c;
        if (bad)
            return {TNameFault::Character, ShownCharacter(c)};
    }
    return {};
}

bool IsSafeUserName(const QString &name)
{
    return CheckUserName(name).Fault == TNameFault::None;
}

TNormalisedName NormaliseUserName(const QString &typed)
{
    TNormalisedName result;
    for (qsizetype i = 0; i < typed.size();) {
        const QString c = CharacterAt(typed, i);
        if (!IsCp932Encodable(c)) {
            if (result.Refused.isEmpty())
                result.Refused = ShownCharacter(c);
            result.Name += c;
            continue;
        }
        result.Name += FromCp932(ToCp932(c));
    }
    return result;
}

int NormaliseUserFiles(const QString &dataPath)
{
    const QDir folder(dataPath + QStringLiteral("Score"));
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.dat")}, QDir::Files | QDir::NoSymLinks | QDir::CaseSensitive);
    int renamed = 0;
    for (const QFileInfo &file : files) {
        const QString name = file.fileName().chopped(4);
        const TNormalisedName normal = NormaliseUserName(name);
        if (normal.Name == name || !normal.Refused.isEmpty() || !IsSafeUserName(normal.Name))
            continue;
        const QString target = ProgressFilePath(dataPath, normal.Name);
        // QFile::rename never replaces a file, so a name already taken keeps
        // both files as they are.
        if (!QFileInfo::exists(target) && QFile::rename(file.filePath(), target))
            ++renamed;
    }
    return renamed;
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
    // Only the first line counts, and a line far longer than any name is not
    // read at all: a damaged file must not cost time or memory.
    constexpr qsizetype longestLine = 256;
    qsizetype end = scoreIni->indexOf('\n');
    if (end < 0)
        end = scoreIni->size();
    if (end > longestLine)
        return NoUserName;
    QByteArray first = scoreIni->left(end);
    if (first.endsWith('\r'))
        first.chop(1);
    QString name = FromCp932(first);
    // Drop the last extension, as a file name would lose it.
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return IsSafeUserName(name) && name.size() <= MaxUserNameLength ? name : NoUserName;
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
        result.Error =
            QStringLiteral("ファイルを読み込めません：%1\n%2").arg(QDir::toNativeSeparators(path), JapaneseReason(file.errorString()));
        return result;
    }
    result.Bytes = file.readAll();
    return result;
}

QString BackupPath(const QString &path, const QDateTime &when)
{
    const QString base = path + QStringLiteral(".bak-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + u'-' + QString::number(n);
    return candidate;
}

QString KeepAsBackup(const QString &path, const QDateTime &when)
{
    const QString backup = BackupPath(path, when);
    return QFile::rename(path, backup) ? backup : QString();
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
    return QStringLiteral("ファイルを保存できません：%1\n%2").arg(QDir::toNativeSeparators(path), JapaneseReason(reason));
}
