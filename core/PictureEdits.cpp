#include "PictureEdits.h"

#include <cctype>

#include "Palette.h"

namespace gw {

namespace {

bool columnHasPicture(const Puzzle& p, int x)
{
    for (int y = 0; y < MaxPuzzleSize; ++y)
        if (p.cell(x, y) != White)
            return true;
    return false;
}

bool rowHasPicture(const Puzzle& p, int y)
{
    for (int x = 0; x < MaxPuzzleSize; ++x)
        if (p.cell(x, y) != White)
            return true;
    return false;
}

std::uint8_t negativeOf(std::uint8_t index)
{
    static constexpr std::uint8_t complement[PaletteSize] = {White, Black, Aqua, Yellow, Blue, Magenta, Green, Red};
    return index < PaletteSize ? complement[index] : index;
}

} // namespace

bool fitSize(Puzzle& puzzle)
{
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
    puzzle.width = static_cast<std::int16_t>(right + 1);

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
    puzzle.height = static_cast<std::int16_t>(bottom + 1);
    return true;
}

void makeNegative(Puzzle& puzzle)
{
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            puzzle.cell(x, y) = negativeOf(puzzle.cell(x, y));
}

void shiftPicture(Puzzle& puzzle, ShiftDirection direction)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    switch (direction) {
    case ShiftDirection::Left:
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x + 1 < w; ++x)
                puzzle.cell(x, y) = puzzle.cell(x + 1, y);
            puzzle.cell(w - 1, y) = White;
        }
        break;
    case ShiftDirection::Right:
        for (int y = 0; y < h; ++y) {
            for (int x = w - 1; x >= 1; --x)
                puzzle.cell(x, y) = puzzle.cell(x - 1, y);
            puzzle.cell(0, y) = White;
        }
        break;
    case ShiftDirection::Up:
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y + 1 < h; ++y)
                puzzle.cell(x, y) = puzzle.cell(x, y + 1);
            puzzle.cell(x, h - 1) = White;
        }
        break;
    case ShiftDirection::Down:
        for (int x = 0; x < w; ++x) {
            for (int y = h - 1; y >= 1; --y)
                puzzle.cell(x, y) = puzzle.cell(x, y - 1);
            puzzle.cell(x, 0) = White;
        }
        break;
    }
}

int correctedSize(const std::string& text, int current)
{
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

void resizePuzzle(Puzzle& puzzle, int width, int height)
{
    puzzle.width = static_cast<std::int16_t>(width);
    puzzle.height = static_cast<std::int16_t>(height);
}

} // namespace gw
