#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "CellKnowledge.h"
#include "core/Clues.h"

namespace gw {

class SolverObserver;

// What every line of one computer test shares: the cell knowledge, the
// observer, the two limits and the stop request. Owned by the driver (or by a
// test); lines keep a reference and must not outlive it.
struct SolverContext {
    SolverContext(CellKnowledge& cells, SolverObserver* obs) : knowledge(cells), observer(obs) { }

    CellKnowledge& knowledge;
    SolverObserver* observer;         // may be null
    std::int32_t maxPlacements = 50;  // placements per line
    std::int32_t maxTries = 200;      // candidates built in a row without a fit
    bool stopRequested = false;       // looked at after every processEvents
    std::int32_t largestList = 0;     // largest placementCount() seen (statistics only)
    std::int64_t candidatesBuilt = 0; // candidates built by every enumeration (statistics only)

    void processEvents();
};

enum class Orientation : std::uint8_t { Row, Column };

// One placement of a line's clue, as a copy for inspection: the cell value
// (palette index + 1) of each of the line's L cells, and whether it still
// fitted the last time it was tested.
class Placement {
public:
    Placement() = default;
    Placement(int length, const std::array<std::uint64_t, PaletteSize>& masks, bool valid);

    // Cell value 1..8 at 0 <= index < L.
    std::uint8_t cellValue(int index) const;
    // False once the placement was found not to fit; it never fits again.
    bool isValid() const { return m_valid; }
    // The cells as text: '#' black, '.' white, R B Y G M A for the colours.
    std::string toString() const;

private:
    int m_length = 0;
    std::array<std::uint64_t, PaletteSize> m_masks {}; // by palette index: bit i = cell i has that colour
    bool m_valid = false;
};

// One row or column of the computer test (how the test works as a whole is
// told in SolverDriver.h). It keeps the list of its clue's placements that
// may still fit the cells, and the ranges its runs can still take.
//
// Cell i of the line is (i, lineNumber) for a row and (lineNumber, i) for a
// column; its length L is the puzzle's width or height. Cell values are
// palette index + 1, as the cell states. A placement is a gap vector: gap 0
// is the number of white cells before run 0, gap k the number between run
// k-1 and run k; gap k stays within minGap(k)..maxGap(k) and the gaps and the
// runs fit in L. Runs of the same colour need at least one cell between
// them, runs of different colours may touch.
//
// Every method reads and writes the shared cell knowledge through the
// context; cells are written only through setCell. enumeratePlacements calls
// SolverContext::processEvents and returns early when stopRequested is set.
class LineSolver {
public:
    LineSolver(Orientation orientation, const ClueTables& clues, SolverContext& context);

    // The placement list.

    // Takes the clue of row or column `lineNumber` and forgets everything
    // else: empty list, gap bounds and run ranges as wide as the clue allows.
    // A line with an empty clue is set white and its list is complete at once.
    void initialize(std::int16_t lineNumber);
    // Appends the placements that fit the cells, in order from the first
    // (runs packed to the left; gap 0 changes fastest, the last gap slowest),
    // until the list holds SolverContext::maxPlacements (the list stays
    // incomplete), maxTries candidates in a row do not fit (aborted), or the
    // placements run out (complete). The list is not emptied first, so a
    // placement kept by dropUnfitPlacements can be in it twice. Does nothing
    // for a done line or a complete list.
    void enumeratePlacements();
    // Drops the placements that no longer fit the cells, keeping the order of
    // the others; the last placement left is never dropped. Returns the size
    // of the list (0 for a done line).
    std::int32_t dropUnfitPlacements();
    // What dropUnfitPlacements would return now, without changing anything;
    // a dropUnfitPlacements before the next setCell reuses its tests.
    std::int32_t countAfterDroppingUnfit();

    // Deduction.

