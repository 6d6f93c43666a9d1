// The main window decodes a picture when a screen in reach needs it and
// frees it when none does; a damaged picture is told as before.

#include "EgImage.h"
#include "PngImage.h"
#include "RasterOps.h"
#include "Resources.h"
#include "TrainingScreen.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

namespace {

std::uint32_t BigEndian32(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
}

// The picture with the compressed pixels of its first data chunk scrambled
// and that chunk's checksum made right again: every chunk is sound, so only
// decoding finds the damage.
QByteArray ScrambledPixels(QByteArray png)
{
    const qsizetype chunk = png.indexOf("IDAT") - 4;
    const auto length = qsizetype(BigEndian32(png, chunk));
    for (qsizetype i = 2; i < length - 4; i += 3)
        png[chunk + 8 + i] = char(png[chunk + 8 + i] ^ 0x5A);
    const auto crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef *>(png.constData() + chunk + 4), uInt(length + 4)));
    for (int i = 0; i < 4; ++i)
        png[chunk + 8 + length + i] = char(crc >> (24 - 8 * i));
    return png;
}

class WindowPictures : public ::testing::Test {
protected:
    // Makes the window and runs its start-up with the program's pictures,
    // some of them replaced (nothing: the picture is missing); returns what
    // start-up returned.
    QString Create(const QHash<QString, std::optional<QByteArray>> &replaced = {})
    {
        TFrmMainEnvironment env = TestEnvironment(Folder.path());
        env.ShowMessage = [this](const QString &text) { Messages.append(text); };
        env.Pause = HoldablePause(HoldPauses, Held);
        // Each look at the clock is half a second on, so the start screen's
        // wait ends by itself after a few looks.
        env.TickCount = [this] { return Ticks += 500; };
        env.Pictures = [this, replaced](const QString &name) {
            ++Reads[name];
            return replaced.contains(name) ? replaced.value(name) : LoadResource(name);
        };
        Window = std::make_unique<TFrmMain>(env);
        return Window->FormCreate();
    }

    void Start(const QHash<QString, std::optional<QByteArray>> &replaced = {})
    {
        const QString error = Create(replaced);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        Settle();
    }

    // Paints the window with its controls and runs what was left for after
    // the event, such as a message about a picture.
    void Settle()
    {
        Window->grab();
        QCoreApplication::processEvents();
    }

    void Click(const char *name)
    {
        TEgImage *control = Window->Control(QString::fromLatin1(name));
        ASSERT_TRUE(control->isVisible()) << name;
        QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
        Settle();
    }

    QStringList HeldPictures() const
    {
        QStringList names = TFrmMainTestAccess::ScreenImage(*Window).keys();
        names.sort();
        return names;
    }

    bool StripDecoded(const char *name) const
    {
        return Window->Control(QString::fromLatin1(name))->PngImage()->Decoded();
    }

    QTemporaryDir Folder;
    std::unique_ptr<TFrmMain> Window;
    QStringList Messages;
    // How often each picture was read: once to check it, then once for
    // each decoding.
    QHash<QString, int> Reads;
    qint64 Ticks = 0;
    bool HoldPauses = false;
    std::vector<std::function<void()>> Held;
};

TEST_F(WindowPictures, OnlyTheScreenShownHoldsItsPictureAndItsControlsStrips)
{
    Start();
    EXPECT_EQ(HeldPictures(), QStringList{QStringLiteral("SCR00000")});
    EXPECT_TRUE(StripDecoded("ImgBtn1"));
    EXPECT_FALSE(StripDecoded("bLevel1"));
    EXPECT_FALSE(StripDecoded("bHint"));

    Click("ImgBtn1");
    ASSERT_EQ(Window->CurScreenNo(), 10000);
    EXPECT_EQ(HeldPictures(), (QStringList{QStringLiteral("FONTNUM"), QStringLiteral("SCR10000")}));
    EXPECT_TRUE(StripDecoded("bLevel1"));
    EXPECT_FALSE(StripDecoded("ImgBtn1"));

    Click("bBack2");
    ASSERT_EQ(Window->CurScreenNo(), 0);
    EXPECT_EQ(HeldPictures(), QStringList{QStringLiteral("SCR00000")});
    EXPECT_FALSE(StripDecoded("bLevel1"));
    EXPECT_TRUE(StripDecoded("ImgBtn1"));
}

