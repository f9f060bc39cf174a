// Cost of composing frames in the real window (offscreen): the whole frame in
// both sizes and the cell-by-cell update after a move of the falling piece;
// the time from F3 to the options sheet shown and painted (goal: 150 ms); and
// reading the pictures the first frame waits for.
#include "FakeClock.h"
#include "FakeHost.h"
#include "GameTestAccess.h"
#include "platform/ModalRunner.h"
#include "ui/CGameFrame.h"
#include "ui/PictureSet.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace brinox {
namespace {

// A window in a temporary game directory with the generated assets, a game
// under way with a well-filled board.
class BenchWindow {
public:
    explicit BenchWindow(std::int32_t windowSize) {
        const QDir game(QStringLiteral(BRINOX_GAME_DIR));
        for (const char* item : {"graph", "snd", "brinox.hlp"}) {
            QFile::link(game.absoluteFilePath(QString::fromLatin1(item)),
                        dir.filePath(QString::fromLatin1(item)));
        }
        QDir::setCurrent(dir.path());
        CGameFrame::Services services;
        services.clock = &clock;
        services.sounds = &host;
        services.sleep = [](std::int32_t) {};
        frame = std::make_unique<CGameFrame>(std::move(services));
        frame->ApplyWindowSize(windowSize);
        frame->Settings().startHeight = 12;
        frame->SetAppActive(true);
        frame->Tick();
        frame->Engine().StartStopCommand();
        frame->Tick();
    }

    QTemporaryDir dir;
    test::FakeClock clock;
    test::FakeHost host;
    std::unique_ptr<CGameFrame> frame;
};

void RedrawAll(benchmark::State& state) {
    BenchWindow window(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        window.frame->RedrawAll();
        benchmark::DoNotOptimize(window.frame->ComposedFrame().constBits());
    }
}
BENCHMARK(RedrawAll)->Arg(0)->Arg(1)->ArgNames({"big"})->Unit(benchmark::kMicrosecond);

void RedrawFallingPiece(benchmark::State& state) {
    BenchWindow window(1);
    GameState& game = test::GameTestAccess(window.frame->Engine()).state;
    game.row = 8;
    std::int32_t step = 1;
    for (auto _ : state) {
        // The piece steps one column left and right again, as a player moves it.
        game.drawnColumn = game.column;
        game.drawnRow = game.row;
        game.drawnRotation = game.rotation;
        game.drawnKind = game.currentKind;
        game.column += step;
        step = -step;
        window.frame->RedrawFallingPiece();
        benchmark::DoNotOptimize(window.frame->ComposedFrame().constBits());
    }
}
BENCHMARK(RedrawFallingPiece)->Unit(benchmark::kMicrosecond);

void RedrawCounters(benchmark::State& state) {
    BenchWindow window(1);
    for (auto _ : state) {
        test::GameTestAccess(window.frame->Engine()).state.score += 7;
        window.frame->RedrawCounters();
    }
}
BENCHMARK(RedrawCounters)->Unit(benchmark::kMicrosecond);

// The pictures of the first frame at the normal size, read and converted.
void FirstFramePictures(benchmark::State& state) {
    const std::string game = BRINOX_GAME_DIR "/";
    for (auto _ : state) {
        PictureSet pictures;
        pictures.LoadFor(WindowSize::Normal, game, 6, 0);
        benchmark::DoNotOptimize(pictures.Get(Picture::Back).constBits());
    }
}
BENCHMARK(FirstFramePictures)->Unit(benchmark::kMicrosecond);

// Shows the dialog, lets it paint, notes how long since `since` started, and cancels.
class ShowAndCancel : public ModalRunner {
public:
    int Run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        seconds = static_cast<double>(since.nsecsElapsed()) * 1e-9;
        return QDialog::Rejected;
    }
    QElapsedTimer since;
    double seconds = 0;
};

void OpenOptionsSheet(benchmark::State& state) {
    BenchWindow window(1);
    ShowAndCancel runner;
    InstallModalRunner(&runner);
    for (auto _ : state) {
        runner.since.start();
        window.frame->Run(Command::Options);
        state.SetIterationTime(runner.seconds);
    }
    InstallModalRunner(nullptr);
}
BENCHMARK(OpenOptionsSheet)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brinox

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
