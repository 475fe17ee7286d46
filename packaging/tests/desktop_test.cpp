// How a desktop hands files and questions to the programs: the programs'
// --help and --version (no display needed), a usage error, and puzzle files
// dropped on the maker's and the player's windows.
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include "core/Version.h"
#include "editor/tests/EditorTestKit.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"
#include "player/tests/PlayerFixture.h"

using gw::platform::Answer;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs a program of build/bin; `platform` is the Qt platform it would get.
Run runProgram(const QString& program, const QStringList& arguments, const QString& platform)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(GRIDWICK_BIN_DIR "/") + program, arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Drags `path` over `window` and drops it there, offering copy or move as a
// file manager does; the drop's work runs once the events are processed.
bool dragAndDrop(QWidget& window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = window.rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gw::platform::testing::filterOffscreenNoise(); }

    // "xcb" without a display would abort a program that opened a window.
    void programsAnswerWithoutDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        const QString version = QStringLiteral(" (Gridwick) ") + QString::fromUtf8(gw::gridwickVersion());
        for (const char* program : {"gridwick", "puzzler"}) {
            const QString name = QString::fromLatin1(program);
            QTest::addRow("%s --help", program) << name << "--help"
                                                << "Usage: " + name + " [OPTION]... [FILE]";
            QTest::addRow("%s --version", program) << name << "--version" << name + version;
        }
        QTest::newRow("gridwick-cli --help")
            << "gridwick-cli"
            << "--help"
            << "gridwick-cli: the Gridwick puzzle core on the command line, for scripts and checks.";
        QTest::newRow("gridwick-cli --version") << "gridwick-cli"
                                                << "--version"
                                                << "gridwick-cli" + version;
    }
    void programsAnswerWithoutDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        const Run run = runProgram(program, {option}, QStringLiteral("xcb"));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(run.err, QString());
    }

    void unknownOptionIsAUsageError_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("maker") << "gridwick";
        QTest::newRow("player") << "puzzler";
    }
    void unknownOptionIsAUsageError()
    {
        QFETCH(QString, program);
        const Run run = runProgram(program, {QStringLiteral("--frobnicate")}, QStringLiteral("offscreen"));
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(program + QStringLiteral(": unknown option --frobnicate\n")), qPrintable(run.err));
    }

    // The maker asks its save-first question before a dropped file replaces
    // a changed puzzle; Cancel keeps the puzzle, No opens the file, and an
    // unchanged puzzle is replaced without a question.
    void makerAsksBeforeADropReplacesItsPuzzle()
    {
        gw::editor::testing::Maker maker;
        const QString dropped = maker.writeFile(QStringLiteral("dropped.pbm"), "P1\n2 1\n1 0\n");
        maker.window->drawCell(1, 0, 0);
        QVERIFY(maker.puzzle.changed);

        maker.fake.messages.answer(Answer::Cancel);
        QVERIFY(dragAndDrop(*maker.window, dropped));
        QCOMPARE(maker.fake.messages.requests().size(), 1);
        QCOMPARE(maker.fake.messages.requests().last().text, gw::localText(gw::Language::English, gw::txt::FirstSave));
        QCOMPARE(maker.fake.messages.requests().last().buttons, gw::platform::Buttons::YesNoCancel);
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.puzzle.width, 25);

        maker.fake.messages.answer(Answer::No);
        QVERIFY(dragAndDrop(*maker.window, dropped));
        QCOMPARE(maker.fake.messages.requests().size(), 2);
        QCOMPARE(QString::fromStdString(maker.puzzle.fileName), dropped);
        QCOMPARE(maker.puzzle.width, 2);
        QVERIFY(!maker.puzzle.changed);
        // Nothing changed since: the next drop opens at once.
        QVERIFY(dragAndDrop(*maker.window, maker.writeFile(QStringLiteral("next.pbm"), "P1\n3 1\n1 0 1\n")));
        QCOMPARE(maker.fake.messages.requests().size(), 2);
        QCOMPARE(maker.puzzle.width, 3);
    }

    void playerOpensADroppedPuzzle()
    {
        gw::test::PlayerFixture fixture;
        gw::player::PlayerWindow& window = fixture.start();
        const QString dropped = fixture.writePuzzle(QStringLiteral("smile.pbm"), {"#.#", "...", "###"});
        QVERIFY(dragAndDrop(window, dropped));
        QVERIFY(window.hasPuzzle());
        QCOMPARE(window.windowTitle(), QStringLiteral("smile - Gridwick Puzzler"));
        QCOMPARE(QString::fromStdString(window.recentFiles().entry(0)), dropped);
    }

    void windowsRefuseOtherFiles()
    {
        gw::test::PlayerFixture fixture;
        gw::player::PlayerWindow& window = fixture.start();
        const QString picture = fixture.write(QStringLiteral("photo.png"), "not a puzzle");
        QVERIFY(!dragAndDrop(window, picture));
        QVERIFY(!window.hasPuzzle());
        gw::editor::testing::Maker maker;
        QVERIFY(!dragAndDrop(*maker.window, picture));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
