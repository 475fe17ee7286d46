// A person plays sample puzzles to the end: File > Open, colours picked on
// the chooser strip, cells painted with presses and drags of both buttons on
// the field, and the solved message exactly once, at the last cell.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "PlayerFixture.h"
#include "playfield/ColourChooser.h"

using namespace gw;
using gw::platform::Answer;
using gw::test::PlayerFixture;

namespace {

// The swatch strip inside the chooser: the child one swatch wide.
QWidget* swatchStrip(ColourChooser& chooser)
{
    for (QWidget* child : chooser.findChildren<QWidget*>())
        if (child->width() == chooser.swatchWidth() && child->height() == chooser.visibleSwatches() * chooser.swatchWidth())
            return child;
    return nullptr;
}

void moveWithButton(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class PlayThroughTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gw::platform::testing::filterOffscreenNoise(); }

    void playsSamplePuzzleToTheEnd_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("heart, black and white") << QStringLiteral(GRIDWICK_SOURCE_DIR "/samples/heart.pbm");
        QTest::newRow("tree, colour") << QStringLiteral(GRIDWICK_PUZZLES_DIR "/public/nonny-color-tree.ppm");
        QTest::newRow("flag, colour") << QStringLiteral(GRIDWICK_PUZZLES_DIR "/public/pynogram-uk-flag.ppm");
    }
    void playsSamplePuzzleToTheEnd()
    {
        QFETCH(QString, path);
        if (!QFileInfo::exists(path))
            QSKIP("sample puzzle not present");
        PlayerFixture f;
        player::PlayerWindow& w = f.start(QSize(1000, 760));
        f.fakes.files.answerOpen(path);
        w.fileMenu()->actions().front()->trigger(); // File > Open
        QVERIFY(w.hasPuzzle());
        const Puzzle& p = f.puzzle;
        ColourChooser& chooser = w.kiezerL();
        QWidget* strip = swatchStrip(chooser);
        QVERIFY(strip);
        QWidget* field = &w.picture1().field();
        QCOMPARE(w.picture1().field().picture().dpr(), w.devicePixelRatioF());
        const int sw = chooser.swatchWidth();

        int cellsLeft = p.PuzzleWidth * p.PuzzleHeight;
        for (int y = 0; y < p.PuzzleHeight; ++y) {
            for (int x = 0; x < p.PuzzleWidth;) {
                const std::uint8_t colour = p.cell(x, y);
                int end = x;
                while (end + 1 < p.PuzzleWidth && p.cell(end + 1, y) == colour)
                    ++end;
                // White with the right button (white by default); any other
                // colour with the left button, after picking its swatch.
                Qt::MouseButton button = Qt::RightButton;
                if (colour != White) {
                    button = Qt::LeftButton;
                    if (w.playFieldState().ButtonMark[0] != colour + 1)
                        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(sw / 2, (colour + 1) * sw + sw / 2));
                    QCOMPARE(int(w.playFieldState().ButtonMark[0]), colour + 1);
                }
                cellsLeft -= end - x + 1;
                if (cellsLeft == 0)
                    f.fakes.messages.answer(Answer::Ok); // the last run solves the puzzle
                QTest::mousePress(field, button, {}, f.cellCentre(x, y));
                for (int i = x + 1; i <= end; ++i)
                    moveWithButton(field, f.cellCentre(i, y), button);
                QTest::mouseRelease(field, button, {}, f.cellCentre(end, y));
                if (cellsLeft > 0)
                    QVERIFY2(f.fakes.messages.requests().isEmpty(), "solved message before the last cell");
                x = end + 1;
            }
        }
        QCOMPARE(f.fakes.messages.requests().size(), 1);
        QCOMPARE(f.fakes.messages.requests()[0].text, QStringLiteral("You have solved the puzzle."));
        QCOMPARE(w.positie()->text(), QStringLiteral(" %1, %2").arg(p.PuzzleWidth).arg(p.PuzzleHeight));
        // Dragging once more over the solved field gives no second message.
        QTest::mousePress(field, Qt::RightButton, {}, f.cellCentre(0, 0));
        QTest::mouseRelease(field, Qt::RightButton, {}, f.cellCentre(0, 0));
        QVERIFY(f.fakes.allAnswered());
        QCOMPARE(f.fakes.messages.requests().size(), 1);
    }
};

QTEST_MAIN(PlayThroughTest)
#include "play_through_test.moc"
