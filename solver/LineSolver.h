#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "CellKnowledge.h"
#include "PlacementList.h"
#include "core/Clues.h"

namespace gw {

class SolverObserver;

// The size of the line solver's per-run working arrays: a line of 50 cells
// holds at most 50 runs, and some arrays look one past the last run.
constexpr int RunSlots = MaxPuzzleSize + 1;

// What every line of one computer test shares: the cell knowledge, the
// observer, the two limits, the stop request, and the memory of the
// placement lists. Owned by the driver (or by a test); lines keep a reference
// and must not outlive it.
struct SolverContext {
    SolverContext(CellKnowledge& cells, SolverObserver* obs) : knowledge(cells), observer(obs) { }

    CellKnowledge& knowledge;
    SolverObserver* observer;         // may be null
    std::int32_t maxPlacements = 50;  // placements per line
    std::int32_t maxTries = 200;      // candidates built in a row without a fit
    bool stopRequested = false;       // looked at after every processEvents
    std::int32_t largestList = 0;     // largest placementCount() seen (statistics only)
    std::int64_t candidatesBuilt = 0; // candidates built by every enumeration (statistics only)
    // Scratch of the line that is enumerating: the sizes of its blocks of
    // gap vectors (LineSolverEnumeration.cpp).
    std::vector<std::int64_t> blockSizes;
    // The memory of every line's placement list.
    PlacementPool placementPool;

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

// The cells of a line that cannot take each colour of its clue (by colour
// slot, see LineSolver) or white: what an enumeration or a test of the
// placements reads of the cells.
struct ImpossibleCells {
    std::array<std::uint64_t, PaletteSize> bySlot {};
    std::uint64_t white = 0;

    bool operator==(const ImpossibleCells& other) const { return bySlot == other.bySlot && white == other.white; }
    bool operator!=(const ImpossibleCells& other) const { return !(*this == other); }
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
// them, runs of different colours may touch. The list keeps a placement as
// the set of cells it colours (PlacementList): the runs fill them in order.
// The distinct colours of the clue are numbered as colour slots, in the
// order they first occur.
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
    // Whether dropUnfitPlacements would now return more than `bound`,
    // without changing anything. It tests the placements only where cheap
    // bounds do not decide; a dropUnfitPlacements before the next setCell
    // reuses those tests.
    bool keepsMoreThan(std::int32_t bound);

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
    std::int32_t placementCount() const { return static_cast<std::int32_t>(m_list.size()); }
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
    // What the last enumeration did. The enumeration is a function of the
    // cells' impossible colours and the gap bounds: the next one, when those
    // are the same and the try limit is no smaller, finds the same
    // placements with the same counts first, so it takes them from the list
    // (where they still are, all fitting) and searches on from where the
    // last one stopped.
    struct EnumerationRecord {
        static constexpr std::uint16_t LongTries = 0xFFFF;

        bool usable = false;
        ImpossibleCells cells;
        std::array<std::int16_t, RunSlots> minGap {};
        std::array<std::int16_t, RunSlots> maxGap {};
        std::int32_t maxTries = 0;
        std::size_t first = 0; // the list index of its first placement
        // By placement found: the candidates its search call counted
        // (LongTries: the next entry of longTries).
        std::vector<std::uint16_t> tries;
        std::vector<std::int64_t> longTries;
        // Where a search candidate by candidate stood when the try limit
        // aborted it.
        bool searchSaved = false;
        std::array<std::int16_t, RunSlots> gaps {};
        int gapSum = 0;
        Candidate candidate;
        int failPos = -1;
        std::int64_t callTries = 0;

        void addTries(std::int64_t count)
        {
            tries.push_back(count < LongTries ? static_cast<std::uint16_t>(count) : LongTries);
            if (count >= LongTries)
                longTries.push_back(count);
        }
    };
    // A stretch of cells that one run can belong to.
    struct Stretch {
        int start;
        int length;
        bool holdsRunColor; // a known cell of the run's colour lies in it
    };

