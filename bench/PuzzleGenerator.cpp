#include "PuzzleGenerator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "core/Palette.h"
#include "core/PuzzleFile.h"

namespace gw {

const PictureShape AllPictureShapes[6] = {PictureShape::Noise,    PictureShape::Blobs, PictureShape::Stripes,
                                          PictureShape::Gradient, PictureShape::Rings, PictureShape::Checkerboard};

namespace {

// The inks in the order a recipe takes them: colors - 1 of them.
constexpr std::array<std::uint8_t, 7> InkOrder {{Black, Red, Blue, Yellow, Green, Magenta, Aqua}};

// The palette entries of a recipe: level 0 is white, levels 1.. the inks.
struct Levels {
    explicit Levels(int colors) : count(colors) { }
    std::uint8_t operator[](int level) const
    {
        return level == 0 ? std::uint8_t {White} : InkOrder[static_cast<std::size_t>(level - 1)];
    }
    int count;
};

int isqrt(int n)
{
    int r = 0;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

void drawNoise(Puzzle& puzzle, const PuzzleRecipe& recipe, const Levels& levels, SplitMix64& rng)
{
    const auto density = static_cast<std::uint32_t>(std::clamp(recipe.densityPercent, 0, 100));
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            if (rng.below(100) < density)
                puzzle.cell(x, y) = levels[rng.between(1, levels.count - 1)];
}

void drawBlobs(Puzzle& puzzle, int scale, const Levels& levels, SplitMix64& rng)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    const int largest = scale > 0 ? scale : std::max(1, std::min(w, h) / 4);
    const int blobs = rng.between(2, 2 + w * h / 80);
    for (int b = 0; b < blobs; ++b) {
        const int cx = rng.between(0, w - 1);
        const int cy = rng.between(0, h - 1);
        const int rx = rng.between(1, largest);
        const int ry = rng.between(1, largest);
        const std::uint8_t ink = levels[rng.between(1, levels.count - 1)];
        // Inside when (dx / rx)^2 + (dy / ry)^2 <= 1, in integers.
        const long long limit = static_cast<long long>(rx) * rx * ry * ry;
        for (int y = std::max(0, cy - ry); y <= std::min(h - 1, cy + ry); ++y) {
            for (int x = std::max(0, cx - rx); x <= std::min(w - 1, cx + rx); ++x) {
                const long long dx = x - cx;
                const long long dy = y - cy;
                if (dx * dx * ry * ry + dy * dy * rx * rx <= limit)
                    puzzle.cell(x, y) = ink;
            }
        }
    }
}

void drawStripes(Puzzle& puzzle, int scale, const Levels& levels, SplitMix64& rng)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    const int direction = rng.between(0, 3); // horizontal, vertical, diagonal, the other diagonal
    const int widest = scale > 0 ? scale : rng.between(1, 4);
    const int first = rng.between(0, levels.count - 1);
    // The level of every position across the stripes, 0..w+h-2.
    std::array<int, 2 * MaxPuzzleSize> level {};
    int band = 0;
    for (std::size_t at = 0; at < level.size();) {
        const int width = rng.between(1, widest);
        for (int i = 0; i < width && at < level.size(); ++i)
            level[at++] = (first + band) % levels.count;
        ++band;
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int across = direction == 0 ? y : direction == 1 ? x : direction == 2 ? x + y : x - y + h - 1;
            puzzle.cell(x, y) = levels[level[static_cast<std::size_t>(across)]];
        }
    }
}

void drawGradient(Puzzle& puzzle, const Levels& levels, SplitMix64& rng)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    int a = rng.between(-3, 3);
    const int b = rng.between(-3, 3);
    if (a == 0 && b == 0)
        a = 1;
    // Dither of up to jitter quarters of a band either way.
    const int jitter = rng.between(0, 3);
    const std::array<int, 4> corners {{0, a * (w - 1), b * (h - 1), a * (w - 1) + b * (h - 1)}};
    const int low = *std::min_element(corners.begin(), corners.end());
    const int range = *std::max_element(corners.begin(), corners.end()) - low + 1;
    constexpr int Sub = 16; // sixteenths of a band
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int scaled = (a * x + b * y - low) * levels.count * Sub / range;
            const int dither = jitter > 0 ? rng.between(-jitter * Sub / 4, jitter * Sub / 4) : 0;
            const int level = std::clamp(scaled + dither, 0, levels.count * Sub - 1) / Sub;
            puzzle.cell(x, y) = levels[level];
        }
    }
}

