#include "LineSolver.h"

#include <algorithm>

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
    : m_orientation(orientation), m_clues(clues), m_context(context), m_list(context.placementPool)
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
    m_list.clear();
    m_fitsFresh = false;
    m_lastKeeps.known = false;
    m_lastComparison.known = false;
    m_verified = false;
    m_record = EnumerationRecord();
    m_enumerationComplete = false;
    m_lineDone = false;
    m_runTotal = 0;
    m_slots = 0;
    const bool row = m_orientation == Orientation::Row;
    const LineClue& clue = m_clues.line(row, lineNumber);
    m_runs = clue.count;
    if (m_runs == 0) {
        for (int i = 0; i < m_length; ++i)
            setCell(i, StateWhite);
        m_enumerationComplete = true;
    } else {
        for (int k = 0; k < m_runs; ++k) {
            const auto s = static_cast<std::size_t>(k);
            m_runLength[s] = clue.lengths[s];
            m_runColor[s] = clue.colors[s];
            int slot = 0;
            while (slot < m_slots && m_slotColor[static_cast<std::size_t>(slot)] != m_runColor[s])
                ++slot;
            if (slot == m_slots)
                m_slotColor[static_cast<std::size_t>(m_slots++)] = m_runColor[s];
            m_runSlot[s] = static_cast<std::uint8_t>(slot);
            m_runBits[s] = bitsBelow(m_runLength[s]);
            m_runTotal += m_runLength[s];
            m_minGap[s] = static_cast<std::int16_t>(k > 0 && m_runColor[s] == m_runColor[s - 1] ? 1 : 0);
            m_maxGap[s] = static_cast<std::int16_t>(m_length);
        }
    }
    m_slotClueCells = {};
    for (int k = 0, clueCell = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        m_slotClueCells[m_runSlot[s]] |= m_runBits[s] << clueCell;
        for (int c = 0; c < m_runLength[s]; ++c)
            m_clueCellSlot[static_cast<std::size_t>(clueCell++)] = m_runSlot[s];
    }
    m_testByWhiteCells = m_length - m_runTotal < m_runs;
    setUpRunRanges();
}

std::array<std::uint64_t, PaletteSize> LineSolver::colorMasks(std::uint64_t colored) const
{
    std::array<std::uint64_t, PaletteSize> masks {};
    std::uint64_t rest = colored;
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const std::uint64_t run = m_runBits[s] << __builtin_ctzll(rest);
        masks[m_runColor[s]] |= run;
        rest ^= run;
    }
    masks[White] = lineMask() & ~colored;
    return masks;
}

Placement LineSolver::placement(int p) const
{
    const auto index = static_cast<std::size_t>(p);
    return Placement(m_length, colorMasks(m_list.colored(index)), m_list.isValid(index));
}

void LineSolver::loadImpossibleCells()
{
    for (int s = 0; s < m_slots; ++s)
        m_impossible.bySlot[static_cast<std::size_t>(s)] =
            lineMask() & ~possible(m_slotColor[static_cast<std::size_t>(s)]);
    m_impossible.white = lineMask() & ~possible(White);
}

void LineSolver::prepareFitTest()
{
    m_noColor = lineMask();
    for (int s = 0; s < m_slots; ++s)
        m_noColor &= m_impossible.bySlot[static_cast<std::size_t>(s)];
    if (m_testByWhiteCells) {
        for (int w = 0; w <= m_length - m_runTotal; ++w) {
            std::uint64_t misfit = 0;
            for (int s = 0; s < m_slots; ++s)
                misfit |= (m_slotClueCells[static_cast<std::size_t>(s)] << w)
                          & m_impossible.bySlot[static_cast<std::size_t>(s)];
            m_misfitAfterWhites[static_cast<std::size_t>(w)] = misfit;
        }
        return;
    }
    computeFittingStarts();
}

