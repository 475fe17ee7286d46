// Enumerating a line's placements (LineSolver::enumeratePlacements).
//
// The candidates are the gap vectors inside the gap bounds whose gaps and
// runs fit in the line, in odometer order: gap 0 is the fastest digit.
// Every call of the search starts after the last placement found and counts
// the candidates it builds: the event loop runs at every 1000th, and a
// candidate that does not fit once the count has reached the try limit ends
// the enumeration (aborted). There is one exception to "every gap vector is
// built": after a candidate whose first misfit is a white cell that cannot
// be white, gap 0 jumps past the shifts that would keep a white cell there
// (the skip rule), and the vectors jumped over are not counted.
//
// The search runs one of two ways, with the same placements, counts, event
// loop calls and aborts:
//
// - Candidate by candidate (findNextByCandidates): each candidate's colour
//   masks are built (mostly by shifting the last one) and tested.
//
// - By blocks (findNextByBlocks), when every cell of the line can be white,
//   so that the skip rule never applies and every gap vector is a candidate.
//   Block k is the set of vectors whose gaps k..n-1 are fixed: it holds
//   cnt(k, R) vectors, where R is what the fixed gaps leave of the room, and
//   it holds a placement that fits exactly when some head (runs 0..k-1 with
//   their gaps) that fits ends at a cell e such that the tail (run k at
//   e + gap k, and the runs after it as the fixed gaps lay them) fits too.
//   Where each head can end (m_headFits) is worked out once per enumeration;
//   where the tail can start (m_tailFits) follows from the tail one run
//   longer in one shift. A block without a placement is passed in one step
//   and counts all its vectors; otherwise the search goes down into its
//   blocks k-1, and at block 0 (gap 0 alone) it finds the next fitting gap 0
//   directly.
//
// An enumeration is a function of the cells' impossible colours (for the
// clue's colours and white), the gap bounds and the try limit. So when those
// are as at the last enumeration (the try limit no smaller), the calls find
// the placements the last one found, after as many candidates: they are
// appended as copies from the list (m_record says where they are and how
// many candidates each call counted), and the search goes on from the last
// of them, or from where the try limit stopped it.
#include "LineSolver.h"

#include <algorithm>

#include "LineBits.h"

