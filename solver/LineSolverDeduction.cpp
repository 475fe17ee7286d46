// Line deduction: comparing the placements with the cells, and deducing
// cells from the ranges the runs can still take.
//
// The run ranges: run k lies somewhere in earliestStart(k)..latestEnd(k), on
// cells it can belong to (a bit mask per run). They start as wide as the gap
// bounds allow and only ever narrow during a test: a known cell can only be
// part of runs of its colour, a run cannot jump over a cell it cannot
// belong to, runs keep their order, and so on (the steps below). Cells that
// every position left to a run covers are set to its colour, cells no run
// can reach are set white. This works without the placement list, so it
// helps too where a list is too long to be complete.
#include "LineSolver.h"

#include <algorithm>

#include "LineBits.h"

namespace gw {

void LineSolver::setUpRunRanges()
{
    if (m_runs == 0)
        return;
    // Every run packed as far left, and as far right, as the gap bounds allow.
    m_earliestStart[0] = m_minGap[0];
    for (int k = 1; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        m_earliestStart[s] = static_cast<std::int16_t>(m_earliestStart[s - 1] + m_runLength[s - 1] + m_minGap[s]);
    }
    m_latestEnd[static_cast<std::size_t>(m_runs - 1)] = static_cast<std::int16_t>(m_length - 1);
    for (int k = m_runs - 2; k >= 0; --k) {
        const auto s = static_cast<std::size_t>(k);
        m_latestEnd[s] = static_cast<std::int16_t>(m_latestEnd[s + 1] - m_runLength[s + 1] - m_minGap[s + 1]);
    }
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        m_runDone[s] = false;
        const std::uint64_t range = bitsFrom(m_earliestStart[s], m_latestEnd[s] + 1);
        m_canBelong[s] = range & possible(m_runColor[s]);
    }
    for (int i = 0; i < m_length; ++i) {
        m_mayBeWhite[static_cast<std::size_t>(i)] = true;
        m_runOf[static_cast<std::size_t>(i)] = -1;
    }
}

void LineSolver::gatherConfirmedColors(const FitPass& pass, std::array<std::uint64_t, PaletteSize>& confirmed,
                                       std::uint64_t& confirmedWhite)
{
    // Gathered by run (the cells each run starts at) or, when the line is
    // tested by its white cells, by the number of white cells before a
    // coloured cell. Once every colour still possible anywhere is confirmed,
    // the placements are only tested.
    std::array<std::uint64_t, RunSlots> gathered {};
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    const auto confirm = [&] {
        if (m_testByWhiteCells) {
            for (int w = 0; w <= m_length - m_runTotal; ++w)
                for (std::size_t s = 0; s < slots; ++s)
                    confirmed[s] |= (m_slotClueCells[s] << w) & gathered[static_cast<std::size_t>(w)];
        } else {
            for (int k = 0; k < m_runs; ++k) {
                const auto s = static_cast<std::size_t>(k);
                confirmed[m_runSlot[s]] |= spreadLeft(gathered[s], m_runLength[s] - 1);
            }
        }
    };
    const auto everythingConfirmed = [&] {
        bool all = confirmedWhite == (lineMask() & ~m_impossible.white);
        for (std::size_t s = 0; s < slots; ++s)
            all = all && confirmed[s] == (lineMask() & ~m_impossible.bySlot[s]);
        return all;
    };
    bool gathering = true;
    m_list.forEachStretch(0, [&](const std::uint64_t* words, std::size_t stretch, std::size_t first) {
        for (std::size_t n = 0; n < stretch; ++n) {
            const std::uint64_t colored = words[n];
            if (!m_list.isValid(first + n))
                continue;
            if (!fitsInPass(pass, colored, first + n)) {
                m_list.invalidate(first + n);
                continue;
            }
            if (!gathering)
                continue;
            confirmedWhite |= lineMask() & ~colored;
            if (m_testByWhiteCells) {
                std::uint64_t done = 0;
                std::size_t w = 0;
                for (std::uint64_t rest = lineMask() & ~colored; rest; rest &= rest - 1, ++w) {
                    const std::uint64_t white = rest & (~rest + 1);
                    gathered[w] |= colored & (white - 1) & ~done;
                    done = white | (white - 1);
                }
                gathered[w] |= colored & ~done;
            } else {
                std::uint64_t rest = colored;
                for (int k = 0; k < m_runs; ++k) {
                    const int start = __builtin_ctzll(rest);
                    gathered[static_cast<std::size_t>(k)] |= std::uint64_t {1} << start;
                    rest ^= m_runBits[static_cast<std::size_t>(k)] << start;
                }
            }
        }
        if (gathering) {
            confirm();
            gathering = !everythingConfirmed();
        }
    });
    confirm();
}