TEST_F(WindowPictures, TheStartScreenDecodesTheTrainingScreenAndARunKeepsTheCourseScreenForItsEnd)
{
    Start();
    Click("ImgBtn1");
    Click("bLevel2");
    ASSERT_EQ(Window->CurScreenNo(), 12000);
    EXPECT_FALSE(StripDecoded("bHint"));
    const int courseDecodes = Reads.value(QStringLiteral("SCR12000"));

    HoldPauses = true;
    Click("bTraining");
    ASSERT_EQ(Window->CurScreenNo(), 88888);
    const QStringList waiting = HeldPictures();
    for (const char *name : {"SCR88888", "SCR13000", "FONTLARGE", "FONTSMALL", "COUNTER", "SCR12000", "FONTNUM"})
        EXPECT_TRUE(waiting.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(waiting.contains(QStringLiteral("SCR10000")));
    EXPECT_TRUE(StripDecoded("bHint"));
    EXPECT_TRUE(StripDecoded("bTraining"));
    EXPECT_FALSE(StripDecoded("bLevel2"));

    // Enter ends the wait; the start screen's picture goes with it.
    QTest::keyClick(Window->windowHandle(), Qt::Key_Return);
    HoldPauses = false;
    while (!Held.empty())
        std::exchange(Held, {}).front()();
    Settle();
    ASSERT_EQ(Window->CurScreenNo(), 13000);
    EXPECT_FALSE(HeldPictures().contains(QStringLiteral("SCR88888")));
    EXPECT_TRUE(HeldPictures().contains(QStringLiteral("SCR12000")));

    // Back on the course screen nothing was decoded again, and what only the
    // run needs is gone.
    Click("bBack2");
    ASSERT_EQ(Window->CurScreenNo(), 12000);
    EXPECT_EQ(Reads.value(QStringLiteral("SCR12000")), courseDecodes);
    EXPECT_EQ(HeldPictures(), (QStringList{QStringLiteral("FONTNUM"), QStringLiteral("SCR12000")}));
    EXPECT_FALSE(StripDecoded("bHint"));
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
}

// The marks are drawn onto a copy of their rows of the picture, which each
// paint lays over the picture: a paint of part of the window, as a key
// makes, shows them as the first paint of the target did.
TEST_F(WindowPictures, TheTrainingScreenShowsTheTargetsPronunciationMarksOverAWhiteStrip)
{
    Start();
    Click("ImgBtn1");
    Click("bLevel2");
    Click("bTraining");
    ASSERT_EQ(Window->CurScreenNo(), 13000);

    // On to the first target that has marks, a sentence.
    const auto layoutNow = [&] {
        TTrainingState run = Window->RunState();
        return LayOutTrainingScreen(run, Window->Pattern(), false);
    };
    const auto hasMarks = [](const TTrainingLayout &layout) {
        return std::any_of(layout.Parts.begin(), layout.Parts.end(),
                           [](const TPartPicture &part) { return part.Visible && part.SoundMarkCell >= 0; });
    };
    for (int n = 0; n < 20 && !hasMarks(layoutNow()); ++n) {
        QTest::keyClick(Window->windowHandle(), Qt::Key_J, Qt::ControlModifier);
        Settle();
    }

    // What the rows must show, made from the pictures themselves.
    const TTrainingLayout layout = layoutNow();
    QImage expected = LoadPicture(QStringLiteral("SCR13000")).Image;
    const QImage marks = LoadPicture(QStringLiteral("SOUND")).Image;
    int marked = 0;
    {
        QPainter painter(&expected);
        painter.fillRect(QRect(100, 122, 600, 10), Qt::white);
        for (const TPartPicture &part : layout.Parts) {
            if (part.SoundMarkCell < 0 || !part.Visible)
                continue;
            ++marked;
            CopyRect(painter, QRect(part.SoundMarkCenterX - 25, 122, 50, 10), marks,
                     QRect(part.SoundMarkCell * 50, 0, 50, 10), TRasterOp::SrcCopy);
        }
    }
    ASSERT_GT(marked, 0) << "the first target has no marks to show";

    const auto rowsMatch = [&](const char *when) {
        const QImage shot = Window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect covered = Window->Control("imgWord")->geometry();
        for (int y = 118; y < 136; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (!covered.contains(x, y)) {
                    ASSERT_EQ(shot.pixel(x, y), expected.pixel(x, y) | 0xFF000000u) << when << " at " << x << ", " << y;
                }
            }
        }
    };
    rowsMatch("first paint");
    QTest::keyClick(Window->windowHandle(), Qt::Key_R);
    Settle();
    rowsMatch("after a key");
}

