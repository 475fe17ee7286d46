#pragma once
// The choices an author makes when a picture becomes a puzzle, and the
// reduction of a picture's pixels to palette cells under those choices.
// Shared by the maker's image import and gridwick-cli's picture command.
#include <QImage>
#include <QSize>

#include <optional>

#include "core/Puzzle.h"

namespace gw::editor {

struct PictureChoices {
    // The puzzle's size, each side 1..50; not valid (the default): the plain
    // import's size (importSize in ImageImport.h).
    QSize size;
    // 0 (the default): each pixel becomes the palette colour of its channels
    // thresholded at 128, as the plain import does.
    // 2: black and white, a pixel black when its brightness (0..255) is below
    // `threshold`.
    // 3..8: white and the colours - 1 palette colours other than white that
    // are nearest to the most pixels; each pixel the nearest of those.
    int colors = 0;
    int threshold = 128; // 1..255, used with colors 2
    // Floyd-Steinberg error diffusion with colors 2..8. Off by default: it
    // scatters single cells, which make long clues and rarely a puzzle that
    // logic can solve.
    bool dither = false;
    // The picture's colour of the background: its palette colour changes
    // places with white. Given as the picture has it, before `invert`.
    std::optional<QRgb> background;
    bool invert = false; // every pixel's channels c become 255 - c first

    bool operator==(const PictureChoices& other) const;
};

// Sets the puzzle's width, height, cells and isColor (true exactly when a
// cell is neither black nor white) from `picture`, which is the puzzle's size
// already (at most 50 x 50, at least 1 x 1, any format without transparency).
// Choices outside their ranges are clamped. Leaves the other fields alone.
void convertPixels(Puzzle& puzzle, const QImage& picture, const PictureChoices& choices);

} // namespace gw::editor
