#include "PuzzleAnalysis.h"

#include <algorithm>

#include "ClauseSearch.h"
#include "NearbySearch.h"
#include "SolutionSearch.h"

namespace gw::analysis {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The clues of the first `count` lines of `lines`.
std::vector<LineClue> lineClues(const std::array<LineClue, MaxPuzzleSize>& lines, int count)
{
    return std::vector<LineClue>(lines.begin(), lines.begin() + count);
}

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }

} // namespace

// Line logic, then the searches side by side (probing, not probing, near
// the picture), each given a step in turn by its share of line solves, and
// later the clause search on its own thread. Whichever ends first answers;
// every answer is exact, so they agree.
class PuzzleAnalysis::Search {
public:
    Search(const ClueTables& clues, int width, int height, const CellGrid* picture, const AnalysisOptions& options)
        : m_options(options), m_grid(lineClues(clues.rows, height), lineClues(clues.columns, width))
    {
        m_result.width = width;
        m_result.height = height;
        if (picture)
            m_picture = std::make_unique<CellGrid>(*picture);
        if (m_options.gradeDifficulty)
            m_options.decideUniqueness = true;
    }

    bool advance(std::chrono::microseconds slice);
    const AnalysisResult& result() const { return m_result; }
    void addSetupTime(double milliseconds) { m_result.milliseconds += milliseconds; }

private:
    void step();
    void runLineLogic();
    void finish(AnalysisStop stop, Uniqueness uniqueness, const std::vector<CellGrid>& known);
    void searchEnded(Uniqueness uniqueness, const std::vector<CellGrid>& known);
    void stepProbing();
    AnalysisStop budgetStop(double workMs) const;

    AnalysisOptions m_options;
    AnalysisResult m_result;
    ColorGrid m_grid;                    // line logic's
    std::unique_ptr<CellGrid> m_picture; // null: clues only
    std::vector<std::unique_ptr<SearchEngine>> m_searches;
    // The clause-learning search, on its own thread, started once the
    // others have done ShareAfterSolves line solves (most puzzles are
    // decided before, and never pay for its clauses).
    std::unique_ptr<ClauseSearch> m_clauses;
    // Line solves each search may do for one of the others'. All alike at
    // first, where the cheap searches find most second solutions; once the
    // searches have solved ShareAfterSolves lines the probing one, which
    // proves a picture unique where solutions are scarce (and whose line
    // solves come cheaper: no scan of the grid per node), gets ProbingShare.
    std::vector<std::int64_t> m_shares;
    static constexpr std::int64_t ProbingShare = 4;
    static constexpr std::int64_t ShareAfterSolves = 200000;
    // Grading a unique puzzle that line logic leaves open: a probing search
    // from line logic's grid; the first branch it takes means guessing.
    std::unique_ptr<SolutionSearch> m_probing;
    std::vector<CellGrid> m_known; // the solutions, while m_probing runs
    bool m_easy = false;           // the quick line rules alone solve it
};

bool PuzzleAnalysis::Search::advance(std::chrono::microseconds slice)
{
    const Clock::time_point start = Clock::now();
    const double sliceMs = std::chrono::duration<double, std::milli>(slice).count();
    while (!m_result.finished()) {
        const double spent = millisecondsSince(start);
        if (m_result.lineLogicDone) {
            const AnalysisStop stop = budgetStop(m_result.milliseconds + spent);
            if (stop != AnalysisStop::Running) {
                if (m_probing) // the uniqueness is known; only the grade is not
                    finish(stop, Uniqueness::Unique, m_known);
                else
                    finish(stop, Uniqueness::Unknown, {});
                break;
            }
            if (spent >= sliceMs)
                break;
        }
        step();
    }
    m_result.milliseconds += millisecondsSince(start);
    return !m_result.finished();
}

AnalysisStop PuzzleAnalysis::Search::budgetStop(double workMs) const
{
    if (m_options.cancel && m_options.cancel->load(std::memory_order_relaxed))
        return AnalysisStop::Cancelled;
    if (m_options.maxNodes > 0 && m_result.nodes >= m_options.maxNodes)
        return AnalysisStop::NodeLimit;
    if (m_options.maxMilliseconds > 0 && workMs >= m_options.maxMilliseconds)
        return AnalysisStop::TimeLimit;
    return AnalysisStop::Running;
}

