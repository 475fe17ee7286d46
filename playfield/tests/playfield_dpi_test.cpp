// The play field's surfaces at any screen resolution: run at 96, 108, 120,
// 144 and 192 dpi (see CMakeLists.txt), where Qt gives a window 1, 1.125,
// 1.25, 1.5 or 2 device pixels a pixel. The field's lines must lie on the
// clue panel's rules, and every device pixel of the colour chooser must show
// the swatch a press there takes.
#include <QTemporaryDir>
#include <QTest>

#include "PlayFieldRig.h"

using namespace gw;

namespace {

// Where `image` is grey (64, 64, 64) along the device pixels from `from` in
// steps of `step`, `count` of them: '#' grey, '.' anything else.
QString greyPixels(const QImage& image, QPoint from, QPoint step, int count)
{
    QString line;
    for (QPoint p = from; count-- > 0; p += step)
        line +=
            image.rect().contains(p) && (image.pixel(p) & 0xffffffu) == 0x404040u ? QLatin1Char('#') : QLatin1Char('.');
    return line;
}

} // namespace

class PlayFieldDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void fieldLinesLieOnThePanelRules_data();
    void fieldLinesLieOnThePanelRules();
    void chooserShowsOnEveryPixelWhatAPressThereTakes();
};

void PlayFieldDpiTest::fieldLinesLieOnThePanelRules_data()
{
    QTest::addColumn<double>("area"); // points: the cell size follows
    for (const double area : {170.0, 230.0, 310.0, 400.0})
        QTest::addRow("%g points", area) << area;
}

void PlayFieldDpiTest::fieldLinesLieOnThePanelRules()
{
    // Regressions: at 120 dpi the field's rules fell one device pixel beside
    // the panel's, at 108 dpi its thin lines were two device pixels where
    // the panel's were one.
    QFETCH(double, area);
    test::PlayFieldRig rig(PlayFieldKind::Player,
                           "#..#..#....#/............/#.........../............/"
                           "............/#.........../.#..........",
                           area);
    rig.chooser->hide();
    rig.window.resize(800, 600);
    const double ppp = rig.panel->picture().pixelsPerPoint();
    const QRectF field = rig.panel->field().rectPoints(); // panel points
    const int s = rig.state.cellSize;
    // The panel's corner anywhere between device pixels.
    for (int corner = 0; corner < 8; ++corner) {
        const QPoint at(corner, corner / 2);
        rig.panel->move(at);
        const QImage shown = rig.window.grab().toImage();
        const double dpr = shown.devicePixelRatio();
        auto x = [&](double points) { return wholeDevicePixel((at.x() + points * ppp) * dpr); };
        auto y = [&](double points) { return wholeDevicePixel((at.y() + points * ppp) * dpr); };
        const int left = x(field.left()), right = x(field.right() + 1);
        const int top = y(field.top()), bottom = y(field.bottom() + 1);
        // Vertical: the column clue area's rules above the field, and the
        // field's lines across its first and last rows.
        const QString above = greyPixels(shown, {left, y(field.top() - 0.2 * s)}, {1, 0}, right - left);
        QVERIFY(above.count(QLatin1Char('#')) > 0);
        for (double row : {0.5, 6.5})
            QCOMPARE(greyPixels(shown, {left, y(field.top() + row * s)}, {1, 0}, right - left), above);
        // Horizontal: the row clue area's rules left of the field, and the
        // field's lines down its first and last columns.
        const QString beside = greyPixels(shown, {x(field.left() - 0.2 * s), top}, {0, 1}, bottom - top);
        QVERIFY(beside.count(QLatin1Char('#')) > 0);
        for (double column : {0.5, 11.5})
            QCOMPARE(greyPixels(shown, {x(field.left() + column * s), top}, {0, 1}, bottom - top), beside);
    }
}

void PlayFieldDpiTest::chooserShowsOnEveryPixelWhatAPressThereTakes()
{
    // Regression: at 108 dpi the black-and-white chooser showed a row of the
    // hidden red swatch, and a press there took white.
    QWidget window;
    window.resize(200, 400);
    std::array<std::uint8_t, 2> choice {{1, 2}};
    ColorChooser chooser(ChooserKind::PlayField, choice, {24}, &window);
    chooser.move(5, 7);
    QTemporaryDir folder;
    QImage look(40, 40, QImage::Format_RGB32);
    look.fill(QColor(230, 226, 200)); // the unmarked look, told apart from white
    QVERIFY(look.save(folder.filePath(QStringLiteral("hamworst.dat")), "BMP"));
    chooser.paintSwatches(folder.path());
    chooser.showColorPuzzle(false);
    const QImage shown = window.grab().toImage();
    const double dpr = shown.devicePixelRatio();
    const QPoint strip = chooser.strip().mapTo(&window, QPoint(0, 0));
    const int x = wholeDevicePixel((strip.x() + 12) * dpr);
    const QList<QColor> visible {chooser.swatchColor(0), chooser.swatchColor(1), chooser.swatchColor(2)};
    QList<int> rowsShown {0, 0, 0};
    const int first = wholeDevicePixel(strip.y() * dpr) - 3;
    const int last = wholeDevicePixel((strip.y() + chooser.strip().height()) * dpr) + 3;
    for (int row = first; row <= last; ++row) {
        const QColor c = shown.pixelColor(x, row);
        for (int hidden = 3; hidden < chooser.swatchCount(); ++hidden)
            QVERIFY2(c != chooser.swatchColor(hidden), qPrintable(QStringLiteral("row %1").arg(row)));
        const int k = int(visible.indexOf(c));
        if (k < 0)
            continue;  // the strip's outline, the window beside it
        choice[0] = 7; // a hidden swatch: a press that takes nothing leaves it
        chooser.press(1, row / dpr - strip.y());
        QVERIFY2(choice[0] == k,
                 qPrintable(QStringLiteral("row %1 shows %2, the press took %3").arg(row).arg(k).arg(choice[0])));
        ++rowsShown[k];
    }
    QVERIFY2(!rowsShown.contains(0),
             qPrintable(QStringLiteral("%1 %2 %3").arg(rowsShown[0]).arg(rowsShown[1]).arg(rowsShown[2])));
}

QTEST_MAIN(PlayFieldDpiTest)
#include "playfield_dpi_test.moc"
