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
{
}

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
{
}

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
    m_verified = false;
    m_record = EnumerationRecord();
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
            m_runLength[s] = static_cast<std::uint8_t>(row ? m_clues.rowLength(lineNumber, k) : m_clues.columnLength(lineNumber, k));
            m_runColor[s] = static_cast<std::uint8_t>(row ? m_clues.rowColor(lineNumber, k) : m_clues.columnColor(lineNumber, k));
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
    std::array<std::uint64_t, PaletteSize> masks{};
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
        m_impossible.bySlot[static_cast<std::size_t>(s)] = lineMask() & ~possible(m_slotColor[static_cast<std::size_t>(s)]);
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
                misfit |= (m_slotClueCells[static_cast<std::size_t>(s)] << w) & m_impossible.bySlot[static_cast<std::size_t>(s)];
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

void LineSolver::testPlacements()
{
    // Every placement against the cells, without marking anything yet.
    // The valid placements from 1 on fitted the cells when the list was
    // last verified: while no colour has become possible again since, only
    // the colours that have become impossible need a look (none when the
    // cells are as they were).
    loadImpossibleCells();
    prepareFitTest();
    ImpossibleCells newly;
    std::uint64_t newlyColored = 0;
    const bool sinceVerified = newlyImpossible(newly, newlyColored);
    const std::uint64_t line = lineMask();
    const std::size_t count = m_list.size();
    std::size_t fitting = 0;
    // Where some colour but not every one has become impossible, the
    // colour the placement gives the cell decides.
    const std::uint64_t partly = newlyColored & ~m_noColor;
    m_list.forEachStretch(0, [&](std::uint64_t* words, std::size_t stretch, std::size_t first) {
        for (std::size_t n = 0; n < stretch; ++n) {
            const std::size_t p = first + n;
            const std::uint64_t word = words[n];
            const std::uint64_t colored = word & PlacementList::CellBits;
            bool fits = (word & PlacementList::ValidBit) != 0;
            if (fits && sinceVerified && p > 0) {
                fits = (line & ~colored & newly.white) == 0 && (colored & m_noColor) == 0;
                for (std::uint64_t cells = colored & partly; fits && cells; cells &= cells - 1) {
                    const int i = __builtin_ctzll(cells);
                    const int clueCell = countBits(colored & bitsBelow(i));
                    fits = ((newly.bySlot[m_clueCellSlot[static_cast<std::size_t>(clueCell)]] >> i) & 1u) == 0;
                }
            } else if (fits) {
                fits = placementFits(colored);
            }
            words[n] = fits ? word | PlacementList::FitsBit : word & ~PlacementList::FitsBit;
            fitting += fits;
        }
    });
    const std::size_t firstFits = count > 0 && (m_list.word(0) & PlacementList::FitsBit) ? 1 : 0;
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
        return keptAbove == 0 ? std::int64_t{1} : static_cast<std::int64_t>(keptAbove + firstFits);
    };
    if (m_lineDone || m_list.empty())
        return 0 > bound;
    if (!fitsAreFresh()) {
        // Bounds first: a valid placement that is white where white is
        // impossible, or coloured where no colour is possible, does not fit;
        // one that does neither and colours no other cell where a colour
        // has become impossible since the list was verified fits.
        loadImpossibleCells();
        prepareFitTest();
        ImpossibleCells newly;
        std::uint64_t newlyColored = 0;
        const bool sinceVerified = newlyImpossible(newly, newlyColored);
        const std::uint64_t partly = sinceVerified ? newlyColored & ~m_noColor : lineMask();
        const std::uint64_t line = lineMask();
        std::size_t mayFit = 0;
        std::size_t fit = 0;
        m_list.forEachStretch(1, [&](const std::uint64_t* words, std::size_t stretch, std::size_t) {
            for (std::size_t n = 0; n < stretch; ++n) {
                const std::uint64_t word = words[n];
                const bool mayFitHere = (word >> 63) && (line & ~word & m_impossible.white) == 0 && (word & m_noColor) == 0;
                mayFit += mayFitHere;
                fit += mayFitHere && (word & partly) == 0;
            }
        });
        const std::size_t firstFits = m_list.isValid(0) && placementFits(m_list.colored(0)) ? 1 : 0;
        if (count(fit, firstFits) > bound)
            return true;
        if (count(mayFit, firstFits) <= bound)
            return false;
        testPlacements();
    }
    return count(m_keptAbove, (m_list.word(0) & PlacementList::FitsBit) ? 1 : 0) > bound;
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
    std::size_t out = 0;
    if (m_keptAbove == 0) {
        m_list.word(0) &= ~PlacementList::FitsBit; // placement 0 stays as it is, valid or not
        out = 1;
    }
    // The placements of the last enumeration move down with the others; if
    // one of them goes, the record is of no use any more.
    const std::size_t recordFirst = m_record.first;
    const std::size_t recordEnd = recordFirst + m_record.tries.size();
    m_list.forEachStretch(out, [&](const std::uint64_t* words, std::size_t stretch, std::size_t first) {
        for (std::size_t n = 0; n < stretch; ++n) {
            const std::size_t p = first + n;
            if (p == recordFirst)
                m_record.first = out;
            if (words[n] & PlacementList::FitsBit)
                m_list.word(out++) = (words[n] & PlacementList::CellBits) | PlacementList::ValidBit;
            else if (p >= recordFirst && p < recordEnd)
                m_record.usable = false;
        }
    });
    m_list.truncate(out);
    m_verified = true;
    m_verifiedAgainst = m_fitsAgainst;
    return static_cast<std::int32_t>(out);
}

} // namespace gw
