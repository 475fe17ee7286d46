#pragma once
// One depth-first search for solutions, as a state machine of small steps
// so that it can stop after any of them and resume later.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ColorGrid.h"
#include "PuzzleAnalysis.h"
#include "SearchEngine.h"

namespace gw::analysis {

// How a search spends its effort. Probing at every node makes nodes costly
// and the tree small, which pays where solutions are scarce; without it,
// nodes are cheap, which pays where solutions abound.
struct SearchStrategy {
    bool probing = true;
    // In a branch that has already ruled the reference solution out, try its
    // colour first (another solution most likely differs from it in few
    // cells) rather than the other colours.
    bool stayCloseOnceDifferent = false;
};

// Searches for a solution other than a known one: the picture, or else the
// first solution the search itself finds.
//
// At every node the search runs line logic; with probing it then tries each
// colour of each open cell on its own under line logic, round after round
// until a round rules nothing out (a colour whose probe ends in a
// contradiction is ruled out; a probe that completes the grid has found a
// solution). Then it branches on the first open cell of the row or column
// with the fewest open cells: "colour v" against "not colour v", v being the
// reference's colour there; the branch away from the reference first while
// the node still allows the reference.
class SolutionSearch : public SearchEngine {
public:
    // `start` is the grid after line logic, with open cells; `picture` may
    // be null (clues only).
    SolutionSearch(const ColorGrid& start, const CellGrid* picture, SearchStrategy strategy);

    // One step: enter a node, probe one cell, branch, or backtrack.
    void step() override;
    Uniqueness uniqueness() const override { return m_uniqueness; }
    const std::vector<CellGrid>& solutions() const override { return m_known; }

    std::int64_t nodes() const override { return m_nodes; }
    std::int64_t probes() const override { return m_probes; }
    std::int64_t lineSolves() const override { return m_grid.lineSolves(); }

private:
    enum class NodeStep { Enter, Probe, Branch, Backtrack };
    struct Branch {
        ColorGrid::Mark mark;
        int x, y;
        std::uint8_t color;
        bool excludeFirst;
        bool secondTaken;
    };
    // Probing at the current node: the next cell, how many cells in a row
    // were probed without ruling anything out, the open cells, and whether
    // the node still allows the reference (whose colours then need no probe:
    // they cannot lead to a contradiction).
    struct Probing {
        int row = 0, column = 0;
        int unproductive = 0;
        int openCells = 0;
        bool referencePossible = false;
    };

    void enterNode();
    void startProbing();
    void probeNextCell();
    void branch();
    void backtrack();
    void take(const Branch& branch, bool exclude);
    bool pickCell(int& x, int& y) const;
    void foundSolution();
    void addKnown(const CellGrid& solution);
    bool allowsReference() const;
    std::uint8_t referenceColor(int x, int y) const;

    ColorGrid m_grid;
    SearchStrategy m_strategy;
    Uniqueness m_uniqueness = Uniqueness::Unknown;
    std::vector<CellGrid> m_known;
    std::array<LineColors, MaxPuzzleSize> m_referenceRows {}; // m_known.front() as row words
    NodeStep m_nodeStep = NodeStep::Enter;
    std::vector<Branch> m_branches;
    Probing m_probing;
    std::int64_t m_nodes = 0;
    std::int64_t m_probes = 0;
};

} // namespace gw::analysis
