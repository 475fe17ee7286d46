// The play time and the progress kept between runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/tests/TestSupport.h"
#include "play/PlayClock.h"
#include "play/PlayProgress.h"

namespace gw {
namespace {

TEST(PlayClock, CountsOnlyWhileRunning)
{
    PlayClock clock;
    EXPECT_EQ(clock.elapsed(500), 0);
    clock.run(1000);
    clock.run(1500); // already running: the start stays
    EXPECT_EQ(clock.elapsed(3000), 2000);
    clock.pause(4000);
    clock.pause(9000);
    EXPECT_EQ(clock.elapsed(60000), 3000); // paused: the inactive minute does not count
    clock.run(61000);
    EXPECT_EQ(clock.elapsed(62500), 4500);
    clock.restart(90000);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.elapsed(100000), 90000);
}

TEST(PlayClock, TextIsMinutesAndSeconds)
{
    EXPECT_EQ(clockText(0), "0:00");
    EXPECT_EQ(clockText(9999), "0:09");
    EXPECT_EQ(clockText(725000), "12:05");
    EXPECT_EQ(clockText(7559000), "125:59");
    EXPECT_EQ(clockText(-5), "0:00");
}

PlayProgress sample()
{
    PlayProgress p;
    p.width = 3;
    p.height = 2;
    p.marks = {0, 1, 2, 8, 0, 3};
    p.crossed = {{true, 1, 0}, {false, 2, 1}};
    p.elapsedMs = 61234;
    return p;
}

TEST(PlayProgress, TextRoundTrip)
{
    const std::string text = progressText(sample());
    EXPECT_EQ(text, "gridwick-progress 1\nsize 3 2\ntime 61234\nmarks\n012\n803\ncrossed 2\nr 1 0\nc 2 1\n");
    EXPECT_EQ(readProgressText(text), sample());
}

struct BadText {
    const char* name;
    const char* text;
};

class MalformedProgress : public testing::TestWithParam<BadText> { };

TEST_P(MalformedProgress, IsRefused) { EXPECT_FALSE(readProgressText(GetParam().text)); }

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedProgress,
    testing::Values(BadText {"Empty", ""},
                    BadText {"OtherHeader", "gridwick-progress 2\nsize 1 1\ntime 0\nmarks\n0\ncrossed 0\n"},
                    BadText {"TooWide", "gridwick-progress 1\nsize 51 1\ntime 0\nmarks\n0\ncrossed 0\n"},
                    BadText {"NegativeTime", "gridwick-progress 1\nsize 1 1\ntime -1\nmarks\n0\ncrossed 0\n"},
                    BadText {"ShortRow", "gridwick-progress 1\nsize 2 1\ntime 0\nmarks\n0\ncrossed 0\n"},
                    BadText {"MarkBeyondEight", "gridwick-progress 1\nsize 1 1\ntime 0\nmarks\n9\ncrossed 0\n"},
                    BadText {"MissingClues", "gridwick-progress 1\nsize 1 1\ntime 0\nmarks\n0\ncrossed 1\n"},
                    BadText {"ClueBeyondLines", "gridwick-progress 1\nsize 1 1\ntime 0\nmarks\n0\ncrossed 1\nr 1 0\n"},
                    BadText {"CutShort", "gridwick-progress 1\nsize 1 1\ntime 0\nmarks\n"}),
    [](const testing::TestParamInfo<BadText>& row) { return std::string(row.param.name); });

TEST(ProgressKey, FollowsTheContentsOnly)
{
    EXPECT_EQ(progressKey("P1\n1 1\n1\n").size(), 16u);
    EXPECT_EQ(progressKey("P1\n1 1\n1\n"), progressKey(std::string("P1\n1 1\n1\n")));
    EXPECT_NE(progressKey("P1\n1 1\n1\n"), progressKey("P1\n1 1\n0\n"));
    EXPECT_EQ(progressKey(""), "cbf29ce484222325"); // the FNV-1a offset basis
}

TEST(ProgressStore, SavesLoadsForgetsAndKeepsTheNewest)
{
    gwtest::TempDir scratch;
    const std::string folder = scratch.file("progress");
    ProgressStore store(folder);
    EXPECT_FALSE(store.load("0123456789abcdef"));
    ASSERT_TRUE(store.save("0123456789abcdef", sample()));
    EXPECT_EQ(store.load("0123456789abcdef"), sample());
    store.forget("0123456789abcdef");
    EXPECT_FALSE(store.load("0123456789abcdef"));
    // Beyond the bound the least recently saved go.
    for (std::size_t i = 0; i < ProgressStore::MaxPuzzles + 3; ++i) {
        ASSERT_TRUE(store.save(progressKey(std::to_string(i)), sample()));
        const auto file = std::filesystem::path(folder) / (progressKey(std::to_string(i)) + ".progress");
        std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1000)
                                                   + std::chrono::seconds(i));
    }
    ASSERT_TRUE(store.save("fedcba9876543210", sample()));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, ProgressStore::MaxPuzzles);
    EXPECT_TRUE(store.load("fedcba9876543210"));
    EXPECT_FALSE(store.load(progressKey("0")));
    EXPECT_TRUE(store.load(progressKey(std::to_string(ProgressStore::MaxPuzzles + 2))));
}

} // namespace
} // namespace gw
