#include "FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

struct TErrnoText {
    int Error;
    const char16_t *Japanese;
};

const TErrnoText ErrnoTexts[] = {
    {EACCES, u"書き込む権限がありません"},
    {EPERM, u"この操作は許可されていません"},
    {ENOSPC, u"ディスクに空きがありません"},
    {EDQUOT, u"ディスクの使用量の上限に達しました"},
    {EROFS, u"読み取り専用の場所なので書き込めません"},
    {ENAMETOOLONG, u"ファイル名が長すぎます"},
    {EISDIR, u"同じ名前のフォルダがあるので書き込めません"},
    {ENOTDIR, u"途中のフォルダの場所にフォルダではないファイルがあります"},
    {ENOENT, u"フォルダが見つかりません"},
    {EEXIST, u"同じ名前のファイルがすでにあります"},
    {EIO, u"ディスクの読み書きに失敗しました"},
    {EFBIG, u"ファイルが大きすぎます"},
    {EMFILE, u"開いているファイルが多すぎます"},
    {ENFILE, u"開いているファイルが多すぎます"},
};

// Reasons Qt words itself rather than taking them from the system.
struct TQtText {
    const char16_t *Contains;
    const char16_t *Japanese;
};

const TQtText QtTexts[] = {
    {u"is not writable", u"書き込む権限がありません"},
    {u"refers to a directory", u"同じ名前のフォルダがあるので書き込めません"},
    {u"is a directory", u"同じ名前のフォルダがあるので書き込めません"},
    {u"Permission denied", u"書き込む権限がありません"},
    {u"No space left on device", u"ディスクに空きがありません"},
    {u"Read-only file system", u"読み取り専用の場所なので書き込めません"},
    {u"File name too long", u"ファイル名が長すぎます"},
    {u"No such file or directory", u"フォルダが見つかりません"},
    {u"Disk quota exceeded", u"ディスクの使用量の上限に達しました"},
};

QString Elided(const QString &line, int maxLength)
{
    if (line.size() <= maxLength)
        return line;
    const int half = (maxLength - 1) / 2;
    return line.left(half) + u'…' + line.right(maxLength - 1 - half);
}

} // namespace

QString JapaneseErrno(int error)
{
    for (const TErrnoText &entry : ErrnoTexts)
        if (entry.Error == error)
            return QString::fromUtf16(entry.Japanese);
    return QString();
}

QString JapaneseReason(const QString &reason)
{
    // The system's own wording in the locale the program runs in.
    for (const TErrnoText &entry : ErrnoTexts) {
        const QString system = QString::fromLocal8Bit(std::strerror(entry.Error));
        if (!system.isEmpty() && reason.contains(system, Qt::CaseInsensitive))
            return QString::fromUtf16(entry.Japanese);
    }
    for (const TQtText &entry : QtTexts)
        if (reason.contains(QString::fromUtf16(entry.Contains), Qt::CaseInsensitive))
            return QString::fromUtf16(entry.Japanese);
    if (reason.isEmpty())
        return QStringLiteral("原因はわかりません");
    // Qt's own Japanese texts, once loaded, already read as they should.
    if (std::any_of(reason.begin(), reason.end(), [](QChar c) { return c.unicode() >= 0x3000; }))
        return reason;
    return QStringLiteral("システムの報告：%1").arg(reason);
}

QString FolderFailureReason(const QString &folder)
{
    // Walk up to the first folder that exists, then try to make the one
    // below it, which is where the system says no.
    QString path = QDir::cleanPath(folder);
    QString missing;
    while (!path.isEmpty() && !QFileInfo::exists(path)) {
        missing = path;
        const qsizetype slash = path.lastIndexOf(u'/');
        if (slash <= 0)
            break;
        path.truncate(slash);
    }
    if (missing.isEmpty()) {
        if (!QFileInfo(path).isDir())
            return JapaneseErrno(EEXIST);
        return QStringLiteral("原因はわかりません");
    }
    if (!QFileInfo(path).isDir())
        return JapaneseErrno(ENOTDIR);
    const QByteArray native = QFile::encodeName(missing);
    if (::mkdir(native.constData(), 0777) == 0) {
        ::rmdir(native.constData());
        return QStringLiteral("原因はわかりません");
    }
    const int error = errno;
    const QString japanese = JapaneseErrno(error);
    return japanese.isEmpty() ? JapaneseReason(QString::fromLocal8Bit(std::strerror(error))) : japanese;
}

QString BoundedMessageText(const QString &text, int maxLineLength, int maxLines)
{
    QStringList lines = text.split(u'\n');
    const bool dropped = lines.size() > maxLines;
    if (dropped)
        lines.resize(maxLines);
    for (QString &line : lines)
        line = Elided(line, maxLineLength);
    if (dropped)
        lines.append(QStringLiteral("…"));
    return lines.join(u'\n');
}