namespace gw {

namespace {

// x shifted left or right by `shift` cells (0..127); what moves out is lost.
std::uint64_t shiftedLeft(std::uint64_t x, int shift) { return shift >= 64 ? 0 : x << shift; }
std::uint64_t shiftedRight(std::uint64_t x, int shift) { return shift >= 64 ? 0 : x >> shift; }

} // namespace

void LineSolver::enumeratePlacements()
{
    if (m_lineDone || m_enumerationComplete)
        return;
    m_lastKeeps.known = false;
    m_enumerationAborted = false;
    loadImpossibleCells();
    // The new placements fit the cells as they are now.
    if (m_list.empty()) {
        m_verified = true;
        m_verifiedAgainst = m_impossible;
    } else if (m_verifiedAgainst != m_impossible) {
        m_verified = false;
    }
    const EnumerationRecord& last = m_record;
    const bool repeat = last.usable && last.cells == m_impossible && last.minGap == m_minGap && last.maxGap == m_maxGap
                        && m_context.maxTries >= last.maxTries;
    const std::size_t repeatable = repeat ? last.tries.size() : 0;
    std::size_t repeated = 0;
    std::size_t longTriesRead = 0;
    EnumerationRecord record;
    record.first = m_list.size();
    bool searching = false;

    bool exhausted = false;
    for (;;) {
        m_callTries = 0;
        m_failPos = -1;
        bool found = false;
        bool repeating = false;
        std::uint64_t colored = 0;
        if (repeated < repeatable) {
            // The call finds what it found last time, after as many candidates.
            std::int64_t tries = last.tries[repeated];
            if (tries == EnumerationRecord::LongTries)
                tries = last.longTries[longTriesRead++];
            ++repeated;
            repeating = true;
            found = countCandidates(tries, true);
        } else {
            bool callGoesOn = true;
            if (!searching) {
                searching = true;
                if (repeat)
                    callGoesOn = resumeSearch(repeated);
                else
                    startSearch();
            }
            found = callGoesOn && (m_searchByBlocks ? findNextByBlocks() : findNextByCandidates());
            if (found)
                colored = m_searchByBlocks ? m_tailCells[0] << m_gaps[0] : lineMask() & ~m_candidate.white;
        }
        m_context.candidatesBuilt += m_callTries;
        if (!found) {
            exhausted = true;
            break;
        }
        if (repeating) {
            m_list.appendCopyOf(last.first + repeated - 1);
        } else {
            m_list.append(colored);
            m_lastComparison.known = false;
        }
        record.addTries(m_callTries);
        const auto count = static_cast<std::int32_t>(m_list.size());
        if (count > m_context.largestList)
            m_context.largestList = count;
        if (count >= m_context.maxPlacements)
            break;
        if (count % 500 == 0) {
            m_context.processEvents();
            if (m_context.stopRequested)
                break;
        }
    }
    if (exhausted && !m_enumerationAborted)
        m_enumerationComplete = true;

    record.usable = !m_context.stopRequested && !m_enumerationComplete;
    record.cells = m_impossible;
    record.minGap = m_minGap;
    record.maxGap = m_maxGap;
    record.maxTries = m_context.maxTries;
    if (m_enumerationAborted && !m_searchByBlocks) {
        record.searchSaved = true;
        record.gaps = m_gaps;
        record.gapSum = m_gapSum;
        record.candidate = m_candidate;
        record.failPos = m_failPos;
        record.callTries = m_callTries;
    }
    m_record = std::move(record);
}

bool LineSolver::resumeSearch(std::size_t repeated)
{
    startSearch();
    if (m_record.searchSaved) {
        // The search candidate by candidate stood at a misfit, aborted by the
        // try limit: its call counts the same candidates up to there again.
        m_gaps = m_record.gaps;
        m_gapSum = m_record.gapSum;
        m_candidate = m_record.candidate;
        m_failPos = m_record.failPos;
        return countCandidates(m_record.callTries, false);
    }
    if (repeated == 0)
        return true;
    // On from the last placement repeated.
    setGapsOf(m_list.colored(m_list.size() - 1));
    m_gapSum = 0;
    for (int k = 0; k < m_runs; ++k)
        m_gapSum += m_gaps[static_cast<std::size_t>(k)];
    if (!m_searchByBlocks) {
        buildCandidate();
        return true;
    }
    m_searchStarted = true;
    const auto n = static_cast<std::size_t>(m_runs);
    m_tailFits[n - 1] = m_fittingStarts[n - 1];
    m_tailCells[n - 1] = m_runBits[n - 1];
    for (std::size_t s = n - 1; s > 0; --s) {
        m_tailFits[s - 1] = m_fittingStarts[s - 1] & shiftedRight(m_tailFits[s], m_runLength[s - 1] + m_gaps[s]);
        m_tailCells[s - 1] = m_runBits[s - 1] | shiftedLeft(m_tailCells[s], m_runLength[s - 1] + m_gaps[s]);
    }
    return true;
}

void LineSolver::setGapsOf(std::uint64_t colored)
{
    std::uint64_t rest = colored;
    int end = 0; // the cell after the last run placed
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int start = __builtin_ctzll(rest);
        m_gaps[s] = static_cast<std::int16_t>(start - end);
        end = start + m_runLength[s];
        rest ^= m_runBits[s] << start;
    }
}

void LineSolver::computeFittingStarts()
{
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const std::uint64_t allowed = lineMask() & ~m_impossible.bySlot[m_runSlot[s]];
        std::uint64_t starts = allowed;
        for (int t = 1; t < m_runLength[s]; ++t)
            starts &= allowed >> t;
        m_fittingStarts[s] = starts;
    }
}

