// Every reader is linear in its input: each reader is fed n and 8n bytes of
// the shapes that once made one of them quadratic (or worse), and the CPU
// time may grow by at most about 16 times (8 for the size, 2 for the noise
// of caches and allocation). A ratio measured within one run, not a speed:
// the least of a few repetitions, in this thread's CPU time, so that a
// loaded machine does not count.
#include <gtest/gtest.h>

#include <time.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "core/ClueFiles.h"
#include "core/PuzzleFile.h"
#include "core/Settings.h"

namespace {

struct WorstShape {
    const char* name;
    std::function<std::string(std::size_t bytes)> make; // about `bytes` long
    std::function<void(const std::string&)> read;
};

double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double leastSeconds(const WorstShape& shape, const std::string& input)
{
    double least = 1e9;
    for (int repetition = 0; repetition < 5; ++repetition) {
        const double start = threadSeconds();
        shape.read(input);
        least = std::min(least, threadSeconds() - start);
    }
    return least;
}

// `unit` written with the index i, up to `bytes`, between `head` and `tail`.
std::string repeated(std::size_t bytes, const std::string& head, const std::function<std::string(std::size_t)>& unit,
                     const std::string& tail)
{
    std::string text = head;
    for (std::size_t i = 0; text.size() < bytes; ++i)
        text += unit(i);
    return text + tail;
}

void readWebpbn(const std::string& bytes) { gw::readClueData(bytes, gw::ClueFormat::Webpbn, "/s.xml"); }
void readNon(const std::string& bytes) { gw::readClueData(bytes, gw::ClueFormat::Non, "/s.non"); }
void readNetpbm(const std::string& bytes)
{
    gw::Puzzle puzzle;
    std::stringbuf data(bytes);
    gw::readPuzzleData(puzzle, data, "/s.ppm", gw::ReaderVariant::Maker);
}

const std::string Clues1 = "<clues type=\"rows\"><line><count>1</count></line></clues>"
                           "<clues type=\"columns\"><line><count>1</count></line></clues>";

class ReaderScaling : public testing::TestWithParam<WorstShape> { };

TEST_P(ReaderScaling, TimeGrowsLinearlyWithTheInput)
{
    constexpr std::size_t n = 128 * 1024;
    const WorstShape& shape = GetParam();
    const std::string small = shape.make(n), large = shape.make(8 * n);
    ASSERT_LE(large.size(), gw::MaxClueFileBytes);
    const double smallSeconds = leastSeconds(shape, small);
    const double largeSeconds = leastSeconds(shape, large);
    // Below a few milliseconds the clock's grain and the page faults of fresh
    // memory would decide (a line table of a megabyte of empty lines grows
    // 16-fold on a busy machine); the quadratic readers took 0.2 s and more
    // at n, and grow 64-fold.
    EXPECT_LE(largeSeconds, 16 * std::max(smallSeconds, 3e-3))
        << smallSeconds << " s at " << small.size() << " bytes, " << largeSeconds << " s at " << large.size();
}

INSTANTIATE_TEST_SUITE_P(
    WorstShapes, ReaderScaling,
    testing::Values(
        WorstShape {"webpbnAttributes",
                    [](std::size_t bytes) {
                        return repeated(
                            bytes, "<puzzleset", [](std::size_t i) { return " a" + std::to_string(i) + "=\"\""; },
                            "/>");
                    },
                    readWebpbn},
        WorstShape {"webpbnColors",
                    [](std::size_t bytes) {
                        return repeated(
                            bytes, "<puzzleset><puzzle>",
                            [](std::size_t i) { return "<color name=\"c" + std::to_string(i) + "\">000</color>"; },
                            Clues1 + "</puzzle></puzzleset>");
                    },
                    readWebpbn},
        WorstShape {"webpbnEntities",
                    [](std::size_t bytes) { return "<puzzle><title>" + std::string(bytes, '&') + "</title></puzzle>"; },
                    readWebpbn},
        WorstShape {"webpbnSolution",
                    [](std::size_t bytes) {
                        return "<puzzle>" + Clues1 + "<solution><image>" + std::string(bytes, '|')
                               + "</image></solution></puzzle>";
                    },
                    readWebpbn},
        WorstShape {"nonTitleAmpersands",
                    [](std::size_t bytes) {
                        return "title \"" + std::string(bytes, '&') + "\"\nwidth 1\nheight 1\nrows\n1\ncolumns\n1\n";
                    },
                    readNon},
        WorstShape {"nonGoal",
                    [](std::size_t bytes) {
                        return "width 1\nheight 1\nrows\n1\ncolumns\n1\ngoal \"" + std::string(bytes, '1') + "\"\n";
                    },
                    readNon},
        WorstShape {"nonLines", [](std::size_t bytes) { return "width 1\nheight 1\n" + std::string(bytes, '\n'); },
                    readNon},
        WorstShape {"netpbmTitle",
                    [](std::size_t bytes) { return "P1\n# Puzzle Title: " + std::string(bytes, 't') + "\n1 1\n1\n"; },
                    readNetpbm},
        WorstShape {"netpbmReducedPicture",
                    [](std::size_t bytes) {
                        std::size_t side = 1;
                        while (3 * side * side < bytes)
                            ++side;
                        const std::string size = std::to_string(side);
                        return "P6\n" + size + " " + size + "\n255\n" + std::string(3 * side * side, '\x7f');
                    },
                    readNetpbm},
        WorstShape {"netpbmComments",
                    [](std::size_t bytes) {
                        return repeated(
                            bytes, "P1", [](std::size_t) { return "#\n"; }, " 1 1 1");
                    },
                    readNetpbm},
        WorstShape {"settingsRecentList", [](std::size_t bytes) { return std::string(bytes, '\xff'); },
                    [](const std::string& bytes) { gw::parseRecentFile(bytes); }}),
    [](const testing::TestParamInfo<WorstShape>& row) { return row.param.name; });

} // namespace
