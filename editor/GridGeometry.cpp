#include "editor/PuzzleOps.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/Palette.h"
#include "core/Rounding.h"

namespace gw::editor {

namespace {

bool columnHasPicture(const Puzzle& p, int x) {
    for (int y = 0; y < MaxPuzzleSize; ++y)
        if (p.cell(x, y) != White)
            return true;
    return false;
}

bool rowHasPicture(const Puzzle& p, int y) {
    for (int x = 0; x < MaxPuzzleSize; ++x)
        if (p.cell(x, y) != White)
            return true;
    return false;
}

} // namespace

bool FitSize(Puzzle& puzzle) {
    int left = 0;
    while (left < MaxPuzzleSize && !columnHasPicture(puzzle, left))
        ++left;
    if (left == MaxPuzzleSize)
        return false;
    if (left > 0) {
        for (int y = 0; y < MaxPuzzleSize; ++y) {
            for (int x = 0; x < MaxPuzzleSize - left; ++x)
                puzzle.cell(x, y) = puzzle.cell(x + left, y);
            for (int x = MaxPuzzleSize - left; x < MaxPuzzleSize; ++x)
                puzzle.cell(x, y) = White;
        }
    }
    int right = MaxPuzzleSize - 1;
    while (!columnHasPicture(puzzle, right))
        --right;
    puzzle.PuzzleWidth = static_cast<std::int16_t>(right + 1);

    int top = 0;
    while (!rowHasPicture(puzzle, top))
        ++top;
    if (top > 0) {
        for (int x = 0; x < MaxPuzzleSize; ++x) {
            for (int y = 0; y < MaxPuzzleSize - top; ++y)
                puzzle.cell(x, y) = puzzle.cell(x, y + top);
            for (int y = MaxPuzzleSize - top; y < MaxPuzzleSize; ++y)
                puzzle.cell(x, y) = White;
        }
    }
    int bottom = MaxPuzzleSize - 1;
    while (!rowHasPicture(puzzle, bottom))
        --bottom;
    puzzle.PuzzleHeight = static_cast<std::int16_t>(bottom + 1);
    return true;
}

std::uint8_t negativeOf(std::uint8_t index) {
    static constexpr std::uint8_t complement[PaletteSize] = {White, Black, Aqua, Yellow, Blue, Magenta, Green, Red};
    return index < PaletteSize ? complement[index] : index;
}

void MakeNegative(Puzzle& puzzle) {
    for (int y = 0; y < puzzle.PuzzleHeight; ++y)
        for (int x = 0; x < puzzle.PuzzleWidth; ++x)
            puzzle.cell(x, y) = negativeOf(puzzle.cell(x, y));
}

void ShiftPicture(Puzzle& puzzle, Shift direction) {
    const int w = puzzle.PuzzleWidth;
    const int h = puzzle.PuzzleHeight;
    switch (direction) {
    case Shift::Left:
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x + 1 < w; ++x)
                puzzle.cell(x, y) = puzzle.cell(x + 1, y);
            puzzle.cell(w - 1, y) = White;
        }
        break;
    case Shift::Right:
        for (int y = 0; y < h; ++y) {
            for (int x = w - 1; x >= 1; --x)
                puzzle.cell(x, y) = puzzle.cell(x - 1, y);
            puzzle.cell(0, y) = White;
        }
        break;
    case Shift::Up:
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y + 1 < h; ++y)
                puzzle.cell(x, y) = puzzle.cell(x, y + 1);
            puzzle.cell(x, h - 1) = White;
        }
        break;
    case Shift::Down:
        for (int x = 0; x < w; ++x) {
            for (int y = h - 1; y >= 1; --y)
                puzzle.cell(x, y) = puzzle.cell(x, y - 1);
            puzzle.cell(x, 0) = White;
        }
        break;
    }
}

int correctedSize(const std::string& text, int current) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return current;
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > MaxPuzzleSize)
            return MaxPuzzleSize; // also keeps very long digit strings from overflowing
    }
    return value < 1 ? 1 : static_cast<int>(value);
}

int cellFromPixel(double pixel, double zoom, int count) {
    const int cell = roundHalfEven(pixel / zoom - 0.5);
    return std::clamp(cell, 0, std::max(0, count - 1));
}

GridScale gridScale(double freeWidth, double freeHeight, double spanWidth, double spanHeight, int width,
                    int height) {
    constexpr double MinZoom = 3.0;
    GridScale scale;
    const double zoomX = freeWidth / width;
    const double zoomY = freeHeight / height;
    if (zoomX < MinZoom) {
        // A free area of no width at all cannot be scaled up: grow by what is missing.
        scale.growWidth = zoomX > 0 ? spanWidth * (MinZoom / zoomX - 1) : MinZoom * width - freeWidth;
        scale.zoom = MinZoom;
        return scale;
    }
    if (zoomY < MinZoom) {
        scale.growHeight = zoomY > 0 ? spanHeight * (MinZoom / zoomY - 1) : MinZoom * height - freeHeight;
        scale.zoom = zoomX;
        return scale;
    }
    scale.zoom = std::min(zoomX, zoomY);
    return scale;
}

CellEdges cellEdges(int index, double zoom) {
    return CellEdges{static_cast<int>(std::floor(index * zoom)), static_cast<int>(std::floor((index + 1) * zoom))};
}

int gridExtent(int count, double zoom) { return static_cast<int>(std::floor(count * zoom)) + 1; }

} // namespace gw::editor
