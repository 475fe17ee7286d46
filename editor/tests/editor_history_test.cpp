// Undo and redo in the main window (strokes, size, Fit Size, negative,
// shifts; the saved state; fresh histories; the limit), the menus' access
// keys, and the clue files through the File menu.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/Palette.h"
#include "editor/EditCommands.h"
#include "editor/GridView.h"
#include "editor/MakerDocument.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

// Every cell of the 50 x 50 grid and the size, to compare whole states.
struct State {
    std::array<std::uint8_t, CellCount> cells;
    int width, height;
    bool operator==(const State& o) const { return cells == o.cells && width == o.width && height == o.height; }
};
State stateOf(const Puzzle& p) { return {p.cells, p.width, p.height}; }

QPoint cellCenter(int x, int y) { return QPoint(x * 16 + 8, y * 16 + 8); }

// The access keys of the visible items, upper case, in order.
QString accessKeys(const QList<QAction*>& actions)
{
    QString keys;
    for (const QAction* action : actions) {
        const QString text = action->text();
        const auto at = text.indexOf(QLatin1Char('&'));
        if (action->isVisible() && !action->isSeparator() && at >= 0 && at + 1 < text.size())
            keys += text.at(at + 1).toUpper();
    }
    return keys;
}

bool eachOnce(const QString& keys)
{
    return std::all_of(keys.begin(), keys.end(), [&keys](QChar key) { return keys.count(key) == 1; });
}

} // namespace

class EditorHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void aWholeStrokeIsOneStep()
    {
        Maker maker;
        maker.makeZoom16();
        QAction* undo = maker.action("undoAction");
        QAction* redo = maker.action("redoAction");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        GridView& grid = maker.window->grid();
        QTest::mousePress(&grid, Qt::LeftButton, {}, cellCenter(1, 1));
        for (int x = 2; x <= 4; ++x)
            QTest::mouseMove(&grid, cellCenter(x, 1));
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, cellCenter(4, 1));
        QTest::mouseClick(&grid, Qt::RightButton, {}, cellCenter(2, 1)); // a second stroke
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 2)), QStringList({"......", ".#.##."}));
        QCOMPARE(maker.window->document().history().count(), 2);

        undo->trigger();
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 2)), QStringList({"......", ".####."}));
        undo->trigger();
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 2)), QStringList({"......", "......"}));
        QCOMPARE(maker.window->statusText(), QStringLiteral("Undone: Drawing"));
        QVERIFY(!maker.puzzle.changed); // back at the state the puzzle started in
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QCOMPARE(grid.colorAt(cellCenter(3, 1)), QColor(Qt::white));
        QCOMPARE(maker.window->preview().picture().pixelColor(3, 1), QColor(Qt::white));

        redo->trigger();
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 2)), QStringList({"......", ".####."}));
        QCOMPARE(maker.window->statusText(), QStringLiteral("Redone: Drawing"));
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(grid.colorAt(cellCenter(3, 1)), QColor(Qt::black));
        QCOMPARE(maker.window->preview().picture().pixelColor(3, 1), QColor(Qt::black));
    }

    // Each picture command of the Edit menu and the size dialog's Apply
    // (their cell-by-cell effects: core's picture_edits_test) redraws the
    // grid and the preview, and is one step that undoes and redoes exactly,
    // cells beyond the size included.
    void everyEditUndoesAndRedoesExactly_data()
    {
        QTest::addColumn<QString>("item"); // a menu item, or "size" for the size dialog's Apply
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("step"); // as Undo names it
        const QString dragged = QStringLiteral("The picture has been dragged ");
        QTest::newRow("size, the status kept")
            << "size" << QStringList {"R.", ".#", "G.", "..", ".."} << Welcome << "Change Size";
        QTest::newRow("fit") << "fitSizeAction" << QStringList {"R..#....", ".#.B....", "G..Y....", "........",
                                                                "........", "........", ".......M"}
                             << "The size has been fitted to the picture."
                             << "Fit Size";
        QTest::newRow("negative") << "makeNegativeAction" << QStringList {"A##.", "#.#Y", "M##B"}
                                  << "The picture has been made negative."
                                  << "Make Negative";
        QTest::newRow("left") << "dragLeftAction" << QStringList {"..#.", "#.B.", "..Y."} << dragged + "to the left."
                              << "Drag Left";
        QTest::newRow("right") << "dragRightAction" << QStringList {".R..", "..#.", ".G.."} << dragged + "to the right."
                               << "Drag Right";
        QTest::newRow("up") << "dragUpAction" << QStringList {".#.B", "G..Y", "...."} << dragged + "up."
                            << "Drag Up";
        QTest::newRow("down") << "dragDownAction" << QStringList {"....", "R..#", ".#.B"} << dragged + "down."
                              << "Drag Down";
    }
    void everyEditUndoesAndRedoesExactly()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, after);
        QFETCH(QString, status);
        QFETCH(QString, step);
        Maker maker;
        // Content on every edge, and beyond the size (Fit Size sees it).
        drawGrid(maker.puzzle, {"R..#", ".#.B", "G..Y"});
        maker.puzzle.cell(7, 6) = Magenta;
        maker.window->layoutWindow();
        const State before = stateOf(maker.puzzle);
        if (item == "size")
            maker.window->applySize(2, 5);
        else
            maker.action(item.toLatin1().constData())->trigger();
        QCOMPARE(gridRows(maker.puzzle), after);
        QCOMPARE(maker.window->statusText(), status);
        QVERIFY(maker.puzzle.changed);
        const double z = maker.window->gridZoom();
        for (int y = 0; y < maker.puzzle.height; ++y)
            for (int x = 0; x < maker.puzzle.width; ++x) {
                const QColor want = shownColor(maker.puzzle.cell(x, y));
                QCOMPARE(maker.window->grid().colorAt(QPoint(int((x + 0.5) * z), int((y + 0.5) * z))), want);
                QCOMPARE(maker.window->preview().picture().pixelColor(x, y), want);
            }
        const State changed = stateOf(maker.puzzle);
        maker.action("undoAction")->trigger();
        QVERIFY(stateOf(maker.puzzle) == before);
        QCOMPARE(maker.window->statusText(), "Undone: " + step);
        QCOMPARE(maker.window->preview().size(), QSize(4, 3));
        maker.action("redoAction")->trigger();
        QVERIFY(stateOf(maker.puzzle) == changed);
        QCOMPARE(maker.window->preview().size(), QSize(changed.width, changed.height));
        maker.window->sizeDialog().hide();
    }

    // The document alone: steps as letters, d draws a cell, e ends the
    // stroke, p pushes Make Negative, u undoes, r redoes, s saves, h starts a
    // fresh history. modifiedChanged is sent only when the state turns.
    void theDocumentIsTheOneSourceOfChanged_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("signals");
        QTest::addColumn<int>("stepsKept");
        QTest::newRow("a stroke's first cell") << "d" << true << 1 << 0;
        QTest::newRow("a stroke is one step") << "dde" << true << 1 << 1;
        QTest::newRow("undo ends the stroke first") << "du" << false << 2 << 1;
        QTest::newRow("nothing to undo") << "u" << false << 0 << 0;
        QTest::newRow("redo") << "deur" << true << 3 << 1;
        QTest::newRow("undo and redo around the save") << "psur" << false << 4 << 1;
        QTest::newRow("a step after undoing past the save") << "psupu" << true << 3 << 1;
        QTest::newRow("a fresh history drops the stroke") << "dh" << false << 2 << 0;
    }
    void theDocumentIsTheOneSourceOfChanged()
    {
        QFETCH(QString, steps);
        Puzzle puzzle;
        gw::newPuzzle(puzzle, 3, 2, false, Language::English);
        MakerDocument document(puzzle);
        int sent = 0;
        connect(&document, &MakerDocument::modifiedChanged, this, [&](bool modified) {
            ++sent;
            QCOMPARE(modified, document.isModified());
        });
        int x = 0;
        for (const QChar step : steps) {
            switch (step.toLatin1()) {
            case 'd':
                document.drawCell(x++, 0, Black);
                break;
            case 'e':
                document.endStroke();
                break;
            case 'p':
                document.push(new NegativeCommand(puzzle));
                break;
            case 'u':
                document.undo();
                break;
            case 'r':
                document.redo();
                break;
            case 's':
                document.markSaved();
                break;
            case 'h':
                document.startHistory();
                break;
            }
        }
        QTEST(document.isModified(), "modified");
        QTEST(puzzle.changed, "modified");
        QTEST(sent, "signals");
        QTEST(document.history().count(), "stepsKept");
    }

    void undoingToTheSavedStateMakesThePuzzleUnchanged()
    {
        Maker maker;
        maker.window->drawCell(1, 0, 0);
        maker.window->document().endStroke();
        QVERIFY(maker.window->saveTo(maker.path("a.pbm")));
        maker.action("dragRightAction")->trigger();
        maker.action("makeNegativeAction")->trigger();
        QVERIFY(maker.puzzle.changed);
        maker.action("undoAction")->trigger();
        QVERIFY(maker.puzzle.changed);
        maker.action("undoAction")->trigger();
        QVERIFY(!maker.puzzle.changed);
        QVERIFY(maker.window->askSaveFirst()); // no question: nothing to lose
        QCOMPARE(maker.fake.messages.requests().size(), 0);
        maker.action("undoAction")->trigger(); // before the save
        QVERIFY(maker.puzzle.changed);
        maker.action("redoAction")->trigger();
        QVERIFY(!maker.puzzle.changed);
    }

    void newOpenAndImportsStartAFreshHistory()
    {
        Maker maker;
        const auto edit = [&] {
            maker.action("makeNegativeAction")->trigger();
            QVERIFY(maker.window->document().history().canUndo());
        };
        edit();
        maker.window->newPuzzle(5, 5, false);
        QVERIFY(!maker.window->document().history().canUndo());
        QVERIFY(!maker.action("undoAction")->isEnabled());
        maker.window->saveTo(maker.path("b.pbm"));
        edit();
        maker.window->loadFile(maker.path("b.pbm"));
        QVERIFY(!maker.window->document().history().canUndo());
        maker.window->exportCluesTo(maker.path("b.non"), ClueFormat::Non);
        edit();
        // A clue file that cannot be read changes nothing, its history included.
        maker.fake.messages.answer(Answer::Ok);
        maker.window->importCluesFile(maker.writeFile("bad.non", "width 3\n"));
        QTRY_VERIFY(!maker.window->importingClues());
        QVERIFY(maker.window->document().history().canUndo() && maker.puzzle.changed);
        maker.window->importCluesFile(maker.path("b.non"));
        QTRY_VERIFY(!maker.window->importingClues());
        QVERIFY(!maker.window->document().history().canUndo());
        QVERIFY(!maker.puzzle.changed);
    }

    void theHistoryKeepsAThousandSteps()
    {
        Maker maker;
        maker.window->newPuzzle(2, 2, false);
        for (int i = 0; i < 1001; ++i)
            maker.window->negativeCommand();
        int undone = 0;
        while (maker.action("undoAction")->isEnabled() && undone < 2000) {
            maker.action("undoAction")->trigger();
            ++undone;
        }
        QCOMPARE(undone, 1000);
    }

    void itemsInThreeLanguages_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("texts"); // undo, redo, import clues, export clues
        QTest::newRow("English") << Language::English
                                 << QStringList {"&Undo", "&Redo", "Import &Clues", "&Export Clues"};
        QTest::newRow("Dutch") << Language::Dutch
                               << QStringList {"&Ongedaan Maken", "Opn&ieuw", "Aan&wijzingen Importeren",
                                               "Aanwijzingen &Exporteren"};
        QTest::newRow("Italian") << Language::Italian
                                 << QStringList {"Ann&ulla", "&Ripeti", "Importa gli in&dizi", "Esporta gli indi&zi"};
    }
    void itemsInThreeLanguages()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, texts);
        Maker maker;
        maker.window->applyLanguage(language);
        const char* const names[] = {"undoAction", "redoAction", "importCluesAction", "exportCluesAction"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(maker.action(names[i])->text(), texts[i]);
        QCOMPARE(maker.action("undoAction")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
        QCOMPARE(maker.action("redoAction")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Redo));
        // Each access key once in the menu bar and in the menus of the newer
        // items. The Drag submenu is left out: its Dutch items share an L as
        // they always did.
        QMenuBar& bar = *maker.window->menuBar();
        QVERIFY2(eachOnce(accessKeys(bar.actions())), qPrintable(accessKeys(bar.actions())));
        for (const char* name : {"editMenu", "viewMenu", "toolMenu"}) {
            const QMenu* menu = maker.window->findChild<QMenu*>(name);
            QVERIFY2(eachOnce(accessKeys(menu->actions())),
                     qPrintable(menu->title() + ": " + accessKeys(menu->actions())));
        }
    }

    // Regression: with the XML entry chosen, "rose.non" got XML, and the
    // dialog was titled "Save As".
    void exportClueFilesByTheTypedExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filterIndex"); // 0 XML, 1 .non
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        const QByteArray xml("<?xml"), non("width 2\nheight 2\n\nrows\n1\n2\n");
        QTest::newRow(".non typed, XML chosen") << "rose.non" << 0 << "rose.non" << non;
        QTest::newRow(".xml typed, .non chosen") << "rose.xml" << 1 << "rose.xml" << xml;
        QTest::newRow("capitals") << "ROSE.NON" << 0 << "ROSE.NON" << non;
        QTest::newRow("no extension, XML chosen") << "rose" << 0 << "rose.xml" << xml;
        QTest::newRow("no extension, .non chosen") << "rose" << 1 << "rose.non" << non;
        QTest::newRow("another extension gets the chosen one") << "rose.txt" << 1 << "rose.txt.non" << non;
    }
    void exportClueFilesByTheTypedExtension()
    {
        QFETCH(QString, typed);
        QFETCH(int, filterIndex);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        Maker maker(1);
        drawGrid(maker.puzzle, {"#.", "##"});
        maker.fake.files.answerSave(maker.path(typed), filterIndex);
        maker.action("exportCluesAction")->trigger();
        const auto& request = maker.fake.files.requests().front().request;
        QCOMPARE(request.title, QStringLiteral("Aanwijzingen Exporteren"));
        QCOMPARE(request.filter.section(QLatin1Char('|'), 2, 2),
                 QStringLiteral("Nonogramtekst, alleen zwartwit (*.non)"));
        QVERIFY2(readAll(maker.path(written)).startsWith(start), qPrintable(readAll(maker.path(written))));
        QCOMPARE(QDir(maker.folder.path()).entryList({QStringLiteral("*ose*")}, QDir::Files), QStringList {written});
        QCOMPARE(maker.window->statusText(), "Het bestand " + maker.path(written) + " is opgeslagen.");
    }

    void exportAsksBeforeOverwritingAndSaysWhyItFailed()
    {
        Maker maker;
        drawGrid(maker.puzzle, {"#.", "##"});
        maker.fake.files.answerSave(maker.path("p.non"), 1);
        maker.action("exportCluesAction")->trigger();
        QCOMPARE(readAll(maker.path("p.non")), QByteArray("width 2\nheight 2\n\nrows\n1\n2\n\ncolumns\n2\n1\n\n"
                                                          "goal \"1011\"\n"));
        // An existing file: No asks again, Yes overwrites.
        maker.fake.files.answerSave(maker.path("p.xml"), 1);
        maker.fake.files.answerSave(maker.path("p.xml"), 1);
        maker.writeFile("p.xml", "old");
        maker.fake.messages.answer(Answer::No);
        maker.fake.messages.answer(Answer::Yes);
        maker.action("exportCluesAction")->trigger();
        QVERIFY(readAll(maker.path("p.xml")).startsWith("<?xml"));
        // A file that cannot be written: the message and the system's reason.
        const QString unwritable = maker.path("no-such-folder/p.xml");
        maker.fake.files.answerSave(unwritable, 0);
        maker.fake.messages.answer(Answer::Ok);
        maker.action("exportCluesAction")->trigger();
        QCOMPARE(maker.message(-1), "critical Ok | " + unwritable + " | An error has occured while saving this file.\n"
                                        + QString::fromLocal8Bit(std::strerror(ENOENT)));
        // Colour cannot go to .non.
        maker.puzzle.cell(0, 0) = Red;
        maker.fake.files.answerSave(maker.path("c.non"), 0);
        maker.fake.messages.answer(Answer::Ok);
        maker.action("exportCluesAction")->trigger();
        QCOMPARE(maker.message(-1), "exclamation Ok | Export Clues | A .non file holds black-and-white puzzles only. "
                                    "Export this color puzzle as webpbn XML.");
        QVERIFY(!QFile::exists(maker.path("c.non")));
        QVERIFY(!maker.puzzle.changed);
    }

    void importClueFileShowsThePicture()
    {
        Maker maker;
        const QString file = maker.writeFile(
            "duck.xml", "<puzzleset><puzzle><title>Duck</title><color name=\"orange\" char=\"o\">f80</color>"
                        "<clues type=\"rows\"><line><count color=\"orange\">2</count></line></clues>"
                        "<clues type=\"columns\"><line><count color=\"orange\">1</count></line>"
                        "<line><count color=\"orange\">1</count></line></clues></puzzle></puzzleset>");
        maker.fake.files.answerOpen(file);
        maker.fake.messages.answer(Answer::Ok);
        maker.action("importCluesAction")->trigger();
        QTRY_VERIFY(!maker.window->importingClues());
        QCOMPARE(maker.message(-1), "information Ok | " + file
                                        + " | Not every color of this clue file is in the palette. Each was replaced "
                                          "by a palette color of its own, the nearest one still free:\n"
                                          "orange (#FF8800) \u2192 yellow");
        QCOMPARE(gridRows(maker.puzzle), QStringList {"YY"});
        QCOMPARE(maker.puzzle.title, "Duck");
        QCOMPARE(maker.window->windowTitle(), QStringLiteral("duck - Gridwick Puzzle Maker"));
        QCOMPARE(maker.window->statusText(), "The file " + file + " has been opened.");
        QCOMPARE(maker.window->grid().colorAt(cellCenter(1, 0) * maker.window->gridZoom() / 16), QColor(Qt::yellow));
        QCOMPARE(maker.puzzle.fileName, std::string(NoFileName));
    }

    // Regression: the import ran on the window's thread, which did not
    // repaint for as long as a large file took. It runs beside it now, shows
    // a progress box, and Cancel leaves everything as it was.
    void clueImportRunsBesideTheWindowAndCanBeCancelled()
    {
        Maker maker;
        maker.window->newPuzzle(3, 3, false);
        maker.action("makeNegativeAction")->trigger();
        const gw::Puzzle before = maker.puzzle;
        std::string rows;
        for (int i = 0; i < 50; ++i)
            rows += "1\n";
        const QString file = maker.writeFile(
            "wide.non", QByteArray::fromStdString("width 50\nheight 50\nrows\n" + rows + "columns\n" + rows));
        maker.window->importCluesFile(file);
        QVERIFY(maker.window->importingClues());
        auto* progress = maker.window->findChild<QProgressDialog*>(QStringLiteral("clueImportProgress"));
        QVERIFY(progress != nullptr && progress->isVisible());
        QCOMPARE(progress->labelText(), "Reading the clue file and solving its clues\u2026");
        maker.window->importCluesFile(file); // refused while one runs
        progress->findChild<QPushButton*>()->click();
        QTRY_VERIFY(!maker.window->importingClues());
        QVERIFY(maker.fake.messages.texts().isEmpty());
        QCOMPARE(gridRows(maker.puzzle), gridRows(before));
        QVERIFY(maker.window->document().history().canUndo() && maker.puzzle.changed);
        QTRY_VERIFY(maker.window->findChild<QProgressDialog*>(QStringLiteral("clueImportProgress")) == nullptr);
    }
};

QTEST_MAIN(EditorHistoryTest)
#include "editor_history_test.moc"
