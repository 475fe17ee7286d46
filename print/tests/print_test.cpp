#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <optional>

#include "PrintTestKit.h"
#include "core/Rounding.h"
#include "platform/Units.h"
#include "platform/WindowFit.h"
#include "playfield/ClueDrawing.h"
#include "print/PageSurface.h"
#include "print/ScaledPreview.h"

using namespace gw;

namespace {

const QSizeF A4 = pageWithoutPrinter(true);
constexpr double Ppp = 4.0 / 3.0; // pixels a point on the test canvas (96 dpi)
const char* const Heart = "#.#../.###./#####/..#../.#.#.";

PageOptions plain(const QString& title = {})
{
    PageOptions o;
    o.title = title;
    o.backgroundTint = false;
    return o;
}

// A page composed on an off-screen canvas.
struct Canvas {
    Puzzle puzzle;
    ClueTables clues;
    PointImage picture;
    PageLayout layout;

    Canvas(Puzzle p, const PageOptions& o = plain(), PageMode mode = PageMode::Preview, QSizeF page = A4)
        : puzzle(std::move(p))
    {
        deriveClues(puzzle, clues);
        ImageSurface surface(picture, Ppp, 1.0);
        layout = composePage(surface, page, mode, o, puzzle, clues, {QStringLiteral("first"), QStringLiteral("gjpqy")});
    }
    Canvas(const char* rows, const PageOptions& o = plain()) : Canvas(test::puzzleFromText(rows), o) { }
    const QImage& image() const { return picture.image(); }
    QColor at(double x, double y) const { return image().pixelColor(QPointF(x * Ppp, y * Ppp).toPoint()); }
    QColor cell(int x, int y) const
    {
        return at(layout.gridLeft + (x + 0.5) * layout.cellSize, layout.gridTop + (y + 0.5) * layout.cellSize);
    }
    // Pixels within `box` (points; the whole canvas when empty) for which `hit` holds.
    template <typename Hit> int count(Hit hit, QRectF box = {}) const
    {
        const QRect all = image().rect();
        const QRect px = box.isEmpty() ? all : QRectF(box.topLeft() * Ppp, box.size() * Ppp).toAlignedRect() & all;
        int n = 0;
        for (int y = px.top(); y <= px.bottom(); ++y)
            for (int x = px.left(); x <= px.right(); ++x)
                n += hit(image().pixelColor(x, y)) ? 1 : 0;
        return n;
    }
};

bool dark(const QColor& c) { return c.lightness() < 128; }

// The title in a PDF file's document information, as Qt writes it: UTF-16
// in a literal string, with "(", ")" and "\\" escaped. Empty when missing.
QString pdfTitle(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const QByteArray key("/Title (\xfe\xff");
    qsizetype i = bytes.indexOf(key);
    if (i < 0)
        return {};
    QByteArray utf16;
    for (i += key.size(); i < bytes.size() && bytes[i] != ')'; ++i) {
        if (bytes[i] == '\\')
            ++i;
        utf16 += bytes[i];
    }
    QString title;
    for (qsizetype j = 0; j + 1 < utf16.size(); j += 2)
        title += QChar(char16_t((uchar(utf16[j]) << 8) | uchar(utf16[j + 1])));
    return title;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void clueNumbers_data();
    void clueNumbers();
    void clueFontAndCellSize_data();
    void clueFontAndCellSize();
    void titleLineAndFooterFitTheCanvas_data();
    void titleLineAndFooterFitTheCanvas();
    void backgroundTintsOddRowsAndColumnsOnly();
    void testWindowModeDrawsGreyRulesOnly();
    void previewSizeBox_data();
    void previewSizeBox();
    void previewWithoutPrinter();
    void manualBoxAndSpinFollowTheBestSize();
    void titleBoxEditsThePuzzleTitleAndWaitsForAPause();
    void printerListAndOptionsPersist();
    void failedPrintShowsAMessage();
    void pdfExportAsksForAFileAndReportsFailure();
    void savedPdfShowsTheOnePuzzleTheDialogOpenedWith();
    void writtenPageIsThePreviewedPage_data();
    void writtenPageIsThePreviewedPage();
    void dialogOpensWhole_data();
    void dialogOpensWhole();
};

void PrintTest::clueNumbers_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("clueCells");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("never");
    QTest::newRow("yellow is darkened") << "YY.YY/....." << 2 << QColor(192, 192, 0) << QColor(255, 255, 0);
    QTest::newRow("aqua is darkened") << "AA.AA/....." << 2 << QColor(0, 192, 192) << QColor(0, 255, 255);
    QTest::newRow("red stays red") << "RR.RR/....." << 2 << QColor(255, 0, 0) << QColor();
    QTest::newRow("empty lines: one black 0") << "...../....." << 1 << QColor(Qt::black) << QColor();
}

