#include "ClauseSearch.h"

#include <algorithm>
#include <cadical.hpp>

#include "core/Clues.h"

namespace gw::analysis {

namespace {

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }

// One cell of a line's clue as the automaton reads it: a cell of a run (its
// colour), or the white cell between two runs of one colour.
struct Token {
    int color;
    bool gap;     // the white cell between two runs of one colour
    bool endsRun; // the last cell of its run
};

std::vector<Token> tokensOf(const LineClue& clue)
{
    std::vector<Token> tokens;
    for (int k = 0; k < clue.count; ++k) {
        if (k > 0 && clue.sameColorAsPrevious(k))
            tokens.push_back({White, true, false});
        const int length = clue.length(k);
        for (int i = 0; i < length; ++i)
            tokens.push_back({clue.color(k), false, i == length - 1});
    }
    return tokens;
}

} // namespace

// The solver asks at every decision and conflict whether to stop.
struct ClauseSearch::Stopper : CaDiCaL::Terminator {
    const std::atomic<bool>* stop = nullptr;
    bool terminate() override { return stop->load(std::memory_order_relaxed); }
};

ClauseSearch::ClauseSearch(const ColorGrid& start, const CellGrid* picture)
    : m_width(start.width()), m_height(start.height()), m_rows(start.rowClues()), m_columns(start.columnClues()),
      m_open(start.colorSets()), m_cellVariables(static_cast<std::size_t>(CellCount) * PaletteSize, 0)
{
    if (picture)
        m_known.push_back(*picture);
    m_worker = std::thread([this] { run(); });
}

ClauseSearch::~ClauseSearch()
{
    m_stop.store(true);
    m_worker.join();
}

bool ClauseSearch::finished() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_answer != Uniqueness::Unknown;
}

Uniqueness ClauseSearch::uniqueness() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_answer;
}

std::vector<CellGrid> ClauseSearch::solutions() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_answer == Uniqueness::Unknown ? std::vector<CellGrid> {} : m_known;
}

// The worker: clauses, then the solver until it answers or is stopped.
void ClauseSearch::run()
{
    m_solver = std::make_unique<CaDiCaL::Solver>();
    Stopper stopper;
    stopper.stop = &m_stop;
    m_solver->connect_terminator(&stopper);
    encodeCells();
    for (int line = 0; line < m_height + m_width && !m_stop.load(); ++line)
        encodeLine(line);
    if (!m_known.empty())
        excludeKnown(m_known.front());
    Uniqueness answer = Uniqueness::Unknown;
    while (answer == Uniqueness::Unknown && !m_stop.load())
        answer = solveOnce();
    m_solver->disconnect_terminator();
    m_solver.reset();
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
}

// Exactly one colour per cell, of those line logic left.
void ClauseSearch::encodeCells()
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            std::vector<int> colors;
            for (int q = 0; q < PaletteSize; ++q) {
                if ((m_open[cellIndex(x, y)] >> q) & 1) {
                    const int variable = newVariable();
                    m_cellVariables[cellIndex(x, y) * PaletteSize + static_cast<std::size_t>(q)] = variable;
                    colors.push_back(variable);
                }
            }
            addClause(colors);
            for (std::size_t a = 0; a < colors.size(); ++a)
                for (std::size_t b = a + 1; b < colors.size(); ++b)
                    addClause({-colors[a], -colors[b]});
        }
    }
}

// Line `line` of the rows, then of the columns.
void ClauseSearch::encodeLine(int line)
{
    std::vector<int> cells;
    if (line < m_height) {
        for (int x = 0; x < m_width; ++x)
            cells.push_back(x + MaxPuzzleSize * line);
        encodeLine(m_rows[static_cast<std::size_t>(line)], cells);
    } else {
        const int x = line - m_height;
        for (int y = 0; y < m_height; ++y)
            cells.push_back(x + MaxPuzzleSize * y);
        encodeLine(m_columns[static_cast<std::size_t>(x)], cells);
    }
}

int ClauseSearch::cellVariable(int cell, int color) const
{
    return m_cellVariables[static_cast<std::size_t>(cell) * PaletteSize + static_cast<std::size_t>(color)];
}

void ClauseSearch::addClause(std::initializer_list<int> literals)
{
    for (const int literal : literals)
        m_solver->add(literal);
    m_solver->add(0);
}

void ClauseSearch::addClause(const std::vector<int>& literals)
{
    for (const int literal : literals)
        m_solver->add(literal);
    m_solver->add(0);
}

