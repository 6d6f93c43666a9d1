#include "UserList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(UserList, AFolderWithoutProgressFilesListsOnlyThePlaceholder)
{
    QTemporaryDir folder;
    const QString dataPath = folder.path() + u'/';
    EXPECT_EQ(ReadUserList(dataPath), QStringList{QStringLiteral("-----")}) << "no Score folder";
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Score")));
    Touch(dataPath + QStringLiteral("Score/notes.txt"));
    EXPECT_EQ(ReadUserList(dataPath), QStringList{QStringLiteral("-----")}) << "only other files";
}

TEST(UserList, ListsProgressFilesInAnOrderThatIgnoresLetterCase)
{
    QTemporaryDir folder;
    const QString dataPath = folder.path() + u'/';
    const QString score = dataPath + QStringLiteral("Score/");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Score")));
    for (const char *name : {"carol.dat", "Bob.dat", "alice.dat", "たろう.dat"})
        Touch(score + QString::fromUtf8(name));
    // Not users: a folder, a hidden file, another extension in capitals, a
    // link that could lead anywhere, and a name no file of ours could have.
    ASSERT_TRUE(QDir(score).mkdir(QStringLiteral("dir.dat")));
    Touch(score + QStringLiteral(".hidden.dat"));
    Touch(score + QStringLiteral("LOUD.DAT"));
    Touch(dataPath + QStringLiteral("outside.dat"));
    ASSERT_TRUE(QFile::link(dataPath + QStringLiteral("outside.dat"), score + QStringLiteral("link.dat")));
    Touch(score + QStringLiteral(" padded.dat"));

    const QStringList expected = {QStringLiteral("alice"), QStringLiteral("Bob"), QStringLiteral("carol"),
                                  QStringLiteral("たろう")};
    EXPECT_EQ(ReadUserList(dataPath), expected);
}

TEST(UserList, FindsAndPlacesNamesWithoutRegardToLetterCase)
{
    QStringList users = {QStringLiteral("alice"), QStringLiteral("Bob"), QStringLiteral("carol")};
    EXPECT_EQ(IndexOfUser(users, QStringLiteral("BOB")), 1);
    EXPECT_EQ(IndexOfUser(users, QStringLiteral("dave")), -1);

    struct Case {
        const char *name;
        qsizetype place;
    };
    for (const Case c : {Case{"Aaron", 0}, Case{"bz", 2}, Case{"Zed", 3}}) {
        QStringList list = users;
        EXPECT_EQ(InsertUser(list, QString::fromUtf8(c.name)), c.place) << c.name;
        EXPECT_EQ(list.at(c.place), QString::fromUtf8(c.name));
        EXPECT_EQ(list.size(), 4);
    }
}

TEST(UserList, AfterARemovalTheItemBelowMovesUpOrTheNewLastIsTaken)
{
    // Three items, one removed: two remain.
    EXPECT_EQ(SelectionAfterRemoval(0, 2), 0);
    EXPECT_EQ(SelectionAfterRemoval(1, 2), 1);
    EXPECT_EQ(SelectionAfterRemoval(2, 2), 1);
}

TEST(UserList, ANewNameIsCheckedForEmptinessThenSafetyThenDuplicates)
{
    const QStringList users = {QStringLiteral("alice"), QStringLiteral("-----")};
    struct Case {
        const char16_t *name;
        TNewUserCheck check;
    };
    const Case cases[] = {
        {u"", TNewUserCheck::Empty},          {u"ALICE", TNewUserCheck::Duplicate},
        {u"-----", TNewUserCheck::Duplicate}, {u"../x", TNewUserCheck::Unsafe},
        {u"a/b", TNewUserCheck::Unsafe},      {u"..", TNewUserCheck::Unsafe},
        {u"a\x01" u"b", TNewUserCheck::Unsafe}, {u"たろう", TNewUserCheck::Ok},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckNewUserName(users, QString::fromUtf16(c.name)), c.check) << QString::fromUtf16(c.name).toStdString();
}

} // namespace