void PuzzleAnalysis::Search::step()
{
    if (!m_result.lineLogicDone) {
        runLineLogic();
        return;
    }
    if (m_probing) {
        stepProbing();
        return;
    }
    if (m_result.lineSolves >= ShareAfterSolves) {
        m_shares.front() = ProbingShare;
        if (m_options.clauseLearning && !m_clauses)
            m_clauses = std::make_unique<ClauseSearch>(m_grid, m_picture.get());
    }
    std::size_t next = 0;
    for (std::size_t i = 1; i < m_searches.size(); ++i)
        if ((m_searches[i]->lineSolves() - m_grid.lineSolves()) * m_shares[next]
            < (m_searches[next]->lineSolves() - m_grid.lineSolves()) * m_shares[i])
            next = i;
    SearchEngine& search = *m_searches[next];
    search.step();
    m_result.nodes = m_result.probes = 0;
    m_result.lineSolves = m_grid.lineSolves();
    for (const std::unique_ptr<SearchEngine>& each : m_searches) {
        m_result.nodes += each->nodes();
        m_result.probes += each->probes();
        m_result.lineSolves += each->lineSolves() - m_grid.lineSolves();
    }
    const bool stepped = search.finished();
    if (stepped || (m_clauses && m_clauses->finished())) {
        const Uniqueness uniqueness = stepped ? search.uniqueness() : m_clauses->uniqueness();
        const std::vector<CellGrid> known = stepped ? search.solutions() : m_clauses->solutions();
        m_searches.clear();
        m_clauses.reset();
        searchEnded(uniqueness, known);
    }
}

void PuzzleAnalysis::Search::searchEnded(Uniqueness uniqueness, const std::vector<CellGrid>& known)
{
    if (m_options.gradeDifficulty && uniqueness == Uniqueness::Unique && !m_result.lineSolvable) {
        m_known = known;
        m_probing = std::make_unique<SolutionSearch>(m_grid, &m_known.front(), SearchStrategy {true, false});
        return;
    }
    if (m_options.gradeDifficulty) {
        if (uniqueness == Uniqueness::NotUnique)
            m_result.difficulty = Difficulty::Ambiguous;
        else if (uniqueness == Uniqueness::Unique)
            m_result.difficulty = m_easy ? Difficulty::Easy : Difficulty::Medium;
    }
    finish(AnalysisStop::Completed, uniqueness, known);
}

void PuzzleAnalysis::Search::stepProbing()
{
    m_probing->step();
    if (m_probing->nodes() > 0)
        m_result.difficulty = Difficulty::Search;
    else if (m_probing->finished())
        m_result.difficulty = Difficulty::Hard;
    else
        return;
    finish(AnalysisStop::Completed, Uniqueness::Unique, m_known);
}

void PuzzleAnalysis::Search::runLineLogic()
{
    m_result.lineLogicDone = true;
    if (m_options.gradeDifficulty) {
        ColorGrid quick = m_grid;
        quick.useSimpleLineRules();
        m_easy = quick.propagate() && quick.solved();
    }
    const bool consistent = m_grid.propagate();
    m_result.lineSolves = m_grid.lineSolves();
    if (!consistent) {
        finish(AnalysisStop::Completed, Uniqueness::NoSolution, {});
        return;
    }
    m_result.lineLogicColors = m_grid.colorSets();
    m_result.openCells = m_grid.openCells();
    m_result.lineSolvable = m_result.openCells == 0;
    if (m_result.lineSolvable) {
        // Line logic holds in every solution: this is the only one.
        std::vector<CellGrid> known;
        if (m_picture)
            known.push_back(*m_picture);
        const CellGrid solution = m_grid.picture();
        if (!m_picture || solution != *m_picture)
            known.push_back(solution);
        searchEnded(known.size() == 1 ? Uniqueness::Unique : Uniqueness::NotUnique, known);
    } else if (!m_options.decideUniqueness) {
        finish(AnalysisStop::NotAsked, Uniqueness::Unknown, {});
    } else {
        m_searches.push_back(std::make_unique<SolutionSearch>(m_grid, m_picture.get(), SearchStrategy {true, false}));
        m_searches.push_back(std::make_unique<SolutionSearch>(m_grid, m_picture.get(), SearchStrategy {false, true}));
        m_shares = {1, 1};
        if (m_picture) {
            m_searches.push_back(std::make_unique<NearbySearch>(m_grid, *m_picture));
            m_shares.push_back(1);
        }
    }
}