    // The enumeration, in LineSolverEnumeration.cpp. Each findNext* moves
    // to the next candidate that fits; false when there is none (or the
    // enumeration was aborted).
    void startSearch();
    // Sets the search up to go on after the placements of m_record that the
    // current enumeration repeated; false when the search call ends at once.
    bool resumeSearch(std::size_t repeated);
    // Sets m_gaps to the gap vector of a placement given by its coloured cells.
    void setGapsOf(std::uint64_t colored);
    bool findNextByCandidates();
    bool findNextByBlocks();
    void prepareBlockSearch();
    void computeFittingStarts();
    // Counts `count` more candidates of the current search call, all misfits
    // but the last when `lastFits`, running the event loop and applying the
    // try limit as building them one by one would; false when the call ends
    // among them (aborted or stopped).
    bool countCandidates(std::int64_t count, bool lastFits);
    // Tests a placement given by colour-slot masks: returns the first cell
    // that cannot take its value, or -1 when the placement fits.
    int firstMisfit(const std::uint64_t* slotMasks, std::uint64_t white) const
    {
        std::uint64_t misfit = white & m_impossible.white;
        for (int s = 0; s < m_slots; ++s)
            misfit |= slotMasks[s] & m_impossible.bySlot[static_cast<std::size_t>(s)];
        return misfit ? __builtin_ctzll(misfit) : -1;
    }
    // Takes the cells' possible colours into m_impossible (they do not change
    // while placements are tested).
    void loadImpossibleCells();
    // Builds what placementFits needs from the masks loadImpossibleCells loaded.
    void prepareFitTest();
    // Whether a placement given by its coloured cells fits the cells (every
    // value it gives a cell is still possible there).
    bool placementFits(std::uint64_t colored) const;
    // The palette masks of a placement given by its coloured cells.
    std::array<std::uint64_t, PaletteSize> colorMasks(std::uint64_t colored) const;
    void buildCandidate();
    // A pass of tests of the list against the cells as they are now: when
    // the valid placements from 1 on fitted the cells at the list's last
    // verification and only colours have become impossible since, those
    // colours alone are looked at.
    struct FitPass {
        bool sinceVerified = false;
        ImpossibleCells newly;    // the colours that have become impossible
        std::uint64_t partly = 0; // the cells where some colour but not every one has
    };
    FitPass beginFitPass();
    // Whether valid placement p, given by its coloured cells, fits.
    bool fitsInPass(const FitPass& pass, std::uint64_t colored, std::size_t p) const;
    // The colours the valid placements that fit give the cells (by colour
    // slot, and white); a placement that does not fit becomes invalid.
    void gatherConfirmedColors(const FitPass& pass, std::array<std::uint64_t, PaletteSize>& confirmed,
                               std::uint64_t& confirmedWhite);
    // Tests every placement into its mark (PlacementList), marking none invalid.
    void testPlacements();
    bool fitsAreFresh() const;
    // The colours that have become impossible since the list was verified
    // (and the cells where some colour has); false when the list is not
    // verified or some colour has become possible again since.
    bool newlyImpossible(ImpossibleCells& newly, std::uint64_t& newlyColored) const;
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
    // The enumeration's candidates and the impossible colours are kept by
    // colour slot, not by palette colour.
    std::array<std::uint8_t, RunSlots> m_runSlot {};      // colour slot of run k
    std::array<std::uint8_t, PaletteSize> m_slotColor {}; // palette index of each colour slot
    int m_slots = 0;