void LineSolver::startSearch()
{
    bool boundsInOrder = true;
    for (int k = 0; k < m_runs; ++k)
        boundsInOrder = boundsInOrder && m_minGap[static_cast<std::size_t>(k)] <= m_maxGap[static_cast<std::size_t>(k)];
    m_searchByBlocks = m_impossible.white == 0 && boundsInOrder && m_length >= m_runTotal;
    for (int k = 0; k < m_runs; ++k)
        m_gaps[static_cast<std::size_t>(k)] = m_minGap[static_cast<std::size_t>(k)];
    m_gapSum = 0;
    for (int k = 0; k < m_runs; ++k)
        m_gapSum += m_minGap[static_cast<std::size_t>(k)];
    if (m_searchByBlocks) {
        m_searchStarted = false;
        prepareBlockSearch();
    } else {
        m_gaps[0] -= 1; // the first advance gives the first placement
        m_gapSum -= 1;
        m_candidate.built = false;
        preparePackedPrefixes();
    }
}

bool LineSolver::countCandidates(std::int64_t count, bool lastFits)
{
    const std::int64_t first = m_callTries + 1;
    const std::int64_t last = m_callTries + count;
    const std::int64_t lastMisfit = lastFits ? last - 1 : last;
    // The first misfit at or beyond the try limit aborts; the event loop
    // runs at every 1000th candidate before that (also at a fit).
    const std::int64_t abortAt = std::max<std::int64_t>(first, m_context.maxTries);
    const bool aborts = lastMisfit >= abortAt;
    const std::int64_t eventsTo = aborts ? abortAt - 1 : last;
    for (std::int64_t t = (m_callTries / 1000 + 1) * 1000; t <= eventsTo; t += 1000) {
        m_callTries = t;
        m_context.processEvents();
        if (m_context.stopRequested) {
            m_enumerationAborted = true;
            return false;
        }
    }
    m_callTries = aborts ? abortAt : last;
    if (aborts)
        m_enumerationAborted = true;
    return !aborts;
}

void LineSolver::prepareBlockSearch()
{
    computeFittingStarts();
    const int room = m_length - m_runTotal;
    const std::size_t width = static_cast<std::size_t>(room) + 1;
    std::vector<std::int64_t>& counts = m_context.blockSizes;
    counts.assign((static_cast<std::size_t>(m_runs) + 1) * width, 0);
    std::fill(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(width), 1);
    std::vector<std::int64_t> below(width + 1); // below[x]: counts of the row before, summed over 0..x-1
    m_headFits[0] = 1;
    int minSum = 0;
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int lo = m_minGap[s];
        const int hi = m_maxGap[s];
        m_minGapSumBelow[s] = static_cast<std::int16_t>(minSum);
        minSum += lo;
        // Heads of runs 0..k: gap k after a head of runs 0..k-1, then run k.
        m_headFits[s + 1] = shiftedLeft(spreadLeft(m_headFits[s] << lo, hi - lo) & m_fittingStarts[s], m_runLength[s]);
        // cnt(k + 1, R): the sum of cnt(k, R - g) over gap k = g.
        const std::int64_t* row = &counts[s * width];
        std::int64_t* next = &counts[(s + 1) * width];
        below[0] = 0;
        for (std::size_t r = 0; r < width; ++r)
            below[r + 1] = below[r] + row[r];
        for (int r = lo; r <= room; ++r) {
            const int from = r - std::min(hi, r);
            next[r] = below[static_cast<std::size_t>(r - lo) + 1] - below[static_cast<std::size_t>(from)];
        }
    }
    m_minGapSumBelow[static_cast<std::size_t>(m_runs)] = static_cast<std::int16_t>(minSum);
}