void PrintTest::clueNumbers()
{
    QFETCH(QString, rows);
    QFETCH(int, clueCells);
    QFETCH(QColor, ink);
    QFETCH(QColor, never);
    const Canvas c(rows.toStdString().c_str());
    const PageLayout& l = c.layout;
    const int s = l.cellSize;
    QCOMPARE(l.gridLeft - l.offsetX, double(clueCells * s));
    QCOMPARE(l.gridTop - l.offsetY, double(s)); // one clue cell above every column
    // Row 0's number next to the grid, inside its cell's rules.
    const QRectF next(l.gridLeft - s + 1.5, l.gridTop + 2, s - 2.5, s - 3);
    QVERIFY(c.count([&](QColor p) { return p == ink; }, next) > 0);
    QCOMPARE(c.count([&](QColor p) { return never.isValid() && p == never; }), 0);
}

void PrintTest::clueFontAndCellSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QString>("manual"); // "": automatic
    QTest::addColumn<int>("font");       // 0: the best size, -1: automatic chosen instead
    QTest::newRow("5 x 5 on A4") << 5 << A4 << "" << 0;
    QTest::newRow("50 x 50 on A4") << 50 << A4 << "" << 0;
    QTest::newRow("50 x 50 on a tiny page: font 5, cell 3") << 50 << QSizeF(100, 100) << "" << 0;
    QTest::newRow("manual within range") << 5 << A4 << "6" << 6;
    QTest::newRow("manual smallest") << 5 << A4 << "5" << 5;
    QTest::newRow("manual above the best uses the best") << 5 << A4 << "99" << 0;
    QTest::newRow("manual not a number falls back to automatic") << 5 << A4 << "x1" << -1;
}

void PrintTest::clueFontAndCellSize()
{
    QFETCH(int, size);
    QFETCH(QSizeF, page);
    QFETCH(QString, manual);
    QFETCH(int, font);
    PageOptions o = plain();
    o.automaticSize = manual.isEmpty();
    o.manualSize = manual;
    Canvas c(test::patternPuzzle(size, size, [](int x, int y) { return (x + y) % 2 == 0; }), o, PageMode::Preview,
             page);
    const PageLayout& l = c.layout;
    QPaintDevice* device = &c.picture.image();
    const int across = c.clues.maxRowClues + size, down = c.clues.maxColumnClues + size;
    auto fits = [&](int f) {
        const double t = tenWidth(f, device);
        return t * across < page.width() && t * down + l.footerHeight + 3 < page.height();
    };
    // The best size is the largest whose "10 " fits across and down (at least 5).
    QVERIFY(l.bestFontSize == 5 || fits(l.bestFontSize));
    QVERIFY(!fits(l.bestFontSize + 1));
    QCOMPARE(l.manualFellBack, font < 0);
    QCOMPARE(l.clueFontSize, font > 0 ? font : l.bestFontSize);
    const int cell = roundHalfEven(tenWidth(l.clueFontSize, device));
    QCOMPARE(l.cellSize, across * cell > page.width() ? 3 : cell); // shrunk, never below 3
    QCOMPARE(l.canvas, QSizeF(across * l.cellSize + 2, down * l.cellSize + 3 + l.footerHeight).boundedTo(page));
}

void PrintTest::titleLineAndFooterFitTheCanvas_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("centred");
    QTest::newRow("no title: the block starts at the top") << "" << true;
    QTest::newRow("title centred over the whole block") << "II" << true;
    QTest::newRow("title at the left of the row clues") << "II" << false;
}

