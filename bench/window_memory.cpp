// The computer test in the test window over puzzle files, one after the other,
// as an author would run it (answering No to "save first?"): per file the
// process's peak RSS so far, the test's wall time, the longest gap between two
// event-loop heartbeats (how long the window could not respond) and the sweeps.
//   cd build/bin && QT_QPA_PLATFORM=offscreen ../tools-build/window_memory FILE...
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/MakerWindow.h"
#include "platform/testing/FakePlatform.h"
#include "trialwindow/PrintAndTestWindows.h"
#include "trialwindow/TrialWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settings;
    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::testing::FakePlatform fake;
    gw::editor::MakerWindowSetup setup {QStringLiteral(GRIDWICK_BIN_DIR "/"), settings.path() + QStringLiteral("/")};
    gw::editor::MakerWindow main(puzzle, session, fake.platform(), setup);
    main.start();
    const auto windows = gw::attachPrintAndTestWindows(main, puzzle, session);
    main.resize(900, 700);
    main.show();
    QElapsedTimer clock;
    clock.start();
    // The gap in wall time, and in this thread's processor time, which a busy
    // machine does not stretch.
    auto threadNanoseconds = [] {
        timespec t {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    qint64 lastBeat = 0, lastBeatCpu = 0;
    qint64 longestGap = 0, longestGapCpu = 0;
    QTimer heartbeat;
    heartbeat.setInterval(0);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed(), nowCpu = threadNanoseconds();
        if (lastBeat) {
            longestGap = std::max(longestGap, now - lastBeat);
            longestGapCpu = std::max(longestGapCpu, nowCpu - lastBeatCpu);
        }
        lastBeat = now;
        lastBeatCpu = nowCpu;
    });
    for (int a = 1; a < argc; ++a) {
        main.loadFile(QString::fromLocal8Bit(argv[a]));
        gw::TrialWindow& test = windows->testWindow();
        test.resize(1000, 800);
        windows->openTestWindow();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        fake.messages.answer(gw::platform::Answer::No);
        longestGap = longestGapCpu = 0;
        lastBeat = 0;
        heartbeat.start();
        const qint64 start = clock.nsecsElapsed();
        test.startTest();
        while (test.testRunning() || test.driver().isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        heartbeat.stop();
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%s\tpeakRSS_KB %ld\tms %.0f\tlongest_gap_ms %.2f\tlongest_gap_cpu_ms %.2f\tsweeps %d\n", argv[a],
                    usage.ru_maxrss, static_cast<double>(clock.nsecsElapsed() - start) / 1e6,
                    static_cast<double>(longestGap) / 1e6, static_cast<double>(longestGapCpu) / 1e6,
                    test.driver().sweeps());
        std::fflush(stdout);
        test.hide();
    }
    return 0;
}