struct TDamagedCase {
    const char *Picture;
    // The damage, or nothing for a missing picture.
    std::optional<QByteArray> (*Damage)(QByteArray png);
    const char16_t *Message;
};

void PrintTo(const TDamagedCase &c, std::ostream *out)
{
    *out << c.Picture;
}

const TDamagedCase StartUpCases[] = {
    {"SCR20002", [](QByteArray) { return std::optional<QByteArray>(); }, u"画像 SCR20002 が見つかりません。"},
    {"SCR99999N", [](QByteArray png) { return std::optional(png.left(png.size() / 2)); },
     u"画像 SCR99999N: PNG画像を読み込めません（"},
    {"FONTLARGE", [](QByteArray png) { return std::optional(png.left(30)); }, u"画像 FONTLARGE: PNG画像を読み込めません（"},
    {"HINSHI8", [](QByteArray) { return std::optional(QByteArray("GIF89a, not a PNG")); },
     u"画像 HINSHI8: PNG画像ではありません。"},
    {"bHint", [](QByteArray png) { return std::optional(png.left(png.size() - 1)); },
     u"画像 bHint: PNG画像を読み込めません（"},
};

class WindowDamagedPicture : public WindowPictures, public testing::WithParamInterface<TDamagedCase> {
};

TEST_P(WindowDamagedPicture, StopsStartUpWithItsMessage)
{
    const TDamagedCase &c = GetParam();
    const QString name = QString::fromLatin1(c.Picture);
    const QString error = Create({{name, c.Damage(*LoadResource(name))}});
    EXPECT_TRUE(error.startsWith(QString::fromUtf16(c.Message))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MissingCutAndForeign, WindowDamagedPicture, testing::ValuesIn(StartUpCases),
                         [](const testing::TestParamInfo<TDamagedCase> &info) { return info.param.Picture; });

// Damage that only decoding finds: the screen that needs the picture shows
// without it, the message comes once, after the paint, and the window goes on.
TEST_F(WindowPictures, APictureDamagedInsideItsDataIsToldOnceWhenItsScreenFirstShows)
{
    for (const char *damaged : {"SCR10000", "bLevel1"}) {
        const QString name = QString::fromLatin1(damaged);
        Messages.clear();
        Start({{name, ScrambledPixels(*LoadResource(name))}});
        EXPECT_TRUE(Messages.isEmpty()) << damaged;
        Click("ImgBtn1");
        ASSERT_EQ(Messages.size(), 1) << damaged;
        EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("画像 %1: PNG画像を読み込めません（").arg(name)))
            << Messages[0].toStdString();

        Click("bBack2");
        Click("ImgBtn1");
        EXPECT_EQ(Messages.size(), 1) << damaged;
        Click("bLevel2");
        EXPECT_EQ(Window->CurScreenNo(), 12000) << damaged;
        Window.reset();
    }
}

} // namespace
