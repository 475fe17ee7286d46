// The player as a person meets it: start-up and the settings files, loading,
// Show errors and the solution window (a whole game: play_through_test.cpp).
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>
#include <filesystem>

#include "PlayerFixture.h"
#include "editor/MakerWindow.h"
#include "platform/testing/Shortcuts.h"
#include "player/SolutionWindow.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::test;
using gw::platform::Answer;
using gw::platform::Icon;

namespace {

const std::vector<std::string> Smile {"#...#", ".....", "#...#", ".###."};
const std::vector<std::string> Flag {"RRR", "...", "BBB"};

void expectOneMessage(PlayerFixture& f, const QString& text, const QString& title, Icon icon)
{
    QCOMPARE(f.fakes.messages.requests().size(), 1);
    QCOMPARE(f.fakes.messages.requests()[0].text, text);
    QCOMPARE(f.fakes.messages.requests()[0].title, title);
    QCOMPARE(f.fakes.messages.requests()[0].icon, icon);
}

QPoint centreOf(int x, int y, int s) { return QPoint(x * s + s / 2, y * s + s / 2); }

} // namespace

class PlayerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // --- Start-up and the settings files ---

    // The window starts in the language of "lang.ini" without a puzzle, and
    // Show errors then finds none.
    void startsInTheLanguageOfLangIni_data()
    {
        QTest::addColumn<QByteArray>("langIni");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("errorsCaption");
        QTest::addColumn<QString>("noErrorsTitle");
        QTest::newRow("no lang.ini: English, no message") << QByteArray() << Language::English << "Show &errors"
                                                          << "No errors";
        QTest::newRow("Dutch") << QByteArray(1, '\1') << Language::Dutch << "Toon &fouten"
                               << "Geen fouten";
        QTest::newRow("corrupt byte falls back to English")
            << QByteArray(1, '\7') << Language::English << "Show &errors"
            << "No errors";
    }
    void startsInTheLanguageOfLangIni()
    {
        QFETCH(QByteArray, langIni);
        QFETCH(Language, language);
        QFETCH(QString, errorsCaption);
        QFETCH(QString, noErrorsTitle);
        PlayerFixture f;
        if (!langIni.isEmpty())
            f.write("lang.ini", langIni);
        player::PlayerWindow& w = f.start();
        QCOMPARE(f.session.language, language);
        QVERIFY(w.languageAction(language)->isChecked());
        QCOMPARE(w.showErrorsButton()->text(), errorsCaption);
        QCOMPARE(w.windowTitle(), QStringLiteral("Gridwick Puzzler"));
        QVERIFY(f.fakes.messages.requests().isEmpty());
        QVERIFY(!w.hasPuzzle() && !w.cluePanel().isVisible());
        QVERIFY(!w.resetButton()->isEnabled() && !w.solutionButton()->isEnabled());
        QCOMPARE(w.playFieldState().buttonMarks[0], 1);
        QCOMPARE(w.playFieldState().buttonMarks[1], 2);
        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.showErrorsButton(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().value(0).title, noErrorsTitle);
        if (language == Language::English)
            expectOneMessage(f, "No errors have been made yet.", "No errors", Icon::Information);
    }

    void makerAndPlayerShareSettingsFiles()
    {
        PlayerFixture f;
        // The player opens a puzzle, switches to Dutch and exits.
        QVERIFY(f.start().loadFile(f.writePuzzle("cat.pbm", Smile)));
        f.window->languageAction(Language::Dutch)->trigger();
        QVERIFY(f.window->close());
        {
            // The maker in the same folder starts in Dutch with the player's
            // file in its recent list (no thanks message: lang.ini exists),
            // then opens another file and switches to Italian.
            platform::testing::FakePlatform makerFakes;
            makerFakes.printers.install({QStringLiteral("Office")}, QStringLiteral("Office"));
            Puzzle makerPuzzle;
            Session makerSession;
            editor::MakerWindowSetup setup;
            setup.programFolder = setup.settingsFolder = QString::fromStdString(f.session.programFolder);
            editor::MakerWindow maker(makerPuzzle, makerSession, makerFakes.platform(), setup);
            maker.start();
            QVERIFY(makerFakes.messages.requests().isEmpty());
            QCOMPARE(makerSession.language, Language::Dutch);
            QCOMPARE(maker.recentAction(0)->text(), QStringLiteral("&1 cat"));
            maker.loadFile(f.writePuzzle("fish.ppm", Flag, true));
            maker.languageAction(Language::Italian)->trigger();
            QVERIFY(maker.close());
        }
        // The player starts again: Italian, and the maker's file on top.
        player::PlayerWindow& w = f.start();
        QCOMPARE(f.session.language, Language::Italian);
        QCOMPARE(w.recentAction(0)->text(), QStringLiteral("&1 fish"));
        QCOMPARE(w.recentAction(1)->text(), QStringLiteral("&2 cat"));
        QVERIFY(!w.recentAction(2)->isVisible());
        // Reopening the older file from the menu moves it to the top.
        w.recentAction(1)->trigger();
        QCOMPARE(w.windowTitle(), QStringLiteral("cat - Gridwick Puzzler"));
        QCOMPARE(w.recentAction(0)->text(), QStringLiteral("&1 cat"));
        QVERIFY(f.fakes.messages.requests().isEmpty());
    }

    // The settings folder is the user's (a read-only program folder): the
    // shipped files are its defaults. Regression: a Latin-1 name from
    // recent.ini could not be opened (its bytes went through UTF-8).
    void shippedSettingsAndNonUtf8Names()
    {
        PlayerFixture f;
        QTemporaryDir settings;
        const std::string path = f.session.programFolder + "caf\xe9.pbm";
        std::filesystem::copy_file(GRIDWICK_SOURCE_DIR "/samples/heart.pbm", path);
        f.write(QStringLiteral("lang.ini"), "\2");
        f.write(QStringLiteral("recent.ini"), QByteArray::fromStdString(char(path.size()) + path));
        f.window =
            std::make_unique<player::PlayerWindow>(f.puzzle, f.session, f.fakes.platform(), settings.path() + "/");
        f.window->start();
        QCOMPARE(f.session.language, Language::Italian);
        QCOMPARE(f.window->recentAction(0)->text(), QStringLiteral("&1 caf\u00e9"));
        f.window->recentAction(0)->trigger();
        QVERIFY(f.fakes.messages.requests().isEmpty());
        QVERIFY(f.window->hasPuzzle());
        QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("caf\u00e9 - ")));
        QVERIFY(f.window->close());
        QCOMPARE(QFile(settings.filePath(QStringLiteral("lang.ini"))).size(), 1);
        QCOMPARE(QFile(settings.filePath(QStringLiteral("recent.ini"))).size(), qint64(path.size() + 5));
        QCOMPARE(std::filesystem::remove(path), true); // Qt cannot remove it with its folder
    }

    // --- Loading ---

    void loadsPuzzleWithItsSwatches_data()
    {
        QTest::addColumn<bool>("color");
        QTest::newRow("black and white shows three swatches") << false;
        QTest::newRow("colour shows nine swatches") << true;
    }
    void loadsPuzzleWithItsSwatches()
    {
        QFETCH(bool, color);
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle(color ? "flag.ppm" : "smile.pbm", color ? Flag : Smile, color)));
        QVERIFY(f.fakes.messages.requests().isEmpty());
        QCOMPARE(w.chooser().visibleSwatches(), color ? 9 : 3);
        QCOMPARE(w.windowTitle(), QString(color ? "flag" : "smile") + " - Gridwick Puzzler");
        QVERIFY(w.hasPuzzle() && w.cluePanel().isVisible());
        QVERIFY(w.resetButton()->isEnabled() && w.solutionButton()->isEnabled());
        QCOMPARE(f.puzzle.isColor, color);
        // The clue panel fills the area left of the control strip and above the bottom strip.
        QCoreApplication::processEvents();
        QCOMPARE(w.cluePanel().width(), w.controlStrip()->x());
        QCOMPARE(w.cluePanel().height(), w.bottomStrip()->y());
        QVERIFY(!w.playArea()->horizontalScrollBar()->isVisible() && !w.playArea()->verticalScrollBar()->isVisible());
        // Clues derived for the player: the flag's top row is red, the
        // smile's bottom row is one run of 3.
        if (color) {
            QCOMPARE(w.clues().rows[0].color(0), int(Red));
        } else {
            QCOMPARE(w.clues().rows[3].count, 1);
            QCOMPARE(w.clues().rows[3].length(0), 3);
        }
        QVERIFY(!f.fakes.busy.busy());
        QCOMPARE(f.fakes.busy.timesShown(), 1);
    }

    // After a puzzle with a wrong mark and its solution shown, a load that
    // fails leaves no puzzle, no solution window and none of the old marks.
    // The chooser shows nine or three swatches as soon as the file's size is
    // accepted, also when the read fails after that; a file refused before
    // (or at) the size check leaves the previous puzzle's swatches.
    void failedLoadLeavesNoPlayablePuzzle_data()
    {
        QTest::addColumn<bool>("colorBefore");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title"); // empty: the file's path
        QTest::addColumn<int>("swatches");
        const QString tooWide = QStringLiteral("The bitmap's width cannot be more than 50 pixels. This bitmap's width "
                                               "is 51 pixels.");
        const QString opening = QStringLiteral("An error has occured while opening this file.");
        QTest::newRow("51 wide") << false << "P1\n51 3\n" + QByteArray(153 * 2, ' ').replace("  ", "1 ") << tooWide
                                 << "Bitmap too wide" << 3;
        QTest::newRow("colour too wide: refused at the check")
            << false << QByteArray("P3\n51 2\n1\n") << tooWide << "Bitmap too wide" << 3;
        QTest::newRow("not a bitmap") << true << QByteArray("P2\n3 3\n") << "This is not a valid PBM- or PPM-file."
                                      << "" << 9;
        QTest::newRow("colour raster cut short") << false << QByteArray("P3\n2 2\n1\n1 0 0 0") << opening << "" << 9;
        QTest::newRow("black-and-white raster cut short")
            << true << QByteArray("P1\n3 2\n1 0 1\n0") << opening << "" << 3;
    }
    void failedLoadLeavesNoPlayablePuzzle()
    {
        QFETCH(bool, colorBefore);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, swatches);
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(colorBefore ? f.writePuzzle("flag.ppm", Flag, true) : f.writePuzzle("smile.pbm", Smile)));
        w.playField().markCell(MouseButton::Left, 1, 0);
        QTest::mouseClick(w.solutionButton(), Qt::LeftButton);
        QVERIFY(w.solutionWindow().isVisible());

        const QString path = f.write("bad.ppm", bytes);
        f.fakes.messages.answer(Answer::Ok);
        QVERIFY(!w.loadFile(path));
        expectOneMessage(f, text, title.isEmpty() ? path : title, Icon::Critical);
        QCOMPARE(w.chooser().visibleSwatches(), swatches);
        QVERIFY(!w.hasPuzzle() && !w.cluePanel().isVisible() && !w.solutionWindow().isVisible());
        QVERIFY(!w.resetButton()->isEnabled() && !w.solutionButton()->isEnabled() && w.showErrorsButton()->isEnabled());
        for (int i = 0; i < CellCount; ++i) {
            QCOMPARE(int(w.cellStates().marks[std::size_t(i)]), 0);
            if (text.contains("50 pixels")) // refused for its size: a white grid
                QCOMPARE(int(f.puzzle.cells[std::size_t(i)]), int(White));
        }
        f.fakes.messages.answer(Answer::Ok);
        w.showErrors();
        QCOMPARE(f.fakes.messages.texts().last(), QStringLiteral("No errors have been made yet."));
    }

    // A recent file that has vanished since: the open error for its path, the
    // game stays as it is (field, marks, solution window, caption) and the
    // entry leaves the menu (and "recent.ini": editor_window_test). It used
    // to throw the game away without a word and keep the entry.
    void vanishedRecentFileIsReportedAndDropped()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        const QString kept = f.writePuzzle("flag.ppm", Flag, true);
        const QString gone = f.writePuzzle("smile.pbm", Smile);
        QVERIFY(w.loadFile(kept));
        QVERIFY(w.loadFile(gone));
        w.playField().markCell(MouseButton::Left, 1, 0);
        QTest::mouseClick(w.solutionButton(), Qt::LeftButton);
        QVERIFY(QFile::remove(gone));
        f.fakes.messages.answer(Answer::Ok);
        w.recentAction(0)->trigger();
        expectOneMessage(f, "An error has occured while opening this file.", gone, Icon::Critical);
        QVERIFY(w.hasPuzzle() && w.cluePanel().isVisible() && w.solutionWindow().isVisible());
        QVERIFY(w.resetButton()->isEnabled() && w.solutionButton()->isEnabled());
        QCOMPARE(int(w.cellStates().marks[1]), int(Black) + 1);
        QCOMPARE(w.chooser().visibleSwatches(), 3);
        QCOMPARE(w.windowTitle(), QStringLiteral("smile - Gridwick Puzzler"));
        QCOMPARE(w.recentAction(0)->text(), QStringLiteral("&1 flag"));
        QVERIFY(!w.recentAction(1)->isVisible());
    }

    // The platform's keys for Open and Exit, each key one item only; Ctrl+O opens the open dialog.
    void standardShortcuts()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QCOMPARE(w.findChild<QAction*>("openAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(w.findChild<QAction*>("exitAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(platform::testing::repeatedShortcuts(w), QStringList());
        f.fakes.files.answerCancel(platform::testing::DialogKind::Open);
        QTest::keySequence(&w, QKeySequence::Open);
        QCOMPARE(f.fakes.files.requests().size(), 1);
    }

    // --- Show errors ---

    void showErrorsDotsWrongMarksOnField_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("small cells, smallest dot") << QSize(250, 220) << 5;
        QTest::newRow("large cells") << QSize(1200, 900) << 50;
    }
    void showErrorsDotsWrongMarksOnField()
    {
        QFETCH(QSize, windowSize);
        QFETCH(int, dot);
        PlayerFixture f;
        player::PlayerWindow& w = f.start(windowSize);
        QVERIFY(w.loadFile(f.writePuzzle("smile.pbm", Smile)));
        w.playField().markCell(MouseButton::Left, 0, 0); // right, though incomplete: no error
        f.fakes.messages.answer(Answer::Ok);
        QTest::mouseClick(w.showErrorsButton(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.texts(), QStringList {QStringLiteral("No errors have been made yet.")});

        w.playField().markCell(MouseButton::Left, 1, 0);  // black on white: wrong
        w.playField().markCell(MouseButton::Right, 1, 2); // white on white: right
        QTest::mouseClick(w.showErrorsButton(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.requests().size(), 1); // no message when there are errors
        const QImage& field = w.cluePanel().field().picture().image();
        const QPoint wrong = f.cellCentre(1, 0);
        QCOMPARE(field.pixel(wrong), Orange);
        QCOMPARE(dotWidth(field, wrong, false), dot - 2);
        QCOMPARE(dotWidth(field, wrong, true), dot);
        QCOMPARE(field.pixel(f.cellCentre(0, 0)), qRgb(0, 0, 0));
        QCOMPARE(field.pixel(f.cellCentre(1, 2)), qRgb(255, 255, 255));
        // The grid was drawn a shade darker; painting the cell again removes
        // its dot and gives it back its normal outline.
        const PointImage& picture = w.cluePanel().field().picture();
        const double s = w.playFieldState().cellSize;
        const QPointF leftEdge = picture.origin() + QPointF(s, 0.5 * s) * picture.pixelsPerPoint();
        const QPoint edge(int(std::floor(leftEdge.x() + 1e-6)), int(std::floor(leftEdge.y() + 1e-6)));
        QCOMPARE(field.pixel(edge), qRgb(32, 32, 32));
        w.playField().markCell(MouseButton::Right, 1, 0);
        QCOMPARE(field.pixel(wrong), qRgb(255, 255, 255));
        QCOMPARE(field.pixel(edge), qRgb(64, 64, 64));
    }

    // A puzzle with two solutions: the one the maker did not draw, entered by
    // hand, is solved too and has no errors (it used to get 4 and no message).
    void aSecondSolutionIsSolvedWithoutErrors()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle("diagonal.pbm", {"#..", ".#.", "..."})));
        f.fakes.messages.answer(Answer::Ok);
        f.fakes.messages.answer(Answer::Ok);
        const char* other[] = {".#.", "#..", "..."};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                w.playField().markCell(other[y][x] == '#' ? MouseButton::Left : MouseButton::Right, x, y);
        QCOMPARE(f.fakes.messages.texts(), QStringList {QStringLiteral("You have solved the puzzle.")});
        QTest::mouseClick(w.showErrorsButton(), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.texts().last(), QStringLiteral("No errors have been made yet."));
    }

    // --- Undo and redo ---

    void aStrokeIsUndoneAndRedoneAsOneStep()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle("row.pbm", {"#####", ".....", "#...#"})));
        QVERIFY(!w.undoAction()->isEnabled());
        QCOMPARE(w.undoAction()->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(w.redoAction()->shortcuts(), (QList<QKeySequence> {QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                                    QKeySequence(QStringLiteral("Ctrl+Y"))}));
        QWidget* field = &w.cluePanel().field();
        auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, QPointF(p), field->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
            QApplication::sendEvent(field, &event);
        };
        // One drag along the first row, one click, one crossed-off clue.
        send(QEvent::MouseButtonPress, f.cellCentre(0, 0), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, f.cellCentre(4, 0), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, f.cellCentre(4, 0), Qt::LeftButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, f.cellCentre(2, 1), Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, f.cellCentre(2, 1), Qt::RightButton, Qt::NoButton);
        w.playField().closeStroke();
        w.playField().toggleColumnClue(0, 0);
        const QImage crossed = w.cluePanel().picture().image().copy();
        const player::CellStateArray drawn = w.cellStates().marks;
        QCOMPARE(drawn, statesFromRows({"#####", "__.__"}));
        w.undoAction()->trigger(); // the crossed-off clue
        QVERIFY(w.playFieldState().crossed.empty());
        w.undoAction()->trigger(); // the click
        QCOMPARE(w.cellStates().marks, statesFromRows({"#####"}));
        w.undoAction()->trigger(); // the whole drag
        QCOMPARE(w.cellStates().marks, statesFromRows({}));
        QVERIFY(!w.undoAction()->isEnabled());
        for (int i = 0; i < 3; ++i)
            w.redoAction()->trigger();
        QCOMPARE(w.cellStates().marks, drawn);
        QCOMPARE(w.cluePanel().picture().image(), crossed);
        QVERIFY(!w.redoAction()->isEnabled());
        // Reset is one step too.
        QTest::mouseClick(w.resetButton(), Qt::LeftButton);
        QCOMPARE(w.cellStates().marks, statesFromRows({}));
        w.undoAction()->trigger();
        QCOMPARE(w.cellStates().marks, drawn);
        QCOMPARE(w.cluePanel().picture().image(), crossed);
    }

    // --- Keyboard play ---

    void keysMoveTheCursorAndMark()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle("keys.pbm", {"#..", ".#.", "..#"})));
        FieldWidget& field = w.cluePanel().field();
        QCOMPARE(field.focusPolicy(), Qt::StrongFocus);
        QVERIFY(!field.cellFrame()); // hidden until the first key
        const QImage unmarked = field.grab().toImage();
        QTest::keyClick(&field, Qt::Key_Down); // the first arrow already moves
        QCOMPARE(field.cellFrame(), std::optional<QPoint>(QPoint(0, 1)));
        QCOMPARE(w.positionLabel()->text(), QStringLiteral(" 1, 2"));
        QTest::keyClick(&field, Qt::Key_Up);
        QTest::keyClick(&field, Qt::Key_Up); // clamped at the edge
        QTest::keyClick(&field, Qt::Key_Space);
        QCOMPARE(w.cellStates().marks, statesFromRows({"#"}));
        // The frame leaves the mark in sight: the cell's centre is black.
        const QImage framed = field.grab().toImage();
        QCOMPARE(framed.pixelColor(f.cellCentre(0, 0) * framed.devicePixelRatio()), QColor(Qt::black));
        QVERIFY(framed != unmarked);
        QTest::keyClick(&field, Qt::Key_Right);
        QTest::keyClick(&field, Qt::Key_X);
        QTest::keyClick(&field, Qt::Key_Down, Qt::ShiftModifier); // marks both cells it passes
        QTest::keyClick(&field, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(w.cellStates().marks, statesFromRows({"##", "_##"}));
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClick(&field, Qt::Key_Up);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(w.cellStates().marks, statesFromRows({"###", "_#_"}));
        QCOMPARE(w.positionLabel()->text(), QStringLiteral(" 3, 1"));
        // One undo step per key: the Return, then the Backspace.
        w.undoAction()->trigger();
        w.undoAction()->trigger();
        QCOMPARE(w.cellStates().marks, statesFromRows({"##", "_##"}));
        // A click moves the cursor to the cell clicked.
        QTest::mouseClick(&field, Qt::RightButton, {}, f.cellCentre(2, 2));
        QCOMPARE(field.cellFrame(), std::optional<QPoint>(QPoint(2, 2)));
        QTest::keyClick(&field, Qt::Key_Left);
        QCOMPARE(field.cellFrame(), std::optional<QPoint>(QPoint(1, 2)));
    }

    // --- Progress kept ---

    void progressSurvivesAKillAndFollowsTheFileContents()
    {
        PlayerFixture f;
        const QString path = f.writePuzzle("kept.pbm", {"##.", "...", ".#."});
        {
            player::PlayerWindow& w = f.start();
            QVERIFY(w.loadFile(path));
            w.playField().markCell(MouseButton::Left, 0, 0);
            w.playField().toggleRowClue(0, 0);
            // Written within a second, without closing the window.
            QTRY_VERIFY_WITH_TIMEOUT(QDir(w.progressFolder()).entryList(QDir::Files).size() == 1, 1000);
            QVERIFY(!QDir(f.folder.path()).entryList({QStringLiteral("*.progress")}, QDir::Files).size());
            f.window.reset(); // gone without a close event, as when killed
        }
        // A moved copy resumes, with a notice.
        QVERIFY(QFile::copy(path, f.folder.filePath(QStringLiteral("copy.pbm"))));
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.folder.filePath(QStringLiteral("copy.pbm"))));
        QCOMPARE(w.cellStates().marks, statesFromRows({"#"}));
        QCOMPARE(w.playFieldState().crossed.all(), (std::vector<ClueRef> {{true, 0, 0}}));
        QCOMPARE(w.noticeLabel()->text(), QStringLiteral("Your game of this puzzle goes on where you left it."));
        QVERIFY(!w.undoAction()->isEnabled()); // a resumed game starts a fresh history
        // A changed puzzle starts fresh.
        QVERIFY(w.loadFile(f.writePuzzle("changed.pbm", {"##.", "...", "..#"})));
        QCOMPARE(w.cellStates().marks, statesFromRows({}));
        QVERIFY(w.noticeLabel()->text().isEmpty());
        // Reset forgets the progress.
        QVERIFY(w.loadFile(path));
        QCOMPARE(w.cellStates().marks, statesFromRows({"#"}));
        QTest::mouseClick(w.resetButton(), Qt::LeftButton);
        w.saveProgress();
        QVERIFY(QDir(w.progressFolder()).entryList(QDir::Files).isEmpty());
    }

    void aSolvedPuzzleStaysSolvedWhenReopened()
    {
        PlayerFixture f;
        const QString path = f.writePuzzle("solved.pbm", {"#.", ".#"});
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(path));
        f.fakes.messages.answer(Answer::Ok);
        for (const char* stroke : {"L00", "R10", "R01", "L11"})
            w.playField().markCell(stroke[0] == 'L' ? MouseButton::Left : MouseButton::Right, stroke[1] - '0',
                                   stroke[2] - '0');
        QCOMPARE(f.fakes.messages.texts().size(), 1);
        QVERIFY(w.timeLabel()->text().contains(QLatin1Char(':')));
        QVERIFY(w.loadFile(path)); // saves on the way
        QVERIFY(w.playField().solved());
        QVERIFY(w.playFieldState().solvedShown); // no second solved message
        QCOMPARE(f.fakes.messages.texts().size(), 1);
    }

    // --- Hints ---

    // The hint, and Help > Keys listing the keys, in each language.
    void hintShowsALineAndASentenceAndMarksNothing_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("spaceKey");
        QTest::newRow("English") << Language::English
                                 << "Row 1, clue 4: these cells are black in every way the clue fits."
                                 << "Space or Enter";
        QTest::newRow("Dutch") << Language::Dutch
                               << "Rij 1, aanwijzing 4: deze hokjes zijn zwart op elke manier waarop de aanwijzing "
                                  "past."
                               << "Spatie of Enter";
        QTest::newRow("Italian") << Language::Italian
                                 << "Riga 1, indizio 4: ogni casella evidenziata \u00e8 nera in ogni modo in cui "
                                    "l'indizio si adatta."
                                 << "Spazio o Invio";
    }
    void hintShowsALineAndASentenceAndMarksNothing()
    {
        QFETCH(Language, language);
        QFETCH(QString, sentence);
        QFETCH(QString, spaceKey);
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        w.applyLanguage(language);
        QVERIFY(w.loadFile(f.writePuzzle("hint.pbm", {"####.", "####."})));
        QCOMPARE(w.hintAction()->shortcuts(),
                 (QList<QKeySequence> {QKeySequence(QStringLiteral("H")), QKeySequence(QStringLiteral("Ctrl+H"))}));
        const QImage before = w.cluePanel().field().grab().toImage();
        w.hintAction()->trigger();
        QCOMPARE(w.noticeLabel()->text(), sentence);
        QVERIFY(w.cluePanel().field().hintShown());
        QVERIFY(w.cluePanel().field().grab().toImage() != before);
        QCOMPARE(w.cellStates().marks, statesFromRows({})); // nothing marked
        QVERIFY(!w.undoAction()->isEnabled());
        w.playField().markCell(MouseButton::Left, 1, 0); // the next change takes the hint away
        QVERIFY(!w.cluePanel().field().hintShown());
        f.fakes.messages.answer(Answer::Ok);
        w.keysAction()->trigger();
        const QString keys = f.fakes.messages.texts().value(0);
        for (const QString& key : {spaceKey, QStringLiteral("X: "), QStringLiteral("Ctrl+Z"), QStringLiteral("Ctrl+Y")})
            QVERIFY2(keys.contains(key), qPrintable(key));
    }

    // --- Zoom ---

    void zoomAndFitKeepThePlay()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start(QSize(500, 400));
        QVERIFY(w.loadFile(f.writePuzzle("zoom.pbm", {"#.#..", ".##..", ".....", "#####"})));
        const int opened = w.playFieldState().cellSize;
        w.playField().markCell(MouseButton::Left, 0, 0);
        w.playField().markCell(MouseButton::Right, 1, 0);
        w.playField().toggleRowClue(3, 0);
        QTest::keyClick(&w.cluePanel().field(), Qt::Key_Down);
        const player::CellStateArray marks = w.cellStates().marks;
        auto crossedGrey = [&] {
            const QRect cell = w.playField().rowClueCell(3, 0);
            return w.cluePanel().picture().image().pixel(cell.topLeft() + QPoint(1, 1)) == qRgb(128, 128, 128);
        };
        QVERIFY(crossedGrey());
        auto keptPlay = [&] {
            QCOMPARE(w.cellStates().marks, marks);
            QVERIFY(crossedGrey());
            QCOMPARE(w.cluePanel().field().cellFrame(), std::optional<QPoint>(QPoint(0, 1)));
            const QImage& field = w.cluePanel().field().picture().image();
            QCOMPARE(field.pixel(f.cellCentre(0, 0) * field.devicePixelRatio()), qRgb(0, 0, 0));
        };
        QCOMPARE(w.zoomInAction()->shortcuts(), (QList<QKeySequence> {QKeySequence(QStringLiteral("Ctrl++")),
                                                                      QKeySequence(QStringLiteral("Ctrl+="))}));
        QCOMPARE(w.fitAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
        w.zoomInAction()->trigger();
        QVERIFY(w.playFieldState().cellSize > opened);
        keptPlay();
        w.zoomOutAction()->trigger();
        w.zoomOutAction()->trigger();
        QVERIFY(w.playFieldState().cellSize < opened);
        keptPlay();
        // A plain resize changes nothing; Ctrl+0 then fits the larger area.
        w.resize(1000, 800);
        QCoreApplication::processEvents();
        const int beforeFit = w.playFieldState().cellSize;
        w.fitAction()->trigger();
        QVERIFY(w.playFieldState().cellSize > std::max(opened, beforeFit));
        keptPlay();
        w.undoAction()->trigger(); // the history stays as well: the one step of both marks and the clue
        QCOMPARE(w.cellStates().marks, statesFromRows({}));
        QVERIFY(!crossedGrey());
    }

    // --- Automatic cross-off ---

    void finishedLinesAreCrossedOffWhenChosen()
    {
        PlayerFixture f;
        {
            player::PlayerWindow& w = f.start();
            QVERIFY(!w.crossOffAction()->isChecked()); // off at first
            QVERIFY(w.loadFile(f.writePuzzle("auto.pbm", {"#.#", "..."})));
            w.playField().markCell(MouseButton::Left, 0, 0);
            w.playField().markCell(MouseButton::Right, 1, 0);
            w.playField().closeStroke();
            QVERIFY(w.playFieldState().crossed.empty());
            w.crossOffAction()->trigger();
            w.playField().markCell(MouseButton::Left, 2, 0); // row 0 is done: "1 1"
            QCOMPARE(w.playFieldState().crossed.all(), (std::vector<ClueRef> {{true, 0, 0}, {true, 0, 1}}));
            w.undoAction()->trigger(); // the mark and its cross-off are one step
            QVERIFY(w.playFieldState().crossed.empty());
        }
        f.window.reset();
        player::PlayerWindow& w = f.start(); // remembered
        QVERIFY(w.crossOffAction()->isChecked());
        QVERIFY(w.playField().autoCrossOff());
    }

    // --- The solution window ---

    void solutionDotsFollowMarksAndCheckBoxes_data()
    {
        QTest::addColumn<QString>("marks");
        QTest::addColumn<bool>("showErrors");
        QTest::addColumn<bool>("showMissing");
        // Centre of each cell: 'O' orange dot, 'L' light grey dot, or the
        // solution colour ('#', '.', 'R').
        QTest::addColumn<QString>("centres");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("dot"); // half the cell, halves to even, at least 5 pixels
        QTest::newRow("nothing marked, both boxes") << "___" << true << true << "LLL" << 10 << 5;
        QTest::newRow("nothing marked, uncompleted cleared") << "___" << true << false << "#.R" << 12 << 6;
        QTest::newRow("wrong marks, both boxes, 5.5 to even") << ".#_" << true << true << "OOL" << 11 << 6;
        QTest::newRow("wrong marks, errors cleared, 5-pixel minimum") << ".#_" << false << true << "#.L" << 6 << 5;
        QTest::newRow("right but incomplete") << "#._" << true << true << "#.L" << 30 << 15;
        QTest::newRow("colour on white, white on red, 6.5 to even") << "_R." << true << true << "LOO" << 13 << 6;
        QTest::newRow("solved, both boxes") << "#.R" << true << true << "#.R" << 12 << 6;
        QTest::newRow("solved, no boxes") << "#.R" << false << false << "#.R" << 12 << 6;
    }
    void solutionDotsFollowMarksAndCheckBoxes()
    {
        QFETCH(QString, marks);
        QFETCH(bool, showErrors);
        QFETCH(bool, showMissing);
        QFETCH(QString, centres);
        QFETCH(int, cellSize);
        QFETCH(int, dot);
        const Puzzle puzzle = puzzleFromRows({"#.R"}, true);
        const player::CellStateArray states = statesFromRows({marks.toStdString()});
        const Session englishSession;
        player::SolutionWindow solutionWindow(puzzle, englishSession, states, 1.0);
        solutionWindow.showErrorsCheck()->setChecked(showErrors);
        solutionWindow.showMissingCheck()->setChecked(showMissing);
        solutionWindow.showSolution(cellSize);
        const QImage& picture = solutionWindow.picture();
        QCOMPARE(picture.size(), QSize(3 * cellSize + 3, cellSize + 3));
        const QHash<QChar, QRgb> colors {{u'O', Orange},
                                         {u'L', LightGrey},
                                         {u'#', qRgb(0, 0, 0)},
                                         {u'.', qRgb(255, 255, 255)},
                                         {u'R', qRgb(255, 0, 0)}};
        for (int x = 0; x < 3; ++x) {
            const QPoint centre = centreOf(x, 0, cellSize);
            QCOMPARE(picture.pixel(centre), colors[centres[x]]);
            if (centres[x] == u'O' || centres[x] == u'L') {
                QCOMPARE(dotWidth(picture, centre, false), dot - 2);
                QCOMPARE(dotWidth(picture, centre, true), dot);
            }
        }
        // The dark grey background shows beyond the field.
        QCOMPARE(picture.pixel(picture.width() - 1, picture.height() - 1), qRgb(64, 64, 64));
    }

    // After a language switch the check boxes are as wide as their new
    // captions ("Mostra gli er" was cut) and the window fits them.
    void solutionWindowFollowsALanguageSwitch_data()
    {
        QTest::addColumn<Language>("from");
        QTest::addColumn<Language>("to");
        QTest::addColumn<QString>("missingCaption");
        QTest::newRow("English to Italian") << Language::English << Language::Italian << "Mostra celle &non completate";
        QTest::newRow("Italian to English") << Language::Italian << Language::English << "Show &uncompleted";
    }
    void solutionWindowFollowsALanguageSwitch()
    {
        QFETCH(Language, from);
        QFETCH(Language, to);
        QFETCH(QString, missingCaption);
        PlayerFixture f;
        f.write("lang.ini", QByteArray(1, char(languageByte(from))));
        player::PlayerWindow& w = f.start(QSize(300, 260));
        QVERIFY(w.loadFile(f.writePuzzle("flag.ppm", Flag, true)));
        w.giveSolution();
        player::SolutionWindow& solution = w.solutionWindow();
        w.languageAction(to)->trigger();
        QCOMPARE(solution.showMissingCheck()->text(), missingCaption);
        for (QWidget* box :
             {static_cast<QWidget*>(solution.showErrorsCheck()), static_cast<QWidget*>(solution.showMissingCheck())}) {
            QCOMPARE(box->width(), box->sizeHint().width());
            QVERIFY(box->geometry().right() < solution.width());
        }
        QVERIFY(solution.okButton()->x() > solution.showErrorsCheck()->geometry().right());
        QVERIFY(solution.okButton()->geometry().right() < solution.width());
    }

    void giveSolutionShowsSnapshotOfTheMarksUntilClosing()
    {
        PlayerFixture f;
        player::PlayerWindow& w = f.start();
        QVERIFY(w.loadFile(f.writePuzzle("flag.ppm", Flag, true)));
        w.playField().markCell(MouseButton::Left, 0, 0); // black on red: wrong
        QTest::mouseClick(w.solutionButton(), Qt::LeftButton);
        player::SolutionWindow& solutionWindow = w.solutionWindow();
        QVERIFY(solutionWindow.isVisible());
        QCOMPARE(solutionWindow.windowTitle(), QStringLiteral("flag - the solution"));
        QCOMPARE(solutionWindow.cellSize(), int(w.playFieldState().cellSize));
        const double k = solutionWindow.cellSize() * solutionWindow.logicalDpiX() / 72.0;
        auto centre = [&](int x, int y) { return QPointF((x + 0.5) * k, (y + 0.5) * k).toPoint(); };
        QCOMPARE(solutionWindow.picture().pixel(centre(0, 0)), Orange);
        QCOMPARE(solutionWindow.picture().pixel(centre(1, 0)), LightGrey);
        // New marks show only with the next redraw, which a click on a check
        // box makes at once.
        w.playField().markCell(MouseButton::Left, 1, 0);
        QCOMPARE(solutionWindow.picture().pixel(centre(1, 0)), LightGrey);
        QTest::mouseClick(solutionWindow.showMissingCheck(), Qt::LeftButton);
        QCOMPARE(solutionWindow.picture().pixel(centre(2, 0)), qRgb(255, 0, 0));
        QCOMPARE(solutionWindow.picture().pixel(centre(1, 0)), Orange);
        // Looking at the solution does not spoil the solved message.
        QVERIFY(!w.playFieldState().solvedShown && w.hasPuzzle());
        // Closing it or OK only hides it; loading another puzzle hides it too,
        // and its check boxes keep their values.
        QVERIFY(!solutionWindow.close() && !solutionWindow.isVisible());
        w.giveSolution();
        QTest::mouseClick(solutionWindow.okButton(), Qt::LeftButton);
        QVERIFY(!solutionWindow.isVisible());
        w.giveSolution();
        QVERIFY(w.loadFile(f.writePuzzle("smile.pbm", Smile)));
        QVERIFY(!solutionWindow.isVisible());
        QVERIFY(!solutionWindow.showMissingCheck()->isChecked());
        // It closes for good with the main window.
        w.giveSolution();
        QVERIFY(w.close());
        QVERIFY(!solutionWindow.isVisible() && solutionWindow.close()); // it no longer refuses
    }
};

QTEST_MAIN(PlayerTest)
#include "player_test.moc"
