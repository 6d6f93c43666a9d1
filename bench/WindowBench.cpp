// Start-up to the first painted title screen, and a screen switch with its
// repaint, on the offscreen platform.

#include "Fonts.h"
#include "Main.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TFrmMainEnvironment BenchEnvironment(const QTemporaryDir &folder)
{
    TFrmMainEnvironment env;
    env.ExePath = folder.path() + u'/';
    env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
    env.Sleep = [](int) {};
    env.ShowMessage = [](const QString &) {};
    return env;
}

// Everything start-up does: controls and their strips, every picture
// decoded, the course and the progress loaded, the title painted once.
void BM_StartUpToPaintedTitle(benchmark::State &state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        TFrmMain window(BenchEnvironment(folder));
        if (!window.FormCreate().isEmpty())
            state.SkipWithError("start-up failed");
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.CurScreenNo);
    }
}
BENCHMARK(BM_StartUpToPaintedTitle)->Unit(benchmark::kMillisecond);

// A switch between the level menu and the course screen, each painted at once.
void BM_ScreenSwitchWithRepaint(benchmark::State &state)
{
    QTemporaryDir folder;
    TFrmMain window(BenchEnvironment(folder));
    if (!window.FormCreate().isEmpty()) {
        state.SkipWithError("start-up failed");
        return;
    }
    window.show();
    bool menu = false;
    for (auto _ : state) {
        menu = !menu;
        window.SetScreen(menu ? 10000 : 12000);
        window.repaint();
    }
}
BENCHMARK(BM_ScreenSwitchWithRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