    // When the line has changed since its last comparison and its list is
    // complete (an incomplete list proves nothing): every colour that a
    // placement still fitting gives a cell is confirmed; an open cell loses
    // the colours no such placement confirmed, and is set when exactly one is
    // left.
    void compareWithCells();
    // The list holds every placement, or the line is done: no regeneration
    // can give this line anything new.
    bool isCompleteOrDone() const { return m_lineDone || m_enumerationComplete; }
    // Moves the run ranges into the gap bounds, so that the next enumeration
    // builds only placements inside them.
    void tightenGapBounds();
    // One completion cycle: deduces cells and narrower run ranges from the
    // cells known now, without the placement list (see the steps in
    // LineSolverDeduction.cpp).
    void deduceFromRunRanges();

    // Inspection (tests, statistics, the endless-test fingerprint).
    Orientation orientation() const { return m_orientation; }
    std::int16_t lineNumber() const { return m_lineNumber; }
    int length() const { return m_length; }
    int runCount() const { return m_runs; }
    std::int32_t placementCount() const { return static_cast<std::int32_t>(m_valid.size()); }
    Placement placement(int p) const;
    bool enumerationComplete() const { return m_enumerationComplete; }
    bool enumerationAborted() const { return m_enumerationAborted; }
    // Every coloured cell of the line is known; the line is skipped from now on.
    bool lineDone() const { return m_lineDone; }
    int minGap(int k) const { return m_minGap[static_cast<std::size_t>(k)]; }
    int maxGap(int k) const { return m_maxGap[static_cast<std::size_t>(k)]; }
    // The first cell run k can start at, the last cell it can end at.
    int earliestStart(int k) const { return m_earliestStart[static_cast<std::size_t>(k)]; }
    int latestEnd(int k) const { return m_latestEnd[static_cast<std::size_t>(k)]; }
    // Cell i can be part of run k.
    bool canBelong(int k, int i) const { return (m_canBelong[static_cast<std::size_t>(k)] >> i) & 1u; }
    // The only run that can hold cell i, -1 when none does or none was assigned.
    int runOf(int i) const { return m_runOf[static_cast<std::size_t>(i)]; }
    // False once cell i is known to be coloured.
    bool mayBeWhite(int i) const { return m_mayBeWhite[static_cast<std::size_t>(i)]; }
    // The position of run k is fixed.
    bool runDone(int k) const { return m_runDone[static_cast<std::size_t>(k)]; }
    // Feeds every field that decides the line's future into `mix`.
    template <typename Mix> void fingerprint(Mix& mix) const;

private:
    // The candidate being built by the enumeration.
    struct Candidate {
        std::array<std::uint64_t, PaletteSize> masks {}; // by colour slot (see m_slotColor)
        std::uint64_t white = 0;
        std::int16_t gap0 = 0; // gap 0 as it was built with
        bool built = false;    // built in the current enumeration
    };
    // A stretch of cells that one run can belong to.
    struct Stretch {
        int start;
        int length;
        bool holdsRunColor; // a known cell of the run's colour lies in it
    };

    // Moves to the next candidate that fits; false when there is none (or
    // the enumeration was aborted).
    bool findNextPlacement();
    // Tests a placement given by colour-slot masks: returns the first cell
    // that cannot take its value, or -1 when the placement fits.
    int firstMisfit(const std::uint64_t* slotMasks, std::uint64_t white) const
    {
        std::uint64_t misfit = white & m_impossibleWhite;
        for (int s = 0; s < m_slots; ++s)
            misfit |= slotMasks[s] & m_impossible[static_cast<std::size_t>(s)];
        return misfit ? __builtin_ctzll(misfit) : -1;
    }
    // Takes the cells' possible colours into m_impossible (they do not change
    // while placements are tested).
    void loadImpossibleCells();
    // Whether stored placement p still fits; a misfit marks it invalid for good.
    bool storedPlacementFits(std::size_t p)
    {
        if (!m_valid[p])
            return false;
        const std::uint64_t* masks = &m_masks[p * static_cast<std::size_t>(m_slots)];
        std::uint64_t colored = 0;
        std::uint64_t misfit = 0;
        for (int s = 0; s < m_slots; ++s) {
            colored |= masks[s];
            misfit |= masks[s] & m_impossible[static_cast<std::size_t>(s)];
        }
        misfit |= lineMask() & ~colored & m_impossibleWhite;
        if (!misfit)
            return true;
        m_valid[p] = 0;
        return false;
    }
    void buildCandidate();
    // Tests every placement into m_fits, marking none invalid.
    void testPlacements();
    bool fitsAreFresh() const;
    void preparePackedPrefixes();

