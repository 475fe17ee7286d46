// The maker's drawing aids: View > Guide Lines, and the captions of the menus
// they live in.
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

#include "core/MakerSettings.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
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
        maker.window->drawCell(2, 4, 0); // painting a cell beside the line keeps the line
        QCOMPARE(grid.colorAt(besideLine), QColor(Qt::black));
        QCOMPARE(readAll(maker.path("maker.ini")), QByteArray("guides=1\n"));

        Puzzle puzzle;
        Session session;
        platform::testing::FakePlatform fake;
        fake.printers.install({QStringLiteral("Office Laser")}, QStringLiteral("Office Laser"));
        MakerWindowSetup setup;
        setup.programFolder = maker.folder.path() + QLatin1Char('/');
        MakerWindow next(puzzle, session, fake.platform(), setup);
        next.start();
        QVERIFY(next.findChild<QAction*>("guideLinesAction")->isChecked());
        QVERIFY(next.grid().guideLines());

        guides->trigger();
        QCOMPARE(grid.colorAt(besideLine), QColor(Qt::white));
        QCOMPARE(readMakerSettings(platform::pathBytes(setup.programFolder)).guideLines, false);
    }

    // The menus holding the new items keep each access key once, in every language.
    void accessKeysUniqueInTheMenus_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Dutch") << 1;
        QTest::newRow("Italian") << 2;
    }
    void accessKeysUniqueInTheMenus()
    {
        QFETCH(int, language);
        Maker maker;
        maker.window->applyLanguage(static_cast<std::uint8_t>(language));
        QMenuBar& bar = *maker.window->menuBar();
        QVERIFY2(eachOnce(accessKeys(bar.actions())), qPrintable(accessKeys(bar.actions())));
        // The Drag submenu is left out: its Dutch items share an L as they always did.
        for (const char* name : {"editMenu", "viewMenu"}) {
            const QMenu* menu = maker.window->findChild<QMenu*>(name);
            QVERIFY2(eachOnce(accessKeys(menu->actions())),
                     qPrintable(menu->title() + ": " + accessKeys(menu->actions())));
        }
    }
};

QTEST_MAIN(EditorToolsTest)
#include "editor_tools_test.moc"
