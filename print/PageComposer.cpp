#include "PageComposer.h"

#include "PageSurface.h"
#include "core/Palette.h"
#include "core/Rounding.h"
#include "playfield/ClueDrawing.h"
#include "playfield/PlayFieldComposition.h"

namespace gw {

namespace {
// Points between the grid's bottom and the footer's first line.
constexpr double FooterGap = 3;

// The manual size as typed: its integer part, or nothing when the text is
// empty or not a number.
std::optional<long long> manualValue(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (text.trimmed().isEmpty() || !ok)
        return std::nullopt;
    return static_cast<long long>(std::clamp(value, -1e9, 1e9));
}
} // namespace

QColor backgroundTint(const QColor& c)
{
    return QColor((c.red() + 3060) / 13, (c.green() + 3060) / 13, (c.blue() + 3060) / 13);
}

QSizeF pageWithoutPrinter(bool portrait) { return portrait ? QSizeF(594.0, 840.95) : QSizeF(840.95, 594.0); }

QPageLayout paperWithoutPrinter(bool portrait)
{
    const QPageSize a4(QPageSize::A4);
    const QSizeF paper = a4.size(QPageSize::Point);
    const QSizeF page = pageWithoutPrinter(true);
    const double x = (paper.width() - page.width()) / 2, y = (paper.height() - page.height()) / 2;
    const QMarginsF margins = portrait ? QMarginsF(x, y, x, y) : QMarginsF(y, x, y, x);
    return QPageLayout(a4, portrait ? QPageLayout::Portrait : QPageLayout::Landscape, margins, QPageLayout::Point);
}

PageLayout composePage(PageSurface& surface, QSizeF page, PageMode mode, const PageOptions& options,
                       const Puzzle& puzzle, const ClueTables& clues, const PageTexts& texts)
{
    PageLayout layout;
    layout.page = page;
    const bool forTest = mode == PageMode::TestWindow;
    const int w = puzzle.width, h = puzzle.height;
    const int r = clues.maxRowClues, c = clues.maxColumnClues;
    // The test window's panel reaches PanelEdge beyond the block (its thick
    // rules at the right and bottom edges); the block is fitted so that they
    // fit the area too.
    const double edge = forTest ? PanelEdge : 0.0;
    const double pageW = page.width() - edge, pageH = page.height() - edge;
    QPaintDevice* device = surface.metricsDevice();

    // The title line only exists outside the test window and with a text.
    const bool hasTitle = !forTest && !options.title.isEmpty();
    if (!forTest) {
        layout.titleHeight = textHeight(pointFont(36), device);
        layout.footerHeight = 2 * textHeight(pointFont(10), device);
    }
    const double titleTerm = hasTitle ? layout.titleHeight : 0.0;
    const double footer = layout.footerHeight;

    // The block of clue cells and grid shares the page with the footer and the title.
    const int across = r + w, down = c + h;
    const double blockHeight = pageH - footer - titleTerm;
    layout.bestFontSize = largestFittingFontSize(device, across, down, pageW, blockHeight);
    layout.clueFontSize = layout.bestFontSize;
    if (!options.automaticSize) {
        if (const auto v = manualValue(options.manualSize)) {
            if (*v >= 5 && *v <= layout.bestFontSize)
                layout.clueFontSize = static_cast<int>(*v);
        } else {
            layout.manualFellBack = true;
        }
    }

    layout.cellSize = fittingCellSize(device, layout.clueFontSize, across, down, pageW, blockHeight);
    const int s = layout.cellSize;

    // A canvas is as large as the block (never larger than the page); without
    // a title it leaves the title line out, so the block fills it exactly.
    // The test window's panel ends with the grid's bottom edge; the preview
    // canvas goes on to the footer's last line, the gap above it included.
    const double below = forTest ? PanelEdge : FooterGap + footer;
    if (surface.isCanvas()) {
        QSizeF canvas(across * s + PanelEdge, down * s + below + titleTerm);
        canvas = canvas.boundedTo(page);
        surface.setCanvasSize(canvas);
        layout.canvas = canvas;
    }

    // The block a page centres: clue cells and grid, footer and title line.
    const double blockW = across * s;
    const double blockH = down * s + footer + titleTerm;
    if (!forTest) {
        // A canvas also holds the gap above the footer, so there the block
        // is centred together with it and the footer's last line stays whole.
        const QSizeF inner = surface.isCanvas() ? surface.innerSize() : page;
        layout.offsetX = (inner.width() - blockW) / 2;
        layout.offsetY = (inner.height() - blockH - (surface.isCanvas() ? FooterGap : 0.0)) / 2;
    }

    QPainter painter;
    if (!surface.begin(painter))
        return layout;
    layout.painted = true;
    const double pixel = surface.pixelInPoints();
    double y = layout.offsetY;
    if (hasTitle) {
        painter.setFont(pointFont(36));
        painter.setPen(options.printColor);
        double x = layout.offsetX;
        if (options.centreTitle)
            x += roundHalfEven(blockW - textWidth(painter.font(), device, options.title)) / 2;
        drawTextAt(painter, device, x, y, options.title);
        y += layout.titleHeight;
    }

    painter.setFont(pointFont(layout.clueFontSize));
    if (forTest)
        useSolidDigits(painter); // numbers are crossed off there
    GridPlacement grid;
    grid.cellSize = s;
    grid.gridLeft = layout.offsetX + r * s;
    grid.gridTop = y + c * s;
    layout.gridLeft = grid.gridLeft;
    layout.gridTop = grid.gridTop;
    drawClueNumbers(painter, device, puzzle, clues, grid, paletteColor);

    if (options.backgroundTint) {
        const QColor tint = backgroundTint(options.printColor);
        for (int row = 1; row < h; row += 2)
            fillBox(painter, grid.gridLeft, grid.gridTop + row * s, grid.gridLeft + w * s, grid.gridTop + (row + 1) * s,
                    tint, pixel);
        for (int column = 1; column < w; column += 2)
            fillBox(painter, grid.gridLeft + column * s, grid.gridTop, grid.gridLeft + (column + 1) * s,
                    grid.gridTop + h * s, tint, pixel);
    }

    const QColor lineColor = forTest ? QColor(64, 64, 64) : options.printColor;
    drawGridRules(painter, layout.offsetX, puzzle, c, grid, lineColor, pixel);

    if (!forTest) {
        painter.setFont(pointFont(10, true));
        painter.setPen(options.printColor);
        const double footerY = grid.gridTop + h * s + FooterGap;
        drawTextAt(painter, device, layout.offsetX, footerY, texts.footerFirst);
        drawTextAt(painter, device, layout.offsetX, footerY + textHeight(painter.font(), device), texts.footerSecond);
    }
    painter.end();
    return layout;
}

} // namespace gw
