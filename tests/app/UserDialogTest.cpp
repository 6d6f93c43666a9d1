// The user dialog driven through its controls: the list, adding, deleting,
// choosing and cancelling.

#include "SubWindowFixture.h"

#include "EgImage.h"
#include "SubFormDescription.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

const QString EmptyName = QStringLiteral("名前を入力してください。");
const QString Duplicate = QStringLiteral("すでに同じ名前があります。違う名前で登録してください。");
const QString LastUser = QStringLiteral("最低一つのタイポン度が必要です。");
const QString Unsafe = QStringLiteral("この名前は登録できません。");

QStringList Names(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *name : names)
        list.append(QString::fromUtf8(name));
    return list;
}

TEST_F(SubWindow, EachScreenShowsItsOwnControlsWhereTheFormPlacesThem)
{
    Open(11000);
    for (int screen : {11000, 11001, 11002, 12100}) {
        Sub->SetSubScreen(screen);
        for (const TControlDesc &desc : SubFormDescription().Controls) {
            const auto *control = Sub->findChild<QWidget *>(QString::fromUtf8(desc.Name));
            ASSERT_NE(control, nullptr) << desc.Name;
            EXPECT_EQ(control->isVisible(), desc.Screens.Contains(screen)) << desc.Name << " on " << screen;
            EXPECT_EQ(control->pos(), QPoint(desc.Left, desc.Top)) << desc.Name;
            if (!desc.Picture) {
                EXPECT_EQ(control->size(), QSize(desc.Width, desc.Height)) << desc.Name;
            }
        }
    }
    EXPECT_EQ(Sub->size(), QSize(700, 525));
    EXPECT_TRUE(Sub->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(SubWindow, AnEmptyFolderListsThePlaceholderSelectedAndChoosingItMakesItTheUser)
{
    Open(11000);
    EXPECT_EQ(Sub->Users(), Names({"-----"}));
    EXPECT_EQ(Sub->SelectedUser(), QStringLiteral("-----"));
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("someone");
    Click(Sub->ImgBtnSelect);
    EXPECT_EQ(Sub->result(), 1);
    EXPECT_EQ(Main->UserId(), QStringLiteral("-----"));
    EXPECT_EQ(Main->CurScreenNo(), 10000);
}

TEST_F(SubWindow, TheListIgnoresLetterCaseInOrderAndInFindingTheCurrentUser)
{
    for (const char *name : {"carol", "Bob", "alice"})
        MakeUser(QString::fromUtf8(name));
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("BOB");
    Open(11000);
    EXPECT_EQ(Sub->Users(), Names({"alice", "Bob", "carol"}));
    EXPECT_EQ(Sub->SelectedUser(), QStringLiteral("Bob"));
}

TEST_F(SubWindow, NamesThatCannotBeAddedLeaveTheListAndTheDiskAlone)
{
    MakeUser(QStringLiteral("alice"));
    struct Case {
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {QString(), EmptyName},
        {QStringLiteral("ALICE"), Duplicate},
        {QStringLiteral("../x"), Unsafe},
        {QStringLiteral("a/b"), Unsafe},
        {QStringLiteral(".."), Unsafe},
        {QStringLiteral("a\tb"), Unsafe},
        {QStringLiteral(" bob"), Unsafe},
        // The message names the character the name cannot hold.
        {QStringLiteral("ok😀"), Unsafe + QStringLiteral("\n「😀」は名前に使えません。")},
        {QStringLiteral("a/b"), Unsafe + QStringLiteral("\n「/」は名前に使えません。")},
    };
    const QStringList tree = Tree();
    for (const Case &c : cases) {
        Messages.clear();
        Open(11000);
        Click(Sub->ImgBtnAdd);
        ASSERT_EQ(Sub->CurScreenNo, 11001);
        EXPECT_TRUE(Sub->Edit1->hasFocus());
        // A control character cannot be typed, it could only be pasted; and
        // what is not ASCII arrives whole from the input method.
        if (c.typed.contains(u'\t') || std::any_of(c.typed.begin(), c.typed.end(), [](QChar ch) { return ch.unicode() > 126; }))
            Sub->Edit1->setText(c.typed);
        else
            TypeName(c.typed);
        ASSERT_EQ(Sub->Edit1->text(), c.typed);
        Click(Sub->ImgBtnAddA);
        ASSERT_EQ(Messages.size(), 1) << c.typed.toStdString();
        EXPECT_TRUE(Messages.first().startsWith(c.message)) << Messages.first().toStdString();
        EXPECT_EQ(Sub->CurScreenNo, 11001) << "the entry stays open to correct the name";
        EXPECT_EQ(Sub->Users(), Names({"alice"}));
        EXPECT_EQ(Tree(), tree) << c.typed.toStdString();
    }
}

TEST_F(SubWindow, ANameTakesAtMostTwelveCharactersAndJapaneseInput)
{
    Open(11000);
    Click(Sub->ImgBtnAdd);
    TypeName(QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(Sub->Edit1->text(), QStringLiteral("abcdefghijkl"));
    EXPECT_TRUE(Sub->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(SubWindow, ATypedNameIsKeptInTheFormScoreIniGivesBackAndALongOneFitsTheList)
{
    Open(11000);
    Click(Sub->ImgBtnAdd);
    // What a Japanese input method commits, whole.
    Sub->Edit1->setText(QStringLiteral("a〜b"));
    Click(Sub->ImgBtnAddA);
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    EXPECT_EQ(Sub->SelectedUser(), QStringLiteral("a～b"));
    EXPECT_TRUE(QFile::exists(Main->DataPath() + QStringLiteral("Score/a～b.dat")));

    const QString wide = QStringLiteral("ＷＷＷＷＷＷＷＷＷＷＷＷ");
    Click(Sub->ImgBtnAdd);
    Sub->Edit1->setText(wide);
    Click(Sub->ImgBtnAddA);
    EXPECT_EQ(Sub->SelectedUser(), wide) << "the whole name is the user";
    const QListWidgetItem *shown = Sub->ListBox1->currentItem();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->text().endsWith(u'…')) << shown->text().toStdString();
    EXPECT_FALSE(Sub->ListBox1->horizontalScrollBar()->isVisible()) << "the list never grows a scroll bar";
}

TEST_F(SubWindow, AnAddedNameTakesItsSortedPlaceIsSelectedAndGetsAnEmptyFileButIsNotTheUser)
{
    MakeUser(QStringLiteral("bob"));
    MakeUser(QStringLiteral("carol"));
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("carol");
    Open(11000);
    Click(Sub->ImgBtnAdd);
    TypeName(QStringLiteral("Aaron"));
    Click(Sub->ImgBtnAddA);
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    EXPECT_EQ(Sub->CurScreenNo, 11000);
    EXPECT_EQ(Sub->Users(), Names({"Aaron", "bob", "carol"}));
    EXPECT_EQ(Sub->SelectedUser(), QStringLiteral("Aaron"));
    ASSERT_TRUE(QFile::exists(ScoreFile(QStringLiteral("Aaron"))));
    EXPECT_EQ(QFile(ScoreFile(QStringLiteral("Aaron"))).size(), 0);
    EXPECT_EQ(Main->UserId(), QStringLiteral("carol"));
}

TEST_F(SubWindow, DeletingTakesTheFileAndSelectsTheNeighbour)
{
    struct Case {
        const char *deleted;
        QStringList left;
        const char *selected;
    };
    const Case cases[] = {
        {"carol", Names({"alice", "bob"}), "bob"},
        {"alice", Names({"bob", "carol"}), "bob"},
        {"bob", Names({"alice", "carol"}), "carol"},
    };
    for (const Case &c : cases) {
        for (const char *name : {"alice", "bob", "carol"})
            MakeUser(QString::fromUtf8(name));
        Open(11000);
        ClickUser(QString::fromUtf8(c.deleted));
        Click(Sub->ImgBtnDelete);
        ASSERT_EQ(Sub->CurScreenNo, 11002);
        EXPECT_TRUE(Sub->imgUserId->isVisible());
        Click(Sub->ImgBtnDeleteD);
        EXPECT_EQ(Sub->CurScreenNo, 11000);
        EXPECT_EQ(Sub->Users(), c.left) << c.deleted;
        EXPECT_EQ(Sub->SelectedUser(), QString::fromUtf8(c.selected)) << c.deleted;
        EXPECT_FALSE(QFile::exists(ScoreFile(QString::fromUtf8(c.deleted))));
    }
}

TEST_F(SubWindow, TheLastUserCannotBeDeletedAndTheConfirmationCanBeCancelled)
{
    MakeUser(QStringLiteral("alice"));
    Open(11000);
    Click(Sub->ImgBtnDelete);
    EXPECT_EQ(Messages, QStringList{LastUser});
    EXPECT_EQ(Sub->CurScreenNo, 11000);

    MakeUser(QStringLiteral("bob"));
    Open(11000);
    Click(Sub->ImgBtnDelete);
    Click(Sub->ImgBtnCancelD);
    EXPECT_EQ(Sub->CurScreenNo, 11000);
    EXPECT_EQ(Sub->Users(), Names({"alice", "bob"}));
    EXPECT_TRUE(QFile::exists(ScoreFile(QStringLiteral("alice"))));
}

TEST_F(SubWindow, CancelAfterDeletingTheCurrentUserLoadsTheSelectedOne)
{
    MakeUser(QStringLiteral("alice"));
    TOptions options;
    options.TypeSoundNo = 2;
    options.GuideNo = 3;
    MakeUser(QStringLiteral("bob"), options);
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("alice");
    Open(11000);
    Click(Sub->ImgBtnDelete);
    Click(Sub->ImgBtnDeleteD);
    ASSERT_EQ(Sub->SelectedUser(), QStringLiteral("bob"));
    EXPECT_EQ(Main->UserId(), QStringLiteral("alice")) << "deleting alone does not change the user";
    Click(Sub->ImgBtnCancel);
    EXPECT_EQ(Sub->result(), 1);
    EXPECT_EQ(Main->UserId(), QStringLiteral("bob"));
    EXPECT_EQ(Main->CurScreenNo(), 10000);
    EXPECT_EQ(Main->Options().TypeSoundNo, 2);
    EXPECT_EQ(Main->Options().GuideNo, 3);
}

TEST_F(SubWindow, CancelWhileTheUserIsListedChangesNothingOfTheMainWindow)
{
    MakeUser(QStringLiteral("alice"));
    MakeUser(QStringLiteral("bob"));
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("bob");
    Click(Main->Control("ImgBtn1"));
    ASSERT_EQ(Main->CurScreenNo(), 10000);
    Main->SetScreen(0); // the title, which choosing a user would leave
    TFrmMainTestAccess::Options(*Main).TypeSoundNo = 1;
    int opened = 0;
    WhenDialogOpens([&](TFrmSub &sub) {
        ++opened;
        const QRect main = Main->frameGeometry();
        EXPECT_EQ(sub.pos(), QPoint(main.left() + (main.width() - 700) / 2, main.top() + (main.height() - 525) / 2));
        EXPECT_EQ(sub.SelectedUser(), QStringLiteral("bob"));
        QTest::mouseClick(sub.windowHandle(), Qt::LeftButton, {}, sub.ImgBtnCancel->geometry().center());
    });
    const int result = ShowSubForm(*Main, 11000);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(Main->UserId(), QStringLiteral("bob"));
    EXPECT_EQ(Main->CurScreenNo(), 0);
    EXPECT_EQ(Main->Options().TypeSoundNo, 1) << "nothing was loaded";
    EXPECT_EQ(Main->findChildren<TFrmSub *>().size(), 0) << "the window is released when it closes";
}

TEST_F(SubWindow, TheMenuButtonSavesOpensTheListAndSelectChoosesAndLoads)
{
    MakeUser(QStringLiteral("alice"));
    TOptions options;
    options.MeaningNo = 2;
    MakeUser(QStringLiteral("bob"), options);
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("alice");
    Click(Main->Control("ImgBtn1"));
    ASSERT_EQ(Main->CurScreenNo(), 10000);
    WhenDialogOpens([&](TFrmSub &sub) {
        const QListWidgetItem *bob = sub.ListBox1->findItems(QStringLiteral("bob"), Qt::MatchExactly).value(0);
        ASSERT_NE(bob, nullptr);
        QTest::mouseClick(sub.ListBox1->viewport(), Qt::LeftButton, {}, sub.ListBox1->visualItemRect(bob).center());
        QTest::mouseClick(sub.windowHandle(), Qt::LeftButton, {}, sub.ImgBtnSelect->geometry().center());
    });
    Click(Main->Control("bNameSelect"));
    EXPECT_EQ(Main->UserId(), QStringLiteral("bob"));
    EXPECT_EQ(Main->Options().MeaningNo, 2);
    EXPECT_GT(QFile(ScoreFile(QStringLiteral("alice"))).size(), 0) << "the user's progress is saved before";
}

} // namespace
