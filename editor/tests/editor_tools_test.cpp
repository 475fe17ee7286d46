// The maker's drawing aids: the line, rectangle and fill tools, View > Guide
// Lines, the access keys of the menus they live in, and the folders the file
// dialogs start in.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUndoStack>
#include <algorithm>

#include "core/MakerSettings.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/MakerDocument.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

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

class EditorToolsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // ---- drawing tools -------------------------------------------------------------
    // Chosen by key; pressed on `from`, dragged over `via` to `to`: the shape
    // follows the pointer (nothing stays of it at `via`), the status line
    // shows its size while dragging, and the stroke is one undo step.
    void toolDrawsItsShape_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("via");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("drawn");
        QTest::addColumn<QString>("status");
        const QStringList white12 = QStringList(6, QString(12, '.'));
        QTest::newRow("line from 1,1 to 10,4")
            << QKeySequence(Qt::Key_L) << int(DrawingTool::Line) << 1 << white12 << QPoint(1, 1) << QPoint(3, 5)
            << QPoint(10, 4) << QStringList {"............", ".##.........", "...###......",
                                             "......###...", ".........##.", "............"}
            << QString::fromUtf8("Size: 10 \u00d7 4");
        QTest::newRow("outline, right button white on black")
            << QKeySequence(Qt::Key_R) << int(DrawingTool::Rectangle) << 2 << QStringList(5, QString(7, '#'))
            << QPoint(1, 1) << QPoint(6, 4) << QPoint(5, 3)
            << QStringList {"#######", "#.....#", "#.###.#", "#.....#", "#######"}
            << QString::fromUtf8("Size: 5 \u00d7 3");
        QTest::newRow("filled, corners the other way round")
            << QKeySequence(Qt::SHIFT | Qt::Key_R) << int(DrawingTool::FilledRectangle) << 1
            << QStringList(5, QString(7, '.')) << QPoint(5, 3) << QPoint(0, 0) << QPoint(1, 1)
            << QStringList {".......", ".#####.", ".#####.", ".#####.", "......."}
            << QString::fromUtf8("Size: 5 \u00d7 3");
        QTest::newRow("fill stops at other colours; a drag fills no more")
            << QKeySequence(Qt::Key_B) << int(DrawingTool::Fill) << 1
            << QStringList {"..#...", "..#...", "###...", "......"} << QPoint(0, 0) << QPoint(4, 0) << QPoint(4, 3)
            << QStringList {"###...", "###...", "###...", "......"} << QStringLiteral("The area is now black.");
    }
    void toolDrawsItsShape()
    {
        QFETCH(QKeySequence, key);
        QFETCH(int, tool);
        QFETCH(int, button);
        QFETCH(QStringList, start);
        QFETCH(QPoint, from);
        QFETCH(QPoint, via);
        QFETCH(QPoint, to);
        QFETCH(QStringList, drawn);
        QFETCH(QString, status);
        Maker maker;
        maker.makeZoom16();
        drawGrid(maker.puzzle, start);
        maker.window->layoutWindow();
        QTest::keySequence(maker.window.get(), key);
        QCOMPARE(int(maker.window->tool()), tool);
        QVERIFY(maker.action("freehandToolAction")->isChecked() == (tool == int(DrawingTool::Freehand)));
        GridView& grid = maker.window->grid();
        const double zoom = grid.zoom();
        auto centre = [zoom](QPoint cell) {
            return QPointF((cell.x() + 0.5) * zoom, (cell.y() + 0.5) * zoom).toPoint();
        };
        const Qt::MouseButton pressed = button == 1 ? Qt::LeftButton : Qt::RightButton;
        QTest::mousePress(&grid, pressed, {}, centre(from));
        QTest::mouseMove(&grid, centre(via));
        QTest::mouseMove(&grid, centre(to));
        QCOMPARE(maker.window->statusText(), status);
        QTest::mouseRelease(&grid, pressed, {}, centre(to));
        QCOMPARE(gridRows(maker.puzzle), drawn);
        QCOMPARE(grid.colorAt(centre(to)), shownColor(maker.puzzle.cell(to.x(), to.y())));
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.window->document().history().count(), 1);
        maker.window->undoCommand();
        QCOMPARE(gridRows(maker.puzzle), start);
        QVERIFY(!maker.puzzle.changed);
    }

    // A shape dragged back onto cells that already had its colour changes
    // nothing and leaves no step; another button during the drag is ignored.
    void shapeThatChangesNothingLeavesNoStep()
    {
        Maker maker;
        maker.makeZoom16();
        maker.window->setTool(DrawingTool::Line);
        maker.window->drawCell(1, 0, 0); // a freehand-style cell press is still possible from code
        maker.window->document().endStroke();
        QCOMPARE(maker.puzzle.cell(0, 0), Black);
        maker.window->document().markSaved();
        maker.window->useTool(1, 0, 0); // the press
        maker.window->useTool(1, 3, 0);
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 1)), QStringList {"####.."});
        maker.window->useTool(2, 5, 5); // the right button while the left one draws
        maker.window->useTool(1, 0, 0);
        maker.window->endShape();
        QCOMPARE(maker.window->document().history().count(), 1);
        QVERIFY(!maker.puzzle.changed);
        QCOMPARE(gridRows(maker.puzzle, QSize(6, 1)), QStringList {"#....."});
    }

    // ---- guide lines ----------------------------------------------------------------
    // Off at first; on, every fifth line is three pixels wide; remembered in
    // "maker.ini" for the next start.
    void guideLinesEveryFiveCellsAndRemembered()
    {
        Maker maker;
        maker.makeZoom16();
        GridView& grid = maker.window->grid();
        QAction* guides = maker.action("guideLinesAction");
        const int line = cellEdges(5, grid.zoom()).first;
        const QPoint besideLine(line - 1, 8);
        const QPoint besideOtherLine(cellEdges(4, grid.zoom()).first - 1, 8);
        QVERIFY(!guides->isChecked());
        QCOMPARE(grid.colorAt(besideLine), QColor(Qt::white));
        guides->trigger();
        QCOMPARE(grid.colorAt(besideLine), QColor(Qt::black));
        QCOMPARE(grid.colorAt(QPoint(8, line + 1)), QColor(Qt::black)); // the row line too
        QCOMPARE(grid.colorAt(besideOtherLine), QColor(Qt::white));
        maker.window->drawCell(1, 5, 0); // painting a cell beside the line keeps the line
        maker.window->drawCell(2, 5, 0);
        QCOMPARE(grid.colorAt(QPoint(line + 1, 8)), QColor(Qt::black));
        QCOMPARE(grid.colorAt(QPoint(line + 3, 8)), QColor(Qt::white));
        QCOMPARE(readAll(maker.path("maker.ini")), QByteArray("guides=1\n"));

        OwnMaker next(maker.folder.path() + QLatin1Char('/'), QString());
        QVERIFY(next.window->findChild<QAction*>("guideLinesAction")->isChecked());
        QVERIFY(next.window->grid().guideLines());

        guides->trigger();
        QCOMPARE(grid.colorAt(besideLine), QColor(Qt::white));
        QCOMPARE(readMakerSettings(platform::pathBytes(maker.folder.path() + QLatin1Char('/'))).guideLines, false);
    }

    // ---- the folders the file dialogs start in ---------------------------------------
    // An installed copy (its settings elsewhere): saving starts at home until a
    // file was opened or saved, then in that file's folder, remembered for
    // the next start; opening starts in the samples until then.
    void installedCopyStartsDialogsInTheLastFolder()
    {
        QTemporaryDir program, settings, elsewhere;
        const QString programFolder = program.path() + QLatin1Char('/');
        const QString settingsFolder = settings.path() + QLatin1Char('/');
        writeBytes(program.filePath("lang.ini"), QByteArray(1, '\0'));
        const QString opened = elsewhere.filePath("cat.pbm");
        writeBytes(opened, "P1\n2 1\n1 0\n");
        QString otherFolder;
        {
            OwnMaker maker(programFolder, settingsFolder);
            auto& files = maker.fake.files;
            files.answerCancel(DialogKind::Save);
            maker.window->saveAsCommand();
            files.answerOpen(opened);
            maker.window->openCommand();
            QCOMPARE(maker.puzzle.width, 2);
            files.answerCancel(DialogKind::Save);
            maker.window->saveAsCommand();
            files.answerCancel(DialogKind::Save);
            maker.window->exportCluesCommand();
            QCOMPARE(files.requests().size(), 4);
            QCOMPARE(files.requests()[0].request.initialFolder, QDir::homePath());
            QCOMPARE(files.requests()[1].request.initialFolder, programFolder + "Puzzles");
            QCOMPARE(files.requests()[2].request.initialFolder, elsewhere.path() + QLatin1Char('/'));
            QCOMPARE(files.requests()[3].request.initialFolder, elsewhere.path() + QLatin1Char('/'));
        }
        OwnMaker next(programFolder, settingsFolder);
        next.fake.files.answerCancel(DialogKind::Open);
        next.window->openCommand();
        QCOMPARE(next.fake.files.requests()[0].request.initialFolder, elsewhere.path() + QLatin1Char('/'));
        QVERIFY(!QFile::exists(program.filePath("maker.ini"))); // nothing written beside the programs
        QVERIFY(elsewhere.remove());                            // a folder that has gone is forgotten
        next.fake.files.answerCancel(DialogKind::Save);
        next.window->saveAsCommand();
        QCOMPARE(next.fake.files.requests()[1].request.initialFolder, QDir::homePath());
    }

    // A copy the user can write to keeps "Puzzles" for every dialog.
    void writableCopyKeepsThePuzzlesFolder()
    {
        Maker maker;
        QTemporaryDir elsewhere;
        const QString opened = elsewhere.filePath("cat.pbm");
        writeBytes(opened, "P1\n2 1\n1 0\n");
        maker.fake.files.answerOpen(opened);
        maker.window->openCommand();
        maker.fake.files.answerCancel(DialogKind::Save);
        maker.window->saveAsCommand();
        QCOMPARE(maker.fake.files.requests()[1].request.initialFolder, maker.path("Puzzles"));
    }

    // The menus holding the new items keep each access key once, in every language.
    void accessKeysUniqueInTheMenus_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("Dutch") << Language::Dutch;
        QTest::newRow("Italian") << Language::Italian;
    }
    void accessKeysUniqueInTheMenus()
    {
        QFETCH(Language, language);
        Maker maker;
        maker.window->applyLanguage(language);
        QMenuBar& bar = *maker.window->menuBar();
        QVERIFY2(eachOnce(accessKeys(bar.actions())), qPrintable(accessKeys(bar.actions())));
        // The Drag submenu is left out: its Dutch items share an L as they always did.
        for (const char* name : {"editMenu", "viewMenu", "toolMenu"}) {
            const QMenu* menu = maker.window->findChild<QMenu*>(name);
            QVERIFY2(eachOnce(accessKeys(menu->actions())),
                     qPrintable(menu->title() + ": " + accessKeys(menu->actions())));
        }
    }
};

QTEST_MAIN(EditorToolsTest)
#include "editor_tools_test.moc"
