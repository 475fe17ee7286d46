#pragma once
// The print tests' rig, and checks on a page that came back as a PDF file:
// rendered with pdftoppm at 72 dpi (one pixel a point), the grid's rules must
// stand where the composition put them.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/testing/FakePlatform.h"
#include "playfield/tests/TestSupport.h"
#include "print/PrintDialog.h"

namespace gw::test {

// The print dialog on a puzzle (or one written as "#.#/###") with scripted
// platform dialogs; `printer`, when given, is the only and default printer.
struct PrintRig {
    platform::testing::FakePlatform fake;
    platform::Platform platform {fake.platform()};
    Puzzle puzzle;
    Session session;
    ClueTables clues;
    PrintDialog print {puzzle, session, clues, platform};
    explicit PrintRig(const std::string& rows, const QString& printer = {})
        : PrintRig(puzzleFromText(rows), printer) { }
    explicit PrintRig(Puzzle p, const QString& printer = {}) : puzzle(std::move(p))
    {
        if (!printer.isEmpty()) {
            fake.printers.install({printer}, printer);
            print.setPrinterState(true, printer);
        }
    }
};

// Page 1 of `pdf` at `dpi` (72: one pixel a point); a null image when
// pdftoppm is missing or fails.
inline QImage renderFirstPage(const QString& pdf, int dpi = 72)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess run;
    const QStringList options {QStringLiteral("-r"),   QString::number(dpi),         QStringLiteral("-f"),
                               QStringLiteral("1"),    QStringLiteral("-l"),         QStringLiteral("1"),
                               QStringLiteral("-png"), QStringLiteral("-singlefile")};
    if (!tool.isEmpty())
        run.start(tool, QStringList(options) << pdf << prefix);
    if (tool.isEmpty() || !run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png"));
}

// A page rendered from a PDF at `pixelsPerPoint`, measured in points.
struct RenderedPage {
    QImage gray; // null when pdftoppm is missing or failed
    int pixelsPerPoint = 4;
    RenderedPage(const QString& pdf, int ppp) : gray(renderFirstPage(pdf, 72 * ppp)), pixelsPerPoint(ppp)
    {
        if (!gray.isNull())
            gray = gray.convertToFormat(QImage::Format_Grayscale8);
    }
    bool dark(int x, int y) const { return gray.constScanLine(y)[x] < 128; }
    // Where the ink starts: the leftmost and the topmost dark pixel.
    QPointF inkStart() const
    {
        int left = gray.width(), top = gray.height();
        for (int y = 0; y < gray.height(); ++y)
            for (int x = 0; x < left; ++x)
                if (dark(x, y)) {
                    left = x;
                    top = std::min(top, y);
                }
        return QPointF(left, top) / pixelsPerPoint;
    }
    // Where the ink of the pixel row at `y` points ends.
    double inkEnd(double y) const
    {
        const int row = qRound(y * pixelsPerPoint);
        int right = 0;
        for (int x = 0; x < gray.width(); ++x)
            right = dark(x, row) ? x : right;
        return double(right) / pixelsPerPoint;
    }
};

// The top-left corner of the block `layout` composed, centred on a page whose
// printable area starts at `corner`: `across` x `down` cells and the footer
// (a page without a title).
inline QPointF centredBlock(const PageLayout& layout, QPointF corner, int across, int down)
{
    const double blockHeight = down * layout.cellSize + layout.footerHeight;
    return corner + QPointF(layout.page.width() - across * layout.cellSize, layout.page.height() - blockHeight) / 2;
}

// The first of the vertical grid rules `columns` missing from `page`, or -1: a
// rule is a dark run of at least 80 % of `cellsHigh` cells within three
// pixels of where `layout` put it, the printable area starting at `origin`.
inline int missingRule(const QImage& page, QPointF origin, const PageLayout& layout, int cellsHigh,
                       std::initializer_list<int> columns)
{
    auto darkRun = [&](int x) {
        int best = 0, run = 0;
        for (int y = 0; y < page.height(); ++y) {
            const QColor c = page.pixelColor(x, y);
            run = (c.red() < 110 && c.green() < 110 && c.blue() < 110) ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    };
    for (int j : columns) {
        const int expected = qRound(origin.x() + layout.gridLeft + j * layout.cellSize);
        bool found = false;
        for (int x = std::max(0, expected - 3); x <= std::min(page.width() - 1, expected + 3) && !found; ++x)
            found = darkRun(x) >= layout.cellSize * cellsHigh * 8 / 10;
        if (!found)
            return j;
    }
    return -1;
}

} // namespace gw::test