    // The steps of deduceFromRunRanges, in LineSolverDeduction.cpp.
    void setUpRunRanges();
    void excludeRunsFromKnownCells();
    void assignCellsToRuns();
    void stopRunsAtWalls();
    void excludeStretchesLongerThanRuns();
    void whitenAroundCompleteRuns();
    void fillRunOverlaps();
    int collectStretches(int k, std::array<Stretch, MaxPuzzleSize>& stretches) const;
    int fallbackStretch(int k, const std::array<Stretch, MaxPuzzleSize>& stretches, int count) const;
    void trimRangesToCellsTheyCanHold();
    void keepRunsInOrder();
    void finishWhenEveryColoredCellIsKnown();

    int cellX(int i) const { return m_orientation == Orientation::Row ? i : m_lineNumber; }
    int cellY(int i) const { return m_orientation == Orientation::Row ? m_lineNumber : i; }
    std::uint8_t state(int i) const { return m_context.knowledge.state(cellX(i), cellY(i)); }
    std::uint8_t canBe(int i, int q) const { return m_context.knowledge.canBe(cellX(i), cellY(i), q); }
    std::uint64_t possible(int q) const;
    void setCell(int i, std::uint8_t value);
    bool lineChanged() const;
    std::uint32_t writeCount() const;
    int runLength(int k) const { return m_runLength[static_cast<std::size_t>(k)]; }
    int runColor(int k) const { return m_runColor[static_cast<std::size_t>(k)]; }
    std::uint64_t lineMask() const { return m_length >= 64 ? ~std::uint64_t {0} : (std::uint64_t {1} << m_length) - 1; }
    // Runs `from`..`to` can no longer hold the cells whose bits are in `cells`.
    void excludeCells(int from, int to, std::uint64_t cells);
    void whiteIfUnknown(int i);
    // The states of the line's cells during deduceFromRunRanges (no other
    // line writes them meanwhile); setKnown writes through setCell.
    std::uint8_t known(int i) const { return m_known[static_cast<std::size_t>(i)]; }
    void setKnown(int i, std::uint8_t value);

    const Orientation m_orientation;
    const ClueTables& m_clues;
    SolverContext& m_context;

    std::int16_t m_lineNumber = 0;
    int m_length = 0;
    int m_runs = 0;
    bool m_enumerationComplete = false;
    bool m_enumerationAborted = false;
    bool m_lineDone = false;
    int m_runTotal = 0; // the sum of the run lengths

    std::array<std::uint8_t, RunSlots> m_runLength {};
    std::array<std::uint8_t, RunSlots> m_runColor {};
    // The placements store one mask per colour of the clue (a colour slot),
    // not one per palette colour.
    std::array<std::uint8_t, RunSlots> m_runSlot {};      // colour slot of run k
    std::array<std::uint8_t, PaletteSize> m_slotColor {}; // palette index of each colour slot
    int m_slots = 0;

