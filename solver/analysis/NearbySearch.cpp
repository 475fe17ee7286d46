#include "NearbySearch.h"

#include <algorithm>
#include <cstdlib>

namespace gw::analysis {

namespace {

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }

} // namespace

NearbySearch::NearbySearch(const ColorGrid& start, const CellGrid& picture)
    : m_grid(start), m_picture(picture), m_known {picture}
{
    m_grid.recordChanges();
    startRound();
}

std::uint8_t NearbySearch::pictureBit(int x, int y) const
{
    return static_cast<std::uint8_t>(1u << m_picture[cellIndex(x, y)]);
}

void NearbySearch::step()
{
    if (finished())
        return;
    if (!m_inTrial)
        startTrial();
    else if (m_entering)
        enterNode();
    else
        backtrack();
}

// Every open cell, row by row. Window rounds and complete rounds take
// turns while a window is smaller than the grid. A complete round that
// ruled nothing out is followed by one with four times the allowance; one
// that did may find more at the same allowance, now that the grid knows
// more.
void NearbySearch::startRound()
{
    if (!m_round.empty()) {
        if (m_windowRound) {
            if (!m_trialRanOut)
                m_noSecondWithin = m_windowRadius + 1;
            m_windowRadius *= 2;
            m_windowAllowance *= 4;
        } else if (!m_refutedInRound) {
            m_allowance *= 4;
        }
        const bool windowFits = 2 * m_windowRadius + 1 < std::max(m_grid.width(), m_grid.height());
        m_windowRound = !m_windowRound && windowFits;
    }
    m_round.clear();
    m_next = 0;
    m_refutedInRound = false;
    m_trialRanOut = false;
    for (int y = 0; y < m_grid.height(); ++y)
        for (Word open = m_grid.openInRow(y); open != 0; open &= open - 1)
            m_round.push_back(lowestBit(open) + MaxPuzzleSize * y);
    if (m_round.empty())
        m_uniqueness = Uniqueness::Unique; // every cell keeps the picture's colour
}

void NearbySearch::startTrial()
{
    while (m_next < m_round.size()) {
        const int cell = m_round[m_next++];
        const int x = cell % MaxPuzzleSize, y = cell / MaxPuzzleSize;
        const unsigned colors = m_grid.colors(x, y);
        if ((colors & (colors - 1)) == 0)
            continue; // fixed since the round began
        m_trialX = x;
        m_trialY = y;
        m_trialStart = m_grid.mark();
        if (m_windowRound) {
            const int left = std::max(0, x - m_windowRadius), right = std::min(m_grid.width() - 1, x + m_windowRadius);
            const Word columns = ((Word {1} << (right + 1)) - 1) & ~((Word {1} << left) - 1);
            m_grid.fixOutside(m_picture, y - m_windowRadius, y + m_windowRadius, columns);
        }
        m_grid.restrict(x, y, static_cast<std::uint8_t>(colors & ~unsigned {pictureBit(x, y)}));
        m_trialNodes = 0;
        m_inTrial = true;
        m_entering = true;
        return;
    }
    startRound();
}

void NearbySearch::enterNode()
{
    if (!m_grid.propagate()) {
        m_entering = false;
        return;
    }
    if (m_grid.solved()) {
        // It differs from the picture at the trial's cell.
        m_known.push_back(m_grid.picture());
        m_uniqueness = Uniqueness::NotUnique;
        m_branches.clear();
        return;
    }
    int x = 0, y = 0;
    if (m_trialNodes >= (m_windowRound ? m_windowAllowance : m_allowance) || !pickNearest(x, y)) {
        endTrial(false);
        return;
    }
    const unsigned colors = m_grid.colors(x, y);
    const unsigned own = pictureBit(x, y);
    const int first = (colors & own) != 0 ? m_picture[cellIndex(x, y)] : lowestBit(colors);
    m_branches.push_back({m_grid.mark(), x, y, static_cast<std::uint8_t>(first), false});
    take(m_branches.back(), false);
}

// The open cell nearest the trial's cell (by rows and columns moved), the
// first of a row on a tie: the search stays where the difference began.
bool NearbySearch::pickNearest(int& x, int& y) const
{
    int best = 2 * MaxPuzzleSize;
    for (int row = 0; row < m_grid.height(); ++row) {
        const int rowDistance = std::abs(row - m_trialY);
        if (rowDistance >= best)
            continue;
        for (Word open = m_grid.openInRow(row); open != 0; open &= open - 1) {
            const int column = lowestBit(open);
            const int distance = rowDistance + std::abs(column - m_trialX);
            if (distance < best) {
                best = distance;
                x = column;
                y = row;
            }
        }
    }
    return best < 2 * MaxPuzzleSize;
}

void NearbySearch::take(const Branch& branch, bool exclude)
{
    const unsigned color = 1u << branch.color;
    const unsigned colors = m_grid.colors(branch.x, branch.y);
    m_grid.restrict(branch.x, branch.y, static_cast<std::uint8_t>(exclude ? colors & ~color : color));
    ++m_nodes;
    ++m_trialNodes;
    m_entering = true;
}

void NearbySearch::backtrack()
{
    while (!m_branches.empty()) {
        Branch& top = m_branches.back();
        m_grid.undo(top.mark);
        if (!top.secondTaken) {
            top.secondTaken = true;
            take(top, true);
            return;
        }
        m_branches.pop_back();
    }
    endTrial(true);
}

void NearbySearch::endTrial(bool refuted)
{
    m_grid.undo(m_trialStart);
    m_branches.clear();
    m_inTrial = false;
    if (!refuted)
        m_trialRanOut = true;
    if (refuted && !m_windowRound) {
        // No solution differs from the picture here: keep its colour. The
        // picture solves the grid, so propagation cannot fail.
        m_grid.restrict(m_trialX, m_trialY, pictureBit(m_trialX, m_trialY));
        m_grid.propagate();
        m_refutedInRound = true;
        if (m_grid.solved())
            m_uniqueness = Uniqueness::Unique;
    }
}

} // namespace gw::analysis
