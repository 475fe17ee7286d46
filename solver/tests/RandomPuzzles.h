#pragma once
// Seeded random pictures for the analysis tests and benchmarks: noise,
// blobs or stripes at a density of 0.3..0.7, in 2..8 colours (white
// included), 5 x 5 to 50 x 50 cells unless a size is given.
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "core/Palette.h"
#include "core/Puzzle.h"

namespace gw::testing {

enum class PictureKind { Noise, Blobs, Stripes };

struct PictureRecipe {
    int width = 10, height = 10; // 1..50
    int colors = 2;              // 2..8, white included
    PictureKind kind = PictureKind::Noise;
    double density = 0.5; // share of non-white cells aimed at
};

// A picture drawn from `rng` after `recipe`.
inline Puzzle randomPicture(std::mt19937& rng, const PictureRecipe& recipe)
{
    std::vector<std::uint8_t> inks = {Black, Red, Blue, Yellow, Green, Magenta, Aqua};
    std::shuffle(inks.begin(), inks.end(), rng);
    inks.resize(static_cast<std::size_t>(std::clamp(recipe.colors - 1, 1, 7)));
    auto chance = [&rng]() { return std::uniform_real_distribution<double>(0, 1)(rng); };
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(std::max(n, 1))); };
    auto ink = [&]() { return inks[static_cast<std::size_t>(below(static_cast<int>(inks.size())))]; };

    Puzzle puzzle;
    puzzle.width = static_cast<std::int16_t>(recipe.width);
    puzzle.height = static_cast<std::int16_t>(recipe.height);
    puzzle.isColor = inks.size() > 1 || inks[0] != Black;
    const int w = recipe.width, h = recipe.height;
    if (recipe.kind == PictureKind::Noise) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                puzzle.cell(x, y) = chance() < recipe.density ? ink() : std::uint8_t {White};
    } else if (recipe.kind == PictureKind::Blobs) {
        // Discs of one colour each until the density is reached.
        int inked = 0;
        for (int tries = 0; tries < 200 && inked < recipe.density * w * h; ++tries) {
            const int cx = below(w), cy = below(h), r = 1 + below(std::max(2, std::min(w, h) / 4));
            const std::uint8_t color = ink();
            for (int y = std::max(0, cy - r); y <= std::min(h - 1, cy + r); ++y)
                for (int x = std::max(0, cx - r); x <= std::min(w - 1, cx + r); ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) {
                        inked += puzzle.cell(x, y) == White ? 1 : 0;
                        puzzle.cell(x, y) = color;
                    }
        }
    } else {
        // Bands of random width across a random direction, with a little noise.
        const int dx = below(3) - 1, dy = dx == 0 ? 1 : below(3) - 1;
        const int period = 2 + below(6);
        std::vector<std::uint8_t> band(static_cast<std::size_t>(period));
        for (std::uint8_t& b : band)
            b = chance() < recipe.density ? ink() : std::uint8_t {White};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int phase = ((x * dx + y * dy) % period + period) % period;
                puzzle.cell(x, y) = chance() < 0.05 ? (chance() < recipe.density ? ink() : std::uint8_t {White})
                                                    : band[static_cast<std::size_t>(phase)];
            }
    }
    return puzzle;
}

// A picture with every property drawn from `seed`; the size within
// minSize..maxSize (each side).
inline Puzzle randomPicture(std::uint32_t seed, int minSize = 5, int maxSize = 50)
{
    std::mt19937 rng(seed);
    PictureRecipe recipe;
    recipe.width = minSize + static_cast<int>(rng() % static_cast<unsigned>(maxSize - minSize + 1));
    recipe.height = minSize + static_cast<int>(rng() % static_cast<unsigned>(maxSize - minSize + 1));
    recipe.colors = 2 + static_cast<int>(rng() % 7);
    recipe.kind = static_cast<PictureKind>(rng() % 3);
    recipe.density = 0.3 + 0.4 * std::uniform_real_distribution<double>(0, 1)(rng);
    return randomPicture(rng, recipe);
}

} // namespace gw::testing
