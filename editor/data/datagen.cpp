// gridwick-datagen: makes the data files both programs read from their
// folder, at build time, from our own sources:
//   mice <mouse1.dat> <mouse2.dat>    the mouse pictures (PNG)
//   unmarked <hamworst.dat>           the look of an unmarked cell (PNG)
//   help <source.html> <out.pdf>      a user guide rendered to PDF
//   puzzle <art.txt> <out.pbm|.ppm>   a sample puzzle from its text drawing
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>

#include "core/Palette.h"
#include "core/Puzzle.h"
#include "core/PuzzleFile.h"

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "gridwick-datagen: %s\n", qPrintable(message));
    return 1;
}

// A mouse seen from above, 64 x 64 pixels (shown at 32 x 32 logical pixels),
// with the left (button 0) or right (button 1) button in red.
QImage mousePicture(int button)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(14, 6, 36, 54);
    QPainterPath shell;
    shell.addRoundedRect(body, 17, 17);
    p.setPen(QPen(QColor(40, 40, 40), 2.5));
    p.setBrush(QColor(235, 235, 235));
    p.drawPath(shell);
    // The two buttons: the top part of the body split in halves.
    const QRectF top(body.left(), body.top(), body.width(), 22);
    QPainterPath buttons;
    buttons.addRoundedRect(body, 17, 17);
    QPainterPath topHalf;
    topHalf.addRect(button == 0 ? QRectF(top.left(), top.top(), top.width() / 2, top.height())
                                : QRectF(top.center().x(), top.top(), top.width() / 2, top.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(buttons.intersected(topHalf));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), top.bottom()));
    p.drawLine(QPointF(body.left(), top.bottom()), QPointF(body.right(), top.bottom()));
    p.setPen(QPen(QColor(40, 40, 40), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shell);
    // The cable.
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), 0));
    return image;
}

// Light grey with a faint dot in the middle of every 25-pixel square, so an
// unmarked cell looks different from one marked white; pixel (1, 1) is grey.
QImage unmarkedPicture()
{
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(QColor(214, 214, 214));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 190));
    for (int y = 0; y < 250; y += 25)
        for (int x = 0; x < 250; x += 25)
            p.drawRect(x + 11, y + 11, 3, 3);
    return image;
}

int writeHelp(const QString& sourcePath, const QString& outPath)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail("cannot read " + sourcePath);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setHtml(QString::fromUtf8(source.readAll()));
    QPdfWriter writer(outPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Gridwick"));
    document.print(&writer);
    return QFile::exists(outPath) ? 0 : fail("cannot write " + outPath);
}

// The text drawing: lines starting with ";" are comments, "Title: <text>"
// gives the puzzle's title; every other non-empty line is a row of cells:
// "." white, "#" or "K" black, R red, B blue, Y yellow, G green, M magenta,
// A aqua. A drawing that uses only "." and "#" is black and white.
int writePuzzle(const QString& artPath, const QString& outPath)
{
    QFile art(artPath);
    if (!art.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read " + artPath);
    gw::Puzzle puzzle;
    puzzle.cells.fill(gw::White);
    puzzle.isColor = false;
    QStringList rows;
    QTextStream in(&art);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1String("Title:")))
            puzzle.title = line.mid(6).trimmed().toStdString();
        else if (!line.isEmpty() && !line.startsWith(QLatin1Char(';')))
            rows << line;
    }
    const int height = int(rows.size());
    const int width = height ? int(rows.front().size()) : 0;
    if (width < 1 || width > gw::MaxPuzzleSize || height < 1 || height > gw::MaxPuzzleSize)
        return fail(artPath + ": a drawing must be 1..50 cells each way");
    const QString codes = QStringLiteral("#.RBYGMA");
    for (int y = 0; y < height; ++y) {
        if (rows[y].size() != width)
            return fail(QStringLiteral("%1: row %2 is not %3 cells wide").arg(artPath).arg(y + 1).arg(width));
        for (int x = 0; x < width; ++x) {
            const QChar c = rows[y][x] == QLatin1Char('K') ? QLatin1Char('#') : rows[y][x];
            const int index = int(codes.indexOf(c));
            if (index < 0)
                return fail(QStringLiteral("%1: unknown cell '%2' in row %3").arg(artPath, QString(c)).arg(y + 1));
            puzzle.cell(x, y) = static_cast<std::uint8_t>(index);
            if (index > gw::White)
                puzzle.isColor = true;
        }
    }
    puzzle.width = static_cast<std::int16_t>(width);
    puzzle.height = static_cast<std::int16_t>(height);
    const bool colorFile = outPath.endsWith(QLatin1String(".ppm"));
    if (puzzle.isColor && !colorFile)
        return fail(artPath + ": a colour drawing must be saved as .ppm");
    const gw::SaveResult saved =
        colorFile ? gw::savePpm(puzzle, outPath.toStdString()) : gw::savePbm(puzzle, outPath.toStdString());
    return saved.ok ? 0 : fail(QString::fromStdString(saved.reason));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("mice")) {
        const bool ok = mousePicture(0).save(args[1], "PNG") && mousePicture(1).save(args[2], "PNG");
        return ok ? 0 : fail("cannot write the mouse pictures");
    }
    if (args.size() == 2 && args[0] == QLatin1String("unmarked"))
        return unmarkedPicture().save(args[1], "PNG") ? 0 : fail("cannot write " + args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("help"))
        return writeHelp(args[1], args[2]);
    if (args.size() == 3 && args[0] == QLatin1String("puzzle"))
        return writePuzzle(args[1], args[2]);
    return fail("usage: mice <m1> <m2> | unmarked <out> | help <html> <pdf> | puzzle <art> <out>");
}
