// A person plays sample puzzles to the end, twice: File > Open, colours
// picked on the chooser strip, runs painted with a press, drags and a release
// of either button, the solved message once, at the last cell; then Reset
// and the same game with the message once more.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "PlayerFixture.h"
#include "core/PuzzleFile.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using gw::platform::Answer;

class PlayThroughTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void playsSamplePuzzleToTheEnd_data()
    {
        QTest::addColumn<QString>("path"); // a sample of the repository
        QTest::addColumn<QString>("rows"); // or a puzzle the test saves first
        QTest::newRow("heart, black and white")
            << QStringLiteral(GRIDWICK_SOURCE_DIR "/samples/heart.pbm") << QString();
        // Every palette colour, runs of one colour side by side and runs of
        // one cell.
        QTest::newRow("tree, colour") << QString()
                                      << QStringLiteral("..AAAGAAA.../.AAAGGGAAYA./AAAGGRGGAYYY/AAGGGGGMAAYA/"
                                                        "AGRGGGBGGAAA/AAAGG#GGAAAA/AAAAA#AAAAAA/GGGGG#GGRGGG");
    }
    void playsSamplePuzzleToTheEnd()
    {
        QFETCH(QString, path);
        QFETCH(QString, rows);
        test::PlayerFixture f;
        if (path.isEmpty()) {
            Puzzle made = test::puzzleFromText(rows.toStdString());
            path = f.folder.filePath(QStringLiteral("tree.ppm"));
            QVERIFY(savePpm(made, path.toStdString()).ok);
        }
        player::PlayerWindow& w = f.start(QSize(1000, 760));
        f.fakes.files.answerOpen(path);
        w.fileMenu()->actions().front()->trigger(); // File > Open
        QVERIFY(w.hasPuzzle());
        QCOMPARE(w.cluePanel().field().picture().dpr(), w.devicePixelRatioF());
        const int sw = w.chooser().swatchWidth();
        QWidget* strip = &w.chooser().strip();
        QWidget* field = &w.cluePanel().field();
        const Puzzle& p = f.puzzle;
        for (int game = 1; game <= 2; ++game) {
            int cellsLeft = p.width * p.height;
            for (int y = 0; y < p.height; ++y) {
                for (int x = 0, end = 0; x < p.width; x = end + 1) {
                    const std::uint8_t color = p.cell(x, y);
                    for (end = x; end + 1 < p.width && p.cell(end + 1, y) == color;)
                        ++end;
                    // White with the right button (white by default); any other
                    // color with the left button, after picking its swatch.
                    const Qt::MouseButton button = color == White ? Qt::RightButton : Qt::LeftButton;
                    if (color != White && w.playFieldState().buttonMarks[0] != color + 1)
                        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(sw / 2, (color + 1) * sw + sw / 2));
                    QCOMPARE(int(w.playFieldState().buttonMarks[color == White]), color + 1);
                    cellsLeft -= end - x + 1;
                    if (cellsLeft == 0)
                        f.fakes.messages.answer(Answer::Ok); // the last run solves the puzzle
                    QTest::mousePress(field, button, {}, f.cellCentre(x, y));
                    for (int i = x + 1; i <= end; ++i) {
                        QMouseEvent move(QEvent::MouseMove, QPointF(f.cellCentre(i, y)),
                                         QPointF(field->mapToGlobal(f.cellCentre(i, y))), Qt::NoButton, button, {});
                        QApplication::sendEvent(field, &move);
                    }
                    QTest::mouseRelease(field, button, {}, f.cellCentre(end, y));
                    QVERIFY2(cellsLeft == 0 || f.fakes.messages.requests().size() == game - 1, "solved too early");
                }
            }
            QCOMPARE(f.fakes.messages.requests().size(), game);
            QCOMPARE(f.fakes.messages.requests().last().text, QStringLiteral("You have solved the puzzle."));
            QCOMPARE(f.fakes.messages.requests().last().title, QStringLiteral("Puzzle solved"));
            QCOMPARE(f.fakes.messages.requests().last().buttons, platform::Buttons::Ok);
            QCOMPARE(w.positionLabel()->text(), QStringLiteral(" %1, %2").arg(p.width).arg(p.height));
            // Painting once more over the solved field gives no second message.
            QTest::mouseClick(field, Qt::RightButton, {}, f.cellCentre(0, 0));
            QVERIFY(f.fakes.allAnswered());
            QCOMPARE(f.fakes.messages.requests().size(), game);
            // Reset unmarks every cell.
            QTest::mouseClick(w.resetButton(), Qt::LeftButton);
            for (int i = 0; i < CellCount; ++i)
                QCOMPARE(int(w.cellStates().marks[std::size_t(i)]), 0);
        }
    }
};

QTEST_MAIN(PlayThroughTest)
#include "play_through_test.moc"