bool LineSolver::findNextByBlocks()
{
    const int n = m_runs;
    const int room = m_length - m_runTotal;
    const std::size_t width = static_cast<std::size_t>(room) + 1;
    const std::int64_t* counts = m_context.blockSizes.data();
    // The gaps below `level` are at their minimum whenever a block is
    // entered; `entering` says whether block `level` is new, or done with
    // (then gap `level` moves on).
    int level = 0;
    bool entering = false;
    if (!m_searchStarted) {
        m_searchStarted = true;
        level = n;
        entering = true;
    }
    for (;;) {
        if (!entering) {
            // The next value of gap `level`, carrying into the gaps above.
            for (;;) {
                if (level == n)
                    return false;
                const auto s = static_cast<std::size_t>(level);
                ++m_gaps[s];
                ++m_gapSum;
                if (m_gaps[s] <= m_maxGap[s] && m_gapSum <= room)
                    break;
                m_gapSum -= m_gaps[s] - m_minGap[s];
                m_gaps[s] = m_minGap[s];
                ++level;
            }
            entering = true;
        }
        if (level == 0) {
            // Gap 0 alone: the candidates up to the largest gap 0 allowed.
            const int gap0 = m_gaps[0];
            const int top = std::min<int>(m_maxGap[0], room - (m_gapSum - gap0));
            const std::uint64_t fitting = m_tailFits[0] & bitsBelow(top + 1) & ~bitsBelow(gap0);
            const int next = fitting ? __builtin_ctzll(fitting) : top;
            if (!countCandidates(next - gap0 + 1, fitting != 0))
                return false;
            m_gapSum += next - gap0;
            m_gaps[0] = static_cast<std::int16_t>(next);
            if (fitting)
                return true;
            entering = false;
            continue;
        }
        const auto s = static_cast<std::size_t>(level);
        const bool holdsPlacement =
            level == n ? m_headFits[s] != 0 : (shiftedLeft(m_headFits[s], m_gaps[s]) & m_tailFits[s]) != 0;
        if (holdsPlacement) {
            // Into block level - 1, its gap at the minimum already.
            if (level == n) {
                m_tailFits[s - 1] = m_fittingStarts[s - 1];
                m_tailCells[s - 1] = m_runBits[s - 1];
            } else {
                const int shift = m_runLength[s - 1] + m_gaps[s];
                m_tailFits[s - 1] = m_fittingStarts[s - 1] & shiftedRight(m_tailFits[s], shift);
                m_tailCells[s - 1] = m_runBits[s - 1] | shiftedLeft(m_tailCells[s], shift);
            }
            --level;
            continue;
        }
        const int headRoom = room - (m_gapSum - m_minGapSumBelow[s]);
        if (!countCandidates(counts[s * width + static_cast<std::size_t>(headRoom)], false))
            return false;
        entering = false;
    }
}

void LineSolver::buildCandidate()
{
    m_candidate.masks = {};
    std::uint64_t colored = 0;
    int pos = 0;
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        pos += m_gaps[s];
        const std::uint64_t run = ((std::uint64_t {1} << m_runLength[s]) - 1) << pos;
        m_candidate.masks[m_runSlot[s]] |= run;
        colored |= run;
        pos += m_runLength[s];
    }
    m_candidate.white = lineMask() & ~colored;
    m_candidate.gap0 = m_gaps[0];
    m_candidate.built = true;
}

void LineSolver::preparePackedPrefixes()
{
    // Runs 0..k-1 with every gap at its minimum, for k = 0..n.
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    m_packedPrefix.assign((static_cast<std::size_t>(m_runs) + 1) * slots, 0);
    int pos = 0;
    int minSum = 0;
    int lengthSum = 0;
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        m_minPrefix[s] = static_cast<std::int16_t>(minSum);
        m_lengthPrefix[s] = static_cast<std::int16_t>(lengthSum);
        for (std::size_t slot = 0; slot < slots; ++slot)
            m_packedPrefix[(s + 1) * slots + slot] = m_packedPrefix[s * slots + slot];
        pos += m_minGap[s];
        if (pos < 64)
            m_packedPrefix[(s + 1) * slots + m_runSlot[s]] |= ((std::uint64_t {1} << m_runLength[s]) - 1) << pos;
        pos += m_runLength[s];
        minSum += m_minGap[s];
        lengthSum += m_runLength[s];
    }
}

