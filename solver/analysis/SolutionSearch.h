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
    // Skip the probes known to end consistently (below). The nodes and
    // what probing rules out are the same either way; only the work is not.
    bool rememberConsistentProbes = true;
};

// Searches for a solution other than a known one: the picture, or else the
// first solution the search itself finds.
//
// At every node the search runs line logic; with probing it then tries each
// colour of each open cell on its own under line logic, round after round
// until a round rules nothing out (a colour whose probe ends in a
// contradiction is ruled out; a probe that completes the grid has found a
// solution). A colour needs no probe while it is known to be consistent: a
// probe of it, or one that fixed it, ended consistently in a grid of which
// the present one is a narrowing, and none of the lines that probe changed
// has changed since (the probe's fixpoint and the present grid then agree
// line by line, so the probe would end consistently again). That skips most
// probes below the first node. Then it branches on the first open cell of the row or column
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
    bool knownConsistent(int x, int y, int color) const;
    ColorGrid::LineSet changedSince(const ColorGrid::Stamp& since) const;
    void noteConsistent(const ColorGrid::Mark& mark, const ColorGrid::Stamp& before);
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
    // A probe that ended consistently, from the grid of `before`: the lines it changed.
    struct ConsistentProbe {
        bool known = false;
        ColorGrid::Stamp before;
        ColorGrid::LineSet lines;
    };
    // Per cell and colour; taken (800 kB) once the search has probed
    // RememberAfterProbes times per cell, so that short searches do not pay.
    std::vector<ConsistentProbe> m_consistent;
    static constexpr int RememberAfterProbes = 2;
    // The lines changed since `since` while the grid is at `now`: between
    // narrowings every probe asks about the same few stamps.
    struct ChangedLines {
        ColorGrid::Stamp since, now;
        ColorGrid::LineSet lines;
    };
    mutable ChangedLines m_changedLines;
    std::int64_t m_nodes = 0;
    std::int64_t m_probes = 0;
};

} // namespace gw::analysis