bool LineSolver::placementFits(std::uint64_t colored) const
{
    const std::uint64_t whites = lineMask() & ~colored;
    if ((whites & m_impossible.white) || (colored & m_noColor))
        return false;
    if (m_testByWhiteCells) {
        // Stretch by stretch between white cells.
        std::uint64_t misfit = 0;
        std::uint64_t done = 0; // the cells up to the last white cell passed
        std::size_t w = 0;
        for (std::uint64_t rest = whites; rest; rest &= rest - 1, ++w) {
            const std::uint64_t white = rest & (~rest + 1);
            misfit |= m_misfitAfterWhites[w] & (white - 1) & ~done;
            done = white | (white - 1);
        }
        misfit |= m_misfitAfterWhites[w] & colored & ~done;
        return misfit == 0;
    }
    std::uint64_t fits = 1;
    std::uint64_t rest = colored;
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        const int start = __builtin_ctzll(rest);
        fits &= m_fittingStarts[s] >> start;
        rest ^= m_runBits[s] << start;
    }
    return fits & 1u;
}

LineSolver::FitPass LineSolver::beginFitPass()
{
    loadImpossibleCells();
    prepareFitTest();
    FitPass pass;
    std::uint64_t newlyColored = 0;
    pass.sinceVerified = newlyImpossible(pass.newly, newlyColored);
    pass.partly = newlyColored & ~m_noColor;
    return pass;
}

bool LineSolver::fitsInPass(const FitPass& pass, std::uint64_t colored, std::size_t p) const
{
    if (!pass.sinceVerified || p == 0)
        return placementFits(colored);
    if ((lineMask() & ~colored & pass.newly.white) || (colored & m_noColor))
        return false;
    // Where some colour but not every one has become impossible, the colour
    // the placement gives the cell decides: that of its clue cell.
    for (std::uint64_t cells = colored & pass.partly; cells; cells &= cells - 1) {
        const int i = __builtin_ctzll(cells);
        const int clueCell = countBits(colored & bitsBelow(i));
        if ((pass.newly.bySlot[m_clueCellSlot[static_cast<std::size_t>(clueCell)]] >> i) & 1u)
            return false;
    }
    return true;
}

void LineSolver::testPlacements()
{
    // Every placement against the cells, without marking anything yet.
    const FitPass pass = beginFitPass();
    const std::size_t count = m_list.size();
    std::size_t fitting = 0;
    if (pass.sinceVerified && pass.newly == ImpossibleCells()) {
        // The cells are as they were: the valid placements fit, placement 0 aside.
        m_list.markValid();
        if (count > 0)
            m_list.setMark(0, m_list.isValid(0) && placementFits(m_list.colored(0)));
        fitting = m_list.countMarked(0, count);
    } else {
        m_list.forEachStretch(0, [&](const std::uint64_t* words, std::size_t stretch, std::size_t first) {
            for (std::size_t n = 0; n < stretch; ++n) {
                const std::size_t p = first + n;
                const bool fits = m_list.isValid(p) && fitsInPass(pass, words[n], p);
                m_list.setMark(p, fits);
                fitting += fits;
            }
        });
    }
    const std::size_t firstFits = count > 0 && m_list.marked(0) ? 1 : 0;
    m_keptAbove = fitting - firstFits;
    m_fitsCellsSet = m_context.knowledge.cellsSet;
    m_fitsCount = count;
    m_fitsAgainst = m_impossible;
    m_fitsFresh = true;
}

bool LineSolver::fitsAreFresh() const
{
    return m_fitsFresh && m_fitsCellsSet == m_context.knowledge.cellsSet && m_fitsCount == m_list.size();
}

bool LineSolver::newlyImpossible(ImpossibleCells& newly, std::uint64_t& newlyColored) const
{
    bool narrowed = m_verified && (m_verifiedAgainst.white & ~m_impossible.white) == 0;
    newly.white = m_impossible.white & ~m_verifiedAgainst.white;
    newlyColored = 0;
    for (int s = 0; s < m_slots; ++s) {
        const auto slot = static_cast<std::size_t>(s);
        narrowed = narrowed && (m_verifiedAgainst.bySlot[slot] & ~m_impossible.bySlot[slot]) == 0;
        newly.bySlot[slot] = m_impossible.bySlot[slot] & ~m_verifiedAgainst.bySlot[slot];
        newlyColored |= newly.bySlot[slot];
    }
    return narrowed;
}