    // The enumeration: the gap vector of the current candidate (an odometer
    // whose fastest digit is gap 0) and its sum.
    std::array<std::int16_t, RunSlots> m_gaps {};
    int m_gapSum = 0;
    std::array<std::int16_t, RunSlots> m_minGap {};
    std::array<std::int16_t, RunSlots> m_maxGap {};
    Candidate m_candidate;
    // For the candidate after a carry into gap k: runs 0..k-1 packed to the
    // left by colour slot at [k * slots ...], and the sums of the minimum
    // gaps and of the lengths before run k.
    std::vector<std::uint64_t> m_packedPrefix;
    std::array<std::int16_t, RunSlots> m_minPrefix {};
    std::array<std::int16_t, RunSlots> m_lengthPrefix {};
    std::array<std::uint64_t, PaletteSize> m_impossible {}; // by colour slot: cells that cannot have it
    std::uint64_t m_impossibleWhite = 0;

    // The list: slot masks of placement p at m_masks[p * m_slots ...].
    std::vector<std::uint64_t> m_masks;
    std::vector<std::uint8_t> m_valid;
    // Results of testPlacements: fits (valid and fitting) per placement.
    std::vector<std::uint8_t> m_fits;
    std::size_t m_keptAbove = 0;      // fitting placements from 1 on
    std::uint64_t m_fitsCellsSet = 0; // CellKnowledge::cellsSet when m_fits was made
    bool m_fitsFresh = false;

    std::array<std::int16_t, RunSlots> m_earliestStart {};
    std::array<std::int16_t, RunSlots> m_latestEnd {};
    std::array<std::uint64_t, RunSlots> m_canBelong {}; // bit i: cell i can be part of run k
    std::array<std::int8_t, MaxPuzzleSize> m_runOf {};
    std::array<bool, MaxPuzzleSize> m_mayBeWhite {};
    std::array<bool, RunSlots> m_runDone {};

    // deduceFromRunRanges reads only the line's own data and its cells'
    // states. When a call changed neither, the next one cannot either until
    // a cell of the line is set or the gap bounds change: it is skipped.
    std::array<std::uint8_t, MaxPuzzleSize> m_known {};
    bool m_settled = false;
    std::uint32_t m_settledWrites = 0;
};

template <typename Mix> void LineSolver::fingerprint(Mix& mix) const
{
    mix(static_cast<std::uint64_t>(m_lineDone) | static_cast<std::uint64_t>(m_enumerationComplete) << 1
        | static_cast<std::uint64_t>(m_enumerationAborted) << 2);
    for (int k = 0; k < m_runs; ++k) {
        const auto s = static_cast<std::size_t>(k);
        mix(static_cast<std::uint64_t>(static_cast<std::uint16_t>(m_minGap[s]))
            | static_cast<std::uint64_t>(static_cast<std::uint16_t>(m_maxGap[s])) << 16
            | static_cast<std::uint64_t>(static_cast<std::uint16_t>(m_earliestStart[s])) << 32
            | static_cast<std::uint64_t>(static_cast<std::uint16_t>(m_latestEnd[s])) << 48);
        mix(m_canBelong[s] ^ (static_cast<std::uint64_t>(m_runDone[s]) << 63));
    }
    for (int i = 0; i < m_length; ++i) {
        const auto s = static_cast<std::size_t>(i);
        mix(static_cast<std::uint64_t>(static_cast<std::uint8_t>(m_runOf[s]))
            | static_cast<std::uint64_t>(m_mayBeWhite[s]) << 8);
    }
    // The placements in bulk: independent terms, so that a long list costs
    // little; each term depends on its slot number, so order counts.
    std::uint64_t sum = 0;
    std::uint64_t salt = 0;
    const std::size_t words = m_masks.size();
    for (std::size_t w = 0; w < words; ++w) {
        salt += 0x9E3779B97F4A7C15ull;
        sum += (m_masks[w] ^ salt) * 0xBF58476D1CE4E5B9ull;
    }
    std::uint64_t validity = 0;
    salt = 0;
    for (std::size_t p = 0; p < m_valid.size(); ++p) {
        salt += 0xD6E8FEB86659FD93ull;
        validity += (std::uint64_t {0} - m_valid[p]) & salt;
    }
    mix(sum);
    mix(validity);
    mix(static_cast<std::uint64_t>(m_valid.size()));
}

} // namespace gw
