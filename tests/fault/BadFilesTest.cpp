// Learners' files of garbage, or far larger than any the program writes,
// load as if they were missing.

#include "WindowFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace {

// What the window holds after loading: the learner, the options and the
// results of every band.
struct TLoaded {
    QString UserId;
    QList<int> Settings;
    QList<int> Counts;
    bool operator==(const TLoaded &) const = default;
};

void PrintTo(const TLoaded &loaded, std::ostream *out)
{
    *out << loaded.UserId.toStdString() << " settings";
    for (const int v : loaded.Settings)
        *out << ' ' << v;
    *out << " counts";
    for (const int v : loaded.Counts)
        *out << ' ' << v;
}

TLoaded Loaded(const TFrmMain &w)
{
    TLoaded loaded{w.UserId(),
                   {w.Options().TypeSoundNo, w.Options().MissSoundNo, w.Options().DispWordNo, w.Options().VoiceNo, w.Options().MeaningNo, w.Options().GuideNo, int(w.Pattern()),
                    w.ChosenWordType()},
                   {}};
    for (const TLevelData &level : w.Data())
        for (const TBandData &band : level.Item)
            loaded.Counts << band.CheckCount << band.KnownCount << band.UnknownCount;
    return loaded;
}

QByteArray RandomBytes(int size, unsigned seed)
{
    std::mt19937 chance(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(chance() & 0xFF);
    return bytes;
}

// Ten megabytes of lines that look like a progress file but hold no
// number where one is read.
QByteArray HugeProgress()
{
    return QByteArray("Way=x,Word=,New=#,Level=--,Pattern=[END]\r\n")
        + QByteArray("abc,,xyz,=,q[END\r\n").repeated(10 * 1024 * 1024 / 19);
}

TEST(BadFiles, GarbageOrHugeLearnerFilesLoadTheDefaults)
{
    TWindowInFolder fresh;
    ASSERT_TRUE(fresh.Folder.isValid());
    ASSERT_TRUE(fresh.Create().isEmpty());
    const TLoaded defaults = Loaded(*fresh.Window);

    struct Case {
        const char *what;
        QByteArray scoreIni;
        QByteArray progress;
        // Not a progress file at all: it is reported and kept aside.
        bool foreign = false;
    };
    const Case cases[] = {
        {"a progress file of random bytes", "-----.dat\r\n", RandomBytes(4096, 7), true},
        {"a progress file of ten megabytes", "-----.dat\r\n", HugeProgress()},
        {"a progress file of ten megabytes on one line", "-----.dat\r\n", QByteArray(10 * 1024 * 1024, ',')},
        {"a Score.ini of random bytes", RandomBytes(2048, 11), QByteArray()},
        {"a Score.ini naming a path outside Score", "../../x.dat\r\n", QByteArray()},
        {"a Score.ini of five megabytes on one line", QByteArray(5 * 1024 * 1024, 'n'), QByteArray()},
    };
    for (const Case &c : cases) {
        TWindowInFolder w;
        ASSERT_TRUE(w.Folder.isValid());
        w.Write(QStringLiteral("Score.ini"), c.scoreIni);
        if (!c.progress.isEmpty())
            w.Write(QStringLiteral("Score/-----.dat"), c.progress);
        const QString error = w.Create();
        EXPECT_TRUE(error.isEmpty()) << c.what << ": " << error.toStdString();
        EXPECT_EQ(Loaded(*w.Window), defaults) << c.what;
        if (c.foreign) {
            ASSERT_EQ(w.Messages.size(), 1) << c.what;
            EXPECT_TRUE(w.Messages[0].contains(QStringLiteral("として残してあります"))) << c.what;
            const QStringList kept =
                QDir(w.Folder.path() + QStringLiteral("/Score")).entryList({QStringLiteral("-----.dat.bak-*")});
            ASSERT_EQ(kept.size(), 1) << c.what;
            QFile backup(w.Folder.path() + QStringLiteral("/Score/") + kept[0]);
            ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
            EXPECT_EQ(backup.readAll(), c.progress) << c.what << ": its bytes are kept";
        } else {
            EXPECT_TRUE(w.Messages.isEmpty()) << c.what << ": " << w.Messages.join(u'\n').toStdString();
        }
        EXPECT_EQ(w.Window->CurScreenNo(), 0) << c.what << ": the title screen shows";
    }
}

} // namespace
