// Puzzle codes read and written, and generated puzzles checked by an
// analysis without budgets: unique, graded as asked, the same for a code.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "solver/analysis/RandomPuzzle.h"

namespace {

using namespace gw;
using namespace gw::analysis;

TEST(PuzzleCodeText, RoundTripsEveryField)
{
    const PuzzleCode codes[] = {{15, 15, 2, Difficulty::Medium, 0},
                                {5, 50, 8, Difficulty::Hard, PuzzleCodeSeeds - 1},
                                {50, 7, 3, Difficulty::Easy, 123456789}};
    const char* texts[] = {"15x15-2c-medium-000000", "5x50-8c-hard-ZZZZZZ", "50x7-3c-easy-3NQK8N"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(formatPuzzleCode(codes[i]), texts[i]);
        const std::optional<PuzzleCode> read = parsePuzzleCode(texts[i]);
        ASSERT_TRUE(read) << texts[i];
        EXPECT_EQ(formatPuzzleCode(*read), texts[i]);
    }
}

TEST(PuzzleCodeText, AcceptsEitherCaseAndSurroundingBlanks)
{
    const std::optional<PuzzleCode> read = parsePuzzleCode("  15X20-4C-Hard-7f3k9q\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(formatPuzzleCode(*read), "15x20-4c-hard-7F3K9Q");
}

TEST(PuzzleCodeText, RejectsMalformedAndOutOfRangeCodes)
{
    const char* bad[] = {"",
                         "15x15-2c-medium",          // no seed
                         "15x15-2c-medium-7F3K9",    // seed too short
                         "15x15-2c-medium-7F3K9QQ",  // seed too long
                         "15x15-2c-medium-7F3K9I",   // I is not a base 32 digit
                         "15x15-2c-search-7F3K9Q",   // only easy, medium, hard
                         "4x15-2c-easy-7F3K9Q",      // below 5
                         "15x51-2c-easy-7F3K9Q",     // above 50
                         "15x15-1c-easy-7F3K9Q",     // colours 2..8
                         "15x15-9c-easy-7F3K9Q",     //
                         "15x15-2-easy-7F3K9Q",      // no "c"
                         "15x-15-2c-easy-7F3K9Q",    // empty height
                         "+15x15-2c-easy-7F3K9Q",    // signs are not digits
                         "15x15-2c-easy-7F3K9Q-XYZ", // trailing field
                         "15 x15-2c-easy-7F3K9Q"};
    for (const char* text : bad)
        EXPECT_FALSE(parsePuzzleCode(text)) << text;
}

TEST(PuzzleCodeText, NewCodesClampTheirRanges)
{
    const PuzzleCode code = newPuzzleCode(1, 99, 12, Difficulty::Search, 42);
    EXPECT_EQ(code.width, 5);
    EXPECT_EQ(code.height, 50);
    EXPECT_EQ(code.colors, 8);
    EXPECT_EQ(code.grade, Difficulty::Medium);
    EXPECT_LT(code.seed, PuzzleCodeSeeds);
    EXPECT_NE(newPuzzleCode(10, 10, 2, Difficulty::Easy, 43).seed, code.seed);
}

struct SampleCase {
    int side, colors;
    Difficulty grade;
};

class GeneratedSample : public ::testing::TestWithParam<SampleCase> { };

TEST_P(GeneratedSample, IsUniqueGradedAsAskedAndTheSameForItsCode)
{
    const SampleCase& sample = GetParam();
    for (std::uint32_t seed : {1u, 777u, 123456u}) {
        const PuzzleCode code {sample.side, sample.side, sample.colors, sample.grade, seed};
        const GeneratedPuzzle made = generateRandomPuzzle(code);
        ASSERT_TRUE(made.ok);
        EXPECT_EQ(made.code, formatPuzzleCode(code));
        EXPECT_EQ(made.picture.title, made.code);
        EXPECT_EQ(made.picture.width, sample.side);
        EXPECT_EQ(made.picture.height, sample.side);
        EXPECT_EQ(made.picture.isColor, sample.colors > 2);
        bool usedInk[8] = {};
        for (int y = 0; y < sample.side; ++y)
            for (int x = 0; x < sample.side; ++x)
                usedInk[made.picture.cell(x, y)] = true;
        for (int index = sample.colors; index < 8; ++index)
            EXPECT_FALSE(usedInk[index]) << "palette index " << index << " beyond " << sample.colors << " colours";

        AnalysisOptions exact;
        exact.gradeDifficulty = true;
        exact.maxNodes = 0;
        exact.maxMilliseconds = 0;
        const AnalysisResult analysed = analyzePuzzle(made.picture, exact);
        EXPECT_EQ(analysed.uniqueness, Uniqueness::Unique) << made.code;
        EXPECT_STREQ(difficultyName(analysed.difficulty), difficultyName(sample.grade)) << made.code;

        EXPECT_EQ(generateRandomPuzzle(code).picture.cells, made.picture.cells) << made.code;
    }
}

INSTANTIATE_TEST_SUITE_P(RandomPuzzle, GeneratedSample,
                         ::testing::Values(SampleCase {10, 2, Difficulty::Easy}, SampleCase {10, 2, Difficulty::Medium},
                                           SampleCase {10, 2, Difficulty::Hard}, SampleCase {20, 4, Difficulty::Easy},
                                           SampleCase {20, 4, Difficulty::Medium},
                                           SampleCase {20, 4, Difficulty::Hard}),
                         [](const ::testing::TestParamInfo<SampleCase>& row) {
                             return std::to_string(row.param.side) + "x" + std::to_string(row.param.side) + "_"
                                    + std::to_string(row.param.colors) + "c_" + difficultyName(row.param.grade);
                         });

TEST(GeneratedSample, StopsWhenCancelled)
{
    const std::atomic<bool> cancel {true};
    EXPECT_FALSE(generateRandomPuzzle({30, 30, 4, Difficulty::Medium, 5}, &cancel).ok);
}

} // namespace
