// Line deduction: comparing the placements with the cells, and deducing
// cells from the ranges the runs can still take.
#include "LineSolver.h"

#include <algorithm>

#include "LineBits.h"

namespace gw {


void LineSolver::SetupRanges()
{
    if (m_runs == 0)
        return;
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
        m_canBelong[s] = range & possible(m_runColour[s]);
    }
    for (int i = 0; i < m_length; ++i) {
        m_maybeWhite[static_cast<std::size_t>(i)] = true;
        m_blockOf[static_cast<std::size_t>(i)] = -1;
    }
}

void LineSolver::VergelijkZooi()
{
    if (m_lineDone || !changedFlag() || m_valid.empty() || !m_generationComplete)
        return;
    // ZetKanZijn of every fitting placement, as one OR per colour.
    loadPossible();
    std::array<std::uint64_t, PaletteSize> confirmed{};
    std::uint64_t confirmedWhite = 0;
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    for (std::size_t p = 0; p < m_valid.size(); ++p) {
        if (!storedFits(p))
            continue;
        std::uint64_t coloured = 0;
        for (std::size_t s = 0; s < slots; ++s) {
            confirmed[s] |= m_masks[p * slots + s];
            coloured |= m_masks[p * slots + s];
        }
        confirmedWhite |= lineMask() & ~coloured;
    }
    CellKnowledge& cells = m_context.knowledge;
    for (std::size_t s = 0; s <= slots; ++s) {
        const int colour = s < slots ? static_cast<int>(m_slotColour[s]) : static_cast<int>(White);
        for (std::uint64_t bits = s < slots ? confirmed[s] : confirmedWhite; bits; bits &= bits - 1) {
            const int i = __builtin_ctzll(bits);
            cells.setCanBe(cellX(i), cellY(i), colour, 1);
        }
    }
    for (int i = 0; i < m_length; ++i) {
        if (state(i) != StateUnknown)
            continue;
        int count = 0;
        int last = 0;
        for (int v = 1; v <= PaletteSize; ++v) {
            if (canBe(i, v - 1) == 1) {
                ++count;
                last = v;
                if (count == 2)
                    break;
            } else {
                cells.setCanBe(cellX(i), cellY(i), v - 1, 0);
            }
        }
        if (count == 1)
            setCell(i, static_cast<std::uint8_t>(last));
    }
}

void LineSolver::ExtraAanvullingen()
{
    if (m_lineDone || m_runs == 0)
        return;
    m_settled = false;
    m_minGap[0] = m_earliestStart[0];
    m_maxGap[0] = static_cast<std::int16_t>(m_latestEnd[0] + 1 - m_runLength[0]);
    for (int k = 1; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int g = m_earliestStart[s] - m_latestEnd[s - 1] - 1;
        if (g > m_minGap[s])
            m_minGap[s] = static_cast<std::int16_t>(g);
        const int h = m_latestEnd[s] + 1 - m_runLength[s] - m_earliestStart[s - 1] - m_runLength[s - 1];
        if (h < m_maxGap[s])
            m_maxGap[s] = static_cast<std::int16_t>(h);
    }
}

