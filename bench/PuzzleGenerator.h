#pragma once
// Deterministic puzzle pictures for benchmarks and tests.
//
// Every picture is a pure function of its PuzzleRecipe. The random numbers
// come from splitmix64 and the shapes use integer arithmetic only (no
// <random> distributions, no floating point), so a recipe gives the same
// cells with every compiler, standard library and platform: a set generated
// today can be generated again to compare the computer test's results byte
// for byte.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Puzzle.h"

namespace gw {

// splitmix64 (Steele, Lea and Flood): a 64-bit state advanced by a fixed
// odd constant and mixed on output. Small, fast and identical everywhere.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in 0..bound-1 (bound 1..2^32), by multiplying the high 32 bits.
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32); }
    // A number in low..high (low <= high).
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1))); }

private:
    std::uint64_t m_state;
};

enum class PictureShape : std::uint8_t {
    Noise,        // every cell coloured with a chance of densityPercent, in a random ink
    Blobs,        // filled ellipses of random size and ink on white, later ones on top
    Stripes,      // bands of random width, horizontal, vertical or diagonal, cycling the colours
    Gradient,     // a linear ramp through the colours, its band edges dithered
    Rings,        // concentric rings around a point, cycling the colours
    Checkerboard, // square blocks cycling the colours along rows and columns
};

// Every shape, in the order of the enum.
extern const PictureShape AllPictureShapes[6];

struct PuzzleRecipe {
    PictureShape shape = PictureShape::Noise;
    int width = 25;  // 1..50
    int height = 25; // 1..50
    // Palette entries the picture may use, white included: 2 is black and
    // white (saved as PBM); 3..8 use white and the first colors - 1 inks of
    // black, red, blue, yellow, green, magenta, aqua (saved as PPM).
    int colors = 2;
    int densityPercent = 50; // Noise only: chance in percent (0..100) that a cell is coloured
    // Feature size in cells: the widest stripe, the ring width, the
    // checkerboard block, the largest blob radius; 0 lets the seed choose.
    int scale = 0;
    std::uint64_t seed = 0;
};

// "noise", "blobs", "stripes", "gradient", "rings", "checkerboard".
const char* shapeName(PictureShape shape);

// The picture of `recipe`: a Puzzle of its size whose cells outside the size
// stay white, isColor set when colors > 2, title = recipeTitle.
// Sizes and colours out of range are clamped to 1..50 and 2..8.
Puzzle generatePuzzle(const PuzzleRecipe& recipe);

// Names the recipe fully, e.g. "noise 50x50, 8 colors, density 15%, seed
// 0x1f2e3d4c5b6a7988" (the density only for noise, "scale N" only when
// the recipe sets one).
std::string recipeTitle(const PuzzleRecipe& recipe);

// "NNN-shape-WxH-cC" plus "-dD" for noise, then ".pbm" or ".ppm";
// NNN is `index` with three digits at least.
std::string recipeFileName(int index, const PuzzleRecipe& recipe);

// The benchmark set: `count` recipes drawn from `setSeed`. It starts with the
// known hard cases (50 x 50 checkerboards in 2, 4 and 8 colours, a 40 x 40
// five-colour stripe picture, sparse eight-colour noise, 50 x 50
// black-and-white noise at 30, 50 and 70 %), as many as `count` allows; the
// rest take the shapes in turn (dense noise 30..70 %, blobs, stripes,
// gradient, rings, checkerboard, sparse eight-colour noise 5..25 %), with
// sides 5..50 (half of them square) and 2..8 colours. Each recipe's seed is
// derived from `setSeed` and its index.
std::vector<PuzzleRecipe> benchmarkRecipes(std::uint64_t setSeed, int count);

constexpr std::uint64_t BenchmarkSetSeed = 12;
constexpr int BenchmarkSetSize = 220;

// The uniqueness set: pictures of the kinds where a second solution hides
// near the picture, taken in turn: black-and-white noise at 10..60 %,
// noise in 3..8 colours at 20..70 %, stripes in 2..6 colours, checkerboards
// in 2..8 colours with blocks of 1..3 cells, sparse noise in 2..8 colours at
// 5..15 %, and blobs (sparse pictures) in 2..8 colours; sides 5..50, half of
// them square. Seeds as in benchmarkRecipes.
std::vector<PuzzleRecipe> uniquenessRecipes(std::uint64_t setSeed, int count);

constexpr std::uint64_t UniquenessSetSeed = 21;
constexpr int UniquenessSetSize = 600;

// Saves the puzzle of every recipe into `folder` (which must exist) as
// recipeFileName(i, recipes[i]), with the maker's writers. Returns the paths
// written; on the first failure stops and sets `error` to its reason.
std::vector<std::string> writePuzzleSet(const std::vector<PuzzleRecipe>& recipes, const std::string& folder,
                                        std::string& error);

} // namespace gw
