#include "Cp932.h"
#include "UserFiles.h"

#include "FileSizeLimit.h"

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
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReadLastUser(c.file), QString::fromUtf16(c.user)) << (c.file ? c.file->toStdString() : "missing");
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
