#pragma once
// What the analysis needs of a search for a second solution, so that
// searches of different kinds can run side by side, one small step at a
// time.
#include <cstdint>
#include <vector>

#include "ColorGrid.h"
#include "PuzzleAnalysis.h"

namespace gw::analysis {

class SearchEngine {
public:
    virtual ~SearchEngine() = default;
    // One small step; the analysis checks its budgets between steps.
    virtual void step() = 0;
    // Unique, NotUnique or NoSolution once finished; Unknown before.
    virtual Uniqueness uniqueness() const = 0;
    bool finished() const { return uniqueness() != Uniqueness::Unknown; }
    // Distinct solutions found, the reference (picture) first.
    virtual const std::vector<CellGrid>& solutions() const = 0;
    virtual std::int64_t nodes() const = 0;
    virtual std::int64_t probes() const = 0;
    virtual std::int64_t lineSolves() const = 0;
    // While unfinished: no second solution differs from the picture only
    // within a square of this many cells a side; 0 when not even that is known.
    virtual int noSecondSolutionWithin() const { return 0; }
};

} // namespace gw::analysis
