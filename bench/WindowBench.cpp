// Start-up to the first painted title screen, and a screen switch with its
// repaint, on the offscreen platform.

#include "Fonts.h"
#include "../tests/app/FrmMainTestAccess.h"
#include "Main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

TFrmMainEnvironment BenchEnvironment(const QTemporaryDir &folder)
{
    TFrmMainEnvironment env;
    env.ExePath = folder.path() + u'/';
    env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
    env.Pause = [](int, const std::function<void()> &then) { then(); };
    env.ShowMessage = [](const QString &) {};
    return env;
}

// Everything start-up does before the title shows: the controls, the
// pictures checked, the course and the progress loaded, the title painted
// once with only what it draws decoded.
void BM_StartUpToPaintedTitle(benchmark::State &state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        TFrmMain window(BenchEnvironment(folder));
        if (!window.FormCreate().isEmpty())
            state.SkipWithError("start-up failed");
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.CurScreenNo());
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

// A window on the training screen of a word-and-sentence run, moved on to
// the target `forwards` steps after the first word.
std::unique_ptr<TFrmMain> TrainingWindow(const QTemporaryDir &folder, int forwards)
{
    TFrmMainEnvironment env = BenchEnvironment(folder);
    auto clock = std::make_shared<qint64>(0);
    env.TickCount = [clock] { return *clock += 1000; };
    auto window = std::make_unique<TFrmMain>(env);
    if (!window->FormCreate().isEmpty())
        return nullptr;
    window->show();
    window->SetScreen(10000);
    window->bLevel1Click(window->Control("bLevel2"));
    window->bTrainingClick(window->Control("bTraining"));
    for (int i = 0; i < forwards; ++i)
        window->bForwardClick(window->Control("bForward"));
    QCoreApplication::processEvents();
    return window;
}

QByteArray CurrentTarget(const TFrmMain &w)
{
    const TBandDataItem &word = w.RunState().CurItem[w.RunState().CurItemIndex];
    return w.RunState().WordOrSentence == wsWord ? word.Word : word.Item[word.SentenceIndex].Sentence;
}

// One correct key: judgement, the immediate repaint of the typed text and
// the click, as the key event delivers it. The target starts over, untimed,
// whenever it is complete.
void TypeCorrectKeys(benchmark::State &state, int forwards)
{
    QTemporaryDir folder;
    const std::unique_ptr<TFrmMain> window = TrainingWindow(folder, forwards);
    if (!window) {
        state.SkipWithError("start-up failed");
        return;
    }
    const QByteArray target = CurrentTarget(*window);
    for (auto _ : state) {
        if (window->RunState().InputLen >= target.size()) {
            state.PauseTiming();
            TFrmMainTestAccess::Run(*window).InputMode = 0;
            TFrmMainTestAccess::Run(*window).InputLen = 0;
            TFrmMainTestAccess::Run(*window).HintIndex = 0;
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        QTest::keyClick(window->windowHandle(), target[window->RunState().InputLen]);
    }
    state.counters["target_length"] = static_cast<double>(target.size());
}

void BM_CorrectKeyOnAWord(benchmark::State &state)
{
    TypeCorrectKeys(state, 0);
}
BENCHMARK(BM_CorrectKeyOnAWord)->Unit(benchmark::kMicrosecond);

// The fourth word's second sentence needs two lines.
void BM_CorrectKeyOnATwoLineSentence(benchmark::State &state)
{
    TypeCorrectKeys(state, 11);
}
BENCHMARK(BM_CorrectKeyOnATwoLineSentence)->Unit(benchmark::kMicrosecond);

// A miss: judgement and the repaint it asks for.
void BM_MissedKey(benchmark::State &state)
{
    QTemporaryDir folder;
    const std::unique_ptr<TFrmMain> window = TrainingWindow(folder, 0);
    if (!window) {
        state.SkipWithError("start-up failed");
        return;
    }
    for (auto _ : state) {
        QTest::keyClick(window->windowHandle(), '#');
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}
BENCHMARK(BM_MissedKey)->Unit(benchmark::kMicrosecond);

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