void PrintTest::titleLineAndFooterFitTheCanvas()
{
    QFETCH(QString, title);
    QFETCH(bool, centred);
    PageOptions o = plain(title);
    o.centreTitle = centred;
    const char* rows = "#.#.#.#.#./##########";
    Canvas c(rows, o), untitled(rows);
    const PageLayout& l = c.layout;
    const double titleLine = title.isEmpty() ? 0 : l.titleHeight;
    QCOMPARE(l.offsetY, 0.0);
    QCOMPARE(l.gridTop, titleLine + c.clues.maxColumnClues * l.cellSize);
    QCOMPARE(l.canvas.height() - untitled.layout.canvas.height(), titleLine);
    // Regression: the canvas left out the gap above the footer and cut off
    // the descenders of its second line.
    const double line = l.footerHeight / 2, second = l.gridTop + 2 * l.cellSize + 3 + line;
    QVERIFY(c.count(dark, QRectF(0, second + 0.85 * line, l.canvas.width(), 0.15 * line)) > 0);
    int left = c.image().width();
    for (int y = qRound(2 * Ppp); y < qRound((titleLine - 2) * Ppp); ++y)
        for (int x = 0; x < left; ++x)
            left = dark(c.image().pixelColor(x, y)) ? x : left;
    const double titleWidth = textWidth(pointFont(36), &c.picture.image(), title);
    const double blockWidth = (c.clues.maxRowClues + 10) * l.cellSize;
    const double expected = l.offsetX + (centred ? roundHalfEven(blockWidth - titleWidth) / 2 : 0);
    QVERIFY2(title.isEmpty() || std::abs(left / Ppp - expected) < 6, qPrintable(QString::number(left / Ppp)));
}

void PrintTest::backgroundTintsOddRowsAndColumnsOnly()
{
    PageOptions o;
    o.printColor = QColor(0, 0, 255);
    const Canvas c("..../..../..../....", o);
    const QColor tint(235, 235, 255), white(Qt::white);
    QCOMPARE(backgroundTint(o.printColor), tint);
    QCOMPARE(QList<QColor>({c.cell(0, 0), c.cell(1, 0), c.cell(0, 1), c.cell(1, 1), c.cell(2, 2)}),
             QList<QColor>({white, tint, tint, tint, white})); // (1, 1) is tinted twice, no darker
    QCOMPARE(c.at(c.layout.offsetX + 2, c.layout.gridTop + 1.5 * c.layout.cellSize), white); // clue area
}

void PrintTest::testWindowModeDrawsGreyRulesOnly()
{
    PageOptions o = plain(QStringLiteral("Never drawn"));
    o.printColor = QColor(255, 0, 0);
    const Canvas c(test::puzzleFromText("#.#../#####"), o, PageMode::TestWindow, QSizeF(500, 400));
    const PageLayout& l = c.layout;
    QCOMPARE(QList<double>({l.titleHeight, l.footerHeight, l.offsetX, l.offsetY}), QList<double>(4, 0.0));
    QCOMPARE(l.gridTop, double(c.clues.maxColumnClues * l.cellSize));
    QCOMPARE(c.at(l.gridLeft, l.gridTop + 0.5 * l.cellSize), QColor(64, 64, 64));
    QCOMPARE(c.count([](QColor p) { return p == QColor(255, 0, 0); }), 0);
}

void PrintTest::previewSizeBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("spin");
    QTest::newRow("above 200 becomes 200") << "250"
                                           << "200" << 0;
    QTest::newRow("a percentage moves the spin") << "80"
                                                 << "80" << 120;
    QTest::newRow("below 10 changes nothing") << "5"
                                              << "5" << 150;
    QTest::newRow("letters cannot be typed") << "ab"
                                             << "" << 150;
}

void PrintTest::previewSizeBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, spin);
    test::PrintRig d(Heart);
    d.print.open();
    d.print.previewScaleEdit()->clear();
    QTest::keyClicks(d.print.previewScaleEdit(), typed);
    QCOMPARE(d.print.previewScaleEdit()->text(), shown);
    QCOMPARE(d.print.previewScaleSpin()->value(), spin);
}

