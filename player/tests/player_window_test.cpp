// The player's main window: start-up, loading, marking to completion, Show
// errors, Give Solution and Reset, on scripted dialogs.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "PlayerFixture.h"
#include "player/SolutionWindow.h"
#include "playfield/ColourChooser.h"

using namespace gw;
using gw::platform::Icon;
using gw::platform::Answer;
using gw::test::PlayerFixture;

namespace {

const std::vector<std::string> Smile{"#...#", ".....", "#...#", ".###."};
const std::vector<std::string> Flag{"RRR", "...", "BBB"};

// Marks every cell of `rows` as its solution with the mouse buttons' default
// black (left) and white (right), through the cell-level marking.
void markSolution(player::PlayerWindow& window, const std::vector<std::string>& rows)
{
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[0].size()); ++x)
            window.playField().markCell(rows[y][x] == '#' ? 1 : 2, x, y);
}

} // namespace

class PlayerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gw::platform::testing::filterOffscreenNoise(); }

    void startsWithoutPuzzleAndWithoutMessage()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QCOMPARE(w.windowTitle(), QStringLiteral("Gridwick Puzzler"));
        QVERIFY(f.fakes.messages.requests().isEmpty());
        QVERIFY(w.cmdErrors()->isEnabled());
        QVERIFY(!w.cmdClear()->isEnabled());
        QVERIFY(!w.cmdOplossing()->isEnabled());
        QVERIFY(!w.picture1().isVisible());
        QVERIFY(!w.hasPuzzle());
        QCOMPARE(w.cmdErrors()->text(), QStringLiteral("Show &errors"));
        QCOMPARE(w.cmdOplossing()->text(), QStringLiteral("Give &Solution"));
        QCOMPARE(w.cmdClear()->text(), QStringLiteral("&Reset"));
        QVERIFY(w.languageAction(0)->isChecked());
        QCOMPARE(w.playFieldState().ButtonMark[0], 1);
        QCOMPARE(w.playFieldState().ButtonMark[1], 2);
    }

    void showErrorsWithoutPuzzleFindsNone()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.cmdErrors(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().size(), 1);
        const auto& m = f.fakes.messages.requests().front();
        QCOMPARE(m.text, QStringLiteral("No errors have been made yet."));
        QCOMPARE(m.title, QStringLiteral("No errors"));
        QCOMPARE(m.icon, Icon::Information);
    }

    void loadsPuzzleWithItsSwatches_data()
    {
        QTest::addColumn<bool>("color");
        QTest::addColumn<int>("swatches");
        QTest::newRow("black and white shows three swatches") << false << 3;
        QTest::newRow("colour shows nine swatches") << true << 9;
    }
    void loadsPuzzleWithItsSwatches()
    {
        QFETCH(bool, color);
        QFETCH(int, swatches);
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        const QString path = f.writePuzzle(color ? "flag.ppm" : "smile.pbm", color ? Flag : Smile, color);
        QVERIFY(w.loadPuzzle(path));
        QVERIFY(f.fakes.messages.requests().isEmpty());
        QCOMPARE(w.kiezerL().visibleSwatches(), swatches);
        QCOMPARE(w.windowTitle(), color ? QStringLiteral("flag - Gridwick Puzzler") : QStringLiteral("smile - Gridwick Puzzler"));
        QVERIFY(w.hasPuzzle());
        QVERIFY(w.picture1().isVisible());
        QVERIFY(w.cmdClear()->isEnabled());
        QVERIFY(w.cmdOplossing()->isEnabled());
        QCOMPARE(f.puzzle.ColorPuzzle, color);
        QVERIFY(w.playFieldState().TestCellSize >= 3);
        // Clues were derived for the player: the smile's bottom row is one run of 3.
        if (!color) {
            QCOMPARE(int(w.clues().RowClueCount[3]), 1);
            QCOMPARE(w.clues().rowLength(3, 0), 3);
        } else {
            QCOMPARE(w.clues().rowColor(0, 0), int(Red));
        }
        QVERIFY(!f.fakes.busy.busy());
        QCOMPARE(f.fakes.busy.timesShown(), 1);
    }

    void refusesPuzzleLargerThan50_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("51 wide") << 51 << 3
                                 << "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 51 pixels."
                                 << "Bitmap too wide";
        QTest::newRow("60 high") << 3 << 60
                                 << "The bitmap's height cannot be more than 50 pixels. This bitmap's height is 60 pixels."
                                 << "Bitmap too high";
    }
    void refusesPuzzleLargerThan50()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, text);
        QFETCH(QString, title);
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadPuzzle(f.writePuzzle("small.pbm", Smile, false)));
        const QString path = f.writePuzzle("big.pbm",
            std::vector<std::string>(std::size_t(height), std::string(std::size_t(width), '#')), false);
        f.fakes.messages.answer(Answer::Ok);
        QVERIFY(!w.loadPuzzle(path));
        QCOMPARE(f.fakes.messages.requests().size(), 1);
        QCOMPARE(f.fakes.messages.requests().front().text, text);
        QCOMPARE(f.fakes.messages.requests().front().title, title);
        QCOMPARE(f.fakes.messages.requests().front().icon, Icon::Critical);
        QVERIFY(!w.hasPuzzle());
        QVERIFY(!w.picture1().isVisible());
        for (int i = 0; i < CellCount; ++i)
            QCOMPARE(int(f.puzzle.Cells[std::size_t(i)]), int(White));
    }

    void failedLoadLeavesNoPlayablePuzzle()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        w.playField().markCell(1, 1, 0); // a wrong mark on the old puzzle
        QTest::mouseClick(w.cmdOplossing(), Qt::LeftButton);
        QVERIFY(w.form2().isVisible());

        const QString bad = f.write("bad.pbm", "P2\n3 3\n");
        f.fakes.messages.answer(Answer::Ok);
        QVERIFY(!w.loadPuzzle(bad));
        QCOMPARE(f.fakes.messages.requests().size(), 1);
        QCOMPARE(f.fakes.messages.requests()[0].text, QStringLiteral("This is not a valid PBM- or PPM-file."));
        QCOMPARE(f.fakes.messages.requests()[0].title, bad);
        QCOMPARE(f.fakes.messages.requests()[0].icon, Icon::Critical);
        QVERIFY(!w.hasPuzzle());
        QVERIFY(!w.picture1().isVisible());
        QVERIFY(!w.form2().isVisible());
        QVERIFY(!w.cmdClear()->isEnabled());
        QVERIFY(!w.cmdOplossing()->isEnabled());
        QVERIFY(w.cmdErrors()->isEnabled());
        // The old puzzle's marks are gone with it: Show errors finds none.
        f.fakes.messages.answer(Answer::Ok);
        w.showErrors();
        QCOMPARE(f.fakes.messages.requests().size(), 2);
        QCOMPARE(f.fakes.messages.requests()[1].text, QStringLiteral("No errors have been made yet."));
    }

    void readErrorShowsMessageAndLeavesNoPuzzle()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        const QString cut = f.write("cut.pbm", "P1\n3 2\n1 0 1\n0");
        f.fakes.messages.answer(Answer::Ok);
        QVERIFY(!w.loadPuzzle(cut));
        QCOMPARE(f.fakes.messages.texts(), QStringList{QStringLiteral("An error has occured while opening this file.")});
        QVERIFY(!w.hasPuzzle());
        QVERIFY(!w.cmdOplossing()->isEnabled());
    }

    void solvedMessageOncePerPuzzleAndAgainAfterReset()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        // All black cells but no white ones: not solved.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                if (Smile[y][x] == '#')
                    w.playField().markCell(1, x, y);
        QVERIFY(f.fakes.messages.requests().isEmpty());

        f.fakes.messages.answer(Answer::Ok);
        markSolution(w, Smile);
        QCOMPARE(f.fakes.messages.requests().size(), 1);
        QCOMPARE(f.fakes.messages.requests()[0].text, QStringLiteral("You have solved the puzzle."));
        QCOMPARE(f.fakes.messages.requests()[0].title, QStringLiteral("Puzzle solved"));
        QVERIFY(w.playFieldState().SolvedShown);
        // Going over the solved field again gives no second message.
        markSolution(w, Smile);
        QCOMPARE(f.fakes.messages.requests().size(), 1);

        QTest::mouseClick(w.cmdClear(), Qt::LeftButton);
        QVERIFY(!w.playFieldState().SolvedShown);
        for (int i = 0; i < CellCount; ++i)
            QCOMPARE(int(w.cellStates().CellState[std::size_t(i)]), 0);
        f.fakes.messages.answer(Answer::Ok);
        markSolution(w, Smile);
        QCOMPARE(f.fakes.messages.requests().size(), 2);
        QVERIFY(f.fakes.allAnswered());
    }

    void showErrorsDotsWrongMarksOnly_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("small cells, smallest dot") << QSize(250, 220) << 5;
        QTest::newRow("large cells") << QSize(1200, 900) << 50;
    }
    void showErrorsDotsWrongMarksOnly()
    {
        QFETCH(QSize, windowSize);
        QFETCH(int, dot);
        PlayerFixture f;
        player::PlayerWindow& w = f.start(windowSize);
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        const int s = w.playFieldState().TestCellSize;
        const int d = player::ErrorDotSize(s);
        QCOMPARE(d, dot);

        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.cmdErrors(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.texts(), QStringList{QStringLiteral("No errors have been made yet.")});

        w.playField().markCell(1, 0, 0); // right
        // Right marks, though incomplete, are no errors either.
        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.cmdErrors(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().size(), 2);
        w.playField().markCell(1, 1, 0); // black on white: wrong
        w.playField().markCell(2, 1, 2); // white on white: right
        QTest::mouseClick(w.cmdErrors(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().size(), 2); // no message when there are errors
        const QImage& field = w.picture1().field().picture().image();
        const QPoint wrong = f.cellCentre(1, 0);
        QCOMPARE(field.pixel(wrong), qRgb(255, 128, 64));
        QCOMPARE(gw::test::runLength(field, wrong.x(), wrong.y(), qRgb(255, 128, 64)), d - 2);
        QCOMPARE(field.pixel(f.cellCentre(0, 0)), qRgb(0, 0, 0));
        QCOMPARE(field.pixel(f.cellCentre(1, 2)), qRgb(255, 255, 255));

        // The grid was drawn a shade darker; painting the cell again removes
        // its dot and gives it back its normal outline.
        const FieldWidget& fieldWidget = w.picture1().field();
        const QPointF leftEdge = fieldWidget.picture().origin()
                                 + QPointF(1 * s, 0.5 * s) * fieldWidget.picture().pixelsPerPoint();
        const QPoint edge(int(std::floor(leftEdge.x() + 1e-6)), int(std::floor(leftEdge.y() + 1e-6)));
        QCOMPARE(field.pixel(edge), qRgb(32, 32, 32));
        w.playField().markCell(2, 1, 0);
        QCOMPARE(field.pixel(wrong), qRgb(255, 255, 255));
        QCOMPARE(field.pixel(edge), qRgb(64, 64, 64));
        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.cmdErrors(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().size(), 3);
    }

    void smallAndLargeWindowsGiveSmallAndLargeCells()
    {
        PlayerFixture small;
        QVERIFY(small.start(QSize(300, 260)).loadPuzzle(small.writePuzzle("smile.pbm", Smile, false)));
        PlayerFixture large;
        QVERIFY(large.start(QSize(1200, 900)).loadPuzzle(large.writePuzzle("smile.pbm", Smile, false)));
        QVERIFY(small.window->playFieldState().TestCellSize < large.window->playFieldState().TestCellSize);
        // The clue panel fills the area left of Sizer and above SizerBottom.
        player::PlayerWindow& w = *large.window;
        QCOMPARE(w.availableWidth(), w.sizer()->x() * 72.0 / w.logicalDpiX());
        QVERIFY(w.picture1().width() >= w.sizer()->x() - 1);
        QVERIFY(w.picture1().height() >= w.sizerBottom()->y() - 1);
        QVERIFY(w.picture1().width() <= w.sizer()->x() + 1);
    }

    void cluePanelFillsTheAreaWithoutScrollBars_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (int width : {640, 733, 901, 1111})
            QTest::addRow("%d wide", width) << width << 500 + width % 7;
    }
    void cluePanelFillsTheAreaWithoutScrollBars()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        PlayerFixture f;
        player::PlayerWindow& w = f.start(QSize(width, height));
        QVERIFY(w.loadPuzzle(f.writePuzzle("flag.ppm", Flag, true)));
        QCoreApplication::processEvents();
        QVERIFY(!w.playArea()->horizontalScrollBar()->isVisible());
        QVERIFY(!w.playArea()->verticalScrollBar()->isVisible());
        QCOMPARE(w.picture1().width(), w.sizer()->x());
        QCOMPARE(w.picture1().height(), w.sizerBottom()->y());
    }

    void tooSmallAreaEndsWithSmallestCellsAndScrolls()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start(QSize(260, 200));
        std::vector<std::string> rows(40, std::string(40, '.'));
        for (int y = 0; y < 40; ++y)
            for (int x = y % 2; x < 40; x += 2)
                rows[std::size_t(y)][std::size_t(x)] = '#';
        QVERIFY(w.loadPuzzle(f.writePuzzle("chess.pbm", rows, false)));
        QCOMPARE(int(w.playFieldState().TestCellSize), 3);
        QCoreApplication::processEvents();
        QVERIFY(w.picture1().width() > w.sizer()->x());
        QVERIFY(w.playArea()->horizontalScrollBar()->isVisible());
    }

    void maximisedActivationRecordsTheAvailableArea()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start(QSize(420, 320), true);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.isMaximized());
        QVERIFY(w.maximisedAreaKnown());
        const double maximisedWidth = w.availableWidth();
        const double maximisedHeight = w.availableHeight();
        QCOMPARE(maximisedWidth, w.sizer()->x() * 72.0 / w.logicalDpiX());
        QCOMPARE(maximisedHeight, w.sizerBottom()->y() * 72.0 / w.logicalDpiY());

        // Back in a small normal window, a load still uses the maximised area.
        w.showNormal();
        w.resize(420, 320);
        QTRY_VERIFY(w.sizer()->x() < maximisedWidth * w.logicalDpiX() / 72.0 - 1);
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        QCOMPARE(w.availableWidth(), maximisedWidth);
        QVERIFY(w.picture1().width() >= int(maximisedWidth * w.logicalDpiX() / 72.0) - 1);
    }

    void positionLabelStaysNearTheBottomOfSizer_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(400, 420);
        QTest::newRow("tall") << QSize(600, 900);
    }
    void positionLabelStaysNearTheBottomOfSizer()
    {
        QFETCH(QSize, size);
        PlayerFixture f;
        player::PlayerWindow& w = f.start(size);
        QCOMPARE(w.positie()->y(), int(w.sizer()->height() - 1.5 * w.positie()->height()));
        QCOMPARE(w.sizer()->geometry().right(), w.centralWidget()->width() - 1);
        QCOMPARE(w.sizer()->height(), w.centralWidget()->height());
        QCOMPARE(w.sizerBottom()->geometry().bottom(), w.centralWidget()->height() - 1);
        // The position label shows the cell under the pointer.
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        QTest::mouseMove(&w.picture1().field(), f.cellCentre(3, 2));
        QCOMPARE(w.positie()->text(), QStringLiteral(" 4, 3"));
    }

    void giveSolutionShowsSnapshotOfTheMarks()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        f.puzzle.Language = 0;
        QVERIFY(w.loadPuzzle(f.writePuzzle("flag.ppm", Flag, true)));
        w.playField().markCell(1, 0, 0); // black on red: wrong
        QTest::mouseClick(w.cmdOplossing(), Qt::LeftButton);
        player::SolutionWindow& form2 = w.form2();
        QVERIFY(form2.isVisible());
        QCOMPARE(form2.windowTitle(), QStringLiteral("flag - the solution"));
        QCOMPARE(form2.cellSize(), int(w.playFieldState().TestCellSize));
        const int s = form2.cellSize();
        const double k = 96.0 / 72.0 * form2.logicalDpiX() / 96.0;
        auto centre = [&](int x, int y) { return QPointF((x + 0.5) * s * k, (y + 0.5) * s * k).toPoint(); };
        QCOMPARE(form2.picture().pixel(centre(0, 0)), qRgb(255, 128, 64));
        QCOMPARE(form2.picture().pixel(centre(1, 0)), qRgb(192, 192, 192));
        form2.chkOntbreken()->click();
        QCOMPARE(form2.picture().pixel(centre(1, 0)), qRgb(255, 0, 0));
        // Looking at the solution does not spoil the solved message.
        QVERIFY(!w.playFieldState().SolvedShown);
        QVERIFY(w.hasPuzzle());
        // Loading another puzzle hides the solution window.
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        QVERIFY(!form2.isVisible());
        // The check boxes keep their values.
        QVERIFY(!form2.chkOntbreken()->isChecked());
    }

    void languageMenuSwitchesCaptionsAndMessages()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        w.languageAction(1)->trigger();
        QCOMPARE(f.puzzle.Language, 1);
        QVERIFY(w.languageAction(1)->isChecked());
        QVERIFY(!w.languageAction(0)->isChecked());
        QCOMPARE(w.cmdErrors()->text(), QStringLiteral("Toon &fouten"));
        QCOMPARE(w.cmdOplossing()->text(), QStringLiteral("&Oplossing geven"));
        QCOMPARE(w.fileMenu()->title(), QStringLiteral("&Bestand"));
        QCOMPARE(w.form2().chkOntbreken()->text(), QStringLiteral("Toon &niet ingevuld"));
        f.fakes.messages.answer(Answer::Ok);
        w.showErrors();
        QCOMPARE(f.fakes.messages.requests()[0].title, QStringLiteral("Geen fouten"));
        w.languageAction(2)->trigger();
        QCOMPARE(w.cmdOplossing()->text(), QStringLiteral("Mostra la &soluzione"));
        QCOMPARE(w.form2().chkFouten()->text(), QStringLiteral("Mostra gli &errori"));
    }

    void openCommandAsksInThePuzzlesFolder()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        f.fakes.files.answerCancel(platform::testing::DialogKind::Open);
        w.openCommand();
        QCOMPARE(f.fakes.files.requests().size(), 1);
        const auto& request = f.fakes.files.requests()[0].request;
        QCOMPARE(request.initialFolder, QString::fromStdString(f.puzzle.ProgramFolder) + "Puzzles");
        QCOMPARE(request.filter, QStringLiteral("All Known Bitmaps (*.pbm;*.ppm)|*.pbm;*.ppm|Black And White Bitmaps "
                                                "(*.pbm)|*.pbm|Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*"));
        QVERIFY(!w.hasPuzzle());
        f.fakes.files.answerOpen(f.writePuzzle("smile.pbm", Smile, false));
        w.openCommand();
        QVERIFY(w.hasPuzzle());
    }

    void closingClosesTheSolutionWindow()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadPuzzle(f.writePuzzle("smile.pbm", Smile, false)));
        w.giveSolution();
        QVERIFY(w.form2().isVisible());
        QVERIFY(w.close());
        QCOMPARE(w.tag(), QStringLiteral("CLOSE"));
        QVERIFY(!w.form2().isVisible());
    }
};

QTEST_MAIN(PlayerWindowTest)
#include "player_window_test.moc"
