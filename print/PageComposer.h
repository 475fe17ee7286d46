#pragma once
// The page painter: a blank nonogram composed on any PageSurface, in points,
// with text measured on the surface it is drawn on. The print dialog owns the
// options and the bookkeeping around a composition; this is only the page.
#include <QColor>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "core/Clues.h"
#include "core/Puzzle.h"

namespace gw {

class PageSurface;

enum class PageMode { Paper, Preview, TestWindow };

// The dialog's options as a composition reads them.
struct PageOptions {
    bool portrait = true;
    QString title;           // empty: no title line
    bool centreTitle = true; // the title centred over the block, else at its left
    QColor printColor = Qt::black;
    bool backgroundTint = true;                // every other row and column tinted in the print colour
    bool automaticSize = true;                 // the largest clue size that fits, else `manualSize`
    QString manualSize = QStringLiteral("10"); // clue size in points, as typed
};

// What one composition found.
struct PageLayout {
    QSizeF page;                 // usable page area, points
    int bestFontSize = 5;        // largest automatic clue size, 5..72
    int clueFontSize = 5;        // size used
    bool manualFellBack = false; // manual size empty or not a number: automatic is selected instead
    int cellSize = 3;            // points, never below 3
    double titleHeight = 0;      // points (0 in test-window mode)
    double footerHeight = 0;     // points (0 in test-window mode)
    double offsetX = 0, offsetY = 0;
    double gridLeft = 0, gridTop = 0;
    QSizeF canvas;        // canvas size given (preview and test window)
    bool painted = false; // false when the surface refused the painter
};

// The page's footer texts and the language they are chosen in.
struct PageTexts {
    QString footerFirst;
    QString footerSecond;
};

// The tint of a print colour: one part colour, twelve parts white, rounded down.
QColor backgroundTint(const QColor& printColor);

// Composes the page on `surface` for `page` (the usable area in points: a
// paged surface's printable area, on which the block is centred; for a
// canvas the area it may take at most). The clue tables must be fresh.
PageLayout composePage(PageSurface& surface, QSizeF page, PageMode mode, const PageOptions& options,
                       const Puzzle& puzzle, const ClueTables& clues, const PageTexts& texts);

// The fixed page of the preview when no printer is installed, in points.
QSizeF pageWithoutPrinter(bool portrait);
// The paper that page is written on without a printer (a PDF file): A4, with
// margins that centre the fixed page on it.
QPageLayout paperWithoutPrinter(bool portrait);

} // namespace gw
