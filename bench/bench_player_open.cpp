// How long the player takes to open a 50 x 50 colour puzzle into a laid-out
// window: reading the file, deriving the clues, composing the clue panel and
// field, and the repaint that follows. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "platform/testing/FakePlatform.h"
#include "player/PlayerWindow.h"

namespace {

// A 50 x 50 plain PPM whose cells take all eight colours in short runs, so
// that every line has long clues.
QString writeColorPuzzle(const QDir& folder)
{
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> bit(0, 1);
    QByteArray bytes = "P3\n50 50\n1\n";
    for (int i = 0; i < 50 * 50; ++i)
        bytes += QByteArray::number(bit(random)) + ' ' + QByteArray::number(bit(random)) + ' '
                 + QByteArray::number(bit(random)) + '\n';
    const QString path = folder.filePath(QStringLiteral("big.ppm"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

struct Setup {
    QTemporaryDir folder;
    QString path;
    Setup() { path = writeColorPuzzle(QDir(folder.path())); }
};

Setup& setup()
{
    static Setup s;
    return s;
}

// A started player window on screen, with no puzzle yet.
struct ShownPlayer {
    gw::platform::testing::FakePlatform fakes;
    gw::Puzzle puzzle;
    gw::Session session;
    std::unique_ptr<gw::player::PlayerWindow> window;

    ShownPlayer()
    {
        session.programFolder = setup().folder.path().toStdString() + "/";
        window = std::make_unique<gw::player::PlayerWindow>(puzzle, session, fakes.platform());
        window->start();
        window->resize(1280, 960);
        window->show();
    }
    bool open()
    {
        const bool loaded = window->loadFile(setup().path);
        QCoreApplication::processEvents();
        return loaded;
    }
};

// Open again and again in one window that is already on screen.
void BM_OpenColorPuzzle50(benchmark::State& state)
{
    ShownPlayer player;
    QCoreApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(player.open());
    state.counters["cellSize"] = player.window->playFieldState().cellSize;
}
BENCHMARK(BM_OpenColorPuzzle50)->Unit(benchmark::kMillisecond);

// From nothing: the window is made, started, shown and then opens the puzzle.
void BM_StartAndOpenColorPuzzle50(benchmark::State& state)
{
    for (auto _ : state) {
        ShownPlayer player;
        benchmark::DoNotOptimize(player.open());
    }
}
BENCHMARK(BM_StartAndOpenColorPuzzle50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gw::platform::testing::filterOffscreenNoise();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
