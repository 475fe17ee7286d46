#pragma once
// Making a puzzle from an ordinary picture: shrink it to at most 50 x 50
// pixels by area averaging and reduce every pixel to the palette by
// thresholding each channel at 128.
#include <QImage>
#include <QSize>
#include <QString>

#include "core/Message.h"
#include "core/Puzzle.h"

namespace gw::editor {

// The working size for a picture of w x h pixels: unchanged up to 50 a side;
// otherwise the longer side becomes 50 and the shorter its share of it to the
// nearest pixel (halves to even), never less than one pixel.
QSize importSize(int width, int height);

// The palette index of a colour: each channel >= 128 is a 1 bit.
std::uint8_t paletteIndexOf(QRgb color);

enum class ImportStatus {
    Imported, // the puzzle is the picture
    NoFile,   // empty path or no such file: the puzzle is unchanged
    Failed,   // not a picture the loader reads: the grid may be white
};

struct ImportResult {
    ImportStatus status = ImportStatus::NoFile;
    // Messages to show in order: the reduction notice, the colour notice, or
    // the failure (critical, the path as title) as the last one.
    Messages messages;
};

// Replaces the puzzle by the picture at `path`. Whatever the outcome, it ends
// with PuzzleChanged false. Messages are in `language`.
// When imported: size, Cells, ColorPuzzle (true exactly when a cell is neither
// black nor white), PuzzleName from the file name, empty title, no file name.
// Transparent parts of a picture (icons, cursors) count as white.
ImportResult importImage(Puzzle& puzzle, const QString& path, std::uint8_t language);

// The same over a picture already loaded; `name` gives PuzzleName.
ImportResult importPicture(Puzzle& puzzle, const QImage& picture, const QString& name, std::uint8_t language);

} // namespace gw::editor