void LineSolver::compareWithCells()
{
    if (m_lineDone || !lineChanged() || m_list.empty() || !m_enumerationComplete)
        return;
    // The colours of every placement that still fits, as one OR per colour
    // slot (a placement that no longer fits is marked invalid for good). When
    // neither the cells' impossible colours nor the distinct placements of
    // the list have changed since the last comparison, they are its colours.
    m_lastKeeps.known = false;
    const FitPass pass = beginFitPass();
    std::array<std::uint64_t, PaletteSize> confirmed {};
    std::uint64_t confirmedWhite = 0;
    if (m_lastComparison.known && m_lastComparison.against == m_impossible) {
        confirmed = m_lastComparison.confirmed;
        confirmedWhite = m_lastComparison.confirmedWhite;
    } else {
        gatherConfirmedColors(pass, confirmed, confirmedWhite);
        m_lastComparison = {true, m_impossible, confirmed, confirmedWhite};
    }
    m_verified = true;
    m_verifiedAgainst = m_impossible;
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    CellKnowledge& cells = m_context.knowledge;
    for (std::size_t s = 0; s <= slots; ++s) {
        const int color = s < slots ? static_cast<int>(m_slotColor[s]) : static_cast<int>(White);
        for (std::uint64_t bits = s < slots ? confirmed[s] : confirmedWhite; bits; bits &= bits - 1) {
            const int i = __builtin_ctzll(bits);
            cells.setCanBe(cellX(i), cellY(i), color, ColorConfirmed);
        }
    }
    // An open cell loses every colour before its second confirmed one (the
    // colours after it keep their marks); with one confirmed colour it is set.
    for (int i = 0; i < m_length; ++i) {
        if (state(i) != StateUnknown)
            continue;
        int count = 0;
        int last = 0;
        for (int v = 1; v <= PaletteSize; ++v) {
            if (canBe(i, v - 1) == ColorConfirmed) {
                ++count;
                last = v;
                if (count == 2)
                    break;
            } else {
                cells.setCanBe(cellX(i), cellY(i), v - 1, ColorExcluded);
            }
        }
        if (count == 1)
            setCell(i, static_cast<std::uint8_t>(last));
    }
}

void LineSolver::tightenGapBounds()
{
    if (m_lineDone || m_runs == 0)
        return;
    m_settled = false;
    m_minGap[0] = m_earliestStart[0];
    m_maxGap[0] = static_cast<std::int16_t>(m_latestEnd[0] + 1 - m_runLength[0]);
    for (int k = 1; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int smallest = m_earliestStart[s] - m_latestEnd[s - 1] - 1;
        if (smallest > m_minGap[s])
            m_minGap[s] = static_cast<std::int16_t>(smallest);
        const int largest = m_latestEnd[s] + 1 - m_runLength[s] - m_earliestStart[s - 1] - m_runLength[s - 1];
        if (largest < m_maxGap[s])
            m_maxGap[s] = static_cast<std::int16_t>(largest);
    }
}

