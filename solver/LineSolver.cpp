#include "LineSolver.h"

#include "LineBits.h"
#include "SolverObserver.h"

namespace gw {

namespace {

char cellChar(std::uint8_t value)
{
    static const char chars[] = "?#.RBYGMA";
    return value <= 8 ? chars[value] : '?';
}

} // namespace

void SolverContext::processEvents()
{
    if (observer)
        observer->processEvents();
}

Placement::Placement(int length, const std::array<std::uint64_t, PaletteSize>& masks, bool valid)
    : m_length(length), m_masks(masks), m_valid(valid)
{ }

std::uint8_t Placement::cellValue(int index) const
{
    for (int q = 0; q < PaletteSize; ++q)
        if ((m_masks[static_cast<std::size_t>(q)] >> index) & 1u)
            return static_cast<std::uint8_t>(q + 1);
    return 0;
}

std::string Placement::toString() const
{
    std::string text;
    for (int i = 0; i < m_length; ++i)
        text += cellChar(cellValue(i));
    return text;
}

LineSolver::LineSolver(Orientation orientation, const ClueTables& clues, SolverContext& context)
    : m_orientation(orientation), m_clues(clues), m_context(context)
{ }

std::uint64_t LineSolver::possible(int q) const
{
    const CellKnowledge& k = m_context.knowledge;
    return m_orientation == Orientation::Row ? k.rowPossible(m_lineNumber, q) : k.columnPossible(m_lineNumber, q);
}

void LineSolver::setCell(int i, std::uint8_t value)
{
    gw::setCell(m_context.knowledge, cellX(i), cellY(i), value, m_context.observer);
}

bool LineSolver::lineChanged() const
{
    const CellKnowledge& k = m_context.knowledge;
    const auto nr = static_cast<std::size_t>(m_lineNumber);
    return m_orientation == Orientation::Row ? k.rowChanged[nr] : k.columnChanged[nr];
}

std::uint32_t LineSolver::writeCount() const
{
    const CellKnowledge& k = m_context.knowledge;
    const auto nr = static_cast<std::size_t>(m_lineNumber);
    return m_orientation == Orientation::Row ? k.rowWrites[nr] : k.columnWrites[nr];
}

void LineSolver::initialize(std::int16_t lineNumber)
{
    m_settled = false;
    m_lineNumber = lineNumber;
    m_length = m_orientation == Orientation::Row ? m_context.knowledge.width() : m_context.knowledge.height();
    m_masks.clear();
    m_valid.clear();
    m_enumerationComplete = false;
    m_lineDone = false;
    m_runTotal = 0;
    m_slots = 0;
    const bool row = m_orientation == Orientation::Row;
    m_runs = row ? m_clues.rowClueCount[static_cast<std::size_t>(lineNumber)]
                 : m_clues.columnClueCount[static_cast<std::size_t>(lineNumber)];
    if (m_runs == 0) {
        for (int i = 0; i < m_length; ++i)
            setCell(i, StateWhite);
        m_enumerationComplete = true;
    } else {
        for (int k = 0; k < m_runs; ++k) {
            const auto s = static_cast<std::size_t>(k);
            m_runLength[s] =
                static_cast<std::uint8_t>(row ? m_clues.rowLength(lineNumber, k) : m_clues.columnLength(lineNumber, k));
            m_runColor[s] =
                static_cast<std::uint8_t>(row ? m_clues.rowColor(lineNumber, k) : m_clues.columnColor(lineNumber, k));
            int slot = 0;
            while (slot < m_slots && m_slotColor[static_cast<std::size_t>(slot)] != m_runColor[s])
                ++slot;
            if (slot == m_slots)
                m_slotColor[static_cast<std::size_t>(m_slots++)] = m_runColor[s];
            m_runSlot[s] = static_cast<std::uint8_t>(slot);
            m_runTotal += m_runLength[s];
            m_minGap[s] = static_cast<std::int16_t>(k > 0 && m_runColor[s] == m_runColor[s - 1] ? 1 : 0);
            m_maxGap[s] = static_cast<std::int16_t>(m_length);
        }
    }
    setUpRunRanges();
}

Placement LineSolver::placement(int p) const
{
    std::array<std::uint64_t, PaletteSize> masks {};
    std::uint64_t colored = 0;
    for (int s = 0; s < m_slots; ++s) {
        const std::uint64_t m = m_masks[static_cast<std::size_t>(p * m_slots + s)];
        masks[m_slotColor[static_cast<std::size_t>(s)]] |= m;
        colored |= m;
    }
    masks[White] = lineMask() & ~colored;
    return Placement(m_length, masks, m_valid[static_cast<std::size_t>(p)] != 0);
}

void LineSolver::loadImpossibleCells()
{
    for (int s = 0; s < m_slots; ++s)
        m_impossible[static_cast<std::size_t>(s)] = lineMask() & ~possible(m_slotColor[static_cast<std::size_t>(s)]);
    m_impossibleWhite = lineMask() & ~possible(White);
}

void LineSolver::enumeratePlacements()
{
    if (m_lineDone || m_enumerationComplete)
        return;
    for (int k = 0; k < m_runs; ++k)
        m_gaps[static_cast<std::size_t>(k)] = m_minGap[static_cast<std::size_t>(k)];
    m_gaps[0] -= 1; // the first advance gives the first placement
    m_gapSum = -1;
    for (int k = 0; k < m_runs; ++k)
        m_gapSum += m_minGap[static_cast<std::size_t>(k)];
    m_enumerationAborted = false;
    m_candidate.built = false;
    loadImpossibleCells();
    preparePackedPrefixes();

    bool exhausted = false;
    for (;;) {
        if (!findNextPlacement()) {
            exhausted = true;
            break;
        }
        for (int s = 0; s < m_slots; ++s)
            m_masks.push_back(m_candidate.masks[static_cast<std::size_t>(s)]);
        m_valid.push_back(1);
        const auto count = static_cast<std::int32_t>(m_valid.size());
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

bool LineSolver::findNextPlacement()
{
    // The state that changes per candidate is kept in locals and written
    // back whenever the function returns or lets the event loop run.
    std::int32_t tries = 0;
    const std::int32_t maxTries = m_context.maxTries;
    const std::uint64_t line = lineMask();
    const int room = m_length - m_runTotal; // the largest sum of the gaps
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    int gapSum = m_gapSum;
    int failPos = -1;
    Candidate& candidate = m_candidate;
    const auto finish = [&](bool result) {
        m_gapSum = gapSum;
        m_context.candidatesBuilt += tries;
        return result;
    };
    for (;;) {
        // Skip: the last candidate was white on a cell that cannot be white;
        // no shift smaller than the next cell that can be white helps.
        if (failPos >= 0 && ((candidate.white >> failPos) & 1u)) {
            const std::uint64_t canBeWhite = ~m_impossibleWhite & line & ~bitsBelow(failPos + 1);
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
            if (++k == m_runs)
                return finish(false);
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
            return finish(false);
        }
        if (tries % 1000 == 0) {
            m_gapSum = gapSum;
            m_context.processEvents();
            if (m_context.stopRequested) {
                m_enumerationAborted = true;
                return finish(false);
            }
        }
        if (misfit < 0)
            return finish(true);
        failPos = misfit;
    }
}

void LineSolver::testPlacements()
{
    // Every placement against the cells, without marking anything yet.
    loadImpossibleCells();
    const std::size_t count = m_valid.size();
    m_fits.resize(count);
    const std::uint64_t line = lineMask();
    std::size_t fitting = 0;
    if (m_slots == 1) {
        const std::uint64_t impossible = m_impossible[0];
        const std::uint64_t impossibleWhite = m_impossibleWhite;
        const std::uint64_t* masks = m_masks.data();
        const std::uint8_t* valid = m_valid.data();
        std::uint8_t* fits = m_fits.data();
        for (std::size_t p = 0; p < count; ++p) {
            const std::uint64_t m = masks[p];
            const std::uint64_t misfit = (m & impossible) | (~m & line & impossibleWhite);
            fits[p] = static_cast<std::uint8_t>(valid[p] & (misfit == 0));
            fitting += fits[p];
        }
    } else {
        const std::size_t slots = static_cast<std::size_t>(m_slots);
        for (std::size_t p = 0; p < count; ++p) {
            const std::uint64_t* masks = &m_masks[p * slots];
            std::uint64_t colored = 0;
            std::uint64_t misfit = 0;
            for (std::size_t s = 0; s < slots; ++s) {
                colored |= masks[s];
                misfit |= masks[s] & m_impossible[s];
            }
            misfit |= line & ~colored & m_impossibleWhite;
            m_fits[p] = static_cast<std::uint8_t>(m_valid[p] & (misfit == 0));
            fitting += m_fits[p];
        }
    }
    m_keptAbove = count == 0 ? 0 : fitting - m_fits[0];
    m_fitsCellsSet = m_context.knowledge.cellsSet;
    m_fitsFresh = true;
}

bool LineSolver::fitsAreFresh() const
{
    return m_fitsFresh && m_fitsCellsSet == m_context.knowledge.cellsSet && m_fits.size() == m_valid.size();
}

std::int32_t LineSolver::countAfterDroppingUnfit()
{
    if (m_lineDone || m_valid.empty())
        return 0;
    if (!fitsAreFresh())
        testPlacements();
    return static_cast<std::int32_t>(m_keptAbove == 0 ? 1 : m_keptAbove + m_fits[0]);
}

std::int32_t LineSolver::dropUnfitPlacements()
{
    if (m_lineDone)
        return 0;
    if (m_valid.empty())
        return 0;
    // From the last placement down, dropping those that no longer fit; the
    // survivors keep their order. The last placement left is never dropped,
    // and then not even tested: that can only be placement 0 with nothing
    // kept above it. The tests do not depend on each other, so they are made
    // in one sweep first (or were made by countAfterDroppingUnfit, when
    // no cell has been set since).
    if (!fitsAreFresh())
        testPlacements();
    m_fitsFresh = false;
    const std::size_t count = m_valid.size();
    const bool keepFirst = m_keptAbove == 0; // kept as it is, valid or not
    const std::size_t slots = static_cast<std::size_t>(m_slots);
    std::uint64_t* masks = m_masks.data();
    std::uint8_t* valid = m_valid.data();
    const std::uint8_t* fits = m_fits.data();
    std::size_t out = 0;
    if (keepFirst)
        out = 1; // placement 0 stays as it is
    for (std::size_t p = out; p < count; ++p) {
        if (!fits[p])
            continue;
        if (slots == 1) {
            masks[out] = masks[p];
        } else {
            for (std::size_t s = 0; s < slots; ++s)
                masks[out * slots + s] = masks[p * slots + s];
        }
        valid[out++] = 1;
    }
    m_masks.resize(out * slots);
    m_valid.resize(out);
    return static_cast<std::int32_t>(out);
}

} // namespace gw
