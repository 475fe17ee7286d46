#include "PuzzleFix.h"

#include <algorithm>

namespace gw::analysis {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }

// How many full checks a round makes before it settles for the best
// candidate and goes on from there.
constexpr int ChecksPerRound = 3;

struct Candidate {
    CellChange change;
    int open;    // cells line logic leaves open after the change
    int clashes; // of the four neighbours, those of another colour
};

} // namespace

class PuzzleFixer::Work {
public:
    Work(const Puzzle& picture, const FixOptions& options) : m_options(options), m_picture(picture)
    {
        m_skipLeft = options.skip;
    }

    bool advance(std::chrono::microseconds slice);
    const FixResult& result() const { return m_result; }

private:
    enum class Phase { Analyse, Score, Check };
    void step();
    void analyseStep();
    void scoreStep();
    void checkStep();
    void collectCandidates(const AnalysisResult& analysis);
    bool reached(const AnalysisResult& analysis) const;
    void found(const CellChange& last);
    void keep(const CellChange& change);
    bool overlapsTrouble(const std::vector<CellPosition>& cells) const;
    Puzzle changed(const CellChange& change) const;
    AnalysisOptions checkOptions() const;
    void stopWith(FixStop stop) { m_result.stop = stop; }

    FixOptions m_options;
    Puzzle m_picture; // with the changes kept so far
    FixResult m_result;
    Phase m_phase = Phase::Analyse;
    std::unique_ptr<PuzzleAnalysis> m_check;
    std::vector<Candidate> m_candidates;
    std::vector<CellPosition> m_trouble; // where the second solution differs
    std::size_t m_next = 0;
    int m_checksLeft = 0;
    int m_skipLeft = 0;
    int m_openNow = 0;
};

bool PuzzleFixer::Work::advance(std::chrono::microseconds slice)
{
    const Clock::time_point start = Clock::now();
    const double sliceMs = std::chrono::duration<double, std::milli>(slice).count();
    while (!m_result.finished()) {
        const double spent = millisecondsSince(start);
        if (m_options.cancel && m_options.cancel->load(std::memory_order_relaxed)) {
            stopWith(FixStop::Cancelled);
            break;
        }
        if (m_options.maxMilliseconds > 0 && m_result.milliseconds + spent >= m_options.maxMilliseconds) {
            stopWith(FixStop::TimeLimit);
            break;
        }
        if (spent >= sliceMs && spent > 0)
            break;
        step();
    }
    m_result.milliseconds += millisecondsSince(start);
    return !m_result.finished();
}

AnalysisOptions PuzzleFixer::Work::checkOptions() const
{
    AnalysisOptions options;
    options.decideUniqueness = !m_options.lineLogic;
    options.maxMilliseconds = m_options.checkMilliseconds;
    options.maxNodes = m_options.checkNodes;
    options.cancel = m_options.cancel;
    return options;
}

bool PuzzleFixer::Work::reached(const AnalysisResult& analysis) const
{
    return m_options.lineLogic ? analysis.lineSolvable : analysis.uniqueness == Uniqueness::Unique;
}

void PuzzleFixer::Work::step()
{
    switch (m_phase) {
    case Phase::Analyse:
        analyseStep();
        break;
    case Phase::Score:
        scoreStep();
        break;
    case Phase::Check:
        checkStep();
        break;
    }
}

// The picture as it now stands: done, or where to look for changes.
void PuzzleFixer::Work::analyseStep()
{
    if (!m_check)
        m_check = std::make_unique<PuzzleAnalysis>(m_picture, checkOptions());
    if (m_check->advance(std::chrono::milliseconds(2)))
        return;
    const AnalysisResult analysis = m_check->result();
    m_check.reset();
    if (reached(analysis)) {
        if (m_result.changes.empty()) {
            stopWith(FixStop::AlreadyThere);
        } else {
            const CellChange last = m_result.changes.back();
            m_result.changes.pop_back();
            found(last);
        }
        return;
    }
    if (!m_options.lineLogic && analysis.uniqueness != Uniqueness::NotUnique) {
        stopWith(FixStop::NotFound); // undecided in time, or no solution
        return;
    }
    m_openNow = analysis.openCells;
    collectCandidates(analysis);
    m_phase = Phase::Score;
}

// The cells of the trouble: where the second solution differs (or, without
// one, the cells line logic leaves open), with their four neighbours; each
// with the colours of its neighbours, the second solution's and white.
void PuzzleFixer::Work::collectCandidates(const AnalysisResult& analysis)
{
    const int width = m_picture.width, height = m_picture.height;
    std::vector<CellPosition> region = analysis.differingCells;
    m_trouble = region;
    if (region.empty()) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned colors = analysis.lineLogicColors[cellIndex(x, y)];
                if ((colors & (colors - 1)) != 0)
                    region.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
            }
    }
    std::vector<unsigned> colorsAt(CellCount, 0);
    const int dx[] = {0, 1, 0, -1, 0}, dy[] = {0, 0, 1, 0, -1};
    for (const CellPosition& cell : region) {
        for (int d = 0; d < 5; ++d) {
            const int x = cell.x + dx[d], y = cell.y + dy[d];
            if (x < 0 || y < 0 || x >= width || y >= height)
                continue;
            unsigned& colors = colorsAt[cellIndex(x, y)];
            colors |= 1u << White;
            if (!analysis.solutions.empty())
                colors |= 1u << analysis.solutions.front()[cellIndex(x, y)];
            for (int n = 1; n < 5; ++n) {
                const int nx = x + dx[n], ny = y + dy[n];
                if (nx >= 0 && ny >= 0 && nx < width && ny < height)
                    colors |= 1u << m_picture.cell(nx, ny);
            }
        }
    }
    m_candidates.clear();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned colors = colorsAt[cellIndex(x, y)] & ~(1u << m_picture.cell(x, y));
            for (unsigned rest = colors; rest != 0; rest &= rest - 1) {
                const auto color = static_cast<std::uint8_t>(__builtin_ctz(rest));
                int clashes = 0;
                for (int n = 1; n < 5; ++n) {
                    const int nx = x + dx[n], ny = y + dy[n];
                    if (nx >= 0 && ny >= 0 && nx < width && ny < height && m_picture.cell(nx, ny) != color)
                        ++clashes;
                }
                const CellChange change {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), color};
                if (std::find(m_result.changes.begin(), m_result.changes.end(), change) == m_result.changes.end())
                    m_candidates.push_back({change, 0, clashes});
            }
        }
    m_next = 0;
}

