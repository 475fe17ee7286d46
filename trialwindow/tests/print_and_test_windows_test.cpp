// The maker's main window with its print dialog and test window attached the
// way the program attaches them.
#include <QAction>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "editor/MakerDocument.h"
#include "editor/SizeDialog.h"
#include "editor/tests/EditorTestKit.h"
#include "platform/WindowFit.h"
#include "playfield/PlayField.h"
#include "print/PrintDialog.h"
#include "trialwindow/PrintAndTestWindows.h"
#include "trialwindow/TrialWindow.h"

using namespace gw;

class PrintAndTestWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void itemsOpenOneWindowAndHideTheOther();
    void closingTheMainWindowStopsTheTestAndReallyCloses();
    void everyWindowFitsTheScreen();
    void anOpenTestWindowFollowsUndoAndRedo();
};

void PrintAndTestWindowsTest::itemsOpenOneWindowAndHideTheOther()
{
    editor::testing::Maker maker;
    QAction* test = maker.action("testAction");
    QAction* print = maker.action("printAction");
    const auto windows = attachPrintAndTestWindows(*maker.window, maker.puzzle, maker.session);
    QVERIFY(test && test->isEnabled() && print && print->isEnabled());
    TrialWindow& testWindow = windows->testWindow();
    PrintDialog& dialog = windows->printDialog();
    test->trigger();
    QVERIFY(testWindow.isVisible());
    print->trigger();
    QVERIFY(testWindow.isHidden() && dialog.isVisible());
    QVERIFY(dialog.printButton()->isEnabled()); // the kit installs a printer
    test->trigger();
    QVERIFY(testWindow.isVisible() && dialog.isHidden());
    // Both windows follow the language of the main window.
    maker.window->languageAction(Language::Dutch)->trigger();
    QCOMPARE(testWindow.windowTitle(), QStringLiteral("Puzzel Testen"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Puzzel Afdrukken"));
}

void PrintAndTestWindowsTest::closingTheMainWindowStopsTheTestAndReallyCloses()
{
    editor::testing::Maker maker;
    const auto windows = attachPrintAndTestWindows(*maker.window, maker.puzzle, maker.session);
    TrialWindow& testWindow = windows->testWindow();
    // A drawing the computer test needs many ticks for.
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            maker.puzzle.cell(x, y) = ((x * 7 + y * 3) % 11 == 0 || (x + y) % 6 == 0) ? Black : White;
    maker.action("testAction")->trigger();
    testWindow.startTest();
    QVERIFY(testWindow.testRunning());
    // Cancelling the save question keeps the program; the windows only hide.
    maker.puzzle.changed = true;
    maker.fake.messages.answer(platform::Answer::Cancel);
    QVERIFY(!maker.window->close());
    QVERIFY(!testWindow.testRunning());
    QVERIFY(!testWindow.close());
    QVERIFY(testWindow.isHidden());
    // Closing for good closes both for real.
    maker.puzzle.changed = false;
    QVERIFY(maker.window->close());
    QVERIFY(testWindow.close());
    QVERIFY(windows->printDialog().close());
}

void PrintAndTestWindowsTest::everyWindowFitsTheScreen()
{
    // Run once more on a 480 x 400 screen (see CMakeLists.txt). Regression:
    // the test window opened 431 pixels high there, its status line off the
    // screen.
    const auto onScreen = platform::keepWindowsOnScreen(); // as the program's main does
    editor::testing::Maker maker;
    const auto windows = attachPrintAndTestWindows(*maker.window, maker.puzzle, maker.session);
    maker.window->show();
    const QRect available = maker.window->screen()->availableGeometry();
    auto fits = [&](QWidget& window) {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(available.contains(window.frameGeometry()), qPrintable(window.windowTitle()));
    };
    fits(*maker.window);
    maker.window->sizeCommand();
    fits(maker.window->sizeDialog());
    maker.window->sizeDialog().hide();
    // The largest drawing with the longest clues.
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            maker.puzzle.cell(x, y) = (x + y) % 2 ? Black : White;
    maker.puzzle.width = maker.puzzle.height = 50;
    maker.action("testAction")->trigger();
    fits(windows->testWindow());
    maker.action("printAction")->trigger();
    fits(windows->printDialog());
}

void PrintAndTestWindowsTest::anOpenTestWindowFollowsUndoAndRedo()
{
    editor::testing::Maker maker;
    const auto windows = attachPrintAndTestWindows(*maker.window, maker.puzzle, maker.session);
    maker.window->drawCell(1, 3, 0);
    maker.window->document().endStroke();
    QAction* undo = maker.window->findChild<QAction*>(QStringLiteral("undoAction"));
    undo->trigger(); // the test window is hidden: nothing to follow
    QVERIFY(windows->testWindow().isHidden());
    maker.window->findChild<QAction*>(QStringLiteral("redoAction"))->trigger();
    maker.action("testAction")->trigger();
    QCOMPARE(windows->clues().rows[0].count, 1);
    PlayField& field = windows->testWindow().playField();
    field.markCell(MouseButton::Left, 0, 0); // a mark the fresh field drops
    QVERIFY(field.states().cellState(0, 0) != 0);
    undo->trigger();
    QVERIFY(windows->testWindow().isVisible());
    QCOMPARE(windows->clues().rows[0].count, 0);
    QCOMPARE(int(field.states().cellState(0, 0)), 0);
}

QTEST_MAIN(PrintAndTestWindowsTest)
#include "print_and_test_windows_test.moc"