void LineSolver::deduceFromRunRanges()
{
    if (m_lineDone || m_runs == 0)
        return;
    const std::uint32_t writesBefore = writeCount();
    if (m_settled && m_settledWrites == writesBefore)
        return;
    const auto earliestBefore = m_earliestStart;
    const auto latestBefore = m_latestEnd;
    const auto canBelongBefore = m_canBelong;
    const auto runOfBefore = m_runOf;
    const auto mayBeWhiteBefore = m_mayBeWhite;
    const auto runDoneBefore = m_runDone;
    for (int i = 0; i < m_length; ++i)
        m_known[static_cast<std::size_t>(i)] = state(i);

    excludeRunsFromKnownCells();
    assignCellsToRuns();
    stopRunsAtWalls();
    assignCellsToRuns();
    if (m_length > 1)
        excludeStretchesLongerThanRuns();
    whitenAroundCompleteRuns();
    assignCellsToRuns();
    if (m_length >= 2)
        fillRunOverlaps();
    trimRangesToCellsTheyCanHold();
    if (m_runs > 1)
        keepRunsInOrder();
    finishWhenEveryColoredCellIsKnown();
    assignCellsToRuns();

    m_settled = writeCount() == writesBefore && earliestBefore == m_earliestStart && latestBefore == m_latestEnd
                && canBelongBefore == m_canBelong && runOfBefore == m_runOf && mayBeWhiteBefore == m_mayBeWhite
                && runDoneBefore == m_runDone;
    m_settledWrites = writesBefore;
}

void LineSolver::excludeCells(int from, int to, std::uint64_t cells)
{
    for (int k = std::max(from, 0); k <= std::min(to, m_runs - 1); ++k)
        m_canBelong[static_cast<std::size_t>(k)] &= ~cells;
}

void LineSolver::whiteIfUnknown(int i)
{
    if (i >= 0 && i < m_length && known(i) == StateUnknown)
        setKnown(i, StateWhite);
}

void LineSolver::setKnown(int i, std::uint8_t value)
{
    m_known[static_cast<std::size_t>(i)] = value;
    setCell(i, value);
}

// A known cell can only be part of runs of its colour, a white cell of none.
// A coloured cell already assigned to a run keeps its runs.
void LineSolver::excludeRunsFromKnownCells()
{
    for (int i = 0; i < m_length; ++i) {
        const std::uint8_t st = known(i);
        if (st == StateUnknown)
            continue;
        const auto c = static_cast<std::size_t>(i);
        if (m_runOf[c] == -1 || st == StateWhite) {
            for (int k = 0; k < m_runs; ++k)
                if (st != m_runColor[static_cast<std::size_t>(k)] + 1)
                    m_canBelong[static_cast<std::size_t>(k)] &= ~(std::uint64_t {1} << i);
        }
        m_mayBeWhite[c] = st == StateWhite;
    }
}

// A cell that exactly one run can hold belongs to that run: when the cell is
// known to be coloured it gets the run's colour, and the run can only hold
// cells closer than its length to it. A cell that may be white and that no
// run can reach is white. A cell that two or more runs can hold is left as
// it is.
void LineSolver::assignCellsToRuns()
{
    // For every cell, how many runs can hold it and (when that is one) which:
    // the XOR of the run numbers of a cell held by one run is that run.
    // Kept up to date as runs lose cells in the loop below.
    std::array<std::uint8_t, MaxPuzzleSize> holders {};
    std::array<std::uint8_t, MaxPuzzleSize> holderXor {};
    for (int k = 0; k < m_runs; ++k) {
        for (std::uint64_t bits = m_canBelong[static_cast<std::size_t>(k)] & lineMask(); bits; bits &= bits - 1) {
            const auto c = static_cast<std::size_t>(__builtin_ctzll(bits));
            ++holders[c];
            holderXor[c] = static_cast<std::uint8_t>(holderXor[c] ^ k);
        }
    }
    for (int i = 0; i < m_length; ++i) {
        const auto c = static_cast<std::size_t>(i);
        if (holders[c] >= 2)
            continue;
        const int only = holders[c] == 1 ? holderXor[c] : -1;
        m_runOf[c] = static_cast<std::int8_t>(only);
        if (!m_mayBeWhite[c] && only >= 0) {
            if (known(i) == StateUnknown)
                setKnown(i, static_cast<std::uint8_t>(runColor(only) + 1));
            const int len = runLength(only);
            std::uint64_t& mask = m_canBelong[static_cast<std::size_t>(only)];
            const std::uint64_t removed = mask & lineMask() & ~bitsFrom(i - len + 1, std::min(i + len, m_length));
            mask &= ~removed;
            for (std::uint64_t bits = removed; bits; bits &= bits - 1) {
                const auto d = static_cast<std::size_t>(__builtin_ctzll(bits));
                --holders[d];
                holderXor[d] = static_cast<std::uint8_t>(holderXor[d] ^ only);
            }
        } else if (m_mayBeWhite[c] && only == -1) {
            if (known(i) == StateUnknown)
                setKnown(i, StateWhite);
        } else if (known(i) == StateWhite) {
            m_runOf[c] = -1;
        }
    }
}