void PuzzleAnalysis::Search::finish(AnalysisStop stop, Uniqueness uniqueness, const std::vector<CellGrid>& known)
{
    m_result.stop = stop;
    m_result.uniqueness = uniqueness;
    if (uniqueness == Uniqueness::Unknown)
        for (const std::unique_ptr<SearchEngine>& search : m_searches)
            m_result.noSecondSolutionWithin =
                std::max(m_result.noSecondSolutionWithin, search->noSecondSolutionWithin());
    m_result.solutions.assign(known.begin() + (m_picture && !known.empty() ? 1 : 0), known.end());
    if (known.size() >= 2) {
        for (int y = 0; y < m_result.height; ++y)
            for (int x = 0; x < m_result.width; ++x)
                if (known[0][cellIndex(x, y)] != known[1][cellIndex(x, y)])
                    m_result.differingCells.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    }
    m_searches.clear();
    m_clauses.reset();
    m_probing.reset();
}

PuzzleAnalysis::PuzzleAnalysis(const Puzzle& picture, const AnalysisOptions& options)
{
    const Clock::time_point start = Clock::now();
    ClueTables clues;
    deriveClues(picture, clues);
    CellGrid cells;
    cells.fill(White);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            cells[cellIndex(x, y)] = picture.cell(x, y);
    m_search = std::make_unique<Search>(clues, picture.width, picture.height, &cells, options);
    m_search->addSetupTime(millisecondsSince(start));
}

PuzzleAnalysis::PuzzleAnalysis(const ClueTables& clues, int width, int height, const AnalysisOptions& options)
    : m_search(std::make_unique<Search>(clues, width, height, nullptr, options))
{ }

PuzzleAnalysis::~PuzzleAnalysis() = default;
PuzzleAnalysis::PuzzleAnalysis(PuzzleAnalysis&&) noexcept = default;
PuzzleAnalysis& PuzzleAnalysis::operator=(PuzzleAnalysis&&) noexcept = default;

bool PuzzleAnalysis::advance(std::chrono::microseconds slice) { return m_search->advance(slice); }

const AnalysisResult& PuzzleAnalysis::run()
{
    while (m_search->advance(std::chrono::hours(1))) { }
    return m_search->result();
}

const AnalysisResult& PuzzleAnalysis::result() const { return m_search->result(); }

AnalysisResult analyzePuzzle(const Puzzle& picture, const AnalysisOptions& options)
{
    return PuzzleAnalysis(picture, options).run();
}

AnalysisResult analyzeClues(const ClueTables& clues, int width, int height, const AnalysisOptions& options)
{
    return PuzzleAnalysis(clues, width, height, options).run();
}

const char* uniquenessName(Uniqueness uniqueness)
{
    switch (uniqueness) {
    case Uniqueness::Unique:
        return "yes";
    case Uniqueness::NotUnique:
        return "no";
    case Uniqueness::NoSolution:
        return "none";
    case Uniqueness::Unknown:
        break;
    }
    return "unknown";
}

const char* difficultyName(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Easy:
        return "easy";
    case Difficulty::Medium:
        return "medium";
    case Difficulty::Hard:
        return "hard";
    case Difficulty::Search:
        return "search";
    case Difficulty::Ambiguous:
        return "ambiguous";
    case Difficulty::Unknown:
        break;
    }
    return "unknown";
}

} // namespace gw::analysis
