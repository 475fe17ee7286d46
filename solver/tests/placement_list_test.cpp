// The placement list: chunks from the pool, and the fingerprint sums kept
// from call to call, which must always be those of the list as it is.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "solver/PlacementList.h"

namespace {

// The sums of a list built afresh from `words`.
std::pair<std::uint64_t, std::uint64_t> sumsOf(const std::vector<std::uint64_t>& words)
{
    gw::PlacementPool pool;
    gw::PlacementList list(pool);
    for (std::uint64_t word : words) {
        list.append(word & gw::PlacementList::CellBits);
        if (!(word & gw::PlacementList::ValidBit))
            list.invalidate(list.size() - 1);
    }
    return {list.cellSum(), list.validitySum()};
}

} // namespace

TEST(PlacementList, SumsFollowEveryChangeAcrossChunks)
{
    std::mt19937_64 rng(7);
    gw::PlacementPool pool;
    gw::PlacementList list(pool);
    std::vector<std::uint64_t> words; // what the list holds
    for (int step = 0; step < 3000; ++step) {
        switch (rng() % 6) {
        case 0:
        case 1: // a run of appends, crossing chunks now and then
            for (int n = static_cast<int>(rng() % 900); n > 0; --n) {
                const std::uint64_t cells = rng() & gw::PlacementList::CellBits;
                list.append(cells);
                words.push_back(cells | gw::PlacementList::ValidBit);
            }
            break;
        case 2: // invalidate one
            if (!words.empty()) {
                const std::size_t p = rng() % words.size();
                list.invalidate(p);
                words[p] &= ~gw::PlacementList::ValidBit;
            }
            break;
        case 3: // rewrite from some placement on, as a garbage collection does
            if (!words.empty()) {
                const std::size_t from = rng() % words.size();
                for (std::size_t p = from; p < words.size(); p += 1 + rng() % 3) {
                    words[p] = (rng() & gw::PlacementList::CellBits) | gw::PlacementList::ValidBit;
                    list.word(p) = words[p];
                }
                list.rewrittenFrom(from);
            }
            break;
        case 4: // cut
            if (!words.empty()) {
                words.resize(rng() % words.size());
                list.truncate(words.size());
            }
            break;
        default: // the scratch bit changes no sum
            if (!words.empty())
                list.word(rng() % words.size()) ^= gw::PlacementList::FitsBit;
            break;
        }
        if (rng() % 4 == 0) {
            ASSERT_EQ(std::make_pair(list.cellSum(), list.validitySum()), sumsOf(words)) << "step " << step;
        }
    }
    ASSERT_EQ(list.size(), words.size());
    for (std::size_t p = 0; p < words.size(); ++p)
        ASSERT_EQ(list.word(p) & ~gw::PlacementList::FitsBit, words[p]) << p;
}