// A coloured cell assigned to run b that is not yet fixed: the nearest cell
// on either side that b cannot hold is a wall b cannot pass. Run b and the
// runs after it start after the wall on the left; run b and the runs before
// it end before the wall on the right.
void LineSolver::stopRunsAtWalls()
{
    for (int i = 0; i < m_length; ++i) {
        const auto c = static_cast<std::size_t>(i);
        const int b = m_runOf[c];
        if (m_mayBeWhite[c] || b < 0 || m_runDone[static_cast<std::size_t>(b)])
            continue;
        const std::uint64_t notB = lineMask() & ~m_canBelong[static_cast<std::size_t>(b)];
        const std::uint64_t before = notB & bitsBelow(i);
        if (before) {
            const int j = 63 - __builtin_clzll(before); // the nearest wall left of i
            for (int k = b; k < m_runs; ++k) {
                const auto s = static_cast<std::size_t>(k);
                m_earliestStart[s] = static_cast<std::int16_t>(std::max<int>(m_earliestStart[s], j + 1));
                m_canBelong[s] &= ~bitsBelow(j + 1);
            }
        }
        const std::uint64_t after = notB & bitsFrom(i + 1, m_length);
        if (after) {
            const int j = __builtin_ctzll(after); // the nearest wall right of i
            for (int k = 0; k <= b; ++k) {
                const auto s = static_cast<std::size_t>(k);
                m_latestEnd[s] = static_cast<std::int16_t>(std::min<int>(m_latestEnd[s], j - 1));
                m_canBelong[s] &= ~bitsFrom(j, m_length);
            }
        }
    }
}

// Within a run's range, a stretch of known cells of its colour that is
// longer than the run cannot be part of it, also where the stretch ends the
// range.
void LineSolver::excludeStretchesLongerThanRuns()
{
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        if (m_runDone[s])
            continue;
        const int want = runColor(k) + 1;
        const int len = runLength(k);
        int stretch = 0;
        for (int i = m_earliestStart[s]; i <= m_latestEnd[s]; ++i) {
            if (known(i) == want) {
                ++stretch;
                continue;
            }
            if (stretch > len)
                m_canBelong[s] &= ~(bitsBelow(i) & ~bitsBelow(i - stretch));
            stretch = 0;
        }
        if (stretch > len) {
            const int end = m_latestEnd[s];
            m_canBelong[s] &= ~(bitsBelow(end + 1) & ~bitsBelow(end - stretch + 1));
        }
    }
}

