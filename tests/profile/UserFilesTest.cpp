#include "Cp932.h"
#include "UserFiles.h"

#include "FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(UserFiles, RefusesNamesThatCannotBeASafeFileInsideScore)
{
    const char16_t *good[] = {u"-----", u"たろう", u"Taro 2", u"ｻｸﾗ", u"a.b", u"①"};
    for (const char16_t *name : good)
        EXPECT_TRUE(IsSafeUserName(QString::fromUtf16(name))) << QString::fromUtf16(name).toStdString();
    const char16_t *bad[] = {u"", u".", u"..", u"a/b", u"..\\x", u"a\tb", u" taro", u"taro ", u"a:b", u"a*", u"a?",
                             u"a|b", u"<a>", u"\"q\"", u"\x7f", u"😀"};
    for (const char16_t *name : bad)
        EXPECT_FALSE(IsSafeUserName(QString::fromUtf16(name))) << QString::fromUtf16(name).toStdString();
}

TEST(UserFiles, LastUserFileNamesTheUserInCodePage932)
{
    EXPECT_EQ(WriteLastUser(QStringLiteral("たろう")), ToCp932(QStringLiteral("たろう.dat")) + "\r\n");
    struct Case {
        std::optional<QByteArray> file;
        const char16_t *user;
    };
    const Case cases[] = {
        {std::nullopt, u"-----"},
        {QByteArray(), u"-----"},
        {ToCp932(QStringLiteral("たろう.dat\r\nignored\r\n")), u"たろう"},
        {QByteArray("hanako.dat\n"), u"hanako"},
        {QByteArray("a.b.dat"), u"a.b"},
        {QByteArray("noext\r\n"), u"noext"},
        {QByteArray("../../etc/passwd.dat\r\n"), u"-----"},
        {QByteArray(".dat\r\n"), u"-----"},
        {QByteArray("\r\nbob.dat\r\n"), u"-----"},
        {QByteArray("\x01\xff\xfe garbage"), u"-----"},
        // A name longer than the name box takes, or a line longer than any
        // name, is not anybody's name.
        {QByteArray("abcdefghijkl.dat\r\n"), u"abcdefghijkl"},
        {QByteArray("abcdefghijklm.dat\r\n"), u"-----"},
        {QByteArray(300, 'a') + ".dat\r\n", u"-----"},
        {QByteArray(5 * 1024 * 1024, 'x'), u"-----"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReadLastUser(c.file), QString::fromUtf16(c.user)) << (c.file ? c.file->toStdString() : "missing");
}

TEST(UserFiles, TypedNamesComeBackFromCodePage932AsTheyAreKept)
{
    struct Case {
        const char16_t *typed;
        const char16_t *kept;
        const char16_t *refused;
    };
    const Case cases[] = {
        {u"たろう", u"たろう", u""},
        // What a Japanese input method types, and what the code page gives back.
        {u"a〜b", u"a～b", u""},
        {u"−‖¢£¬—", u"－∥￠￡￢―", u""},
        {u"ok😀", u"ok😀", u"😀"},
        {u"x\u00e9y", u"x\u00e9y", u"\u00e9"},
    };
    for (const Case &c : cases) {
        const TNormalisedName name = NormaliseUserName(QString::fromUtf16(c.typed));
        EXPECT_EQ(name.Name, QString::fromUtf16(c.kept)) << QString::fromUtf16(c.typed).toStdString();
        EXPECT_EQ(name.Refused, QString::fromUtf16(c.refused)) << QString::fromUtf16(c.typed).toStdString();
        if (name.Refused.isEmpty()) {
            EXPECT_EQ(ReadLastUser(WriteLastUser(name.Name)), name.Name) << "survives Score.ini";
        }
    }
    // A name that would come back changed is not a safe one, and the check
    // names the character at fault.
    EXPECT_FALSE(IsSafeUserName(QStringLiteral("a〜b")));
    EXPECT_EQ(CheckUserName(QStringLiteral("a〜b")).Character, QStringLiteral("〜"));
    EXPECT_EQ(CheckUserName(QStringLiteral("ab😀")).Character, QStringLiteral("😀"));
    EXPECT_EQ(CheckUserName(QStringLiteral("a/b")).Character, QStringLiteral("/"));
    EXPECT_EQ(CheckUserName(QStringLiteral("a\tb")).Character, QStringLiteral("制御文字"));
    EXPECT_EQ(CheckUserName(QStringLiteral(" a")).Fault, TNameFault::EdgeSpace);
}

TEST(UserFiles, FilesWrittenUnderANameThatCannotComeBackAreRenamedToTheOneThatDoes)
{
    QTemporaryDir tmp;
    const QString data = tmp.path() + u'/';
    QDir().mkpath(data + QStringLiteral("Score"));
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(data + QStringLiteral("Score/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("a〜b.dat"), "mine");
    // The normalised name is taken already: both files stay as they are.
    write(QStringLiteral("c〜d.dat"), "older");
    write(QStringLiteral("c～d.dat"), "newer");
    EXPECT_EQ(NormaliseUserFiles(data), 1);
    EXPECT_EQ(ReadWholeFile(ProgressFilePath(data, QStringLiteral("a～b"))).Bytes, QByteArray("mine"));
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("Score/a〜b.dat")));
    EXPECT_EQ(ReadWholeFile(ProgressFilePath(data, QStringLiteral("c～d"))).Bytes, QByteArray("newer"));
    EXPECT_EQ(ReadWholeFile(data + QStringLiteral("Score/c〜d.dat")).Bytes, QByteArray("older"));
    EXPECT_EQ(NormaliseUserFiles(data), 0) << "a second pass has nothing left to do";
}

TEST(UserFiles, AFileIsKeptUnderABackupNameThatNeverReplacesAnother)
{
    QTemporaryDir tmp;
    const QString path = tmp.path() + QStringLiteral("/taro.dat");
    const QDateTime when(QDate(2026, 12, 10), QTime(15, 30, 0));
    EXPECT_EQ(BackupPath(path, when), path + QStringLiteral(".bak-20261210-153000"));
    for (const QByteArray bytes : {QByteArray("first"), QByteArray("second")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_FALSE(KeepAsBackup(path, when).isEmpty());
    }
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bak-20261210-153000")).Bytes, QByteArray("first"));
    EXPECT_EQ(ReadWholeFile(path + QStringLiteral(".bak-20261210-153000-2")).Bytes, QByteArray("second"));
    EXPECT_TRUE(KeepAsBackup(path, when).isEmpty()) << "a missing file cannot be kept";
}

TEST(UserFiles, PathsStayInsideTheDataFolder)
{
    EXPECT_EQ(ProgressFilePath(QStringLiteral("/d/"), QStringLiteral("たろう")), QStringLiteral("/d/Score/たろう.dat"));
    EXPECT_EQ(LastUserFilePath(QStringLiteral("/d/")), QStringLiteral("/d/Score.ini"));
}

TEST(UserFiles, SavesWholeFilesAndReportsFailuresInJapanese)
{
    QTemporaryDir tmp;
    const QString path = tmp.path() + QStringLiteral("/Score.ini");
    EXPECT_FALSE(ReadWholeFile(path).Bytes.has_value());
    EXPECT_TRUE(ReadWholeFile(path).Error.isEmpty());

    EXPECT_TRUE(SaveWholeFile(path, "old\r\n").isEmpty());
    EXPECT_TRUE(SaveWholeFile(path, "new\r\n").isEmpty());
    EXPECT_EQ(ReadWholeFile(path).Bytes, QByteArray("new\r\n"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"Score.ini"}) << "no temporary file is left";

    const QString error = SaveWholeFile(tmp.path() + QStringLiteral("/missing/x.dat"), "data");
    EXPECT_TRUE(error.startsWith(QStringLiteral("ファイルを保存できません："))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("フォルダが見つかりません"))) << "the reason is in Japanese too";
    QDir().mkpath(tmp.path() + QStringLiteral("/taken.dat"));
    const QString directory = SaveWholeFile(tmp.path() + QStringLiteral("/taken.dat"), "data");
    EXPECT_TRUE(directory.contains(QStringLiteral("同じ名前のフォルダ"))) << directory.toStdString();
}

TEST(UserFiles, ASaveCutOffPartWayKeepsTheOldFileAndReportsIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("a.dat"));
    const QByteArray old = QByteArray("old,").repeated(10) + "[END]\r\n";
    ASSERT_TRUE(SaveWholeFile(file, old).isEmpty());
    // Small texts fit in one write and large ones take several; the disk
    // fills before the first byte, inside the text, or after a few blocks.
    for (const int size : {100, 1500, 80000}) {
        for (const rlim_t limit : {rlim_t(0), rlim_t(16), rlim_t(4096)}) {
            const QByteArray text = QByteArray(size, 'n');
            if (rlim_t(size) <= limit)
                continue;
            QString error;
            {
                TFileSizeLimit cut(limit);
                error = SaveWholeFile(file, text);
            }
            EXPECT_TRUE(error.startsWith(QStringLiteral("ファイルを保存できません：")))
                << size << " bytes cut at " << limit << ": " << error.toStdString();
            EXPECT_EQ(ReadWholeFile(file).Bytes, old) << size << " bytes cut at " << limit;
        }
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.dat")})
        << "no half-written file is left beside it";
}

} // namespace