bool LineSolver::findNextByCandidates()
{
    // The state that changes per candidate is kept in locals and written
    // back whenever the function returns or lets the event loop run.
    std::int64_t tries = m_callTries;
    const std::int32_t maxTries = m_context.maxTries;
    const std::uint64_t line = lineMask();
    const int room = m_length - m_runTotal; // the largest sum of the gaps
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    int gapSum = m_gapSum;
    int failPos = m_failPos;
    Candidate& candidate = m_candidate;
    const auto finish = [&](bool result) {
        m_gapSum = gapSum;
        m_callTries = tries;
        m_failPos = failPos;
        return result;
    };
    for (;;) {
        // Skip: the last candidate was white on a cell that cannot be white;
        // no shift smaller than the next cell that can be white helps.
        if (failPos >= 0 && ((candidate.white >> failPos) & 1u)) {
            const std::uint64_t canBeWhite = ~m_impossible.white & line & ~bitsBelow(failPos + 1);
            const int i = canBeWhite ? __builtin_ctzll(canBeWhite) : m_length;
            const int shift = i - failPos - 1;
            m_gaps[0] = static_cast<std::int16_t>(m_gaps[0] + shift);
            gapSum += shift;
        }
        // Advance the odometer; gap 0 is the fastest digit.
        int k = 0;
        int resetSum = 0; // the gaps of the last candidate that return to their minimum
        for (;;) {
            const auto s = static_cast<std::size_t>(k);
            ++m_gaps[s];
            ++gapSum;
            if (m_gaps[s] <= m_maxGap[s] && gapSum <= room)
                break;
            resetSum += k == 0 ? candidate.gap0 : m_gaps[s] - 1;
            gapSum += m_minGap[s] - m_gaps[s];
            m_gaps[s] = m_minGap[s];
            if (++k == m_runs) {
                failPos = -1;
                return finish(false);
            }
        }
        if (k == 0 && candidate.built) {
            // Only gap 0 grew: the whole pattern moves right.
            const int shift = m_gaps[0] - candidate.gap0;
            for (std::size_t slot = 0; slot < slots; ++slot)
                candidate.masks[slot] <<= shift;
            candidate.white = line & ~((~candidate.white & line) << shift);
            candidate.gap0 = m_gaps[0];
        } else if (candidate.built) {
            // Gap k grew and the gaps before it returned to their minimum:
            // runs 0..k-1 lie packed, runs k.. move together.
            const auto s = static_cast<std::size_t>(k);
            const int oldStart = resetSum + m_gaps[s] - 1 + m_lengthPrefix[s];
            const int delta = m_minPrefix[s] + 1 - resetSum;
            const std::uint64_t tail = ~bitsBelow(oldStart);
            std::uint64_t colored = 0;
            for (std::size_t slot = 0; slot < slots; ++slot) {
                const std::uint64_t moved = candidate.masks[slot] & tail;
                const std::uint64_t mask =
                    m_packedPrefix[s * slots + slot] | (delta >= 0 ? moved << delta : moved >> -delta);
                candidate.masks[slot] = mask;
                colored |= mask;
            }
            candidate.white = line & ~colored;
            candidate.gap0 = m_gaps[0];
        } else {
            buildCandidate();
        }
        ++tries;
        const int misfit = firstMisfit(candidate.masks.data(), candidate.white);
        if (tries >= maxTries && misfit >= 0) {
            m_enumerationAborted = true;
            failPos = misfit;
            return finish(false);
        }
        if (tries % 1000 == 0) {
            m_gapSum = gapSum;
            m_context.processEvents();
            if (m_context.stopRequested) {
                m_enumerationAborted = true;
                failPos = misfit;
                return finish(false);
            }
        }
        failPos = misfit;
        if (misfit < 0)
            return finish(true);
    }
}

} // namespace gw
