#include "SolutionSearch.h"

#include <algorithm>

namespace gw::analysis {

namespace {

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }
std::size_t probeIndex(int x, int y, int color)
{
    return cellIndex(x, y) * PaletteSize + static_cast<std::size_t>(color);
}

} // namespace

SolutionSearch::SolutionSearch(const ColorGrid& start, const CellGrid* picture, SearchStrategy strategy)
    : m_grid(start), m_strategy(strategy)
{
    m_grid.recordChanges();
    m_grid.cacheLineSolves();
    if (picture)
        addKnown(*picture);
}

std::uint8_t SolutionSearch::referenceColor(int x, int y) const { return m_known.front()[cellIndex(x, y)]; }

void SolutionSearch::step()
{
    switch (m_nodeStep) {
    case NodeStep::Enter:
        enterNode();
        break;
    case NodeStep::Probe:
        probeNextCell();
        break;
    case NodeStep::Branch:
        branch();
        break;
    case NodeStep::Backtrack:
        backtrack();
        break;
    }
}

void SolutionSearch::enterNode()
{
    if (!m_grid.propagate()) {
        m_nodeStep = NodeStep::Backtrack;
    } else if (m_grid.solved()) {
        foundSolution();
        m_nodeStep = NodeStep::Backtrack;
    } else {
        startProbing();
    }
}

void SolutionSearch::startProbing()
{
    m_probing = Probing();
    m_probing.openCells = m_grid.openCells();
    m_probing.referencePossible = !m_known.empty() && allowsReference();
    m_nodeStep = m_strategy.probing ? NodeStep::Probe : NodeStep::Branch;
}

bool SolutionSearch::allowsReference() const
{
    for (int y = 0; y < m_grid.height(); ++y)
        for (int q = 0; q < PaletteSize; ++q)
            if (m_referenceRows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)]
                & ~m_grid.row(y)[static_cast<std::size_t>(q)])
                return false;
    return true;
}

// Probes the next open cell, going round the open cells until a whole round
// rules nothing out.
void SolutionSearch::probeNextCell()
{
    if (m_probing.unproductive >= m_probing.openCells) {
        m_nodeStep = NodeStep::Branch;
        return;
    }
    Word openHere = 0;
    for (;;) {
        openHere = m_grid.openInRow(m_probing.row) & ~((Word {1} << m_probing.column) - 1);
        if (openHere != 0)
            break;
        m_probing.row = m_probing.row + 1 < m_grid.height() ? m_probing.row + 1 : 0;
        m_probing.column = 0;
    }
    const int x = lowestBit(openHere);
    const int y = m_probing.row;
    m_probing.column = x + 1;
    const unsigned skipped = m_probing.referencePossible ? 1u << referenceColor(x, y) : 0u;
    bool narrowed = false;
    for (unsigned colors = m_grid.colors(x, y) & ~skipped; colors != 0; colors &= colors - 1) {
        const unsigned color = 1u << lowestBit(colors);
        const unsigned now = m_grid.colors(x, y);
        if ((now & color) == 0)
            continue;
        if (now == color)
            break;
        if (knownConsistent(x, y, lowestBit(colors)))
            continue;
        if (m_consistent.empty() && m_strategy.rememberConsistentProbes
            && m_probes >= RememberAfterProbes * m_grid.width() * m_grid.height())
            m_consistent.resize(static_cast<std::size_t>(CellCount) * PaletteSize);
        const ColorGrid::Stamp before = m_grid.stamp();
        const ColorGrid::Mark mark = m_grid.mark();
        m_grid.restrict(x, y, static_cast<std::uint8_t>(color));
        ++m_probes;
        const bool consistent = m_grid.propagate();
        if (consistent && m_grid.solved()) {
            foundSolution();
            if (finished())
                return;
        }
        if (consistent && !m_consistent.empty())
            noteConsistent(mark, before);
        m_grid.undo(mark);
        if (!consistent) {
            m_grid.restrict(x, y, static_cast<std::uint8_t>(now & ~color));
            narrowed = true;
            if (!m_grid.propagate()) {
                m_nodeStep = NodeStep::Backtrack;
                return;
            }
        }
    }
    if (!narrowed) {
        ++m_probing.unproductive;
        return;
    }
    m_probing.unproductive = 0;
    m_probing.openCells = m_grid.openCells();
    if (m_probing.openCells == 0) {
        foundSolution();
        m_nodeStep = NodeStep::Backtrack;
    }
}