void PrintTest::previewWithoutPrinter()
{
    test::PrintRig d(Heart);
    d.print.open();
    QVERIFY(!d.print.printerCombo()->isEnabled() && !d.print.printButton()->isEnabled() && !d.print.printPuzzle());
    QVERIFY(d.print.savePdfButton()->isEnabled());
    const auto units = platform::ScreenUnits::fromScreen(d.print.screen());
    for (const bool portrait : {true, false}) {
        (portrait ? d.print.portraitButton() : d.print.landscapeButton())->setChecked(true);
        QCOMPARE(d.print.lastLayout().page, pageWithoutPrinter(portrait));
        const double w = portrait ? 11515 : 16075, h = portrait ? 16075 : 11515; // twips at 100 %
        const ScaledPreview& box = *d.print.preview();
        QCOMPARE(box.size(), QSize(units.twipsToWholePixelsX(w / 2), units.twipsToWholePixelsY(h / 2)));
        QVERIFY(box.copyRect().width() == box.width() || box.copyRect().height() == box.height());
    }
    d.print.previewScaleSpin()->setValue(190); // the spin writes its percentage back
    QCOMPARE(d.print.previewScaleEdit()->text(), QStringLiteral("10"));
}

void PrintTest::manualBoxAndSpinFollowTheBestSize()
{
    test::PrintRig d(Heart);
    d.print.open();
    const int best = d.print.clueSizeSpin()->maximum() + 5;
    QVERIFY(best > 7);
    QCOMPARE(d.print.clueSizeEdit()->text(), QString::number(best));
    // Regression: the spin selects manual before writing its size, so the size sticks.
    d.print.clueSizeSpin()->setValue(2);
    QVERIFY(d.print.manualSizeButton()->isChecked());
    QCOMPARE(d.print.clueSizeEdit()->text(), QString::number(best - 2));
    QCOMPARE(d.print.lastLayout().clueFontSize, best - 2);
    // A size beyond the best becomes the best; one below 5 is ignored.
    d.print.clueSizeEdit()->setText(QString::number(best + 10));
    QCOMPARE(d.print.clueSizeEdit()->text(), QString::number(best));
    QCOMPARE(d.print.clueSizeSpin()->value(), 0);
    d.print.clueSizeEdit()->setText(QStringLiteral("6"));
    d.print.clueSizeEdit()->setText(QStringLiteral("3"));
    QCOMPARE(d.print.clueSizeSpin()->value(), best - 6);
    QCOMPARE(d.print.lastLayout().clueFontSize, 6);
    d.print.automaticSizeButton()->setChecked(true); // automatic puts the best back
    QCOMPARE(d.print.clueSizeEdit()->text(), QString::number(best));
    QCOMPARE(d.print.lastLayout().clueFontSize, best);
    QVERIFY(!d.print.composing());
}

void PrintTest::titleBoxEditsThePuzzleTitleAndWaitsForAPause()
{
    test::PrintRig d(Heart);
    d.puzzle.name = "heart";
    d.puzzle.title = "My heart";
    d.print.open();
    QCOMPARE(d.print.titleEdit()->text(), QStringLiteral("My heart"));
    d.print.titleEdit()->setText(QStringLiteral("heart")); // the puzzle's name is no title
    QCOMPARE(d.puzzle.title, std::string());
    const qint64 before = d.print.canvas().cacheKey();
    d.print.titleEdit()->setText(QStringLiteral("Valentine"));
    QCOMPARE(d.puzzle.title, std::string("Valentine"));
    QCOMPARE(d.print.titleCountdown(), 5);
    QCOMPARE(d.print.titleTimer()->interval(), 100);
    QCOMPARE(d.print.canvas().cacheKey(), before); // not yet redrawn
    QVERIFY(QTest::qWaitFor([&] { return !d.print.titleTimer()->isActive(); }, 5000));
    QVERIFY(d.print.titleCountdown() <= 0 && d.print.canvas().cacheKey() != before);
    QVERIFY(d.print.lastLayout().titleHeight > 0);
}