void drawRings(Puzzle& puzzle, int scale, const Levels& levels, SplitMix64& rng)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    const int cx = rng.between(0, w - 1);
    const int cy = rng.between(0, h - 1);
    const int ringWidth = scale > 0 ? scale : rng.between(1, 5);
    const int first = rng.between(0, levels.count - 1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int d = isqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
            puzzle.cell(x, y) = levels[(first + d / ringWidth) % levels.count];
        }
    }
}

void drawCheckerboard(Puzzle& puzzle, int scale, const Levels& levels, SplitMix64& rng)
{
    const int block = scale > 0 ? scale : rng.between(1, 3);
    // The level steps by 1 from block to block along a row and by `down`
    // along a column: 1 gives diagonals of one colour.
    const int down = rng.between(1, levels.count - 1);
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            puzzle.cell(x, y) = levels[(x / block + down * (y / block)) % levels.count];
}

std::string hex(std::uint64_t value)
{
    char text[19];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

const char* shapeName(PictureShape shape)
{
    switch (shape) {
    case PictureShape::Noise:
        return "noise";
    case PictureShape::Blobs:
        return "blobs";
    case PictureShape::Stripes:
        return "stripes";
    case PictureShape::Gradient:
        return "gradient";
    case PictureShape::Rings:
        return "rings";
    case PictureShape::Checkerboard:
        return "checkerboard";
    }
    return "?";
}

Puzzle generatePuzzle(const PuzzleRecipe& recipe)
{
    Puzzle puzzle;
    puzzle.width = static_cast<std::int16_t>(std::clamp(recipe.width, 1, MaxPuzzleSize));
    puzzle.height = static_cast<std::int16_t>(std::clamp(recipe.height, 1, MaxPuzzleSize));
    const Levels levels(std::clamp(recipe.colors, 2, PaletteSize));
    puzzle.isColor = levels.count > 2;
    puzzle.title = recipeTitle(recipe);
    SplitMix64 rng(recipe.seed);
    const int scale = std::max(recipe.scale, 0);
    switch (recipe.shape) {
    case PictureShape::Noise:
        drawNoise(puzzle, recipe, levels, rng);
        break;
    case PictureShape::Blobs:
        drawBlobs(puzzle, scale, levels, rng);
        break;
    case PictureShape::Stripes:
        drawStripes(puzzle, scale, levels, rng);
        break;
    case PictureShape::Gradient:
        drawGradient(puzzle, levels, rng);
        break;
    case PictureShape::Rings:
        drawRings(puzzle, scale, levels, rng);
        break;
    case PictureShape::Checkerboard:
        drawCheckerboard(puzzle, scale, levels, rng);
        break;
    }
    return puzzle;
}

std::string recipeTitle(const PuzzleRecipe& recipe)
{
    std::string title = std::string(shapeName(recipe.shape)) + ' ' + std::to_string(recipe.width) + 'x'
                        + std::to_string(recipe.height) + ", " + std::to_string(recipe.colors) + " colors";
    if (recipe.shape == PictureShape::Noise)
        title += ", density " + std::to_string(recipe.densityPercent) + '%';
    if (recipe.scale > 0)
        title += ", scale " + std::to_string(recipe.scale);
    return title + ", seed " + hex(recipe.seed);
}

std::string recipeFileName(int index, const PuzzleRecipe& recipe)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index);
    std::string name = std::string(number) + '-' + shapeName(recipe.shape) + '-' + std::to_string(recipe.width) + 'x'
                       + std::to_string(recipe.height) + "-c" + std::to_string(recipe.colors);
    if (recipe.shape == PictureShape::Noise)
        name += "-d" + std::to_string(recipe.densityPercent);
    return name + (recipe.colors > 2 ? ".ppm" : ".pbm");
}

