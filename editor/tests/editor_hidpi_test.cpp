// The main window on a screen with a device pixel ratio of 2: the grid, the
// preview and the strip are drawn at full resolution, and a pointer lands on
// the cell under it.
#include <QApplication>
#include <QTest>

#include "core/Palette.h"
#include "editor/GridView.h"
#include "editor/PreviewView.h"
#include "editor/tests/EditorTestKit.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

class EditorHiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        platform::testing::filterOffscreenNoise();
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void gridIsDrawnAtDeviceResolutionUnderThePointer()
    {
        Maker maker;
        maker.makeZoom16();
        QTest::mouseClick(&maker.window->grid(), Qt::LeftButton, {}, QPoint(7 * 16 + 3, 9 * 16 + 12));
        QCOMPARE(maker.puzzle.cell(7, 9), Black);
        QCOMPARE(maker.window->positionText(), QStringLiteral(" 8, 10"));
        maker.window->drawCell(1, 1, 0);
        const QImage& picture = maker.window->grid().picture();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), QSize(802, 802));
        // Logical pixels 16..32 of cell 1 are device pixels 32..65, all black now; a one-pixel
        // outline is two device pixels wide, with nothing blurred beside it.
        const QList<std::pair<QPoint, QColor>> expected {
            {{31, 10}, Qt::white}, {{32, 10}, Qt::black}, {{65, 10}, Qt::black}, {{66, 10}, Qt::white},
            {{66, 31}, Qt::white}, {{66, 32}, Qt::black}, {{66, 33}, Qt::black}, {{66, 34}, Qt::white}};
        for (const auto& [device, color] : expected)
            QCOMPARE(picture.pixelColor(device), color);
    }

    void previewAndStripStaySharp()
    {
        Maker maker;
        maker.window->newPuzzle(10, 10, true);
        maker.window->drawCell(1, 3, 2);
        const QImage preview = maker.window->preview().grab().toImage();
        QCOMPARE(preview.devicePixelRatio(), 2.0);
        // One cell is a 2 x 2 block of device pixels, without blur at its edges.
        for (QPoint device : {QPoint(6, 4), QPoint(7, 4), QPoint(6, 5), QPoint(7, 5)})
            QCOMPARE(preview.pixelColor(device), QColor(Qt::black));
        QCOMPARE(preview.pixelColor(5, 4), QColor(Qt::white));
        QCOMPARE(preview.pixelColor(8, 4), QColor(Qt::white));
        const QImage swatches = maker.window->chooser().strip().grab().toImage();
        const int sw = maker.window->chooser().swatchWidth() * 2;
        QCOMPARE(swatches.pixelColor(3, 2 * sw - 1), QColor(Qt::white)); // last row of swatch 1
        QCOMPARE(swatches.pixelColor(3, 2 * sw), QColor(Qt::red));       // first row of swatch 2
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    EditorHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_hidpi_test.moc"
