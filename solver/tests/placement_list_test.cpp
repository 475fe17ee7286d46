// The placement list: pieces of shared chunks, garbage collection, and the
// fingerprint sums kept from call to call, which must always be those of the
// list as it is.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "solver/PlacementList.h"

namespace {

struct Expected {
    std::uint64_t cells;
    bool valid;
};

constexpr std::uint64_t CellBits = (std::uint64_t {1} << 50) - 1;

// The sums of a list built afresh, word by word.
std::pair<std::uint64_t, std::uint64_t> sumsOf(const std::vector<Expected>& placements)
{
    gw::PlacementPool pool;
    gw::PlacementList list(pool);
    for (const Expected& placement : placements) {
        list.append(placement.cells);
        if (!placement.valid)
            list.invalidate(list.size() - 1);
    }
    return {list.cellSum(), list.validitySum()};
}

} // namespace

TEST(PlacementList, CopiesCollectionsAndSumsAcrossChunks)
{
    std::mt19937_64 rng(7);
    gw::PlacementPool pool;
    gw::PlacementList list(pool);
    std::vector<Expected> expected;
    for (int step = 0; step < 4000; ++step) {
        switch (rng() % 7) {
        case 0: // a run of appends, crossing chunks now and then
            for (int n = static_cast<int>(rng() % 900); n > 0; --n) {
                const std::uint64_t cells = rng() & CellBits;
                list.append(cells);
                expected.push_back({cells, true});
            }
            break;
        case 1: // copies of a stretch, as an enumeration repeating the last one makes
        case 2:
            if (!expected.empty()) {
                const std::size_t from = rng() % expected.size();
                const std::size_t count = std::min<std::size_t>(rng() % 3000, expected.size() - from);
                for (std::size_t p = from; p < from + count; ++p) {
                    list.appendCopyOf(p);
                    expected.push_back({expected[p].cells, true});
                }
            }
            break;
        case 3: // invalidate one
            if (!expected.empty()) {
                const std::size_t p = rng() % expected.size();
                list.invalidate(p);
                expected[p].valid = false;
            }
            break;
        case 4: { // garbage collection: mostly all kept, or long stretches, or a few
            const auto pattern = rng() % 3;
            const bool keepFirst = rng() % 4 == 0;
            std::vector<Expected> kept;
            for (std::size_t p = 0; p < expected.size(); ++p) {
                const bool keep = pattern == 0 ? rng() % 500 != 0 : pattern == 1 ? (p / 700) % 2 == 0 : rng() % 3 == 0;
                list.setMark(p, keep);
                if (p == 0 && keepFirst)
                    kept.push_back(expected[0]);
                else if (keep)
                    kept.push_back({expected[p].cells, true});
            }
            list.keepMarked(keepFirst);
            expected = kept;
            break;
        }
        case 5: // cut
            if (!expected.empty()) {
                expected.resize(rng() % expected.size());
                list.truncate(expected.size());
            }
            break;
        default: // marks change no sum
            if (!expected.empty())
                list.setMark(rng() % expected.size(), rng() % 2 == 0);
            break;
        }
        if (rng() % 4 == 0) {
            ASSERT_EQ(std::make_pair(list.cellSum(), list.validitySum()), sumsOf(expected)) << "step " << step;
        }
        ASSERT_EQ(list.size(), expected.size());
    }
    for (std::size_t p = 0; p < expected.size(); ++p) {
        ASSERT_EQ(list.colored(p), expected[p].cells) << p;
        ASSERT_EQ(list.isValid(p), expected[p].valid) << p;
    }
    std::size_t visited = 0;
    list.forEachStretch(0, [&](const std::uint64_t* words, std::size_t count, std::size_t first) {
        for (std::size_t n = 0; n < count; ++n)
            EXPECT_EQ(words[n], expected[first + n].cells);
        visited += count;
    });
    EXPECT_EQ(visited, expected.size());
}