std::vector<PuzzleRecipe> benchmarkRecipes(std::uint64_t setSeed, int count)
{
    // The cases known to be hardest on the computer test: shape, width,
    // height, colors, density, scale.
    const std::vector<PuzzleRecipe> knownHard {
        {PictureShape::Checkerboard, 50, 50, 8, 0, 1}, {PictureShape::Checkerboard, 50, 50, 4, 0, 1},
        {PictureShape::Checkerboard, 50, 50, 2, 0, 1}, {PictureShape::Stripes, 40, 40, 5, 0, 0},
        {PictureShape::Noise, 50, 50, 8, 15, 0},       {PictureShape::Noise, 50, 50, 2, 30, 0},
        {PictureShape::Noise, 50, 50, 2, 50, 0},       {PictureShape::Noise, 50, 50, 2, 70, 0},
    };
    // The turn of shapes for the rest; the last entry is sparse noise.
    constexpr std::array<PictureShape, 7> turn {{PictureShape::Noise, PictureShape::Blobs, PictureShape::Stripes,
                                                 PictureShape::Gradient, PictureShape::Rings,
                                                 PictureShape::Checkerboard, PictureShape::Noise}};
    std::vector<PuzzleRecipe> recipes;
    SplitMix64 setRng(setSeed);
    for (int i = 0; i < count; ++i) {
        // Drawn for every index, so that the recipes do not depend on `count`.
        const std::uint64_t seed = setRng.next();
        SplitMix64 rng(seed);
        PuzzleRecipe r;
        if (static_cast<std::size_t>(i) < knownHard.size()) {
            r = knownHard[static_cast<std::size_t>(i)];
        } else {
            const std::size_t kind = static_cast<std::size_t>(i) % turn.size();
            r.shape = turn[kind];
            r.width = rng.between(5, 50);
            r.height = rng.below(2) == 0 ? r.width : rng.between(5, 50);
            const bool sparse = kind == turn.size() - 1;
            r.colors = sparse ? 8 : rng.between(2, 8);
            if (r.shape == PictureShape::Noise)
                r.densityPercent = sparse ? rng.between(5, 25) : rng.between(30, 70);
            else
                r.densityPercent = 0;
        }
        r.seed = rng.next();
        recipes.push_back(r);
    }
    return recipes;
}

std::vector<PuzzleRecipe> uniquenessRecipes(std::uint64_t setSeed, int count)
{
    std::vector<PuzzleRecipe> recipes;
    SplitMix64 setRng(setSeed);
    for (int i = 0; i < count; ++i) {
        SplitMix64 rng(setRng.next());
        PuzzleRecipe r;
        r.width = rng.between(5, 50);
        r.height = rng.below(2) == 0 ? r.width : rng.between(5, 50);
        r.densityPercent = 0;
        switch (i % 6) {
        case 0:
            r.shape = PictureShape::Noise;
            r.colors = 2;
            r.densityPercent = rng.between(10, 60);
            break;
        case 1:
            r.shape = PictureShape::Noise;
            r.colors = rng.between(3, 8);
            r.densityPercent = rng.between(20, 70);
            break;
        case 2:
            r.shape = PictureShape::Stripes;
            r.colors = rng.between(2, 6);
            break;
        case 3:
            r.shape = PictureShape::Checkerboard;
            r.colors = rng.between(2, 8);
            r.scale = rng.between(1, 3);
            break;
        case 4:
            r.shape = PictureShape::Noise;
            r.colors = rng.between(2, 8);
            r.densityPercent = rng.between(5, 15);
            break;
        default:
            r.shape = PictureShape::Blobs;
            r.colors = rng.between(2, 8);
            break;
        }
        r.seed = rng.next();
        recipes.push_back(r);
    }
    return recipes;
}

std::vector<std::string> writePuzzleSet(const std::vector<PuzzleRecipe>& recipes, const std::string& folder,
                                        std::string& error)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < recipes.size(); ++i) {
        Puzzle puzzle = generatePuzzle(recipes[i]);
        const std::string path =
            (std::filesystem::path(folder) / recipeFileName(static_cast<int>(i), recipes[i])).string();
        const SaveResult saved = puzzle.isColor ? savePpm(puzzle, path) : savePbm(puzzle, path);
        if (!saved.ok) {
            error = path + ": " + saved.reason;
            break;
        }
        paths.push_back(path);
    }
    return paths;
}

} // namespace gw
