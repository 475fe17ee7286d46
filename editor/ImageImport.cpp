#include "editor/ImageImport.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "core/Palette.h"
#include "core/Paths.h"
#include "core/Rounding.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw::editor {

namespace {

// The shorter side when the longer one becomes 50 pixels, at least one pixel.
int shorterSideAtFifty(int shorter, int longer) { return std::max(1, roundHalfEven(shorter * 50.0 / longer)); }

Message informationMessage(std::uint8_t language, const Text& text, const Text& title)
{
    return Message {chooseText(language, text), chooseText(language, title), MessageIcon::Information};
}

// Every import, whatever its outcome, ends with the puzzle counted as unchanged.
void finishImport(Puzzle& puzzle) { puzzle.PuzzleChanged = false; }

} // namespace

QSize importSize(int width, int height)
{
    if (width <= MaxPuzzleSize && height <= MaxPuzzleSize)
        return QSize(width, height);
    if (width > height)
        return QSize(MaxPuzzleSize, shorterSideAtFifty(height, width));
    return QSize(shorterSideAtFifty(width, height), MaxPuzzleSize);
}

std::uint8_t paletteIndexOf(QRgb color)
{
    return paletteIndexFromBits(qRed(color) >= 128, qGreen(color) >= 128, qBlue(color) >= 128);
}

ImportResult importPicture(Puzzle& puzzle, const QImage& picture, const QString& name, std::uint8_t language)
{
    ImportResult result;
    // Flatten onto white so that transparent pixels read as the background.
    QImage working(picture.size(), QImage::Format_RGB32);
    working.fill(Qt::white);
    {
        QPainter painter(&working);
        painter.drawImage(0, 0, picture);
    }
    const QSize size = importSize(working.width(), working.height());
    if (size != working.size()) {
        result.messages.push_back(informationMessage(language, txt::ImageTooLarge, txt::BitmapTooWideTitle));
        working = working.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    puzzle.Cells.fill(White);
    puzzle.PuzzleWidth = static_cast<std::int16_t>(size.width());
    puzzle.PuzzleHeight = static_cast<std::int16_t>(size.height());
    puzzle.ColorPuzzle = false;
    bool allBasic = true;
    const auto basic = [](int c) { return c == 0 || c == 255; };
    for (int x = 0; x < size.width(); ++x) {
        for (int y = 0; y < size.height(); ++y) {
            const QRgb color = working.pixel(x, y);
            allBasic = allBasic && basic(qRed(color)) && basic(qGreen(color)) && basic(qBlue(color));
            const std::uint8_t index = paletteIndexOf(color);
            puzzle.cell(x, y) = index;
            if (index > White)
                puzzle.ColorPuzzle = true;
        }
    }
    if (!allBasic)
        result.messages.push_back(informationMessage(language, txt::TooManyColors, txt::TooManyColorsTitle));

    puzzle.PuzzleTitle.clear();
    puzzle.PuzzleName = name.toStdString();
    puzzle.FileName = NoFileName;
    finishImport(puzzle);
    result.status = ImportStatus::Imported;
    return result;
}

ImportResult importImage(Puzzle& puzzle, const QString& path, std::uint8_t language)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        finishImport(puzzle);
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1) {
        finishImport(puzzle);
        ImportResult failed;
        failed.status = ImportStatus::Failed;
        failed.messages.push_back(
            Message {chooseText(language, txt::ErrorOpening), path.toStdString(), MessageIcon::Critical});
        return failed;
    }
    return importPicture(puzzle, picture, QString::fromStdString(puzzleNameFromPath(path.toStdString())), language);
}

} // namespace gw::editor
