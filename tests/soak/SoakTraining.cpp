// A scripted learner completes many runs in one process, typing every
// target key by key, and the resident memory must stay flat once the first
// runs have warmed the caches up.
//
// Usage: SoakTraining RUNS WARMUP_RUNS MAX_GROWTH_KB
// Prints the resident size at the start, after warm-up and at the end, and
// exits with 1 when a run does not finish or the memory keeps growing.

#include "../fault/WindowFixture.h"

#include "EgImage.h"
#include "Fonts.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

long ResidentKb()
{
    long pages = 0;
    long resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

QByteArray Target(const TFrmMain &w)
{
    const TBandDataItem &word = w.RunState().CurItem[w.RunState().CurItemIndex];
    if (w.RunState().WordOrSentence == wsWord)
        return word.Word;
    return word.Item[word.SentenceIndex].Sentence;
}

// Starts a run from the course screen and types it to its end. Returns the
// number of targets typed, or -1 when the run does not end.
int TypeOneRun(TFrmMain &w)
{
    QWindow *const handle = w.windowHandle();
    QTest::keyClick(handle, Qt::Key_Return);
    if (w.CurScreenNo() != 13000)
        return -1;
    int targets = 0;
    while (w.CurScreenNo() == 13000 && targets < 200) {
        const QByteArray target = Target(w);
        for (int guard = 0; w.RunState().InputLen < target.size() && guard < 400; ++guard)
            QTest::keyClick(handle, target[w.RunState().InputLen]);
        QTest::keyClick(handle, Qt::Key_Return);
        QTest::keyClick(handle, Qt::Key_Return);
        ++targets;
    }
    return w.CurScreenNo() == 12000 ? targets : -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc != 4) {
        std::fprintf(stderr, "usage: SoakTraining RUNS WARMUP_RUNS MAX_GROWTH_KB\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmUp = std::atoi(argv[2]);
    const long maxGrowthKb = std::atol(argv[3]);

    const long startKb = ResidentKb();
    TWindowInFolder learner;
    if (!learner.Folder.isValid() || !learner.Create().isEmpty()) {
        std::fprintf(stderr, "the window does not start\n");
        return 1;
    }
    TFrmMain &w = *learner.Window;
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, w.Control("ImgBtn1")->geometry().center());
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, w.Control("bLevel2")->geometry().center());
    if (w.CurScreenNo() != 12000) {
        std::fprintf(stderr, "the course screen does not open\n");
        return 1;
    }

    long warmKb = ResidentKb();
    long targets = 0;
    for (int run = 1; run <= runs; ++run) {
        const int typed = TypeOneRun(w);
        if (typed < 0) {
            std::fprintf(stderr, "run %d does not end on the course screen\n", run);
            return 1;
        }
        targets += typed;
        if (run == warmUp)
            warmKb = ResidentKb();
    }
    const long endKb = ResidentKb();
    const int sessions = w.RunState().Session[3];
    std::printf("runs %d, targets typed %ld, band session counter %d\n", runs, targets, sessions);
    std::printf("resident memory: start %ld kB, after %d warm-up runs %ld kB, end %ld kB, growth after warm-up %ld kB\n",
                startKb, warmUp, warmKb, endKb, endKb - warmKb);
    if (!learner.Messages.isEmpty()) {
        std::fprintf(stderr, "unexpected messages: %s\n", qPrintable(learner.Messages.join(u'\n')));
        return 1;
    }
    // The run counter goes 1 to 99 and then starts again at 1.
    if (sessions != (runs - 1) % 99 + 1) {
        std::fprintf(stderr, "the band counted %d runs of %d\n", sessions, runs);
        return 1;
    }
    if (endKb - warmKb > maxGrowthKb) {
        std::fprintf(stderr, "memory grew by %ld kB after warm-up (limit %ld kB)\n", endKb - warmKb, maxGrowthKb);
        return 1;
    }
    return 0;
}
