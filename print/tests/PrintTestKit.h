#pragma once
// The print tests' rig, and checks on a page that came back as a PDF file:
// rendered with pdftoppm, the block must stand where the composition put it.
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

// Empty when the block `layout` composed (`across` x `down` cells, the top
// `columnClues` rows of them column clues; no title) stands where it was
// centred on a printable area starting at `corner`: the ink starts at the
// block's corner (to a pixel) and the grid's first row ends at its right edge
// (to a point). Otherwise what was found.
inline QString misplacedBlock(const RenderedPage& page, const PageLayout& layout, QPointF corner, int across, int down,
                              int columnClues)
{
    const int s = layout.cellSize;
    const QPointF block =
        corner + QPointF(layout.page.width() - across * s, layout.page.height() - down * s - layout.footerHeight) / 2;
    const QPointF ink = page.inkStart();
    const double end = page.inkEnd(block.y() + (columnClues + 0.5) * s);
    const double onePixel = 1.0 / page.pixelsPerPoint;
    if (std::abs(ink.x() - block.x()) <= onePixel && std::abs(ink.y() - block.y()) <= onePixel
        && std::abs(end - (block.x() + across * s + 1)) <= 1)
        return {};
    return QStringLiteral("ink from %1, %2 to %3; block at %4, %5")
        .arg(ink.x())
        .arg(ink.y())
        .arg(end)
        .arg(block.x())
        .arg(block.y());
}

} // namespace gw::test
