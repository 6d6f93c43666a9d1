#include "DataFolder.h"

#include <QTemporaryDir>
#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(DataFolder, StorePathRepeatsTheProgramFolderUnderTheUsersStore)
{
    EXPECT_EQ(StorePath(QStringLiteral("/usr/lib/typeko/"), QStringLiteral("/home/a/.local/share")),
              QStringLiteral("/home/a/.local/share/VirtualStore/usr/lib/typeko/"));
    // At most 260 characters of the program folder are kept.
    const QString deep = u'/' + QString(300, u'x') + u'/';
    EXPECT_EQ(StorePath(deep, QStringLiteral("/la")), QStringLiteral("/la/VirtualStore/") + QString(260, u'x'));
}

TEST(DataFolder, DecidesByFolderSystemAndWriteTest)
{
    struct Case {
        const char *what;
        const char *exe;
        bool modern;
        bool writable;
        const char *expected;
        int writeTests;
    };
    const Case cases[] = {
        {"installed, modern: store, no test", "/usr/lib/typeko/", true, true, "/la/VirtualStore/usr/lib/typeko/", 0},
        {"installed, older, writable", "/usr/lib/typeko/", false, true, "/usr/lib/typeko/", 1},
        {"installed, older, read-only", "/usr/lib/typeko/", false, false, "/la/VirtualStore/usr/lib/typeko/", 1},
        {"a Program Files folder elsewhere, writable", "/mnt/d/Program Files/App/", true, true,
         "/mnt/d/Program Files/App/", 1},
        {"a Program Files folder elsewhere, read-only", "/mnt/d/Program Files/App/", true, false,
         "/la/VirtualStore/mnt/d/Program Files/App/", 1},
        {"letter case differs: neither test holds", "/USR/program files/App/", true, false, "/USR/program files/App/", 0},
        {"anywhere else", "/home/a/typeko/", true, false, "/home/a/typeko/", 0},
        // The prefix test compares characters only, as a plain prefix.
        {"a sibling sharing the prefix", "/usrlocal/typeko/", true, true, "/la/VirtualStore/usrlocal/typeko/", 0},
    };
    for (const Case &c : cases) {
        int writeTests = 0;
        TDataFolderEnvironment env;
        env.ProgramFiles = QStringLiteral("/usr");
        env.LocalAppData = QStringLiteral("/la");
        env.Modern = c.modern;
        env.CanWrite = [&](const QString &folder) {
            ++writeTests;
            EXPECT_EQ(folder, QString::fromUtf8(c.exe)) << c.what;
            return c.writable;
        };
        EXPECT_EQ(DecideDataPath(QString::fromUtf8(c.exe), env), QString::fromUtf8(c.expected)) << c.what;
        EXPECT_EQ(writeTests, c.writeTests) << c.what;
    }
}

TEST(DataFolder, SystemEnvironmentFollowsXdgDataHome)
{
    qputenv("XDG_DATA_HOME", "/tmp/typeko-xdg/");
    EXPECT_EQ(SystemDataFolderEnvironment().LocalAppData, QStringLiteral("/tmp/typeko-xdg"));
    // A relative value is not a valid base, so the default takes over.
    qputenv("XDG_DATA_HOME", "relative/dir");
    EXPECT_EQ(SystemDataFolderEnvironment().LocalAppData, QDir::homePath() + QStringLiteral("/.local/share"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(SystemDataFolderEnvironment().ProgramFiles, QStringLiteral("/usr"));
}

TEST(DataFolder, WriteTestAndFolderCreationUseTheRealFileSystem)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString base = tmp.path() + QStringLiteral("/");
    const TDataFolderEnvironment env = SystemDataFolderEnvironment();
    EXPECT_TRUE(env.CanWrite(base));
    EXPECT_FALSE(QFile::exists(base + QStringLiteral("check.dat"))) << "the test file is removed again";
    EXPECT_FALSE(env.CanWrite(base + QStringLiteral("missing/")));

    const QString data = base + QStringLiteral("VirtualStore/usr/lib/typeko/");
    EXPECT_TRUE(EnsureDataFolder(data).isEmpty());
    EXPECT_TRUE(EnsureScoreFolder(data).isEmpty());
    EXPECT_TRUE(QDir(data + QStringLiteral("Score")).exists());
    EXPECT_TRUE(EnsureDataFolder(data).isEmpty() && EnsureScoreFolder(data).isEmpty()) << "existing folders are fine";

    // A file where the folder should be cannot become the Score folder.
    QFile blocker(base + QStringLiteral("blocked/Score"));
    QDir().mkpath(base + QStringLiteral("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString refused = EnsureScoreFolder(base + QStringLiteral("blocked/"));
    EXPECT_TRUE(refused.startsWith(QStringLiteral("フォルダを作成できません："))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("同じ名前のファイルがすでにあります"))) << "the message says why";

    // A path that runs through a file cannot be made either, and says so.
    const QString through = EnsureDataFolder(base + QStringLiteral("blocked/Score/deeper/"));
    EXPECT_TRUE(through.contains(QStringLiteral("フォルダではないファイル"))) << through.toStdString();
}

} // namespace
