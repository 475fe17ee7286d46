#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QPrinter>
#include <QPageLayout>
#include <memory>

#include "PageCheck.h"
#include "core/Rounding.h"
#include "platform/Units.h"
#include "platform/testing/FakePlatform.h"
#include "playfield/ClueDrawing.h"
#include "playfield/tests/TestSupport.h"
#include "print/PageComposer.h"
#include "print/PageSurface.h"
#include "print/PrintFormX.h"
#include "print/ScaledPreview.h"

using namespace gw;

namespace {

const QSizeF A4 = pageWithoutPrinter(true);

// A page composed on an off-screen canvas at 96 dpi.
struct Canvas {
    Puzzle puzzle;
    ClueTables clues;
    PointImage picture;
    PageLayout layout;

    Canvas(std::initializer_list<std::string> rows, const PageOptions& options = {}, PageMode mode = PageMode::Preview,
           QSizeF page = A4, bool colour = false)
        : puzzle(test::puzzleFromRows(rows, colour))
    {
        TelHokjes(puzzle, clues);
        ImageSurface surface(picture, 4.0 / 3.0, 1.0);
        layout = composePage(surface, page, mode, options, puzzle, clues, {QStringLiteral("first"), QStringLiteral("second")});
    }
    QPoint px(double xPoints, double yPoints) const { return QPointF(xPoints * 4.0 / 3.0, yPoints * 4.0 / 3.0).toPoint(); }
    QColor at(double xPoints, double yPoints) const { return picture.image().pixelColor(px(xPoints, yPoints)); }
    // Centre of grid cell (x, y).
    QColor cell(int x, int y) const
    {
        const int s = layout.cellSize;
        return at(layout.gridLeft + (x + 0.5) * s, layout.gridTop + (y + 0.5) * s);
    }
};

PageOptions plain()
{
    PageOptions o;
    o.backgroundTint = false;
    return o;
}

std::string row(int width, char c) { return std::string(static_cast<std::size_t>(width), c); }

// Runs of pixels equal to `colour` along image row y, from x0 on.
std::vector<int> runLengths(const QImage& image, int y, int x0, const QColor& colour)
{
    std::vector<int> runs;
    bool in = false;
    for (int x = x0; x < image.width(); ++x) {
        const bool hit = image.pixelColor(x, y) == colour;
        if (hit && !in)
            runs.push_back(0);
        if (hit)
            ++runs.back();
        in = hit;
    }
    return runs;
}

struct Dialog {
    platform::testing::FakePlatform fake;
    platform::Platform platform{fake.platform()};
    Puzzle puzzle;
    ClueTables clues;
    std::unique_ptr<PrintFormX> form;

    explicit Dialog(std::initializer_list<std::string> rows = {"#.#..", ".###.", "#####", "..#..", ".#.#."})
        : puzzle(test::puzzleFromRows(rows))
    {
        puzzle.PuzzleName = "heart";
        form = std::make_unique<PrintFormX>(puzzle, clues, platform);
    }
    int best() const { return form->Funny->maximum() + 5; }
};

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void thickLinesEveryFiveAndAtTheEdge_data();
    void thickLinesEveryFiveAndAtTheEdge();
    void emptyPuzzleShowsAZeroForEveryLine();
    void titleTakesALineAndTheCanvasGrowsByIt();
    void titleIsCentredOverTheWholeBlockOrStartsAtTheLeft();
    void backgroundTintsOddRowsAndColumnsOnly();
    void yellowAndAquaNumbersAreDarkened();
    void manualSize_data();
    void manualSize();
    void testWindowModeDrawsGreyLinesWithoutTitleOrFooter();
    void tinyPageEndsAtCellThree();
    void previewSizeBoxCorrectsItsText();
    void manualBoxAndSpinFollowTheBestSize();
    void titleBoxEditsThePuzzleTitleAndWaitsForAPause();
    void withoutPrinterTheDialogPreviewsAndCannotPrint();
    void printerListSelectsTheDefaultPrinter();
    void closingHidesAndKeepsTheOptions();
    void pdfExportWritesThePageWithoutAPrinter();
};

void PrintTest::thickLinesEveryFiveAndAtTheEdge_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("thick");
    QTest::newRow("5 wide: edges only") << 5 << "T....T";
    QTest::newRow("12 wide: 0, 5, 10 and 12") << 12 << "T....T....T.T";
}