Puzzle PuzzleFixer::Work::changed(const CellChange& change) const
{
    Puzzle picture = m_picture;
    picture.cell(change.x, change.y) = change.color;
    return picture;
}

// Line logic on one candidate.
void PuzzleFixer::Work::scoreStep()
{
    if (m_next < m_candidates.size()) {
        Candidate& candidate = m_candidates[m_next++];
        AnalysisOptions options;
        options.decideUniqueness = false;
        candidate.open = analyzePuzzle(changed(candidate.change), options).openCells;
        ++m_result.candidatesTried;
        return;
    }
    std::stable_sort(m_candidates.begin(), m_candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.open != b.open ? a.open < b.open : a.clashes < b.clashes;
    });
    m_next = 0;
    m_checksLeft = ChecksPerRound + 2 * m_options.skip;
    m_phase = Phase::Check;
}

// The best candidates in full, one step of one check at a time. A
// candidate that is not enough by itself but leaves a second solution only
// away from the trouble it was meant for has mended that part: it is kept,
// and the search goes on from there. When no checked candidate does even
// that, the best scored one is kept.
void PuzzleFixer::Work::checkStep()
{
    if (m_next >= m_candidates.size() || m_checksLeft <= 0) {
        if (m_candidates.empty()) {
            stopWith(FixStop::NotFound);
            return;
        }
        keep(m_candidates.front().change);
        return;
    }
    const Candidate& candidate = m_candidates[m_next];
    bool success = false, mended = false;
    if (candidate.open == 0) {
        success = true; // line logic solves it: unique as well
    } else if (!m_options.lineLogic) {
        if (!m_check) {
            m_check = std::make_unique<PuzzleAnalysis>(changed(candidate.change), checkOptions());
            ++m_result.checks;
        }
        if (m_check->advance(std::chrono::milliseconds(2)))
            return;
        const AnalysisResult& check = m_check->result();
        success = reached(check);
        mended = check.uniqueness == Uniqueness::NotUnique && !overlapsTrouble(check.differingCells);
        m_check.reset();
    }
    ++m_next;
    if (!m_options.lineLogic || candidate.open == 0)
        --m_checksLeft;
    if (success) {
        if (m_skipLeft > 0)
            --m_skipLeft;
        else
            found(candidate.change);
    } else if (mended) {
        keep(candidate.change);
    }
}

bool PuzzleFixer::Work::overlapsTrouble(const std::vector<CellPosition>& cells) const
{
    for (const CellPosition& cell : cells)
        if (std::find(m_trouble.begin(), m_trouble.end(), cell) != m_trouble.end())
            return true;
    return false;
}

void PuzzleFixer::Work::keep(const CellChange& change)
{
    if (static_cast<int>(m_result.changes.size()) + 1 >= m_options.maxChanges) {
        stopWith(FixStop::NotFound);
        return;
    }
    m_result.changes.push_back(change);
    m_picture = changed(change);
    m_phase = Phase::Analyse;
}

void PuzzleFixer::Work::found(const CellChange& last)
{
    m_result.changes.push_back(last);
    std::sort(m_result.changes.begin(), m_result.changes.end(),
              [](const CellChange& a, const CellChange& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    stopWith(FixStop::Found);
}

PuzzleFixer::PuzzleFixer(const Puzzle& picture, const FixOptions& options)
    : m_work(std::make_unique<Work>(picture, options))
{ }

PuzzleFixer::~PuzzleFixer() = default;
PuzzleFixer::PuzzleFixer(PuzzleFixer&&) noexcept = default;
PuzzleFixer& PuzzleFixer::operator=(PuzzleFixer&&) noexcept = default;

bool PuzzleFixer::advance(std::chrono::microseconds slice) { return m_work->advance(slice); }

const FixResult& PuzzleFixer::run()
{
    while (m_work->advance(std::chrono::hours(1))) { }
    return m_work->result();
}

const FixResult& PuzzleFixer::result() const { return m_work->result(); }

FixResult suggestFix(const Puzzle& picture, const FixOptions& options) { return PuzzleFixer(picture, options).run(); }

void applyFix(Puzzle& picture, const std::vector<CellChange>& changes)
{
    for (const CellChange& change : changes)
        if (change.x >= 0 && change.y >= 0 && change.x < picture.width && change.y < picture.height)
            picture.cell(change.x, change.y) = change.color;
}

} // namespace gw::analysis