void PrintTest::printerListAndOptionsPersist()
{
    test::PrintRig d(Heart, QStringLiteral("Attic"));
    d.fake.printers.install({QStringLiteral("Office"), QStringLiteral("Attic")}, QStringLiteral("Attic"));
    d.print.open();
    QCOMPARE(d.print.printerCombo()->count(), 2);
    QCOMPARE(d.print.printerCombo()->currentText(), QStringLiteral("Attic")); // the default printer
    QVERIFY(d.print.printerCombo()->isEnabled() && d.print.printButton()->isEnabled());
    // Closing only hides; printer, orientation and colour stay for the next opening.
    d.print.printerCombo()->setCurrentIndex(0);
    d.print.landscapeButton()->setChecked(true);
    d.fake.colors.answer(QColor(255, 0, 0));
    d.print.printColorButton()->click();
    QVERIFY(!d.print.close() && d.print.isHidden());
    d.print.open();
    QCOMPARE(d.print.printerCombo()->currentText(), QStringLiteral("Office"));
    QVERIFY(d.print.landscapeButton()->isChecked());
    d.fake.colors.answer(std::nullopt); // a cancelled picker keeps the colour
    d.print.printColorButton()->click();
    QCOMPARE(d.fake.colors.requests(), QList<QColor>({QColor(Qt::black), QColor(255, 0, 0)}));
    d.session.closing = true;
    QVERIFY(d.print.close());
}

void PrintTest::failedPrintShowsAMessage()
{
    // Regression: a page the printer refuses was reported as printed.
    test::PrintRig d(Heart, QStringLiteral("Office"));
    d.print.open();
    QString status;
    connect(&d.print, &PrintDialog::statusMessage, this, [&](const QString& s) { status = s; });
    QPrinter* printer = d.print.currentPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QStringLiteral("/nonexistent-folder/page.pdf"));
    d.fake.messages.answer(platform::Answer::Ok);
    d.print.printButton()->click();
    QCOMPARE(d.fake.messages.texts(),
             QStringList {QStringLiteral("The puzzle could not be printed. Check the printer and try again.")});
    QCOMPARE(d.fake.messages.requests()[0].icon, platform::Icon::Critical);
    QVERIFY(status.isEmpty() && d.print.isVisible());
}

void PrintTest::pdfExportAsksForAFileAndReportsFailure()
{
    test::PrintRig d(Heart);
    d.print.open();
    QTemporaryDir dir;
    d.fake.files.answerSave(dir.filePath(QStringLiteral("heart.pdf")));
    d.print.savePdfButton()->click();
    QCOMPARE(d.fake.files.requests().size(), qsizetype(1));
    QCOMPARE(d.fake.files.requests()[0].request.filter, QStringLiteral("PDF Documents (*.pdf)|*.pdf"));
    QVERIFY(d.fake.messages.requests().isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("heart.pdf"))).size() > 0);
    // A path that cannot be written gives a message, not silence.
    d.fake.files.answerSave(QStringLiteral("/nonexistent-folder/x.pdf"));
    d.fake.messages.answer(platform::Answer::Ok);
    d.print.savePdfButton()->click();
    QCOMPARE(d.fake.messages.requests().size(), qsizetype(1));
    QCOMPARE(d.fake.messages.requests()[0].icon, platform::Icon::Critical);
    // Regression: the message did not say why.
    QCOMPARE(d.fake.messages.texts()[0],
             "The PDF file could not be written.\n" + QString::fromLocal8Bit(std::strerror(ENOENT)));
}

void PrintTest::savedPdfShowsTheOnePuzzleTheDialogOpenedWith()
{
    // Regression: a picture imported while the dialog was open gave the PDF
    // its title, while the page showed the clues of the puzzle the dialog
    // opened with (and the preview mixed the new size into the old clues).
    test::PrintRig d(Heart);
    d.puzzle.name = "heart";
    d.print.open();
    const QImage preview = d.print.canvas().copy();
    QTemporaryDir dir;
    const QString before = dir.filePath(QStringLiteral("before.pdf")),
                  after = dir.filePath(QStringLiteral("after.pdf"));
    QVERIFY(d.print.savePdf(before));
    d.puzzle = test::puzzleFromText("##.#/#...");
    d.puzzle.name = "rose";
    d.puzzle.title = "Rose";
    QVERIFY(d.print.savePdf(after));
    QCOMPARE(pdfTitle(before), QStringLiteral("heart"));
    QCOMPARE(pdfTitle(after), QStringLiteral("heart"));
    d.print.composePreview();
    QCOMPARE(d.print.canvas(), preview);
    const QImage first = test::renderFirstPage(before), second = test::renderFirstPage(after);
    if (first.isNull())
        QSKIP("pdftoppm is not installed");
    QCOMPARE(second, first);
    // Opened again, the dialog takes the puzzle as it is now.
    d.print.open();
    QCOMPARE(d.print.titleEdit()->text(), QStringLiteral("Rose"));
    QCOMPARE(d.print.composedPuzzle().width, 4);
}