// A stretch of known cells of one colour that every run able to hold its
// first cell would fill exactly is a complete run: the cells that must
// separate it from its neighbours (the smallest gap before and after over
// those runs) are white. A stretch that reaches the end of the line is not
// examined.
void LineSolver::whitenAroundCompleteRuns()
{
    int i = 0;
    while (i < m_length) {
        const std::uint8_t st = known(i);
        if (st == StateUnknown || st == StateWhite) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < m_length && known(i) == st)
            ++i;
        if (i == m_length)
            break;
        int before = 100;
        int after = 100;
        bool skip = false;
        for (int k = 0; k < m_runs; ++k) {
            if (!canBelong(k, start))
                continue;
            if (runLength(k) != i - start) {
                skip = true;
                break;
            }
            before = std::min<int>(before, m_minGap[static_cast<std::size_t>(k)]);
            if (k < m_runs - 1)
                after = std::min<int>(after, m_minGap[static_cast<std::size_t>(k + 1)]);
        }
        if (skip || before >= m_length || after >= m_length)
            continue;
        for (int m = start - 1; m >= start - before; --m)
            whiteIfUnknown(m);
        for (int m = i; m < i + after; ++m)
            whiteIfUnknown(m);
    }
}

// The stretches of run k: the maximal sequences of cells it can belong to
// that begin inside its range (the last may run on past latestEnd(k) to the
// end of the line). Returns their number.
int LineSolver::collectStretches(int k, std::array<Stretch, MaxPuzzleSize>& stretches) const
{
    const auto s = static_cast<std::size_t>(k);
    const int want = runColor(k) + 1;
    int count = 0;
    for (int i = m_earliestStart[s]; i <= m_latestEnd[s];) {
        if (!canBelong(k, i)) {
            ++i;
            continue;
        }
        Stretch st {i, 0, false};
        while (i < m_length && canBelong(k, i)) {
            st.holdsRunColor = st.holdsRunColor || known(i) == want;
            ++i;
        }
        st.length = i - st.start;
        stretches[static_cast<std::size_t>(count++)] = st;
    }
    return count;
}

// The stretch a run must lie in when its neighbours say so, -1 when none:
// among the stretches long enough for run k, the first for run 0 or when the
// run before k is fixed, the last for the last run or when the run after k
// is fixed.
int LineSolver::fallbackStretch(int k, const std::array<Stretch, MaxPuzzleSize>& stretches, int count) const
{
    const auto s = static_cast<std::size_t>(k);
    const int len = runLength(k);
    int firstLong = -1;
    int lastLong = -1;
    for (int n = 0; n < count; ++n) {
        if (stretches[static_cast<std::size_t>(n)].length >= len) {
            if (firstLong < 0)
                firstLong = n;
            lastLong = n;
        }
    }
    if (k == 0)
        return firstLong;
    if (k == m_runs - 1)
        return lastLong;
    if (m_runDone[s - 1])
        return firstLong;
    if (m_runDone[s + 1])
        return lastLong;
    return -1;
}