void PrintTest::thickLinesEveryFiveAndAtTheEdge()
{
    QFETCH(int, width);
    QFETCH(QString, thick);
    // A low page: the height limits the cells, so the block fits the width.
    Canvas c({row(width, '#'), row(width, '.')}, plain(), PageMode::Preview, QSizeF(594, 200));
    QVERIFY(c.layout.canvas.width() < 594);
    const int y = c.px(0, c.layout.gridTop + 0.5 * c.layout.cellSize).y();
    const int x0 = c.px(c.layout.gridLeft, 0).x() - 1;
    const auto runs = runLengths(c.picture.image(), y, x0, Qt::black);
    QCOMPARE(int(runs.size()), thick.size());
    for (int j = 0; j < thick.size(); ++j)
        QVERIFY2((runs[std::size_t(j)] >= 2) == (thick[j] == QLatin1Char('T')),
                 qPrintable(QStringLiteral("rule %1 is %2 pixels").arg(j).arg(runs[std::size_t(j)])));
}

void PrintTest::emptyPuzzleShowsAZeroForEveryLine()
{
    Canvas c({"...", "..."}, plain());
    QCOMPARE(c.clues.MaxRowClues, std::int16_t(1));
    QCOMPARE(c.clues.MaxColumnClues, std::int16_t(1));
    QCOMPARE(c.layout.gridLeft - c.layout.offsetX, double(c.layout.cellSize));
    // Each clue cell next to the grid holds black ink (its "0").
    const int s = c.layout.cellSize;
    for (int y = 0; y < 2; ++y) {
        int ink = 0;
        for (double x = c.layout.offsetX + 1.5; x < c.layout.gridLeft - 1; x += 0.5)
            for (double yy = c.layout.gridTop + y * s + 1.5; yy < c.layout.gridTop + (y + 1) * s - 1; yy += 0.5)
                ink += c.at(x, yy).lightness() < 100;
        QVERIFY(ink > 0);
    }
}

void PrintTest::titleTakesALineAndTheCanvasGrowsByIt()
{
    Canvas untitled({"#.#", "###"}, plain());
    PageOptions titled = plain();
    titled.title = QStringLiteral("Heart");
    Canvas withTitle({"#.#", "###"}, titled);
    const PageLayout& a = untitled.layout;
    const PageLayout& b = withTitle.layout;
    QCOMPARE(a.cellSize, b.cellSize);
    QCOMPARE(a.gridTop, a.offsetY + untitled.clues.MaxColumnClues * a.cellSize);
    QVERIFY(std::abs(b.gridTop - (b.offsetY + b.titleHeight + withTitle.clues.MaxColumnClues * b.cellSize)) < 1e-9);
    QVERIFY(std::abs((b.canvas.height() - a.canvas.height()) - b.titleHeight) < 1e-9);
    // Without a title the block fills the canvas from its top edge.
    QVERIFY(std::abs(a.offsetY) < 1e-9);
}

void PrintTest::titleIsCentredOverTheWholeBlockOrStartsAtTheLeft()
{
    for (const bool centred : {false, true}) {
        PageOptions o = plain();
        o.title = QStringLiteral("II");
        o.centreTitle = centred;
        Canvas c({"#.#.#.#.#.", "##########"}, o);
        const QImage& image = c.picture.image();
        const int top = c.px(0, c.layout.offsetY).y() + 2;
        const int bottom = c.px(0, c.layout.offsetY + c.layout.titleHeight).y() - 2;
        int left = image.width();
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 128) {
                    left = std::min(left, x);
                    break;
                }
        const double blockWidth = (c.clues.MaxRowClues + 10) * c.layout.cellSize;
        const double titleWidth = textWidth(pointFont(36), &c.picture.image(), o.title);
        const double expected = c.layout.offsetX + (centred ? roundHalfEven(blockWidth - titleWidth) / 2 : 0);
        QVERIFY2(std::abs(left / (4.0 / 3.0) - expected) < 6, qPrintable(QString::number(left)));
    }
}

void PrintTest::backgroundTintsOddRowsAndColumnsOnly()
{
    PageOptions o;
    o.printColour = QColor(0, 0, 255);
    Canvas c({"....", "....", "....", "...."}, o);
    const QColor tint = backgroundTint(o.printColour);
    QCOMPARE(tint, QColor(235, 235, 255));
    QCOMPARE(c.cell(0, 0), QColor(Qt::white));
    QCOMPARE(c.cell(1, 0), tint);
    QCOMPARE(c.cell(0, 1), tint);
    QCOMPARE(c.cell(1, 1), tint); // tinted twice, no darker
    QCOMPARE(c.cell(2, 2), QColor(Qt::white));
    // The clue areas stay white.
    const int s = c.layout.cellSize;
    QCOMPARE(c.at(c.layout.offsetX + 2, c.layout.gridTop + 1.5 * s), QColor(Qt::white));
}