void PrintTest::writtenPageIsThePreviewedPage_data()
{
    QTest::addColumn<QString>("printer"); // empty: none installed
    QTest::addColumn<QMarginsF>("unprintable");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<bool>("print"); // Print (into a file) rather than Save as PDF
    const QMarginsF none, some(18, 12, 30, 24);
    const QString queue = QStringLiteral("Queue"), office = QStringLiteral("Office");
    QTest::newRow("no printer, portrait, saved") << QString() << none << true << false;
    QTest::newRow("no printer, landscape, saved") << QString() << none << false << false;
    QTest::newRow("whole sheet printable, saved") << queue << none << true << false;
    QTest::newRow("whole sheet printable, printed") << queue << none << true << true;
    QTest::newRow("margins, landscape, saved") << office << some << false << false;
    QTest::newRow("margins, landscape, printed") << office << some << false << true;
    QTest::newRow("margins, portrait, printed") << office << some << true << true;
}

void PrintTest::writtenPageIsThePreviewedPage()
{
    // Regressions: without a printer the PDF was composed on A4 less Qt's
    // default margins, not on the previewed page, and rewrote the size box;
    // with a printer the page was Qt's default margins, not the printable
    // area; and every page sat 1.5 points too high (the gap above the footer
    // was centred with the block).
    QFETCH(QString, printer);
    QFETCH(QMarginsF, unprintable);
    QFETCH(bool, portrait);
    QFETCH(bool, print);
    // 20 cells across (13 and 7 row clue cells) and 20 down (19 and 1): a
    // size near a step of the automatic font on both kinds of A4 page.
    constexpr int W = 13, H = 19;
    test::PrintRig d(test::patternPuzzle(W, H, [](int x, int) { return x % 2 == 0; }), printer);
    d.fake.printers.setPaper(QPageSize(QPageSize::A4), unprintable);
    d.print.backgroundTintCheck()->setChecked(false);
    d.print.open();
    d.print.landscapeButton()->setChecked(!portrait);
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const QSizeF sheet = portrait ? paper : paper.transposed();
    const QSizeF page =
        printer.isEmpty() ? pageWithoutPrinter(portrait) : QRectF(QPointF(), sheet).marginsRemoved(unprintable).size();
    const PageLayout shown = d.print.lastLayout();
    QCOMPARE(shown.page, page);
    const int across = d.clues.maxRowClues + W, down = d.clues.maxColumnClues + H;
    // The fixed page and A4 less Qt's default margins give different pages.
    QImage probe = d.print.canvas().copy();
    QVERIFY(
        !printer.isEmpty()
        || largestFittingFontSize(&probe, across, down, sheet.width() - 20, sheet.height() - 20 - shown.footerHeight)
               != shown.bestFontSize);
    const QString size = d.print.clueSizeEdit()->text();
    const int spin = d.print.clueSizeSpin()->maximum();
    const qint64 preview = d.print.canvas().cacheKey();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    if (print) {
        d.print.currentPrinter()->setOutputFileName(path);
        d.print.printButton()->click();
        QCOMPARE(d.print.lastLayout().clueFontSize, shown.clueFontSize);
    } else {
        QVERIFY(d.print.savePdf(path));
        QCOMPARE(d.print.canvas().cacheKey(), preview); // nothing was composed again
    }
    QCOMPARE(d.print.clueSizeEdit()->text(), size);
    QCOMPARE(d.print.clueSizeSpin()->maximum(), spin);
    QVERIFY(d.print.automaticSizeButton()->isChecked());
    QVERIFY(d.fake.messages.requests().isEmpty());

    const test::RenderedPage rendered(path, 4);
    if (rendered.gray.isNull())
        QSKIP("pdftoppm is not installed");
    QCOMPARE(rendered.gray.size(), (sheet * 4).toSize());
    // The block centred on the page by its clue cells, grid and footer.
    const QPointF origin = (QPointF(sheet.width(), sheet.height()) - QPointF(page.width(), page.height())) / 2;
    const QPointF corner = printer.isEmpty() ? origin : QPointF(unprintable.left(), unprintable.top());
    QCOMPARE(test::misplacedBlock(rendered, shown, corner, across, down, d.clues.maxColumnClues), QString());
}

