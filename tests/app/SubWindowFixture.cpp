#include "SubWindowFixture.h"

#include "EgImage.h"
#include "Fonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void SubWindow::SetUp()
{
    ASSERT_TRUE(Folder.isValid());
    TFrmMainEnvironment env;
    env.ExePath = Folder.path() + u'/';
    env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
    env.Pause = [](int, const std::function<void()> &then) { then(); };
    env.ShowMessage = [this](const QString &text) { Messages.append(text); };
    qint64 clock = 0;
    env.TickCount = [clock]() mutable { return clock += 500; };
    Main = std::make_unique<TFrmMain>(env);
    const QString error = Main->FormCreate();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
}

void SubWindow::TearDown()
{
    Sub.reset();
    Main.reset();
}

QString SubWindow::ScoreFile(const QString &name) const
{
    return Folder.path() + QStringLiteral("/Score/") + name + QStringLiteral(".dat");
}

void SubWindow::MakeUser(const QString &name)
{
    QFile file(ScoreFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

void SubWindow::MakeUser(const QString &name, const TOptions &options)
{
    TProgress progress;
    progress.Options = options;
    QFile file(ScoreFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteProgress(Main->Data(), progress));
}

QStringList SubWindow::Tree() const
{
    QStringList entries;
    QDirIterator it(Folder.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next().mid(Folder.path().size()));
    entries.sort();
    return entries;
}

void SubWindow::Open(int screen)
{
    Sub = std::make_unique<TFrmSub>(*Main);
    Sub->PlayKeySound = [this](int n) { Sounds.push_back(n); };
    Sub->SetSubScreen(screen);
    Sub->InitSubScreen(screen);
    Sub->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Sub.get()));
    // Modal or not, the dialog is the window that takes the keys.
    Sub->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Sub.get()));
}

void SubWindow::Click(TEgImage *control)
{
    ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString();
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, control->rect().center()));
}

void SubWindow::Click(QPushButton *button)
{
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void SubWindow::ClickUser(const QString &name)
{
    const QList<QListWidgetItem *> found = Sub->ListBox1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QWidget *viewport = Sub->ListBox1->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, Sub->ListBox1->visualItemRect(found.first()).center());
}

void SubWindow::TypeName(const QString &text)
{
    ASSERT_TRUE(Sub->Edit1->isVisible());
    QTest::keyClicks(Sub->Edit1, text);
}

void SubWindow::WhenDialogOpens(std::function<void(TFrmSub &)> act)
{
    auto *poll = new QTimer(Main.get());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, act] {
        auto *sub = qobject_cast<TFrmSub *>(QApplication::activeModalWidget());
        if (!sub || !sub->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        sub->PlayKeySound = [this](int n) { Sounds.push_back(n); };
        act(*sub);
        if (sub->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            sub->done(2);
        }
    });
    poll->start();
}

void SubWindow::StartTraining()
{
    Click(Main->Control("ImgBtn1"));
    Click(Main->Control("bLevel2"));
    ASSERT_EQ(Main->CurScreenNo(), 12000);
    Click(Main->Control("bWord"));
    Click(Main->Control("bTraining"));
    ASSERT_EQ(Main->CurScreenNo(), 13000);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
