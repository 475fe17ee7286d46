#pragma once
// A search for a second solution by a clause-learning SAT solver (CaDiCaL).
//
// Line logic and probing learn nothing from a contradiction beyond the cell
// they refute; some pictures (regular diagonal bands, one-cell stripes) are
// proved unique by a clause learner in a second or two and by a search
// without learning not in minutes. So the analysis runs this search beside
// the others.
//
// The puzzle becomes clauses: one variable per cell and colour that line
// logic left possible, exactly one colour per cell, and per line an
// automaton over the line's clue: state i after cell p when the first p
// cells hold the first i tokens of the clue (a token is one cell of a run,
// or the white cell that separates two runs of one colour). A state holds
// only when a state before it and the cell's colour lead to it, and leads
// on only by the cell's colour; the line ends in the last state. States
// that cannot fit (more tokens than cells before, or after) have no
// variable. One more clause asks for a cell that differs from the picture
// (clues only: from the first solution, once found). Satisfiable: the
// model is a second solution, checked against the clues before it is
// believed. Unsatisfiable: there is none.
//
// It runs on a thread of its own from the start, so that it neither waits
// for the other searches' turns nor slows them (on a machine with a second
// core); the analysis looks between its steps whether it has answered, and
// stops it when the analysis ends (the solver asks at every decision and
// conflict whether to stop, so that it stops within a fraction of a
// millisecond).
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ColorGrid.h"
#include "PuzzleAnalysis.h"

namespace CaDiCaL {
class Solver;
}

namespace gw::analysis {

class ClauseSearch {
public:
    // `start` is the grid after line logic (consistent, with open cells),
    // whose clues it encodes; `picture` may be null (clues only). Starts the
    // thread.
    ClauseSearch(const ColorGrid& start, const CellGrid* picture);
    // Stops the thread and waits for it.
    ~ClauseSearch();
    ClauseSearch(const ClauseSearch&) = delete;
    ClauseSearch& operator=(const ClauseSearch&) = delete;

    // Unique, NotUnique or NoSolution once answered; Unknown before.
    Uniqueness uniqueness() const;
    bool finished() const;
    // Once answered: the distinct solutions found, the reference (picture,
    // or else the first solution found) first.
    std::vector<CellGrid> solutions() const;

private:
    struct Stopper;
    void run();
    Uniqueness solveOnce();
    int cellVariable(int cell, int color) const; // cell: x + 50 * y
    void encodeCells();
    void encodeLine(int line);
    void encodeLine(const LineClue& clue, const std::vector<int>& cells);
    int newVariable() { return ++m_variables; }
    void addClause(std::initializer_list<int> literals);
    void addClause(const std::vector<int>& literals);
    void excludeKnown(const CellGrid& solution);
    bool solvesClues(const CellGrid& grid) const;

    // The worker's own, until it has answered.
    std::unique_ptr<CaDiCaL::Solver> m_solver;
    int m_width, m_height;
    std::vector<LineClue> m_rows, m_columns;
    CellGrid m_open {}; // colour sets after line logic
    // Per cell and colour (x + 50 * y) * 8 + colour: its variable, or 0.
    std::vector<int> m_cellVariables;
    int m_variables = 0;
    std::vector<CellGrid> m_known;

    std::atomic<bool> m_stop {false};
    mutable std::mutex m_mutex;
    Uniqueness m_answer = Uniqueness::Unknown; // under m_mutex; once set, m_known is final
    std::thread m_worker;
};

} // namespace gw::analysis
