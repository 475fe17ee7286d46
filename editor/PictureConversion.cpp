#include "editor/PictureConversion.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/Palette.h"
#include "editor/ImageImport.h"

namespace gw::editor {

namespace {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

Rgb rgbOf(QRgb color, bool invert)
{
    const auto channel = [invert](int c) { return static_cast<float>(invert ? 255 - c : c); };
    return {channel(qRed(color)), channel(qGreen(color)), channel(qBlue(color))};
}

Rgb rgbOf(std::uint8_t index)
{
    const PaletteColor& c = Palette[index];
    return {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)};
}

float brightness(const Rgb& c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

float distance(const Rgb& a, const Rgb& b)
{
    const float dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// The nearest of `allowed` to `c`; the first of equals.
std::uint8_t nearestOf(const Rgb& c, const std::vector<std::uint8_t>& allowed)
{
    std::uint8_t best = allowed.front();
    for (const std::uint8_t index : allowed) {
        if (distance(c, rgbOf(index)) < distance(c, rgbOf(best)))
            best = index;
    }
    return best;
}

// White and the `colors` - 1 other palette colours nearest to the most
// pixels of `pixels` (ties to the lower index).
std::vector<std::uint8_t> mostUsedColours(const std::vector<Rgb>& pixels, int colors)
{
    std::vector<std::uint8_t> all;
    for (std::uint8_t i = 0; i < PaletteSize; ++i)
        all.push_back(i);
    std::array<int, PaletteSize> counts {};
    for (const Rgb& c : pixels)
        ++counts[nearestOf(c, all)];
    std::vector<std::uint8_t> others;
    for (std::uint8_t i = 0; i < PaletteSize; ++i) {
        if (i != White)
            others.push_back(i);
    }
    std::stable_sort(others.begin(), others.end(),
                     [&counts](std::uint8_t a, std::uint8_t b) { return counts[a] > counts[b]; });
    others.resize(static_cast<std::size_t>(colors - 1));
    others.insert(others.begin(), White);
    return others;
}

} // namespace

bool PictureChoices::operator==(const PictureChoices& other) const
{
    return size == other.size && colors == other.colors && threshold == other.threshold && dither == other.dither
           && background == other.background && invert == other.invert;
}

void convertPixels(Puzzle& puzzle, const QImage& picture, const PictureChoices& choices)
{
    const int width = std::clamp(picture.width(), 1, MaxPuzzleSize);
    const int height = std::clamp(picture.height(), 1, MaxPuzzleSize);
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int colors = choices.colors == 0 ? 0 : std::clamp(choices.colors, 2, PaletteSize);
    const float threshold = static_cast<float>(std::clamp(choices.threshold, 1, 255));

    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(rgbOf(source.pixel(x, y), choices.invert));
    }
    const std::vector<std::uint8_t> allowed =
        colors > 2 ? mostUsedColours(pixels, colors) : std::vector<std::uint8_t> {White, Black};
    const auto reduce = [&](const Rgb& c) -> std::uint8_t {
        if (colors == 0) {
            return paletteIndexOf(qRgb(static_cast<int>(c.r), static_cast<int>(c.g), static_cast<int>(c.b)));
        }
        if (colors == 2)
            return brightness(c) < threshold ? Black : White;
        return nearestOf(c, allowed);
    };

    std::uint8_t background = White;
    if (choices.background)
        background = reduce(rgbOf(*choices.background, choices.invert));

    puzzle.cells.fill(White);
    puzzle.width = static_cast<std::int16_t>(width);
    puzzle.height = static_cast<std::int16_t>(height);
    puzzle.isColor = false;
    const auto at = [width](int x, int y) { return static_cast<std::size_t>(x + width * y); };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixels[at(x, y)];
            std::uint8_t index = reduce(c);
            if (choices.dither && colors >= 2) {
                const Rgb chosen = rgbOf(index);
                const Rgb error {c.r - chosen.r, c.g - chosen.g, c.b - chosen.b};
                const auto spread = [&](int dx, int dy, float share) {
                    if (x + dx < 0 || x + dx >= width || y + dy >= height)
                        return;
                    Rgb& p = pixels[at(x + dx, y + dy)];
                    p.r += error.r * share;
                    p.g += error.g * share;
                    p.b += error.b * share;
                };
                spread(1, 0, 7.0f / 16);
                spread(-1, 1, 3.0f / 16);
                spread(0, 1, 5.0f / 16);
                spread(1, 1, 1.0f / 16);
            }
            if (index == background)
                index = White;
            else if (index == White)
                index = background;
            puzzle.cell(x, y) = index;
            puzzle.isColor = puzzle.isColor || index > White;
        }
    }
}

} // namespace gw::editor