bool LineSolver::keepsMoreThan(std::int32_t bound)
{
    // dropUnfitPlacements returns 1 when nothing from 1 on is kept.
    const auto count = [](std::size_t keptAbove, std::size_t firstFits) {
        return keptAbove == 0 ? std::int64_t {1} : static_cast<std::int64_t>(keptAbove + firstFits);
    };
    if (m_lineDone || m_list.empty())
        return 0 > bound;
    if (fitsAreFresh())
        return count(m_keptAbove, m_list.marked(0) ? 1 : 0) > bound;
    const std::size_t size = m_list.size();
    const std::uint64_t cellsSet = m_context.knowledge.cellsSet;
    if (m_lastKeeps.known && m_lastKeeps.bound == bound && m_lastKeeps.cellsSet == cellsSet && m_lastKeeps.size == size)
        return m_lastKeeps.answer;
    // Bounds first: a valid placement that is white where white is
    // impossible, or coloured where no colour is possible, does not fit; one
    // that does neither and colours no other cell where a colour has become
    // impossible since the list was verified fits. Then the placements in
    // between are tested until the count is on one side of the bound.
    const FitPass pass = beginFitPass();
    const std::uint64_t partly = pass.sinceVerified ? pass.partly : lineMask();
    const std::uint64_t line = lineMask();
    const auto mayFit = [&](std::uint64_t colored, std::size_t p) {
        return (line & ~colored & m_impossible.white) == 0 && (colored & m_noColor) == 0 && m_list.isValid(p);
    };
    std::size_t kept = 0; // fit for sure
    std::size_t open = 0; // may fit
    m_list.forEachStretch(1, [&](const std::uint64_t* words, std::size_t stretch, std::size_t first) {
        for (std::size_t n = 0; n < stretch; ++n) {
            const bool may = mayFit(words[n], first + n);
            const bool sure = may && (words[n] & partly) == 0;
            kept += sure;
            open += may && !sure;
        }
    });
    const std::size_t firstFits = m_list.isValid(0) && fitsInPass(pass, m_list.colored(0), 0) ? 1 : 0;
    for (std::size_t p = 1; p < size && count(kept, firstFits) <= bound && count(kept + open, firstFits) > bound; ++p) {
        const std::uint64_t colored = m_list.colored(p);
        if (mayFit(colored, p) && (colored & partly) != 0) {
            --open;
            kept += fitsInPass(pass, colored, p);
        }
    }
    m_lastKeeps = {true, bound, cellsSet, size, count(kept, firstFits) > bound};
    return m_lastKeeps.answer;
}

std::int32_t LineSolver::dropUnfitPlacements()
{
    if (m_lineDone)
        return 0;
    if (m_list.empty())
        return 0;
    // From the last placement down, dropping those that no longer fit; the
    // survivors keep their order. The last placement left is never dropped,
    // and then not even tested: that can only be placement 0 with nothing
    // kept above it. The tests do not depend on each other, so they are made
    // in one sweep first (or were made by keepsMoreThan, when
    // no cell has been set since).
    if (!fitsAreFresh())
        testPlacements();
    m_fitsFresh = false;
    m_lastKeeps.known = false;
    const bool keepFirst = m_keptAbove == 0; // placement 0 stays as it is, valid or not
    // The placements of the last enumeration move down with the others; if
    // one of them goes, the record is of no use any more.
    const std::size_t from = keepFirst ? 1 : 0;
    const std::size_t recordFirst = std::max(m_record.first, from);
    const std::size_t recordEnd = m_record.first + m_record.tries.size();
    if (recordEnd > m_list.size()
        || (recordFirst < recordEnd && m_list.nextUnmarked(recordFirst, recordEnd) < recordEnd))
        m_record.usable = false;
    else if (m_record.first >= from)
        m_record.first = from + m_list.countMarked(from, m_record.first);
    if (m_list.keepMarked(keepFirst))
        m_lastComparison.known = false;
    m_verified = true;
    m_verifiedAgainst = m_fitsAgainst;
    return static_cast<std::int32_t>(m_list.size());
}

} // namespace gw
