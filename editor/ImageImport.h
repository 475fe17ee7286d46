#pragma once
// Making a puzzle from an ordinary picture: shrink it to at most 50 x 50
// pixels by area averaging and reduce every pixel to the palette by
// thresholding each channel at 128.
#include <QImage>
#include <QSize>
#include <QString>

#include "core/Message.h"
#include "core/Puzzle.h"
#include "editor/PictureConversion.h"

namespace gw::editor {

// The working size for a picture of w x h pixels: unchanged up to 50 a side;
// otherwise the longer side becomes 50 and the shorter its share of it to the
// nearest pixel (halves to even), never less than one pixel.
QSize importSize(int width, int height);

// The palette index of a colour: each channel >= 128 is a 1 bit.
std::uint8_t paletteIndexOf(QRgb color);

enum class ImportStatus {
    Imported, // the puzzle is the picture
    NoFile,   // empty path, no such file or a folder: the puzzle is unchanged
    Failed,   // not a regular file, or not a picture decoded whole: the puzzle is unchanged
};

struct ImportResult {
    ImportStatus status = ImportStatus::NoFile;
    // Messages to show in order: the reduction notice, the colour notice, or
    // the failure (critical, the path as title) as the last one.
    Messages messages;
};

// Replaces the puzzle by the picture at `path` (see platform/FilePaths.h).
// Whatever the outcome, it ends with changed false. Messages are in
// `language`. When imported: size, cells, isColor (true exactly when a
// cell is neither black nor white), name from the file name, empty
// title, no file name. Transparent parts of a picture (icons, cursors) count
// as white.
// Only a regular file is opened, never blocking (a FIFO or device gives the
// open error). A picture that cannot be decoded whole (cut short, or too
// large for the decoder) fails; nothing a decoder left unwritten reaches the
// grid. A picture of more than 4096 x 4096 pixels is decoded at an eighth of
// its size where the format allows it (JPEG), and shrunk from there. A JPEG
// that the decoder would have to hold whole in memory (progressive, of more
// than about 224 MB of coefficients: some 75 MP) fails, as Qt's own limit
// makes other pictures too large to decode fail.
// `choices` other than the default ones change the size and the reduction
// (PictureConversion.h); a chosen size gives no reduction notice, and colour
// choices no colour notice.
ImportResult importImage(Puzzle& puzzle, const QString& path, Language language, const PictureChoices& choices = {});

// The picture at `path` as importImage decodes it (a large JPEG at an eighth
// of its size), for importPicture; a null picture where importImage would
// find no file or fail.
QImage readPicture(const QString& path);

// The same over a picture already loaded; `name` (a path as
// platform/FilePaths.h makes them) gives name.
ImportResult importPicture(Puzzle& puzzle, const QImage& picture, const QString& name, Language language,
                           const PictureChoices& choices = {});

} // namespace gw::editor
