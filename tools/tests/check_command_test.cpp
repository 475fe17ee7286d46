// gridwick-cli check: one tab-separated line a file, the trace, errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/PuzzleFile.h"
#include "tools/Commands.h"

namespace {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path()
                   / ("gridwick-check-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                      + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // Saves a black-and-white puzzle written as rows of '#' and '.'.
    std::string save(const std::string& name, const std::vector<std::string>& rows)
    {
        gw::Puzzle puzzle;
        puzzle.PuzzleWidth = static_cast<std::int16_t>(rows.front().size());
        puzzle.PuzzleHeight = static_cast<std::int16_t>(rows.size());
        for (int y = 0; y < puzzle.PuzzleHeight; ++y)
            for (int x = 0; x < puzzle.PuzzleWidth; ++x)
                puzzle.cell(x, y) = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#' ? 0 : 1;
        const std::string path = (m_folder / name).string();
        EXPECT_TRUE(gw::SavePbm(puzzle, path).ok);
        return path;
    }

    int run(const gw::cli::Arguments& args)
    {
        m_out.str("");
        m_err.str("");
        return gw::cli::runCheck(args, m_out, m_err);
    }
    std::vector<std::string> lines() const { return split(m_out.str(), '\n'); }

    std::filesystem::path m_folder;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

} // namespace

TEST_F(CheckCommand, SolvedPuzzlePrintsSevenFields)
{
    const std::string file = save("cross.pbm", {"#.#", ".#.", "#.#"});
    EXPECT_EQ(run({file}), 0);
    const std::vector<std::string> out = lines();
    ASSERT_EQ(out.size(), 1u);
    const std::vector<std::string> fields = split(out[0], '\t');
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[0], file);
    EXPECT_EQ(fields[1], "solved");
    EXPECT_EQ(fields[2], "9/9");
    EXPECT_EQ(fields[3], "0");
    EXPECT_EQ(fields[4], "1");
    EXPECT_EQ(fields[5], "1");
    EXPECT_GE(std::stod(fields[6]), 0.0);
}

TEST_F(CheckCommand, StuckPuzzleAndStatsFields)
{
    const std::string file = save("diagonal.pbm", {"#..", ".#.", "..."});
    EXPECT_EQ(run({"--stats", file}), 0);
    const std::vector<std::string> fields = split(lines().at(0), '\t');
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[1], "stuck");
    EXPECT_EQ(fields[2], "5/9"); // row 2 and column 2 are white
    EXPECT_EQ(fields[3], "0");
    EXPECT_EQ(fields[7], "2");   // the largest list: two placements of a single cell in two
    EXPECT_GE(std::stod(fields[8]), 0.0);
    EXPECT_GT(std::stol(fields[9]), 0);
}

TEST_F(CheckCommand, TraceListsEveryCellWriteInOrder)
{
    const std::vector<std::string> rows{"##.", "#..", "..."};
    const std::string file = save("corner.pbm", rows);
    EXPECT_EQ(run({"--trace", file}), 0);
    const std::vector<std::string> out = lines();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(split(out[0], '\t')[1], "solved");
    // Replaying the writes gives the picture; the empty row and column come
    // first, row 2 before column 2.
    std::vector<std::string> field(3, "???");
    const std::vector<std::string> writes = split(out[1], ' ');
    ASSERT_GE(writes.size(), 9u);
    EXPECT_EQ(writes[0], "0,2,2");
    for (const std::string& write : writes) {
        const std::vector<std::string> xyv = split(write, ',');
        ASSERT_EQ(xyv.size(), 3u) << write;
        field[static_cast<std::size_t>(std::stoi(xyv[1]))][static_cast<std::size_t>(std::stoi(xyv[0]))] =
            xyv[2] == "1" ? '#' : xyv[2] == "2" ? '.' : '!';
    }
    EXPECT_EQ(field, rows);
}

TEST_F(CheckCommand, UnreadableFileIsReportedAndTheRestStillChecked)
{
    const std::string good = save("cross.pbm", {"#.#", ".#.", "#.#"});
    const std::string missing = (m_folder / "missing.pbm").string();
    EXPECT_EQ(run({missing, good}), 1);
    const std::vector<std::string> out = lines();
    ASSERT_EQ(out.size(), 2u);
    const std::vector<std::string> error = split(out[0], '\t');
    ASSERT_EQ(error.size(), 3u);
    EXPECT_EQ(error[0], missing);
    EXPECT_EQ(error[1], "error");
    EXPECT_FALSE(error[2].empty());
    EXPECT_EQ(split(out[1], '\t')[1], "solved");
}

TEST_F(CheckCommand, WithoutFilesItShowsItsUsage)
{
    EXPECT_EQ(run({"--stats"}), 2);
    EXPECT_NE(m_err.str().find("usage"), std::string::npos);
}