void PrintTest::yellowAndAquaNumbersAreDarkened()
{
    Canvas c({"YY.AA.RR", "........"}, plain(), PageMode::Preview, A4, true);
    int dark = 0, darkAqua = 0, pure = 0, red = 0;
    const QImage& image = c.picture.image();
    for (int y = 0; y < c.px(0, c.layout.gridTop).y(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            dark += p == QColor(192, 192, 0);
            darkAqua += p == QColor(0, 192, 192);
            red += p == QColor(255, 0, 0);
            pure += p == QColor(255, 255, 0) || p == QColor(0, 255, 255);
        }
    QVERIFY(dark > 0);
    QVERIFY(darkAqua > 0);
    QVERIFY(red > 0);
    QCOMPARE(pure, 0);
}

void PrintTest::manualSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // "best", "fallback" or a number
    QTest::newRow("within range") << "6" << "6";
    QTest::newRow("smallest") << "5" << "5";
    QTest::newRow("larger than the best uses the best") << "99" << "best";
    QTest::newRow("below five uses the best") << "3" << "best";
    QTest::newRow("empty falls back to automatic") << "" << "fallback";
    QTest::newRow("not a number falls back to automatic") << "x1" << "fallback";
}

void PrintTest::manualSize()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    PageOptions o = plain();
    o.automaticSize = false;
    o.manualSize = typed;
    Canvas c({"#.#", "###"}, o);
    QVERIFY(c.layout.bestFontSize > 6);
    QCOMPARE(c.layout.manualFellBack, expected == QLatin1String("fallback"));
    const int size = (expected == QLatin1String("best") || expected == QLatin1String("fallback"))
                         ? c.layout.bestFontSize
                         : expected.toInt();
    QCOMPARE(c.layout.clueFontSize, size);
    QCOMPARE(c.layout.cellSize, roundHalfEven(tenWidth(size, &c.picture.image())));
}

void PrintTest::testWindowModeDrawsGreyLinesWithoutTitleOrFooter()
{
    PageOptions o;
    o.title = QStringLiteral("Never drawn");
    o.printColour = QColor(255, 0, 0);
    Canvas c({"#.#..", "#####"}, o, PageMode::TestWindow, QSizeF(500, 400));
    QCOMPARE(c.layout.titleHeight, 0.0);
    QCOMPARE(c.layout.footerHeight, 0.0);
    QCOMPARE(c.layout.offsetX, 0.0);
    QCOMPARE(c.layout.offsetY, 0.0);
    const int s = c.layout.cellSize;
    QCOMPARE(c.layout.canvas, QSizeF((c.clues.MaxRowClues + 5) * s + 2, (c.clues.MaxColumnClues + 2) * s));
    QCOMPARE(c.layout.gridTop, double(c.clues.MaxColumnClues * s));
    QCOMPARE(c.at(c.layout.gridLeft, c.layout.gridTop + 0.5 * s), QColor(64, 64, 64));
    int red = 0;
    for (int y = 0; y < c.picture.image().height(); ++y)
        for (int x = 0; x < c.picture.image().width(); ++x)
            red += c.picture.image().pixelColor(x, y) == QColor(255, 0, 0);
    QCOMPARE(red, 0);
}

void PrintTest::tinyPageEndsAtCellThree()
{
    std::vector<std::string> rows;
    Puzzle p;
    p.PuzzleWidth = p.PuzzleHeight = 50;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            p.cell(x, y) = ((x + y) % 2) ? White : Black;
    ClueTables clues;
    TelHokjes(p, clues);
    PointImage picture;
    ImageSurface surface(picture, 4.0 / 3.0, 1.0);
    const PageLayout layout = composePage(surface, QSizeF(100, 100), PageMode::Preview, plain(), p, clues, {});
    QCOMPARE(layout.bestFontSize, 5);
    QCOMPARE(layout.cellSize, 3);
    QCOMPARE(layout.canvas, QSizeF(100, 100)); // reduced to the page
}

