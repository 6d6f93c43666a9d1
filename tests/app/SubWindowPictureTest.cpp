// What the learner sees: each screen of the sub-window over the main window.
// With TYPEKO_SHOTS naming a folder, the composed pictures are written there
// for review.

#include "SubWindowFixture.h"

#include "PngImage.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace {

// The main window with the dialog laid over it where it stands on the screen.
QImage Composed(TFrmMain &main, TFrmSub &sub)
{
    QImage image = main.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawImage(sub.pos() - main.geometry().topLeft(), sub.grab().toImage());
    return image;
}

TEST_F(SubWindow, EachScreenPaintsItsBackgroundBeneathItsControls)
{
    for (const char *name : {"carol", "Bob", "alice", "たろう"})
        MakeUser(QString::fromUtf8(name));
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("Bob");
    TFrmMainTestAccess::Options(*Main).TypeSoundNo = 1;
    TFrmMainTestAccess::Options(*Main).MeaningNo = 2;
    TFrmMainTestAccess::Options(*Main).GuideNo = 3;
    struct Shot {
        int screen;
        const char *file;
    };
    for (const Shot shot : {Shot{11000, "11000-list"}, Shot{11001, "11001-name"}, Shot{11002, "11002-delete"},
                            Shot{12100, "12100-options"}}) {
        if (shot.screen == 12100) {
            Sub.reset(); // a modal window would take the main window's clicks
            Main->SetScreen(0);
            StartTraining();
            Open(12100);
        } else {
            Main->SetScreen(10000);
            Open(11000);
            if (shot.screen == 11001) {
                Click(Sub->ImgBtnAdd);
                Sub->Edit1->setText(QStringLiteral("はなこ2024"));
            } else if (shot.screen == 11002) {
                ClickUser(QStringLiteral("たろう"));
                Click(Sub->ImgBtnDelete);
            }
        }
        ASSERT_EQ(Sub->CurScreenNo, shot.screen);
        const QImage dialog = Sub->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const TPngResult background = LoadPicture(QStringLiteral("SCR%1").arg(shot.screen));
        ASSERT_TRUE(background) << background.Error.toStdString();
        // The title bar and the corners lie under no control.
        for (const QPoint p : {QPoint(10, 10), QPoint(350, 20), QPoint(690, 515), QPoint(10, 515)})
            EXPECT_EQ(dialog.pixel(p), background.Image.pixel(p)) << shot.file << " at " << p.x() << "," << p.y();

        if (const QByteArray folder = qgetenv("TYPEKO_SHOTS"); !folder.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(folder));
            const QString path = QString::fromLocal8Bit(folder) + u'/' + QString::fromUtf8(shot.file);
            EXPECT_TRUE(Composed(*Main, *Sub).save(path + QStringLiteral(".png"))) << path.toStdString();
            EXPECT_TRUE(dialog.save(path + QStringLiteral("-dialog.png")));
        }
    }
}

} // namespace
