// gridwick-timing: how long the maker takes to show its first painted
// window, and how long one full layout and redraw of a 50 x 50 grid takes.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/gridwick-timing
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Palette.h"
#include "editor/GridView.h"
#include "editor/MakerWindow.h"
#include "platform/testing/FakePlatform.h"

namespace {

class FirstPaint : public QObject {
public:
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    gw::platform::testing::filterOffscreenNoise();
    QTemporaryDir folder;
    {
        QFile lang(folder.filePath("lang.ini"));
        lang.open(QIODevice::WriteOnly);
        lang.write(QByteArray(1, '\0'));
    }
    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::testing::FakePlatform fake;
    fake.printers.install({"Timing Printer"}, "Timing Printer");
    gw::editor::MakerWindowSetup setup;
    setup.programFolder = folder.path() + '/';
    gw::editor::MakerWindow window(puzzle, session, fake.platform(), setup);
    FirstPaint firstPaint;
    window.grid().installEventFilter(&firstPaint);
    window.start();
    window.resize(900, 700);
    window.show();
    while (!firstPaint.seen)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double startupMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;

    window.newPuzzle(50, 50, true);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            puzzle.cell(x, y) = static_cast<std::uint8_t>((x * 7 + y * 3) % gw::PaletteSize);
    std::vector<double> layouts;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        window.layoutWindow();
        layouts.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::printf("start-up to first painted window: %.1f ms\n", startupMs);
    std::printf("50 x 50 layout and full redraw at %.2f px a cell (%dx%d grid): median %.3f ms, best %.3f ms\n",
                window.gridZoom(), window.grid().width(), window.grid().height(), median(layouts),
                *std::min_element(layouts.begin(), layouts.end()));
    return 0;
}