// State i after cell p: the first p cells hold the first i tokens. It can
// hold only for p - (length - tokens) <= i <= p.
void ClauseSearch::encodeLine(const LineClue& clue, const std::vector<int>& cells)
{
    const int length = static_cast<int>(cells.size());
    const std::vector<Token> tokens = tokensOf(clue);
    const int count = static_cast<int>(tokens.size());
    const int slack = length - count; // >= 0: line logic found the line consistent
    // Where a white cell may follow: before the first token, after the last,
    // after the end of a run or a separating white cell.
    const auto open = [&](int i) {
        const Token* before = i > 0 ? &tokens[static_cast<std::size_t>(i - 1)] : nullptr;
        return i == 0 || i == count || before->endsRun || before->gap;
    };
    // The state a cell of `color` leads to from state i, or -1.
    const auto next = [&](int i, int color) {
        if (i < count) {
            const Token& token = tokens[static_cast<std::size_t>(i)];
            if (token.color == color)
                return i + 1; // a gap's colour is white
            if (token.gap)
                return -1;
        }
        return color == White && open(i) ? i : -1;
    };
    // state[p][i - low(p)]
    const auto low = [&](int p) { return std::max(0, p - slack); };
    const auto high = [&](int p) { return std::min(p, count); };
    std::vector<std::vector<int>> state(static_cast<std::size_t>(length + 1));
    for (int p = 0; p <= length; ++p)
        for (int i = low(p); i <= high(p); ++i)
            state[static_cast<std::size_t>(p)].push_back(newVariable());
    const auto at = [&](int p, int i) {
        return state[static_cast<std::size_t>(p)][static_cast<std::size_t>(i - low(p))];
    };
    addClause({at(0, 0)});
    addClause({at(length, count)});

    for (int p = 0; p < length; ++p) {
        const int cell = cells[static_cast<std::size_t>(p)];
        // Forward: a state and the cell's colour lead to the next state.
        for (int i = low(p); i <= high(p); ++i) {
            for (int q = 0; q < PaletteSize; ++q) {
                const int color = cellVariable(cell, q);
                if (color == 0)
                    continue;
                const int j = next(i, q);
                if (j >= low(p + 1) && j <= high(p + 1))
                    addClause({-at(p, i), -color, at(p + 1, j)});
                else
                    addClause({-at(p, i), -color});
            }
        }
        // Backward: a state holds only when a state before it and the
        // cell's colour lead to it.
        for (int j = low(p + 1); j <= high(p + 1); ++j) {
            std::vector<int> support {-at(p + 1, j)};
            for (int i = std::max(low(p), j - 1); i <= std::min(high(p), j); ++i) {
                const int q = i == j ? White : tokens[static_cast<std::size_t>(i)].color;
                const int color = cellVariable(cell, q);
                if (color == 0 || next(i, q) != j)
                    continue;
                support.push_back(at(p, i));
                addClause({-at(p + 1, j), -at(p, i), color});
            }
            addClause(support);
        }
    }
}

// A further solution must differ from `solution` in some open cell.
void ClauseSearch::excludeKnown(const CellGrid& solution)
{
    std::vector<int> differs;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const unsigned colors = m_open[cellIndex(x, y)];
            if ((colors & (colors - 1)) != 0)
                differs.push_back(-cellVariable(x + MaxPuzzleSize * y, solution[cellIndex(x, y)]));
        }
    }
    addClause(differs);
}

bool ClauseSearch::solvesClues(const CellGrid& grid) const
{
    Puzzle puzzle;
    puzzle.width = static_cast<std::int16_t>(m_width);
    puzzle.height = static_cast<std::int16_t>(m_height);
    puzzle.cells = grid;
    ClueTables clues;
    deriveClues(puzzle, clues);
    for (int y = 0; y < m_height; ++y)
        if (!(clues.rows[static_cast<std::size_t>(y)] == m_rows[static_cast<std::size_t>(y)]))
            return false;
    for (int x = 0; x < m_width; ++x)
        if (!(clues.columns[static_cast<std::size_t>(x)] == m_columns[static_cast<std::size_t>(x)]))
            return false;
    return true;
}

// One call of the solver: Unknown when it was stopped or its model was
// not a new solution (which is then excluded too).
Uniqueness ClauseSearch::solveOnce()
{
    const int answer = m_solver->solve();
    if (answer == 20)
        return m_known.empty() ? Uniqueness::NoSolution : Uniqueness::Unique;
    if (answer != 10)
        return Uniqueness::Unknown; // stopped
    CellGrid grid {};
    grid.fill(White);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            for (int q = 0; q < PaletteSize; ++q) {
                const int color = cellVariable(x + MaxPuzzleSize * y, q);
                if (color != 0 && m_solver->val(color) > 0)
                    grid[cellIndex(x, y)] = static_cast<std::uint8_t>(q);
            }
    const bool isNew = std::find(m_known.begin(), m_known.end(), grid) == m_known.end();
    if (solvesClues(grid) && isNew) {
        m_known.push_back(grid);
        if (m_known.size() >= 2)
            return Uniqueness::NotUnique;
    }
    excludeKnown(grid); // also a model that does not solve the clues: never believed
    return Uniqueness::Unknown;
}

} // namespace gw::analysis
