#pragma once
// New puzzles to play: pictures with exactly one solution and an asked-for
// difficulty grade, each rebuilt from a short code on any machine.
//
// The code names everything: "WxH-Nc-GRADE-SEED", for example
// "15x15-2c-medium-7F3K9Q": width and height 5..50, N colours 2..8 counted
// with white (2 is black and white), the grade easy, medium or hard, and six
// characters of Crockford's base 32 (0-9 and A-Z without I, L, O, U; 30 bits).
//
// How a picture is made. Random numbers come from xorshift64* written out
// below, and every step uses integer arithmetic only, so a code gives the
// same cells with every compiler and standard library. An attempt paints
// shapes in random inks on white until 30..50 % of the cells hold ink:
// filled ellipses (blobs), rectangles, rings and, for medium and hard,
// strokes (a walk of a square brush of side 1 or 2 that turns by an eighth
// now and then). Each shape is placed in the left half and mirrored left to
// right (one attempt in four also top to bottom), because symmetric shapes
// read as pictures. The shapes shrink with the grade asked for: radii (and
// rectangle sides) up to a half of the shorter side for easy, a quarter for
// medium, a sixth for hard.
// Then the attempt climbs to the grade. The picture is graded by the
// analysis (PuzzleAnalysis.h) with a node budget only, never a clock, so
// the result does not depend on the machine. While it is easier than asked,
// a small detail is added: a cell or a short thin stroke, mirrored like the
// rest, in an ink, in white or in the colour of a cell beside it. A detail
// that makes it harder than asked (or not unique) is taken back and another
// tried. An attempt that starts out harder than asked, or does not reach the
// grade within 12 + cells / 25 details, gives way to the next attempt, drawn
// from the same random stream. Every puzzle returned has been graded exactly
// as asked by the analysis, so its solution is unique.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "PuzzleAnalysis.h"
#include "core/Puzzle.h"

namespace gw::analysis {

// xorshift64* (Vigna): a 64-bit xorshift state, multiplied on output. The
// state must not be zero; a zero seed is replaced by a fixed constant.
class XorShift64Star {
public:
    explicit XorShift64Star(std::uint64_t seed) : m_state(seed != 0 ? seed : 0x2545F4914F6CDD1Dull) { }

    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }
    // A number in 0..bound-1 (bound 1..2^32), from the high 32 bits.
    int below(int bound) { return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(bound)) >> 32); }
    // A number in low..high (low <= high).
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::uint64_t m_state;
};

struct PuzzleCode {
    int width = 15;                        // 5..50
    int height = 15;                       // 5..50
    int colors = 2;                        // 2..8, white included
    Difficulty grade = Difficulty::Medium; // Easy, Medium or Hard
    std::uint32_t seed = 0;                // 0 .. 2^30 - 1
};

constexpr int MinRandomPuzzleSize = 5;
constexpr std::uint32_t PuzzleCodeSeeds = 1u << 30;

// "WxH-Nc-grade-SEED" with the grade in lower case and the seed in upper case.
std::string formatPuzzleCode(const PuzzleCode& code);
// Reads a code as formatPuzzleCode writes it; letters in either case, blanks
// around it ignored. Nothing when anything is out of range or malformed.
std::optional<PuzzleCode> parsePuzzleCode(std::string_view text);
// "easy", "medium" or "hard" to the grade; Unknown for anything else.
Difficulty gradeFromName(std::string_view name);

// A new code of the given size, colours and grade with a seed taken from
// `entropy` (any number: a clock, a counter); sizes and colours are clamped
// to their ranges, a grade other than Easy, Medium or Hard becomes Medium.
PuzzleCode newPuzzleCode(int width, int height, int colors, Difficulty grade, std::uint64_t entropy);

// Attempts before generateRandomPuzzle gives up. Every size, colour count
// and grade tried reaches its grade in far fewer (5 x 5 in 8 colours, medium,
// the rarest seen, in about 20 000); the bound only keeps the loop finite.
constexpr int MaxRandomPuzzleAttempts = 1000000;

struct GeneratedPuzzle {
    bool ok = false;  // false when cancelled, or after MaxRandomPuzzleAttempts attempts
    Puzzle picture;   // title is the code, isColor set when colors > 2
    std::string code; // formatPuzzleCode of the code asked for
    int attempts = 0; // pictures started
    int gradings = 0; // analyses run
};

// Builds the puzzle of `code` (which must be in range, as parsePuzzleCode
// returns it). Checks `cancel` between analyses and inside them; cancelled,
// it returns ok false. The same code always gives the same cells.
GeneratedPuzzle generateRandomPuzzle(const PuzzleCode& code, const std::atomic<bool>* cancel = nullptr);

} // namespace gw::analysis
