// The puzzle files collected from elsewhere: both readers take every one of
// them, and writing one and reading it back gives the same puzzle.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/PuzzleFile.h"

namespace fs = std::filesystem;

TEST(PuzzleCorpus, EveryFileLoadsAndSurvivesASave)
{
    const fs::path folder = fs::path(GRIDWICK_PUZZLES_DIR) / "public";
    if (!fs::is_directory(folder))
        GTEST_SKIP() << "no puzzle corpus at " << folder;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string(), path = entry.path().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        ++files;
        SCOPED_TRACE(path);
        gw::Puzzle maker, player, back;
        const gw::LoadResult made = gw::readPuzzleFile(maker, path, gw::ReaderVariant::Maker);
        ASSERT_TRUE(made.loaded());
        EXPECT_TRUE(made.messages.empty());
        ASSERT_TRUE(gw::readPuzzleFile(player, path, gw::ReaderVariant::Player).loaded());
        EXPECT_EQ(maker.cells, player.cells);
        EXPECT_EQ(maker.isColor, ext == ".ppm");
        std::stringbuf saved(maker.isColor ? gw::ppmBytes(maker) : gw::pbmBytes(maker), std::ios::in);
        ASSERT_TRUE(gw::readPuzzleData(back, saved, path, gw::ReaderVariant::Maker).loaded());
        EXPECT_EQ(back.cells, maker.cells);
        EXPECT_EQ(back.width, maker.width);
        EXPECT_EQ(back.height, maker.height);
        EXPECT_EQ(back.title, maker.title);
    }
    EXPECT_GT(files, 0);
}