void PrintTest::dialogOpensWhole_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<std::optional<Language>>("switchedTo"); // none: no switch while the dialog is open
    QTest::addColumn<QString>("printer");
    const std::optional<Language> noSwitch;
    QTest::newRow("English") << Language::English << noSwitch << QString();
    QTest::newRow("Dutch") << Language::Dutch << noSwitch << QString();
    QTest::newRow("Italian") << Language::Italian << noSwitch << QString();
    QTest::newRow("Italian, a printer") << Language::Italian << noSwitch << QStringLiteral("Office");
    QTest::newRow("English, then Italian while open")
        << Language::English << std::optional(Language::Italian) << QString();
}

void PrintTest::dialogOpensWhole()
{
    // Regression: on a 1280 x 1024 screen the dialog opened 589 x 542, its
    // Size frame and buttons behind a scroll bar and its captions cut (its
    // layouts had measured the controls before they had captions).
    QFETCH(Language, language);
    QFETCH(std::optional<Language>, switchedTo);
    QFETCH(QString, printer);
    const auto onScreen = platform::keepWindowsOnScreen(); // as the program's main does
    test::PrintRig d(Heart, printer);
    d.session.language = language;
    d.print.applyCaptions();
    d.print.open();
    QVERIFY(QTest::qWaitForWindowExposed(&d.print));
    if (switchedTo) {
        d.session.language = *switchedTo;
        d.print.applyCaptions();
    }
    QCoreApplication::processEvents();
    // Each access key once. Regression: "Save as &PDF..." and "&Print" both took P in English.
    QStringList keys;
    for (const QAbstractButton* button : d.print.findChildren<QAbstractButton*>())
        keys << QKeySequence::mnemonic(button->text()).toString();
    for (const QGroupBox* frame : d.print.findChildren<QGroupBox*>())
        keys << QKeySequence::mnemonic(frame->title()).toString();
    for (const QLabel* label : d.print.findChildren<QLabel*>())
        keys << QKeySequence::mnemonic(label->text()).toString();
    keys.removeAll(QString());
    QCOMPARE(keys.size(), 3); // Print, Cancel and Save as PDF
    QVERIFY2(keys.removeDuplicates() == 0, qPrintable(keys.join(QLatin1Char(' '))));
    const QRect available = d.print.screen()->availableGeometry();
    QTRY_VERIFY(available.contains(d.print.frameGeometry()));
    if (!available.contains(QRect(d.print.frameGeometry().topLeft(), d.print.sizeHint())))
        QSKIP("the screen is smaller than the dialog (print_tests_large_screen runs this on 1280 x 1024)");
    // Nothing scrolls: every control and the whole preview box are in view.
    for (const QAbstractScrollArea* area : d.print.findChildren<QAbstractScrollArea*>())
        QVERIFY2(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible(),
                 qPrintable(QStringLiteral("%1 x %2").arg(d.print.width()).arg(d.print.height())));
    QVERIFY(d.print.preview()->visibleRegion().boundingRect() == d.print.preview()->rect());
    // Every caption whole.
    QList<const QWidget*> captioned;
    for (const QWidget* w : d.print.findChildren<QGroupBox*>())
        captioned << w;
    for (const QWidget* w : d.print.findChildren<QAbstractButton*>())
        captioned << w;
    for (const QWidget* w : d.print.findChildren<QLabel*>())
        captioned << w;
    for (const QWidget* w : captioned)
        QVERIFY2(w->width() >= w->sizeHint().width() && !w->visibleRegion().isEmpty(),
                 qPrintable(w->objectName() + w->metaObject()->className()));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