void PrintTest::previewSizeBoxCorrectsItsText()
{
    Dialog d;
    d.form->open();
    d.form->Text1->setText(QStringLiteral("250"));
    QCOMPARE(d.form->Text1->text(), QStringLiteral("200"));
    QCOMPARE(d.form->VS->value(), 0);
    d.form->Text1->setText(QStringLiteral("80"));
    QCOMPARE(d.form->VS->value(), 120);
    d.form->Text1->setText(QStringLiteral("5"));
    QCOMPARE(d.form->VS->value(), 120);
    d.form->Text1->setText(QStringLiteral("80"));
    d.form->Text1->setFocus();
    d.form->Text1->end(false);
    QTest::keyClicks(d.form->Text1, QStringLiteral("ab"));
    QCOMPARE(d.form->Text1->text(), QStringLiteral("80"));
    // The spin writes its percentage back.
    d.form->VS->setValue(190);
    QCOMPARE(d.form->Text1->text(), QStringLiteral("10"));
}

void PrintTest::manualBoxAndSpinFollowTheBestSize()
{
    Dialog d;
    d.form->open();
    const int best = d.best();
    QVERIFY(best > 7);
    QCOMPARE(d.form->Text2->text(), QString::number(best));
    QCOMPARE(d.form->Funny->value(), 0);
    // The spin chooses manual and counts down from the best.
    d.form->Funny->setValue(2);
    QVERIFY(d.form->Option4->isChecked());
    QCOMPARE(d.form->Text2->text(), QString::number(best - 2));
    QCOMPARE(d.form->lastLayout().clueFontSize, best - 2);
    // A size beyond the best becomes the best; one below 5 is ignored.
    d.form->Text2->setText(QString::number(best + 10));
    QCOMPARE(d.form->Text2->text(), QString::number(best));
    QCOMPARE(d.form->Funny->value(), 0);
    d.form->Text2->setText(QStringLiteral("6"));
    QCOMPARE(d.form->lastLayout().clueFontSize, 6);
    d.form->Text2->setText(QStringLiteral("3"));
    QCOMPARE(d.form->Funny->value(), best - 6);
    QCOMPARE(d.form->lastLayout().clueFontSize, 6);
    // Automatic puts the best back.
    d.form->Option3->setChecked(true);
    QCOMPARE(d.form->Text2->text(), QString::number(best));
    QCOMPARE(d.form->lastLayout().clueFontSize, best);
    QVERIFY(!d.form->composing());
}

void PrintTest::titleBoxEditsThePuzzleTitleAndWaitsForAPause()
{
    Dialog d;
    d.puzzle.PuzzleTitle = "My heart";
    d.form->open();
    QCOMPARE(d.form->txtTitel->text(), QStringLiteral("My heart"));
    d.form->txtTitel->setText(QStringLiteral("heart"));
    QCOMPARE(d.puzzle.PuzzleTitle, std::string());
    const qint64 before = d.form->canvas().cacheKey();
    d.form->txtTitel->setText(QStringLiteral("Valentine"));
    QCOMPARE(d.puzzle.PuzzleTitle, std::string("Valentine"));
    QVERIFY(d.form->Timer1->isActive());
    QCOMPARE(d.form->titleCountdown(), 5);
    QCOMPARE(d.form->Timer1->interval(), 100);
    QCOMPARE(d.form->canvas().cacheKey(), before); // not yet redrawn
    QVERIFY(QTest::qWaitFor([&] { return !d.form->Timer1->isActive(); }, 5000));
    QVERIFY(d.form->titleCountdown() <= 0);
    QVERIFY(d.form->canvas().cacheKey() != before);
    QVERIFY(d.form->lastLayout().titleHeight > 0);
}

void PrintTest::withoutPrinterTheDialogPreviewsAndCannotPrint()
{
    Dialog d;
    d.form->open();
    QVERIFY(!d.form->cmbPrinter->isEnabled());
    QVERIFY(!d.form->Command1->isEnabled());
    QVERIFY(d.form->cmdSavePdf->isEnabled());
    QCOMPARE(d.form->cmdSavePdf->text(), QStringLiteral("Save as &PDF\u2026"));
    QVERIFY(!d.form->printPuzzle());
    QCOMPARE(d.form->lastLayout().page, A4);
    const auto units = platform::ScreenUnits::fromScreen(d.form->screen());
    QCOMPARE(d.form->PreviewBox->width(), units.twipsToWholePixelsX(11515 * 50 / 100.0));
    QCOMPARE(d.form->PreviewBox->height(), units.twipsToWholePixelsY(16075 * 50 / 100.0));
    d.form->Option2->setChecked(true);
    QCOMPARE(d.form->lastLayout().page, pageWithoutPrinter(false));
    QCOMPARE(d.form->PreviewBox->width(), units.twipsToWholePixelsX(16075 * 50 / 100.0));
    // The copy fills the box's width or height and is centred the other way.
    const QRect copy = d.form->PreviewBox->copyRect();
    QVERIFY(copy.width() == d.form->PreviewBox->width() || copy.height() == d.form->PreviewBox->height());
}

