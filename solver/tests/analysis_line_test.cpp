// The exact line solver: tables of (clue, cells before, cells after), and
// random lines checked against listing every placement.
#include <gtest/gtest.h>

#include <random>

#include "AnalysisTestSupport.h"

namespace {

using namespace gw::testing;
using gw::LineClue;

struct LineCase {
    std::string clue;
    std::string before;
    std::string after; // "contradiction" when no placement fits
};

std::string solved(const LineCase& c)
{
    const LineClue clue = clueFromText(c.clue);
    const std::vector<unsigned> sets = cellSetsFromText(c.before, clue);
    const int length = static_cast<int>(sets.size());
    LineColors words = wordsFromCellSets(sets);
    const LineColors given = words;
    if (!gw::analysis::solveLine(clue, length, words))
        return words == given ? "contradiction" : "contradiction, cells changed";
    return textFromCellSets(cellSetsFromWords(words, length), clue);
}

class ExactLine : public ::testing::TestWithParam<LineCase> { };

TEST_P(ExactLine, KeepsExactlyTheColorsSomePlacementAllows)
{
    EXPECT_EQ(solved(GetParam()), GetParam().after) << GetParam().clue << " on " << GetParam().before;
}

const LineCase BlackAndWhite[] = {
    {"", "?????", "....."}, // empty line
    {"", "..#..", "contradiction"},
    {"5", "?????", "#####"}, // full line
    {"3", "?????", "??#??"}, // overlap in the middle
    {"1 1", "???", "#.#"},
    {"2 1", "????", "##.#"},
    {"1 2", "?????", "???#?"},
    {"1", "..?..", "..#.."},
    {"2", "#????", "##..."},
    {"1 1", "#????", "#.???"},
    {"3", "?#.??", "contradiction"}, // the run cannot cover cell 1
    {"1 1 1", "?????", "#.#.#"},
    {"2 2", "?????.", "##.##."}, // the white end leaves one placement
    {"4", "??#???.??", "??##??..."},
    {"1", "?", "#"},
    {"1", ".", "contradiction"},
    {"2", "?#?#?", "contradiction"}, // two blacks too far apart for one run of two
    {"50", std::string(50, '?'), std::string(50, '#')},
    {"1 1", std::string(50, '?'), std::string(50, '?')},
};
INSTANTIATE_TEST_SUITE_P(BlackAndWhite, ExactLine, ::testing::ValuesIn(BlackAndWhite));

const LineCase Colors[] = {
    {"1R 1B", "??", "RB"}, // runs of different colours touch
    {"2R 2B", "????", "RRBB"},
    {"2R 2B", "?????", "[.R]R?B[.B]"},
    {"2R 2R", "?????", "RR.RR"}, // runs of one colour need a white between
    {"1R 1R", "??", "contradiction"},
    {"1R 1B 1R", "???", "RBR"},
    {"1 1R 1", "?????", "[#.]???[#.]"},
    {"2R", "?B?", "contradiction"}, // blue is in no run
    {"2R", "[RB]??", "RR."},
    {"1R 1B", "[.R]?[.B]", "[.R]?[.B]"},
    {"1R 1B", "[.R][RB][.B]", "[.R][RB][.B]"},
    {"3Y", "??[.G]??", "contradiction"},
    {"1G 2G 1A", "?????", "G.GGA"},
    {"1G 2G 1A", "??????", "[.G][.G][.G]G?[.A]"},
};
INSTANTIATE_TEST_SUITE_P(Colors, ExactLine, ::testing::ValuesIn(Colors));

// Random clues (from random lines) and random cell sets, 1..24 cells,
// checked against the union of all placements.
TEST(ExactLineRandom, AgreesWithListingEveryPlacement)
{
    std::mt19937 rng(2024);
    int contradictions = 0;
    for (int round = 0; round < 3000; ++round) {
        const int length = 1 + static_cast<int>(rng() % (round < 2500 ? 14 : 24));
        const unsigned inks = 1 + static_cast<unsigned>(rng() % 3);
        const double density = 0.2 + static_cast<double>(rng() % 60) / 100.0;
        // The clue of a random line.
        std::vector<std::uint8_t> line(static_cast<std::size_t>(length));
        for (std::uint8_t& cell : line)
            cell = static_cast<double>(rng() % 100) < density * 100
                       ? static_cast<std::uint8_t>(rng() % inks == 0 ? 0u : 2 + rng() % inks)
                       : std::uint8_t {gw::White};
        gw::Puzzle row = gwtest::puzzleFromRows({std::string(static_cast<std::size_t>(length), '.')}, true);
        for (int x = 0; x < length; ++x)
            row.cell(x, 0) = line[static_cast<std::size_t>(x)];
        gw::ClueTables tables;
        gw::deriveClues(row, tables);
        const LineClue& clue = tables.rows[0];
        // Cells: sometimes known to hold the line's colour, mostly open.
        std::vector<unsigned> sets(static_cast<std::size_t>(length));
        const unsigned all = 0xFFu;
        for (int i = 0; i < length; ++i) {
            const auto r = rng() % 10;
            sets[static_cast<std::size_t>(i)] = r < 6   ? all
                                                : r < 8 ? 1u << line[static_cast<std::size_t>(i)]
                                                        : (rng() & all) | 1u << (rng() % 8);
        }
        std::vector<unsigned> expected = sets;
        const bool consistent = solveLineByPlacements(clue, length, expected);
        LineColors words = wordsFromCellSets(sets);
        const LineColors given = words;
        const bool solvedConsistent = gw::analysis::solveLine(clue, length, words);
        ASSERT_EQ(solvedConsistent, consistent) << "round " << round;
        if (consistent)
            ASSERT_EQ(cellSetsFromWords(words, length), expected) << "round " << round;
        else
            ASSERT_EQ(words, given);
        contradictions += consistent ? 0 : 1;
    }
    // Both outcomes are exercised.
    EXPECT_GT(contradictions, 100);
    EXPECT_LT(contradictions, 2900);
}

} // namespace
