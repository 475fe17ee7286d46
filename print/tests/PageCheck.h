#pragma once
// Checks on a printed page that came back as a PDF file: rendered with
// pdftoppm at 72 dpi (one pixel a point), the grid's thick left rule must
// stand where the composition put it.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "print/PageComposer.h"

namespace gw::test {

// Renders page 1 of `pdf` at 72 dpi; a null image when pdftoppm is missing or fails.
inline QImage renderFirstPage(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess run;
    run.start(tool, {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QStringLiteral("1"),
                     QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                     pdf, prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png"));
}

// Longest run of dark pixels in image column x.
inline int darkRun(const QImage& page, int x)
{
    int best = 0, run = 0;
    for (int y = 0; y < page.height(); ++y) {
        const QColor c = page.pixelColor(x, y);
        run = (c.red() < 110 && c.green() < 110 && c.blue() < 110) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// The x (page pixels) near `expectedX` where a vertical rule at least
// `minimumLength` long stands, or -1.
inline int ruleNear(const QImage& page, double expectedX, int minimumLength)
{
    for (int d = 0; d <= 3; ++d)
        for (int x : {qRound(expectedX) - d, qRound(expectedX) + d})
            if (x >= 0 && x < page.width() && darkRun(page, x) >= minimumLength)
                return x;
    return -1;
}

} // namespace gw::test
