#include "SolverDriver.h"

#include <algorithm>

namespace gw {

namespace {

constexpr std::int32_t FirstPlacementLimit = 50;
constexpr std::int32_t PlacementCeiling = 32768; // maxPlacements stays below this
constexpr std::int32_t FirstTryLimit = 100;      // doubled before the first enumeration
constexpr std::int32_t TriesCeiling = 100000;

// biggest > 0.8 * limit, without rounding.
bool exceedsFourFifths(std::int32_t biggest, std::int32_t limit)
{
    return 5 * static_cast<std::int64_t>(biggest) > 4 * static_cast<std::int64_t>(limit);
}

// Two independent 64-bit mixes: a repeated state is recognised by both.
struct FingerprintMix {
    std::uint64_t a = 0x9E3779B97F4A7C15ull;
    std::uint64_t b = 0xC2B2AE3D27D4EB4Full;
    void operator()(std::uint64_t v)
    {
        a = (a ^ v) * 0x100000001B3ull;
        a ^= a >> 29;
        b = (b + v + 0x632BE59BD9B4E019ull) * 0xFF51AFD7ED558CCDull;
        b ^= b >> 33;
    }
};

} // namespace

SolverDriver::SolverDriver(const Puzzle& puzzle, const ClueTables& clues, CellKnowledge& knowledge,
                           SolverObserver& observer)
    : m_puzzle(puzzle), m_clues(clues), m_knowledge(knowledge), m_observer(observer), m_context(knowledge, &observer)
{ }

SolverDriver::~SolverDriver() = default;

const LineSolver* SolverDriver::rowLine(int y) const
{
    return y >= 0 && y < static_cast<int>(m_rowLines.size()) ? m_rowLines[static_cast<std::size_t>(y)].get() : nullptr;
}

const LineSolver* SolverDriver::columnLine(int x) const
{
    return x >= 0 && x < static_cast<int>(m_columnLines.size()) ? m_columnLines[static_cast<std::size_t>(x)].get()
                                                                : nullptr;
}

bool SolverDriver::start()
{
    if (m_busy)
        return false;
    m_busy = true;
    m_stepping = false;
    m_finished = false;
    m_sweeps = 0;
    m_regenerations = 0;
    m_endless = false;
    m_seenBeforeRegeneration.clear();

    resetKnowledge(m_knowledge, m_puzzle, m_clues);
    m_observer.fieldCleared();
    m_rowLines.clear();
    m_columnLines.clear();
    for (int y = 0; y < m_puzzle.height; ++y) {
        m_rowLines.push_back(std::make_unique<LineSolver>(Orientation::Row, m_clues, m_context));
        m_rowLines.back()->initialize(static_cast<std::int16_t>(y));
    }
    for (int x = 0; x < m_puzzle.width; ++x) {
        m_columnLines.push_back(std::make_unique<LineSolver>(Orientation::Column, m_clues, m_context));
        m_columnLines.back()->initialize(static_cast<std::int16_t>(x));
    }
    m_context.stopRequested = false;
    m_context.maxPlacements = FirstPlacementLimit;
    m_context.maxTries = FirstTryLimit;
    m_context.largestList = 0;
    m_context.candidatesBuilt = 0;

    regenerateLists();

    // The first regeneration cannot end the test on its limits (every list
    // is still empty); m_finished only guards against stepping released lines.
    if (!m_context.stopRequested && !m_finished) {
        m_passIsRows = true;
        m_passLine = -1;
        m_stepping = true;
    }
    m_busy = false;
    return m_stepping;
}

bool SolverDriver::tick()
{
    if (!m_stepping || m_busy)
        return false;
    m_busy = true;
    ++m_passLine;
    if (m_passLine == 0) {
        resetConfirmations();
        if (m_passIsRows)
            m_cellsSetAtSweepStart = m_knowledge.cellsSet;
    }
    if (m_passIsRows) {
        if (m_passLine == m_puzzle.height) {
            m_passLine = -1;
            m_passIsRows = false;
            m_knowledge.rowChanged.fill(false);
        } else {
            m_observer.statusText(SolverStatus::ComparingRow, m_passLine + 1);
            m_rowLines[static_cast<std::size_t>(m_passLine)]->compareWithCells();
        }
    } else if (m_passLine < m_puzzle.width) {
        m_observer.statusText(SolverStatus::ComparingColumn, m_passLine + 1);
        m_columnLines[static_cast<std::size_t>(m_passLine)]->compareWithCells();
    } else {
        endOfSweep();
    }
    m_busy = false;
    return true;
}

void SolverDriver::stop()
{
    if (!m_stepping)
        return;
    m_context.stopRequested = true;
    m_stepping = false;
    m_observer.statusText(SolverStatus::TestStopped, 0);
    m_observer.testEnded(SolverOutcome::Stopped);
}

void SolverDriver::resetConfirmations()
{
    for (int y = 0; y < m_puzzle.height; ++y)
        for (int x = 0; x < m_puzzle.width; ++x)
            for (int q = 0; q < PaletteSize; ++q)
                if (m_knowledge.canBe(x, y, q) == ColorConfirmed && m_knowledge.state(x, y) != q + 1)
                    m_knowledge.setCanBe(x, y, q, ColorOpen);
}

bool SolverDriver::solved() const
{
    for (int y = 0; y < m_puzzle.height; ++y)
        for (int x = 0; x < m_puzzle.width; ++x)
            if (m_knowledge.state(x, y) != m_puzzle.cell(x, y) + 1)
                return false;
    return true;
}

void SolverDriver::endOfSweep()
{
    m_passLine = -1;
    m_passIsRows = true;
    m_knowledge.columnChanged.fill(false);
    runCompletionCycles();
    m_observer.statusText(SolverStatus::Clear, 0);
    ++m_sweeps;

    if (solved()) {
        finishTest();
        m_observer.testEnded(SolverOutcome::Solved);
        return;
    }
    // Every cell set in this sweep is progress, whether a comparison or a
    // completion cycle set it.
    if (m_knowledge.someCellSet || m_knowledge.cellsSet != m_cellsSetAtSweepStart)
        return;
    const auto complete = [](const std::unique_ptr<LineSolver>& line) { return line->isCompleteOrDone(); };
    if (std::all_of(m_rowLines.begin(), m_rowLines.end(), complete)
        && std::all_of(m_columnLines.begin(), m_columnLines.end(), complete)) {
        finishTest();
        m_observer.testEnded(SolverOutcome::Stuck);
        return;
    }
    for (auto& line : m_rowLines)
        line->tightenGapBounds();
    for (auto& line : m_columnLines)
        line->tightenGapBounds();
    // Regenerating from a state seen before an earlier regeneration would
    // repeat the same sweeps for ever: the try limit is at its cap and no
    // list can grow. End the test as when the limits are exhausted.
    // Only states that can come back are remembered: until the try limit
    // reaches its cap it grows at every regeneration, and a regeneration that
    // doubles the placement limit leaves every later state with a larger one
    // (and followed no earlier state equal to this one, or the limit would
    // be larger now).
    if (m_context.maxTries >= TriesCeiling && !placementLimitWillDouble()
        && !m_seenBeforeRegeneration.insert(fingerprint()).second) {
        m_endless = true;
        finishTest();
        m_observer.testEnded(SolverOutcome::LimitsExhausted);
        return;
    }
    regenerateLists();
}

bool SolverDriver::placementLimitWillDouble()
{
    // Dropping misfits never makes a list longer, so only lists that are
    // too long now need their placements tested; the first one that stays
    // too long decides.
    const std::int32_t fourFifths =
        static_cast<std::int32_t>(4 * static_cast<std::int64_t>(m_context.maxPlacements) / 5);
    const auto outgrows = [&](const std::unique_ptr<LineSolver>& line) {
        return exceedsFourFifths(line->placementCount(), m_context.maxPlacements) && line->keepsMoreThan(fourFifths);
    };
    return std::any_of(m_rowLines.begin(), m_rowLines.end(), outgrows)
           || std::any_of(m_columnLines.begin(), m_columnLines.end(), outgrows);
}

std::pair<std::uint64_t, std::uint64_t> SolverDriver::fingerprint() const
{
    FingerprintMix mix;
    for (int y = 0; y < m_puzzle.height; ++y) {
        for (int x = 0; x < m_puzzle.width; ++x) {
            std::uint64_t v = m_knowledge.state(x, y);
            for (int q = 0; q < PaletteSize; ++q)
                v = v << 2 | m_knowledge.canBe(x, y, q);
            mix(v);
        }
    }
    std::uint64_t flags = 0;
    for (int y = 0; y < m_puzzle.height; ++y)
        flags = flags << 1 | m_knowledge.rowChanged[static_cast<std::size_t>(y)];
    mix(flags);
    flags = 0;
    for (int x = 0; x < m_puzzle.width; ++x)
        flags = flags << 1 | m_knowledge.columnChanged[static_cast<std::size_t>(x)];
    mix(flags);
    for (const auto& line : m_rowLines)
        line->fingerprint(mix);
    for (const auto& line : m_columnLines)
        line->fingerprint(mix);
    mix(static_cast<std::uint64_t>(m_context.maxPlacements));
    mix(static_cast<std::uint64_t>(m_context.maxTries));
    return {mix.a, mix.b};
}

void SolverDriver::regenerateLists()
{
    ++m_regenerations;
    m_observer.statusText(SolverStatus::CleaningUp, 0);
    // Whether the largest list without its misfits exceeds four fifths of
    // the limit is decided first; when the doubling ends the test, nothing
    // would see the cleaned lists.
    if (placementLimitWillDouble()) {
        m_context.maxPlacements *= 2;
        if (m_context.maxPlacements >= PlacementCeiling) {
            finishTest();
            m_observer.testEnded(SolverOutcome::LimitsExhausted);
            return;
        }
    }
    // Every list drops its misfits, and then the lines enumerate. A line's
    // drop reads only its own list and the cells, which no enumeration
    // changes, so each line drops its misfits just before it enumerates: the
    // work between two runs of the event loop stays short. When a stop ends
    // the regeneration, the lines not reached yet drop theirs all the same.
    m_context.maxTries = std::min(2 * m_context.maxTries, TriesCeiling);
    const std::size_t rows = m_rowLines.size();
    const std::size_t lines = rows + m_columnLines.size();
    const auto line = [&](std::size_t n) -> LineSolver& {
        return n < rows ? *m_rowLines[n] : *m_columnLines[n - rows];
    };
    for (std::size_t n = 0; n < lines; ++n) {
        if (n < rows)
            m_observer.statusText(SolverStatus::ConsideringRow, static_cast<int>(n) + 1);
        else
            m_observer.statusText(SolverStatus::ConsideringColumn, static_cast<int>(n - rows) + 1);
        line(n).dropUnfitPlacements();
        line(n).enumeratePlacements();
        if (m_context.stopRequested) {
            for (std::size_t rest = n + 1; rest < lines; ++rest)
                line(rest).dropUnfitPlacements();
            return;
        }
    }
    // Every line is compared again with its new list.
    m_knowledge.rowChanged.fill(true);
    m_knowledge.columnChanged.fill(true);
}

void SolverDriver::runCompletionCycles()
{
    bool any = false;
    do {
        m_knowledge.someCellSet = false;
        m_observer.statusText(SolverStatus::FinishingBlocks, 0);
        for (auto& line : m_rowLines)
            line->deduceFromRunRanges();
        for (auto& line : m_columnLines)
            line->deduceFromRunRanges();
        any = any || m_knowledge.someCellSet;
    } while (m_knowledge.someCellSet);
    m_knowledge.someCellSet = any;
}

void SolverDriver::finishTest()
{
    m_stepping = false;
    m_finished = true;
    m_observer.statusText(SolverStatus::TestFinished, 0);
    m_rowLines.clear();
    m_columnLines.clear();
}

} // namespace gw