// For every run not yet fixed: a stretch shorter than the run cannot hold
// it. When the run has one stretch, or its fallback stretch holds a known
// cell of its colour, the run lies in that stretch: its range becomes the
// stretch, and the cells that every position of the run inside the stretch
// covers get its colour and belong to it alone. When those cells are as many
// as the run is long, the run is fixed and the gaps to its neighbours white.
void LineSolver::fillRunOverlaps()
{
    std::array<Stretch, MaxPuzzleSize> stretches {};
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        if (m_runDone[s])
            continue;
        const int want = runColor(k) + 1;
        const int len = runLength(k);
        const int count = collectStretches(k, stretches);
        for (int n = 0; n < count; ++n) {
            const Stretch& st = stretches[static_cast<std::size_t>(n)];
            if (st.length < len)
                m_canBelong[s] &= ~(bitsBelow(st.start + st.length) & ~bitsBelow(st.start));
        }
        int chosen = count == 1 ? 0 : -1;
        const int fallback = fallbackStretch(k, stretches, count);
        if (fallback >= 0 && stretches[static_cast<std::size_t>(fallback)].holdsRunColor)
            chosen = fallback;
        if (chosen < 0)
            continue;
        const int t = stretches[static_cast<std::size_t>(chosen)].start;
        const int stretchLength = stretches[static_cast<std::size_t>(chosen)].length;
        m_earliestStart[s] = static_cast<std::int16_t>(t);
        m_latestEnd[s] = static_cast<std::int16_t>(t + stretchLength - 1);
        // The overlap of the run packed to the right and packed to the left.
        const int first = t + stretchLength - len;
        const int last = t + len - 1;
        for (int m = std::max(first, 0); m <= std::min(last, m_length - 1); ++m) {
            if (known(m) == StateUnknown)
                setKnown(m, static_cast<std::uint8_t>(want));
            for (int j = 0; j < m_runs; ++j) {
                if (j == k)
                    m_canBelong[static_cast<std::size_t>(j)] |= std::uint64_t {1} << m;
                else
                    m_canBelong[static_cast<std::size_t>(j)] &= ~(std::uint64_t {1} << m);
            }
            m_mayBeWhite[static_cast<std::size_t>(m)] = false;
        }
        const int covered = last - first + 1;
        if (covered < len && fallback >= 0) {
            // The run lies inside the stretch: the runs after it start after
            // the stretch's start, the runs before it end before its end.
            excludeCells(k, m_runs - 1, bitsBelow(t));
            excludeCells(0, k, bitsFrom(t + stretchLength, m_length));
        } else if (covered == len) {
            m_runDone[s] = true;
            excludeCells(k, m_runs - 1, bitsBelow(first));
            excludeCells(0, k, bitsFrom(last + 1, m_length));
            if (k > 0)
                for (int m = first - m_minGap[s]; m < first; ++m)
                    whiteIfUnknown(m);
            if (k < m_runs - 1)
                for (int m = last + 1; m <= last + m_minGap[s + 1]; ++m)
                    whiteIfUnknown(m);
        }
    }
}

// A range starts and ends on cells its run can belong to.
void LineSolver::trimRangesToCellsTheyCanHold()
{
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        // A run always keeps a cell it can belong to in a puzzle drawn from a
        // picture; the bounds only keep the indices inside the line otherwise.
        while (m_earliestStart[s] < m_length - 1 && !canBelong(k, m_earliestStart[s]))
            ++m_earliestStart[s];
        while (m_latestEnd[s] > 0 && !canBelong(k, m_latestEnd[s]))
            --m_latestEnd[s];
    }
}

// Runs keep their order: a run starts no earlier than the run before it can
// end plus the smallest gap between them, and ends no later than the run
// after it can start minus that gap.
void LineSolver::keepRunsInOrder()
{
    for (int k = 1; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int limit = m_earliestStart[s - 1] + m_runLength[s - 1] + m_minGap[s];
        if (m_earliestStart[s] < limit) {
            m_earliestStart[s] = static_cast<std::int16_t>(limit);
            excludeCells(k, m_runs - 1, bitsBelow(limit));
        }
    }
    for (int k = m_runs - 2; k >= 0; --k) {
        const auto s = static_cast<std::size_t>(k);
        const int limit = m_latestEnd[s + 1] - m_runLength[s + 1] - m_minGap[s + 1];
        if (m_latestEnd[s] > limit) {
            m_latestEnd[s] = static_cast<std::int16_t>(limit);
            excludeCells(0, k, bitsFrom(limit + 1, m_length));
        }
    }
}

// When the line holds as many known coloured cells as its runs need, every
// other cell is white and the line is done.
void LineSolver::finishWhenEveryColoredCellIsKnown()
{
    int colored = 0;
    for (int i = 0; i < m_length; ++i) {
        const std::uint8_t st = known(i);
        if (st != StateUnknown && st != StateWhite)
            ++colored;
    }
    if (colored != m_runTotal)
        return;
    // Keep only the first placement (a done line is never compared again).
    if (m_list.size() > 1)
        m_list.truncate(1);
    m_lastKeeps.known = false;
    for (int i = 0; i < m_length; ++i)
        whiteIfUnknown(i);
    m_lineDone = true;
}

} // namespace gw