void LineSolver::UpdateKanHorenBij()
{
    if (m_lineDone || m_runs == 0)
        return;
    const std::uint32_t stampBefore = stamp();
    if (m_settled && m_settledStamp == stampBefore)
        return;
    const auto earliest = m_earliestStart;
    const auto latest = m_latestEnd;
    const auto canBelong = m_canBelong;
    const auto blockOf = m_blockOf;
    const auto maybeWhite = m_maybeWhite;
    const auto runDone = m_runDone;
    for (int i = 0; i < m_length; ++i)
        m_known[static_cast<std::size_t>(i)] = state(i);

    stepKnownCells();   // A
    AssignRuns();       // B
    stepWalls();        // C
    AssignRuns();       // D
    if (m_length > 1)
        stepRunsTooLong(); // E
    stepCompleteRuns(); // F
    AssignRuns();       // G
    if (m_length >= 2)
        stepOverlap();
    stepShrink();       // H
    if (m_runs > 1)
        stepOrder();    // I
    stepDoneCheck();    // J
    AssignRuns();       // K

    m_settled = stamp() == stampBefore && earliest == m_earliestStart && latest == m_latestEnd
                && canBelong == m_canBelong && blockOf == m_blockOf && maybeWhite == m_maybeWhite
                && runDone == m_runDone;
    m_settledStamp = stampBefore;
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

void LineSolver::stepKnownCells()
{
    for (int i = 0; i < m_length; ++i) {
        const std::uint8_t st = known(i);
        if (st == StateUnknown)
            continue;
        const auto c = static_cast<std::size_t>(i);
        if (m_blockOf[c] == -1 || st == StateWhite) {
            for (int k = 0; k < m_runs; ++k)
                if (st != m_runColour[static_cast<std::size_t>(k)] + 1)
                    m_canBelong[static_cast<std::size_t>(k)] &= ~(std::uint64_t{1} << i);
        }
        m_maybeWhite[c] = st == StateWhite;
    }
}

void LineSolver::AssignRuns()
{
    // For every cell, how many runs can hold it and (when that is one) which:
    // the XOR of the run numbers of a cell held by one run is that run.
    // Kept up to date as runs lose cells in the loop below.
    std::array<std::uint8_t, MaxPuzzleSize> holders{};
    std::array<std::uint8_t, MaxPuzzleSize> holderXor{};
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
        m_blockOf[c] = static_cast<std::int8_t>(only);
        if (!m_maybeWhite[c] && only >= 0) {
            if (known(i) == StateUnknown)
                setKnown(i, static_cast<std::uint8_t>(runColour(only) + 1));
            // The run can only hold cells closer than its length to i.
            const int len = runLength(only);
            std::uint64_t& mask = m_canBelong[static_cast<std::size_t>(only)];
            const std::uint64_t removed = mask & lineMask() & ~bitsFrom(i - len + 1, std::min(i + len, m_length));
            mask &= ~removed;
            for (std::uint64_t bits = removed; bits; bits &= bits - 1) {
                const auto d = static_cast<std::size_t>(__builtin_ctzll(bits));
                --holders[d];
                holderXor[d] = static_cast<std::uint8_t>(holderXor[d] ^ only);
            }
        } else if (m_maybeWhite[c] && only == -1) {
            if (known(i) == StateUnknown)
                setKnown(i, StateWhite);
        } else if (known(i) == StateWhite) {
            m_blockOf[c] = -1;
        }
    }
}

