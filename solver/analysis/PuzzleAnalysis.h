#pragma once
// Puzzle analysis: does line logic alone solve the puzzle, is its solution
// unique, and which cells does line logic leave open?
//
// Line logic here is complete line solving to a fixpoint: every line keeps
// exactly the colours some placement of its clue allows, over and over until
// no line changes. Whatever it fixes holds in every solution. Uniqueness is
// decided by a search for a second solution (one that differs from the
// picture, or from the first solution found when only clues are given).
// Two depth-first searches with an undo trail run side by side, one probing
// at every node (a colour that leads to a contradiction under line logic is
// ruled out), one not, and the first to finish answers: probing wins where
// solutions are scarce, cheap nodes where they abound (SolutionSearch.h).
// With a picture a third runs beside them, cell by cell near the picture,
// where a second solution most often lies (NearbySearch.h). They take turns
// by line solves, alike at first; once the work is no longer small the
// probing search gets four for each of the others', since it is the one
// that proves the hard unique pictures, and a clause-learning SAT solver
// starts on a thread of its own (ClauseSearch.h), which proves some that
// probing cannot (AnalysisOptions::clauseLearning).
// Contradictions and second solutions are proved, never guessed; a search
// that runs out of its budget answers "unknown".
//
// The difficulty grade says what logic the puzzle needs (asked for with
// AnalysisOptions::gradeDifficulty), from the weakest that solves it:
//  - easy: the quick rules of the left-right overlap solvers alone, each
//    line on its own, to a fixpoint (solveLineSimple in ExactLineSolver.h:
//    overlap of each run's leftmost and rightmost placement consistent with
//    the line's known cells, and cells beyond every run's range white);
//  - medium: complete line logic as above, but not the quick rules alone;
//  - hard: line logic plus probing: a colour of one cell that line logic
//    refutes (it ends in a contradiction) is ruled out, cell after cell,
//    round after round until a round rules nothing out; never two guesses
//    at once. It needs probing, and probing suffices;
//  - search: unique, but probing leaves cells open: it needs guessing;
//  - ambiguous: more than one solution.
// A grade is exact like the uniqueness answer; when the budgets end first
// the grade is unknown.
//
// Use analyzePuzzle()/analyzeClues() for a whole run in one call (a worker
// thread can cancel it through AnalysisOptions::cancel), or a PuzzleAnalysis
// object to run it in slices, for example from a timer on the GUI thread.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "ColorGrid.h"
#include "core/Clues.h"
#include "core/Puzzle.h"

namespace gw::analysis {

enum class Uniqueness {
    Unique,     // exactly one solution
    NotUnique,  // a second solution was found (AnalysisResult::solutions)
    NoSolution, // the clues contradict each other (clues only)
    Unknown     // not asked, or the search stopped early (AnalysisResult::stop)
};

// Why the analysis ended.
enum class AnalysisStop {
    Running,   // not ended yet (a PuzzleAnalysis between slices)
    Completed, // every question asked was answered
    NotAsked,  // line logic done; uniqueness was not asked for
    NodeLimit, // AnalysisOptions::maxNodes reached
    TimeLimit, // AnalysisOptions::maxMilliseconds reached
    Cancelled  // AnalysisOptions::cancel was set
};

enum class Difficulty { Unknown, Easy, Medium, Hard, Search, Ambiguous };

struct AnalysisOptions {
    bool decideUniqueness = true;
    bool gradeDifficulty = false;     // implies decideUniqueness
    std::int64_t maxNodes = 10000000; // search branches, all searches together; <= 0: no limit
    double maxMilliseconds = 10000;   // working time; <= 0 means no limit
    // Run the clause-learning search (ClauseSearch.h) beside the others. Off,
    // every search's progress depends on the node and line-solve counts
    // alone, never on the machine's speed.
    bool clauseLearning = true;
    // Checked between probes and nodes; when it becomes true the analysis
    // stops with AnalysisStop::Cancelled. Must outlive the analysis.
    const std::atomic<bool>* cancel = nullptr;
};

struct CellPosition {
    std::int16_t x, y;
    bool operator==(const CellPosition& other) const { return x == other.x && y == other.y; }
};

struct AnalysisResult {
    int width = 0, height = 0;
    bool lineLogicDone = false; // the three line-logic fields below are filled
    bool lineSolvable = false;  // line logic alone fixes every cell
    int openCells = 0;          // cells line logic leaves with more than one colour
    // Per cell (x + 50 * y): bit q set when line logic leaves colour q
    // possible there. One bit: the cell is fixed. Zero outside the puzzle and
    // everywhere when the clues contradict each other.
    CellGrid lineLogicColors {};

    Uniqueness uniqueness = Uniqueness::Unknown;
    AnalysisStop stop = AnalysisStop::Running;
    // Distinct solutions found, palette indices per cell. With a picture:
    // empty, or the second solution when there is one. Clues only: up to two.
    std::vector<CellGrid> solutions;
    // Cells where the second solution differs from the picture (clues only:
    // from the first solution), row by row.
    std::vector<CellPosition> differingCells;
    // With a picture and uniqueness Unknown: no second solution differs
    // from the picture only within a square of this many cells a side (a
    // second solution, if any, changes cells further apart); 0 when not even
    // that is known.
    int noSecondSolutionWithin = 0;

    // With AnalysisOptions::gradeDifficulty, once finished: Unknown when the
    // budgets ended first or the clues have no solution.
    Difficulty difficulty = Difficulty::Unknown;

    std::int64_t nodes = 0;      // search branches taken
    std::int64_t probes = 0;     // single colours tried by probing
    std::int64_t lineSolves = 0; // lines solved, line logic and search together
    double milliseconds = 0;     // working time, clue derivation included

    bool finished() const { return stop != AnalysisStop::Running; }
};

// One analysis, run in slices. Owns copies of everything it needs, so it may
// be moved to and run on another thread (one thread at a time).
class PuzzleAnalysis {
public:
    // Analyses the picture's clues; the picture is one solution.
    explicit PuzzleAnalysis(const Puzzle& picture, const AnalysisOptions& options = {});
    // Analyses bare clues of a width x height puzzle (1..50 each), looking
    // for up to two solutions.
    PuzzleAnalysis(const ClueTables& clues, int width, int height, const AnalysisOptions& options = {});
    ~PuzzleAnalysis();
    PuzzleAnalysis(PuzzleAnalysis&&) noexcept;
    PuzzleAnalysis& operator=(PuzzleAnalysis&&) noexcept;

    // Works for about `slice` (at least one step: a probe or a search node;
    // line logic, the first step, is never split) and returns whether work
    // remains. Budgets and cancellation apply across slices.
    bool advance(std::chrono::microseconds slice);
    // Works until the analysis ends.
    const AnalysisResult& run();
    // The result so far; complete once finished().
    const AnalysisResult& result() const;
    bool finished() const { return result().finished(); }

private:
    class Search;
    std::unique_ptr<Search> m_search;
};

AnalysisResult analyzePuzzle(const Puzzle& picture, const AnalysisOptions& options = {});
AnalysisResult analyzeClues(const ClueTables& clues, int width, int height, const AnalysisOptions& options = {});

// "yes", "no" or "unknown" (NoSolution: "none").
const char* uniquenessName(Uniqueness uniqueness);
// "easy", "medium", "hard", "search", "ambiguous" or "unknown".
const char* difficultyName(Difficulty difficulty);

} // namespace gw::analysis