void PrintTest::printerListSelectsTheDefaultPrinter()
{
    Dialog d;
    d.fake.printers.install({QStringLiteral("Office"), QStringLiteral("Attic")}, QStringLiteral("Attic"));
    d.form->setPrinterState(true, QStringLiteral("Attic"));
    d.form->open();
    QVERIFY(d.form->cmbPrinter->isEnabled());
    QCOMPARE(d.form->cmbPrinter->count(), 2);
    QCOMPARE(d.form->cmbPrinter->currentText(), QStringLiteral("Attic"));
    QVERIFY(d.form->Command1->isEnabled());
    // A chosen printer stays chosen on the next opening.
    d.form->cmbPrinter->setCurrentIndex(0);
    d.form->open();
    QCOMPARE(d.form->cmbPrinter->currentText(), QStringLiteral("Office"));
}

void PrintTest::closingHidesAndKeepsTheOptions()
{
    Dialog d;
    d.form->open();
    d.form->Option2->setChecked(true);
    d.form->AchtergrondKleur->setChecked(false);
    d.fake.colors.answer(QColor(255, 0, 0));
    d.form->Picture1->click();
    QVERIFY(!d.form->close());
    QVERIFY(d.form->isHidden());
    d.form->open();
    QVERIFY(d.form->Option2->isChecked());
    QVERIFY(!d.form->AchtergrondKleur->isChecked());
    QCOMPARE(d.fake.colors.requests().size(), qsizetype(1));
    QCOMPARE(d.fake.colors.requests()[0], QColor(Qt::black));
    // A cancelled picker keeps the colour.
    d.fake.colors.answer(std::nullopt);
    d.form->Picture1->click();
    QCOMPARE(d.fake.colors.requests()[1], QColor(255, 0, 0));
    d.form->setProgramClosing(true);
    QVERIFY(d.form->close());
}

void PrintTest::pdfExportWritesThePageWithoutAPrinter()
{
    Dialog d({"#####", "#...#", "#.#.#", "#...#", "#####"});
    d.form->open();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("heart.pdf"));
    d.fake.files.answerSave(path);
    d.form->cmdSavePdf->click();
    QCOMPARE(d.fake.files.requests().size(), qsizetype(1));
    QCOMPARE(d.fake.files.requests()[0].request.filter, QStringLiteral("PDF Documents (*.pdf)|*.pdf"));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(d.fake.messages.requests().isEmpty());
    const PageLayout layout = d.form->lastLayout();
    QVERIFY(layout.painted);
    const QImage page = test::renderFirstPage(path);
    if (page.isNull())
        QSKIP("pdftoppm is not installed");
    // A4 at 72 dpi; the grid's left rule where the composition put it.
    QVERIFY(std::abs(page.width() - QPageSize(QPageSize::A4).size(QPageSize::Point).width()) <= 1);
    QPrinter reference(QPrinter::HighResolution);
    reference.setPageSize(QPageSize(QPageSize::A4));
    const QPointF origin = reference.pageLayout().paintRect(QPageLayout::Point).topLeft();
    const int length = (layout.cellSize * (5 + d.clues.MaxColumnClues)) * 8 / 10;
    QVERIFY(test::ruleNear(page, origin.x() + layout.gridLeft, length) >= 0);
    QVERIFY(test::ruleNear(page, origin.x() + layout.gridLeft + 5 * layout.cellSize, length) >= 0);
    // A path that cannot be written gives a message, not silence.
    d.fake.files.answerSave(QStringLiteral("/nonexistent-folder/x.pdf"));
    d.fake.messages.answer(platform::Answer::Ok);
    d.form->cmdSavePdf->click();
    QCOMPARE(d.fake.messages.requests().size(), qsizetype(1));
    QCOMPARE(d.fake.messages.requests()[0].icon, platform::Icon::Critical);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
