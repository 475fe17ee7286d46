// The dots and grid of "Show errors" and the solution window Form2.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "TestSupport.h"
#include "player/ErrorMarks.h"
#include "player/SolutionWindow.h"

using namespace gw;
using gw::test::puzzleFromRows;
using gw::test::runLength;
using gw::test::statesFromRows;

namespace {

const QRgb Orange = qRgb(255, 128, 64);
const QRgb Rim = qRgb(128, 128, 128);
const QRgb LightGrey = qRgb(192, 192, 192);
const QRgb DarkGrid = qRgb(32, 32, 32);

// Width in pixels of the whole dot (rim and centre) on row y through x.
int dotWidth(const QImage& image, int x, int y)
{
    auto inDot = [&](int px) { return image.pixel(px, y) == Orange || image.pixel(px, y) == Rim
                                      || image.pixel(px, y) == LightGrey; };
    int left = x, right = x;
    while (left > 0 && inDot(left - 1))
        --left;
    while (right + 1 < image.width() && inDot(right + 1))
        ++right;
    return right - left + 1;
}

QPoint centreOf(int x, int y, int s)
{
    return QPoint(x * s + s / 2, y * s + s / 2);
}

} // namespace

class SolutionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gw::platform::testing::filterOffscreenNoise(); }

    void errorDotSize_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("3-point cell keeps the minimum") << 3 << 5;
        QTest::newRow("6-point cell keeps the minimum") << 6 << 5;
        QTest::newRow("10-point cell") << 10 << 5;
        QTest::newRow("11-point cell, 5.5 to even") << 11 << 6;
        QTest::newRow("13-point cell, 6.5 to even") << 13 << 6;
        QTest::newRow("30-point cell") << 30 << 15;
    }
    void errorDotSize()
    {
        QFETCH(int, cellSize);
        QFETCH(int, dot);
        QCOMPARE(player::ErrorDotSize(cellSize), dot);
    }

    void errorMarksDrawDotsOfHalfTheCell_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("6 points: 5 and 3") << 6 << 5;
        QTest::newRow("10 points: 5 and 3") << 10 << 5;
        QTest::newRow("30 points: 15 and 13") << 30 << 15;
    }
    void errorMarksDrawDotsOfHalfTheCell()
    {
        QFETCH(int, cellSize);
        QFETCH(int, dot);
        const Puzzle puzzle = puzzleFromRows({"#.", ".#"});
        const player::CellStateArray states = statesFromRows({"##", "_#"});
        QImage image(2 * cellSize + 1, 2 * cellSize + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QCOMPARE(player::paintErrorMarks(painter, puzzle, states, cellSize), 1);
        painter.end();

        const QPoint wrong = centreOf(1, 0, cellSize);
        QCOMPARE(image.pixel(wrong), Orange);
        QCOMPARE(runLength(image, wrong.x(), wrong.y(), Orange), dot - 2);
        QCOMPARE(dotWidth(image, wrong.x(), wrong.y()), dot);
        // A right mark and an unmarked cell get no dot.
        QCOMPARE(image.pixel(centreOf(0, 0, cellSize)), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(centreOf(0, 1, cellSize)), qRgb(255, 255, 255));
        // The grid is drawn a shade darker, with the double line at column 0.
        QCOMPARE(image.pixel(cellSize, cellSize / 2 - 1), DarkGrid);
        QCOMPARE(image.pixel(1, cellSize / 2 - 1), DarkGrid);
    }

    void errorMarksCountOnlyWrongMarks_data()
    {
        QTest::addColumn<QString>("marks");
        QTest::addColumn<int>("errors");
        QTest::newRow("nothing marked") << "___" << 0;
        QTest::newRow("right but incomplete") << "#__" << 0;
        QTest::newRow("black on white") << "##_" << 1;
        QTest::newRow("white on black and colour on white") << ".R_" << 2;
        QTest::newRow("all right") << "#.R" << 0;
    }
    void errorMarksCountOnlyWrongMarks()
    {
        QFETCH(QString, marks);
        QFETCH(int, errors);
        const Puzzle puzzle = puzzleFromRows({"#.R"}, true);
        const player::CellStateArray states = statesFromRows({marks.toStdString()});
        QImage image(40, 20, QImage::Format_RGB32);
        QPainter painter(&image);
        QCOMPARE(player::paintErrorMarks(painter, puzzle, states, 10), errors);
    }

    void solutionDotsFollowMarksAndCheckBoxes_data()
    {
        QTest::addColumn<QString>("marks");
        QTest::addColumn<bool>("showErrors");
        QTest::addColumn<bool>("showUncompleted");
        // Expected centre of each of the three cells: 'O' orange dot, 'L'
        // light grey dot, or the solution colour ('#', '.', 'R').
        QTest::addColumn<QString>("centres");
        QTest::newRow("nothing marked, both boxes") << "___" << true << true << "LLL";
        QTest::newRow("nothing marked, uncompleted cleared") << "___" << true << false << "#.R";
        QTest::newRow("wrong marks, both boxes") << ".#_" << true << true << "OOL";
        QTest::newRow("wrong marks, errors cleared") << ".#_" << false << true << "#.L";
        QTest::newRow("solved, both boxes") << "#.R" << true << true << "#.R";
        QTest::newRow("solved, no boxes") << "#.R" << false << false << "#.R";
    }
    void solutionDotsFollowMarksAndCheckBoxes()
    {
        QFETCH(QString, marks);
        QFETCH(bool, showErrors);
        QFETCH(bool, showUncompleted);
        QFETCH(QString, centres);
        const Puzzle puzzle = puzzleFromRows({"#.R"}, true);
        const player::CellStateArray states = statesFromRows({marks.toStdString()});
        const QString tag;
        player::SolutionWindow form2(puzzle, states, tag, 1.0);
        form2.chkFouten()->setChecked(showErrors);
        form2.chkOntbreken()->setChecked(showUncompleted);
        form2.showSolution(12);
        const QImage& picture = form2.picture();
        QCOMPARE(picture.size(), QSize(3 * 12 + 3, 12 + 3));
        for (int x = 0; x < 3; ++x) {
            const QRgb expected = [&] {
                switch (centres[x].toLatin1()) {
                case 'O': return Orange;
                case 'L': return LightGrey;
                case '#': return qRgb(0, 0, 0);
                case 'R': return qRgb(255, 0, 0);
                default: return qRgb(255, 255, 255);
                }
            }();
            QCOMPARE(picture.pixel(centreOf(x, 0, 12)), expected);
        }
        // The dark grey background shows beyond the field.
        QCOMPARE(picture.pixel(picture.width() - 1, picture.height() - 1), qRgb(64, 64, 64));
    }

    void clickingACheckBoxRedrawsAtOnce()
    {
        const Puzzle puzzle = puzzleFromRows({"#."});
        player::CellStateArray states = statesFromRows({".#"});
        const QString tag;
        player::SolutionWindow form2(puzzle, states, tag, 1.0);
        form2.showSolution(10);
        const QPoint first = centreOf(0, 0, 10);
        QCOMPARE(form2.picture().pixel(first), Orange);
        QTest::mouseClick(form2.chkFouten(), Qt::LeftButton);
        QVERIFY(!form2.chkFouten()->isChecked());
        QCOMPARE(form2.picture().pixel(first), qRgb(0, 0, 0));
        // The picture is a snapshot: new marks show only with the next redraw.
        states = statesFromRows({"#_"});
        QCOMPARE(form2.picture().pixel(first), qRgb(0, 0, 0));
        QTest::mouseClick(form2.chkFouten(), Qt::LeftButton);
        QCOMPARE(form2.picture().pixel(first), qRgb(0, 0, 0));
        QCOMPARE(form2.picture().pixel(centreOf(1, 0, 10)), LightGrey);
    }

    void captionNamesThePuzzleInTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << 0 << "cat - the solution";
        QTest::newRow("Dutch") << 1 << "cat - de oplossing";
        QTest::newRow("Italian") << 2 << "cat - la soluzione";
    }
    void captionNamesThePuzzleInTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, caption);
        Puzzle puzzle = puzzleFromRows({"#"});
        puzzle.PuzzleName = "cat";
        puzzle.Language = static_cast<std::uint8_t>(language);
        const player::CellStateArray states{};
        const QString tag;
        player::SolutionWindow form2(puzzle, states, tag, 1.0);
        form2.showSolution(10);
        QCOMPARE(form2.windowTitle(), caption);
    }

    void windowEnclosesPictureAndRows_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("pixelsPerPoint");
        QTest::newRow("wide picture") << 40 << 1.0;
        QTest::newRow("wide picture at 96 dpi") << 40 << 96.0 / 72.0;
        QTest::newRow("picture narrower than the rows") << 1 << 96.0 / 72.0;
    }
    void windowEnclosesPictureAndRows()
    {
        QFETCH(int, width);
        QFETCH(double, pixelsPerPoint);
        const Puzzle puzzle = puzzleFromRows({std::string(static_cast<std::size_t>(width), '#')});
        const player::CellStateArray states{};
        const QString tag;
        player::SolutionWindow form2(puzzle, states, tag, pixelsPerPoint);
        form2.showSolution(10);
        const QRect picture = form2.pictureLabel()->geometry();
        const QRect client = form2.rect();
        for (QWidget* child : form2.findChildren<QWidget*>()) {
            QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
            if (child != form2.pictureLabel())
                QVERIFY2(child->y() > picture.bottom(), qPrintable(child->objectName()));
        }
        // Same margin left of, above and right of the picture, and below the rows.
        const int margin = picture.left();
        QCOMPARE(picture.top(), margin);
        QCOMPARE(form2.chkOntbreken()->geometry().bottom() + 1 + margin <= client.height(), true);
        QVERIFY(form2.cmdOK()->geometry().right() <= client.right() - margin + 1);
        if (width > 1)
            QCOMPARE(form2.cmdOK()->geometry().right(), picture.right());
        QVERIFY(!form2.cmdOK()->geometry().intersects(form2.chkFouten()->geometry()));
    }

    void closeOnlyHidesUntilTheMainWindowCloses()
    {
        const Puzzle puzzle = puzzleFromRows({"#"});
        const player::CellStateArray states{};
        QString tag;
        player::SolutionWindow form2(puzzle, states, tag, 1.0);
        form2.showSolution(10);
        QVERIFY(form2.isVisible());
        QVERIFY(!form2.close());
        QVERIFY(!form2.isVisible());
        form2.showSolution(10);
        QTest::mouseClick(form2.cmdOK(), Qt::LeftButton);
        QVERIFY(!form2.isVisible());
        form2.showSolution(10);
        tag = QStringLiteral("CLOSE");
        QVERIFY(form2.close());
    }
};

QTEST_MAIN(SolutionWindowTest)
#include "solution_window_test.moc"