    // The enumeration: the gap vector of the current candidate (an odometer
    // whose fastest digit is gap 0) and its sum; in the current search call
    // the candidates built and the first misfit of the last one (-1: none).
    std::array<std::int16_t, RunSlots> m_gaps {};
    int m_gapSum = 0;
    std::int64_t m_callTries = 0;
    int m_failPos = -1;
    // The search by blocks: whether it is used and has begun; by k, where a
    // head of runs 0..k-1 that fits can end (the cell after it), where run k
    // can start with the runs after it laid by the current gaps and the cells
    // those runs colour (run k starting at cell 0), and the minimum gaps
    // before run k summed.
    bool m_searchByBlocks = false;
    bool m_searchStarted = false;
    std::array<std::uint64_t, RunSlots + 1> m_headFits {};
    std::array<std::uint64_t, RunSlots> m_tailFits {};
    std::array<std::uint64_t, RunSlots> m_tailCells {};
    std::array<std::int16_t, RunSlots + 1> m_minGapSumBelow {};
    EnumerationRecord m_record;
    std::array<std::int16_t, RunSlots> m_minGap {};
    std::array<std::int16_t, RunSlots> m_maxGap {};
    Candidate m_candidate;
    // For the candidate after a carry into gap k: runs 0..k-1 packed to the
    // left by colour slot at [k * slots ...], and the sums of the minimum
    // gaps and of the lengths before run k.
    std::vector<std::uint64_t> m_packedPrefix;
    std::array<std::int16_t, RunSlots> m_minPrefix {};
    std::array<std::int16_t, RunSlots> m_lengthPrefix {};
    ImpossibleCells m_impossible;

    // Testing stored placements. A placement's runs are found one by one in
    // its coloured cells, or, when the line has fewer white cells than runs,
    // its cells are taken a stretch between two white cells at a time: a
    // coloured cell with w white cells before it is clue cell i - w (the
    // clue's runs laid end to end, "clue cells"), whose colour is known.
    std::array<std::uint64_t, RunSlots> m_runBits {};          // length(k) low bits
    std::array<std::uint64_t, PaletteSize> m_slotClueCells {}; // by colour slot: the clue cells of that colour
    std::array<std::uint8_t, MaxPuzzleSize> m_clueCellSlot {}; // by clue cell: its colour slot
    bool m_testByWhiteCells = false;
    std::uint64_t m_noColor = 0;                            // the cells that can take no colour of the clue
    std::array<std::uint64_t, RunSlots> m_fittingStarts {}; // by run: the cells it can start at
    // By number of white cells before a coloured cell: the cells that cannot
    // take the colour of the clue cell they would hold.
    std::array<std::uint64_t, MaxPuzzleSize + 1> m_misfitAfterWhites {};

    PlacementList m_list;
    // Every valid placement from 1 on fits cells whose impossible colours
    // are m_verifiedAgainst: they need no test while those stay the same.
    bool m_verified = false;
    ImpossibleCells m_verifiedAgainst;
    // Results of testPlacements: the marks of the placements that fit.
    std::size_t m_keptAbove = 0;      // fitting placements from 1 on
    std::uint64_t m_fitsCellsSet = 0; // CellKnowledge::cellsSet when the list was tested
    std::size_t m_fitsCount = 0;      // the size of the list then
    ImpossibleCells m_fitsAgainst;    // the cells' impossible colours then
    // The last answer of keepsMoreThan, while the cells and the list stay.
    struct KeepsAnswer {
        bool known = false;
        std::int32_t bound = 0;
        std::uint64_t cellsSet = 0;
        std::size_t size = 0;
        bool answer = false;
    };
    KeepsAnswer m_lastKeeps;
    // What the last comparison confirmed, while the cells' impossible colours
    // and the distinct valid placements stay as they were then (placements
    // repeated by an enumeration add none).
    struct Comparison {
        bool known = false;
        ImpossibleCells against;
        std::array<std::uint64_t, PaletteSize> confirmed {};
        std::uint64_t confirmedWhite = 0;
    };
    Comparison m_lastComparison;
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
    // little; each term depends on its slot number, so order counts. A
    // placement is hashed by its coloured cells, which fix it.
    mix(m_list.cellSum());
    mix(m_list.validitySum());
    mix(static_cast<std::uint64_t>(m_list.size()));
}

} // namespace gw
