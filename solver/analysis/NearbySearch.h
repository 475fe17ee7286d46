#pragma once
// A search for a second solution near a known picture, cell by cell.
//
// A second solution usually differs from the picture in a small region (a
// few cells that can swap). So instead of one search over the whole grid,
// this one asks of every open cell in turn: is there a solution in which
// this cell does not have the picture's colour? It rules the picture's
// colour out there and searches depth-first, always trying the picture's
// colour first at each branch, so that the first solution it reaches
// differs from the picture little. Each such trial either
//  - reaches a solution: it differs from the picture, so the puzzle is not
//    unique (and the solution proves it);
//  - runs out of every branch: no solution differs from the picture at
//    this cell, so the cell keeps the picture's colour in every solution,
//    which from then on holds for the whole grid (line logic spreads it);
//  - runs out of its node allowance: the cell is left for the next round.
// A round gives every cell still open the same allowance; each following
// round four times as much, so small regions are looked at first and a
// trial is at last a complete search. When no cell is open any more, the
// picture is the only solution: that is a proof, like a refutation by the
// other searches.
//
// Between those rounds come window rounds, which only look for a second
// solution: each trial also keeps the picture's colour at every cell
// outside a square window around its cell (radius 2, then 4, 8, ... until
// the window covers the grid). With the rest of the picture in place, line
// logic settles a small window at once, so a difference that fits in it is
// found in a few nodes even where line logic alone leaves the whole grid
// open. A window trial that runs out of branches proves nothing about the
// whole grid, but a window round in which every trial ran out of branches
// proves that no second solution differs from the picture only within a
// square of radius + 1 cells a side: such a difference lies inside the
// window around each cell it changes, and every cell it changes was open
// and tried.
#include <cstdint>
#include <vector>

#include "SearchEngine.h"

namespace gw::analysis {

class NearbySearch : public SearchEngine {
public:
    // `start` is the grid after line logic, with open cells, and `picture`
    // one of its solutions.
    NearbySearch(const ColorGrid& start, const CellGrid& picture);

    void step() override;
    Uniqueness uniqueness() const override { return m_uniqueness; }
    const std::vector<CellGrid>& solutions() const override { return m_known; }
    std::int64_t nodes() const override { return m_nodes; }
    std::int64_t probes() const override { return 0; }
    std::int64_t lineSolves() const override { return m_grid.lineSolves(); }
    int noSecondSolutionWithin() const override { return m_noSecondWithin; }

    // Node allowance of a trial in the first round.
    static constexpr std::int64_t FirstAllowance = 4;
    static constexpr int FirstWindowRadius = 2;
    static constexpr std::int64_t FirstWindowAllowance = 64;

private:
    struct Branch {
        ColorGrid::Mark mark;
        int x, y;
        std::uint8_t color; // the colour tried first: the picture's, where still allowed
        bool secondTaken;
    };
    void startRound();
    void startTrial();
    bool pickNearest(int& x, int& y) const;
    void enterNode();
    void backtrack();
    void endTrial(bool refuted);
    void take(const Branch& branch, bool exclude);
    std::uint8_t pictureBit(int x, int y) const;

    ColorGrid m_grid; // every refutation so far kept; a trial undoes to m_trialStart
    CellGrid m_picture;
    std::vector<CellGrid> m_known;
    Uniqueness m_uniqueness = Uniqueness::Unknown;

    std::vector<int> m_round; // cells (x + 50 * y) to try this round, in order
    std::size_t m_next = 0;
    bool m_refutedInRound = false;
    bool m_trialRanOut = false; // in this round, a trial ran out of its allowance
    int m_noSecondWithin = 0;
    bool m_windowRound = true;
    int m_windowRadius = FirstWindowRadius;
    std::int64_t m_windowAllowance = FirstWindowAllowance;
    std::int64_t m_allowance = FirstAllowance;

    bool m_inTrial = false;
    bool m_entering = false; // the next step enters a node (else it backtracks)
    int m_trialX = 0, m_trialY = 0;
    ColorGrid::Mark m_trialStart {};
    std::vector<Branch> m_branches;
    std::int64_t m_trialNodes = 0;
    std::int64_t m_nodes = 0;
};

} // namespace gw::analysis