bool SolutionSearch::knownConsistent(int x, int y, int color) const
{
    if (m_consistent.empty())
        return false;
    const ConsistentProbe& probe = m_consistent[probeIndex(x, y, color)];
    return probe.known && m_grid.holds(probe.before) && !probe.lines.meets(changedSince(probe.before));
}

ColorGrid::LineSet SolutionSearch::changedSince(const ColorGrid::Stamp& since) const
{
    const ColorGrid::Stamp now = m_grid.stamp();
    if (m_changedLines.since.trail != since.trail || m_changedLines.since.serial != since.serial
        || m_changedLines.now.trail != now.trail || m_changedLines.now.serial != now.serial)
        m_changedLines = {since, now, m_grid.changedSince(since.trail)};
    return m_changedLines.lines;
}

// Every cell the probe from `mark` fixed, with the colour it got: a probe of
// that colour would change no line that this one did not.
void SolutionSearch::noteConsistent(const ColorGrid::Mark& mark, const ColorGrid::Stamp& before)
{
    const ColorGrid::LineSet lines = m_grid.changedSince(mark.trail);
    m_grid.forEachChangedCell(mark, [&](int x, int y) {
        const unsigned colors = m_grid.colors(x, y);
        if ((colors & (colors - 1)) == 0)
            m_consistent[probeIndex(x, y, lowestBit(colors))] = {true, before, lines};
    });
}

// The first open cell of the row or column with the fewest open cells.
bool SolutionSearch::pickCell(int& x, int& y) const
{
    int fewest = MaxPuzzleSize + 1;
    for (int row = 0; row < m_grid.height(); ++row) {
        const Word open = m_grid.openInRow(row);
        if (open != 0 && bitCount(open) < fewest) {
            fewest = bitCount(open);
            x = lowestBit(open);
            y = row;
        }
    }
    for (int column = 0; column < m_grid.width(); ++column) {
        const Word open = m_grid.openInColumn(column);
        if (open != 0 && bitCount(open) < fewest) {
            fewest = bitCount(open);
            x = column;
            y = lowestBit(open);
        }
    }
    return fewest <= MaxPuzzleSize;
}

void SolutionSearch::branch()
{
    int x = 0, y = 0;
    if (!pickCell(x, y)) { // cannot happen: a node that gets here has open cells
        foundSolution();
        m_nodeStep = NodeStep::Backtrack;
        return;
    }
    const unsigned colors = m_grid.colors(x, y);
    Branch next {m_grid.mark(), x, y, static_cast<std::uint8_t>(lowestBit(colors)), false, false};
    if (!m_known.empty() && (colors & (1u << referenceColor(x, y)))) {
        next.color = referenceColor(x, y);
        next.excludeFirst = !m_strategy.stayCloseOnceDifferent || allowsReference();
    }
    m_branches.push_back(next);
    take(next, next.excludeFirst);
}

void SolutionSearch::take(const Branch& branch, bool exclude)
{
    const unsigned color = 1u << branch.color;
    const unsigned colors = m_grid.colors(branch.x, branch.y);
    m_grid.restrict(branch.x, branch.y, static_cast<std::uint8_t>(exclude ? colors & ~color : color));
    ++m_nodes;
    m_nodeStep = NodeStep::Enter;
}

void SolutionSearch::backtrack()
{
    while (!m_branches.empty()) {
        Branch& top = m_branches.back();
        m_grid.undo(top.mark);
        if (!top.secondTaken) {
            top.secondTaken = true;
            take(top, !top.excludeFirst);
            return;
        }
        m_branches.pop_back();
    }
    // Every branch is done: the solutions known are all there are.
    m_uniqueness = m_known.empty() ? Uniqueness::NoSolution : Uniqueness::Unique;
}

// The grid is solved: a new solution unless it is one already known.
void SolutionSearch::foundSolution()
{
    const CellGrid solution = m_grid.picture();
    if (std::find(m_known.begin(), m_known.end(), solution) != m_known.end())
        return;
    addKnown(solution);
    if (m_known.size() >= 2) {
        m_uniqueness = Uniqueness::NotUnique;
        m_branches.clear();
    }
}

void SolutionSearch::addKnown(const CellGrid& solution)
{
    if (m_known.empty()) {
        for (int y = 0; y < m_grid.height(); ++y)
            for (int x = 0; x < m_grid.width(); ++x)
                m_referenceRows[static_cast<std::size_t>(y)][solution[cellIndex(x, y)]] |= Word {1} << x;
    }
    m_known.push_back(solution);
}

} // namespace gw::analysis