void LineSolver::stepWalls()
{
    for (int i = 0; i < m_length; ++i) {
        const auto c = static_cast<std::size_t>(i);
        const int b = m_blockOf[c];
        if (m_maybeWhite[c] || b < 0 || m_runDone[static_cast<std::size_t>(b)])
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

void LineSolver::stepRunsTooLong()
{
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        if (m_runDone[s])
            continue;
        const int want = runColour(k) + 1;
        const int len = runLength(k);
        int r = 0;
        for (int i = m_earliestStart[s]; i <= m_latestEnd[s]; ++i) {
            if (known(i) == want) {
                ++r;
                continue;
            }
            if (r > len)
                m_canBelong[s] &= ~(bitsBelow(i) & ~bitsBelow(i - r));
            r = 0;
        }
        if (r > len) {
            const int end = m_latestEnd[s];
            m_canBelong[s] &= ~(bitsBelow(end + 1) & ~bitsBelow(end - r + 1));
        }
    }
}

void LineSolver::stepCompleteRuns()
{
    int i = 0;
    while (i < m_length) {
        const std::uint8_t st = known(i);
        if (st == StateUnknown || st == StateWhite) {
            ++i;
            continue;
        }
        const int s = i;
        while (i < m_length && known(i) == st)
            ++i;
        if (i == m_length)
            break; // a stretch that reaches the end of the line is not examined
        int before = 100;
        int after = 100;
        bool skip = false;
        for (int k = 0; k < m_runs; ++k) {
            if (!CanBelong(k, s))
                continue;
            if (runLength(k) != i - s) {
                skip = true;
                break;
            }
            before = std::min<int>(before, m_minGap[static_cast<std::size_t>(k)]);
            if (k < m_runs - 1)
                after = std::min<int>(after, m_minGap[static_cast<std::size_t>(k + 1)]);
        }
        if (skip || before >= m_length || after >= m_length)
            continue;
        for (int m = s - 1; m >= s - before; --m)
            whiteIfUnknown(m);
        for (int m = i; m < i + after; ++m)
            whiteIfUnknown(m);
    }
}

void LineSolver::stepOverlap()
{
    struct Stretch {
        int start;
        int length;
        bool holdsRunColour;
    };
    std::array<Stretch, MaxPuzzleSize> stretches{};
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        if (m_runDone[s])
            continue;
        const int want = runColour(k) + 1;
        const int len = runLength(k);
        // 1. The stretches of run k.
        int count = 0;
        for (int i = m_earliestStart[s]; i <= m_latestEnd[s];) {
            if (!CanBelong(k, i)) {
                ++i;
                continue;
            }
            Stretch st{i, 0, false};
            while (i < m_length && CanBelong(k, i)) {
                st.holdsRunColour = st.holdsRunColour || known(i) == want;
                ++i;
            }
            st.length = i - st.start;
            stretches[static_cast<std::size_t>(count++)] = st;
        }
        // 2. Too short for the run.
        for (int n = 0; n < count; ++n) {
            const Stretch& st = stretches[static_cast<std::size_t>(n)];
            if (st.length < len)
                m_canBelong[s] &= ~(bitsBelow(st.start + st.length) & ~bitsBelow(st.start));
        }
        // 3. The chosen stretch.
        int chosen = count == 1 ? 0 : -1;
        int firstLong = -1;
        int lastLong = -1;
        for (int n = 0; n < count; ++n) {
            if (stretches[static_cast<std::size_t>(n)].length >= len) {
                if (firstLong < 0)
                    firstLong = n;
                lastLong = n;
            }
        }
        int fallback = -1;
        if (k == 0)
            fallback = firstLong;
        else if (k == m_runs - 1)
            fallback = lastLong;
        else if (m_runDone[s - 1])
            fallback = firstLong;
        else if (m_runDone[s + 1])
            fallback = lastLong;
        if (fallback >= 0 && stretches[static_cast<std::size_t>(fallback)].holdsRunColour)
            chosen = fallback;
        if (chosen < 0)
            continue;
        // 4. The cells every position of the run inside the stretch covers.
        const int t = stretches[static_cast<std::size_t>(chosen)].start;
        const int stretchLength = stretches[static_cast<std::size_t>(chosen)].length;
        m_earliestStart[s] = static_cast<std::int16_t>(t);
        m_latestEnd[s] = static_cast<std::int16_t>(t + stretchLength - 1);
        const int first = t + stretchLength - len;
        const int last = t + len - 1;
        for (int m = std::max(first, 0); m <= std::min(last, m_length - 1); ++m) {
            if (known(m) == StateUnknown)
                setKnown(m, static_cast<std::uint8_t>(want));
            for (int j = 0; j < m_runs; ++j) {
                if (j == k)
                    m_canBelong[static_cast<std::size_t>(j)] |= std::uint64_t{1} << m;
                else
                    m_canBelong[static_cast<std::size_t>(j)] &= ~(std::uint64_t{1} << m);
            }
            m_maybeWhite[static_cast<std::size_t>(m)] = false;
        }
        const int covered = last - first + 1;
        if (covered < len && fallback >= 0) {
            // 5. The run lies inside the stretch.
            excludeCells(k, m_runs - 1, bitsBelow(t));
            excludeCells(0, k, bitsFrom(t + stretchLength, m_length));
        } else if (covered == len) {
            // 6. The run is fixed.
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

void LineSolver::stepShrink()
{
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        // A run always keeps a cell it can belong to in a puzzle drawn from a
        // picture; the bounds only keep the indices inside the line otherwise.
        while (m_earliestStart[s] < m_length - 1 && !CanBelong(k, m_earliestStart[s]))
            ++m_earliestStart[s];
        while (m_latestEnd[s] > 0 && !CanBelong(k, m_latestEnd[s]))
            --m_latestEnd[s];
    }
}

void LineSolver::stepOrder()
{
    for (int k = 1; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int lim = m_earliestStart[s - 1] + m_runLength[s - 1] + m_minGap[s];
        if (m_earliestStart[s] < lim) {
            m_earliestStart[s] = static_cast<std::int16_t>(lim);
            excludeCells(k, m_runs - 1, bitsBelow(lim));
        }
    }
    for (int k = m_runs - 2; k >= 0; --k) {
        const auto s = static_cast<std::size_t>(k);
        const int lim = m_latestEnd[s + 1] - m_runLength[s + 1] - m_minGap[s + 1];
        if (m_latestEnd[s] > lim) {
            m_latestEnd[s] = static_cast<std::int16_t>(lim);
            excludeCells(0, k, bitsFrom(lim + 1, m_length));
        }
    }
}

void LineSolver::stepDoneCheck()
{
    int coloured = 0;
    for (int i = 0; i < m_length; ++i) {
        const std::uint8_t st = known(i);
        if (st != StateUnknown && st != StateWhite)
            ++coloured;
    }
    if (coloured != m_runTotal)
        return;
    // Keep only the first placement (a done line is never compared again).
    if (m_valid.size() > 1) {
        m_valid.resize(1);
        m_masks.resize(static_cast<std::size_t>(m_slots));
    }
    for (int i = 0; i < m_length; ++i)
        whiteIfUnknown(i);
    m_lineDone = true;
}

} // namespace gw
