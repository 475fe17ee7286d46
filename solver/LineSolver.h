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
    SolverContext(CellKnowledge& cells, SolverObserver* obs) : knowledge(cells), observer(obs) {}

    CellKnowledge& knowledge;
    SolverObserver* observer;             // may be null
    std::int32_t MaxPlacements = 50;      // placements per line
    std::int32_t MaxTries = 200;          // candidates built in a row without a fit
    bool StopTest = false;                // stop request, looked at after processEvents
    std::int32_t LargestList = 0;         // largest PlacementCount seen (statistics only)
    std::int64_t CandidatesBuilt = 0;     // candidates built by every enumeration (statistics only)

    void processEvents();
};

enum class Orientation : std::uint8_t { Row, Column };

// One placement of a line's clue (clsMogelijkheidH / clsMogelijkheidV): the
// cell value (palette index + 1) of each of the line's L cells, as one bit
// mask per palette colour, and whether it still fitted the last time it was
// tested.
class Placement {
public:
    Placement() = default;
    Placement(int length, const std::array<std::uint64_t, PaletteSize>& masks, bool valid);

    // Cell value 1..8 at 0 <= index < L.
    std::uint8_t getPixel(int index) const;
    bool IsOngeldig() const { return !m_valid; }
    // The cells as text: '#' black, '.' white, R B Y G M A for the colours.
    std::string toString() const;

private:
    int m_length = 0;
    std::array<std::uint64_t, PaletteSize> m_masks{};
    bool m_valid = false;
};

using clsMogelijkheidH = Placement;
using clsMogelijkheidV = Placement;

// A row or column of the computer test (clsTestRijH / clsTestRijV): its
// candidate placements and what it has deduced about its runs. Every method
// reads and writes the shared cell knowledge through the context; cells are
// written only through setCell. Methods that enumerate (GenereerMogelijkheden)
// call SolverContext::processEvents and return early when StopTest is set.
class LineSolver {
public:
    LineSolver(Orientation orientation, const ClueTables& clues, SolverContext& context);

    // Candidate placements.
    void InitTestRij(std::int16_t srcNr);
    void GenereerMogelijkheden();
    std::int32_t GarbageCollection();
    // What GarbageCollection would return now, without changing anything; a
    // GarbageCollection before the next setCell reuses its tests.
    std::int32_t countAfterGarbageCollection();

    // Deduction.
    void VergelijkZooi();
    bool CompleetOfKlaar() const { return m_lineDone || m_generationComplete; }
    void ExtraAanvullingen();
    void UpdateKanHorenBij();

    // Inspection (tests, statistics, the endless-test fingerprint).
    Orientation orientation() const { return m_orientation; }
    std::int16_t LineNr() const { return m_lineNr; }
    int length() const { return m_length; }
    int runCount() const { return m_runs; }
    std::int32_t PlacementCount() const { return static_cast<std::int32_t>(m_valid.size()); }
    Placement placement(int p) const;
    bool GenerationComplete() const { return m_generationComplete; }
    bool GenerationAborted() const { return m_generationAborted; }
    bool LineDone() const { return m_lineDone; }
    int MinGap(int k) const { return m_minGap[static_cast<std::size_t>(k)]; }
    int MaxGap(int k) const { return m_maxGap[static_cast<std::size_t>(k)]; }
    int EarliestStart(int k) const { return m_earliestStart[static_cast<std::size_t>(k)]; }
    int LatestEnd(int k) const { return m_latestEnd[static_cast<std::size_t>(k)]; }
    bool CanBelong(int k, int i) const { return (m_canBelong[static_cast<std::size_t>(k)] >> i) & 1u; }
    int BlockOf(int i) const { return m_blockOf[static_cast<std::size_t>(i)]; }
    bool MaybeWhite(int i) const { return m_maybeWhite[static_cast<std::size_t>(i)]; }
    bool RunDone(int k) const { return m_runDone[static_cast<std::size_t>(k)]; }
    // Feeds every field that decides the line's future into `mix`.
    template <typename Mix> void fingerprint(Mix& mix) const;

private:
    struct Candidate {
        std::array<std::uint64_t, PaletteSize> masks{}; // by colour slot (see m_slotColour)
        std::uint64_t white = 0;
        std::int16_t gap0 = 0; // Gaps(0) it was built with
        bool built = false;    // built in the current enumeration
    };

    bool NextPlacement();
    // PastMogelijkheid for masks given by colour slot: returns the first cell
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
    void loadPossible();
    // PastMogelijkheid of stored placement p: false (and p invalid) on a misfit.
    bool storedFits(std::size_t p)
    {
        if (!m_valid[p])
            return false;
        const std::uint64_t* masks = &m_masks[p * static_cast<std::size_t>(m_slots)];
        std::uint64_t coloured = 0;
        std::uint64_t misfit = 0;
        for (int s = 0; s < m_slots; ++s) {
            coloured |= masks[s];
            misfit |= masks[s] & m_impossible[static_cast<std::size_t>(s)];
        }
        misfit |= lineMask() & ~coloured & m_impossibleWhite;
        if (!misfit)
            return true;
        m_valid[p] = 0;
        return false;
    }
    void buildCandidate();
    // PastMogelijkheid of every placement into m_fits, nothing marked.
    void testPlacements();
    bool fitsAreFresh() const;
    void preparePackedPrefixes();

    void SetupRanges();
    void AssignRuns();
    void stepKnownCells();
    void stepWalls();
    void stepRunsTooLong();
    void stepCompleteRuns();
    void stepOverlap();
    void stepShrink();
    void stepOrder();
    void stepDoneCheck();

    int cellX(int i) const { return m_orientation == Orientation::Row ? i : m_lineNr; }
    int cellY(int i) const { return m_orientation == Orientation::Row ? m_lineNr : i; }
    std::uint8_t state(int i) const { return m_context.knowledge.state(cellX(i), cellY(i)); }
    std::uint8_t canBe(int i, int q) const { return m_context.knowledge.canBe(cellX(i), cellY(i), q); }
    std::uint64_t possible(int q) const;
    void setCell(int i, std::uint8_t value);
    bool changedFlag() const;
    std::uint32_t stamp() const;
    int runLength(int k) const { return m_runLength[static_cast<std::size_t>(k)]; }
    int runColour(int k) const { return m_runColour[static_cast<std::size_t>(k)]; }
    std::uint64_t lineMask() const { return m_length >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << m_length) - 1; }
    // Runs `from`..`to` can no longer hold the cells whose bits are in `cells`.
    void excludeCells(int from, int to, std::uint64_t cells);
    void whiteIfUnknown(int i);
    // The states of the line's cells during UpdateKanHorenBij (no other line
    // writes them meanwhile); setKnown writes through setCell.
    std::uint8_t known(int i) const { return m_known[static_cast<std::size_t>(i)]; }
    void setKnown(int i, std::uint8_t value);

    const Orientation m_orientation;
    const ClueTables& m_clues;
    SolverContext& m_context;

    std::int16_t m_lineNr = 0;
    int m_length = 0;
    int m_runs = 0;
    bool m_generationComplete = false;
    bool m_generationAborted = false;
    bool m_lineDone = false;
    int m_runTotal = 0;
    std::int16_t m_failPos = -1;

    std::array<std::uint8_t, RunSlots> m_runLength{};
    std::array<std::uint8_t, RunSlots> m_runColour{};
    std::array<std::uint8_t, RunSlots> m_runSlot{};      // colour slot of run k
    std::array<std::uint8_t, PaletteSize> m_slotColour{}; // palette index of each colour slot
    int m_slots = 0;

    std::array<std::int16_t, RunSlots> m_gaps{};
    int m_gapSum = 0;
    std::array<std::int16_t, RunSlots> m_minGap{};
    std::array<std::int16_t, RunSlots> m_maxGap{};
    Candidate m_candidate;
    // For the candidate after a carry into gap k: runs 0..k-1 packed to the
    // left by colour slot at [k * slots ...], and the sums of the minimum
    // gaps and of the lengths before run k.
    std::vector<std::uint64_t> m_packedPrefix;
    std::array<std::int16_t, RunSlots> m_minPrefix{};
    std::array<std::int16_t, RunSlots> m_lengthPrefix{};
    std::array<std::uint64_t, PaletteSize> m_impossible{}; // by colour slot: cells that cannot have it
    std::uint64_t m_impossibleWhite = 0;

    // The list: slot masks of placement p at m_masks[p * m_slots ...].
    std::vector<std::uint64_t> m_masks;
    std::vector<std::uint8_t> m_valid;
    // Results of testPlacements: fits (valid and fitting) per placement.
    std::vector<std::uint8_t> m_fits;
    std::size_t m_keptAbove = 0; // fitting placements from 1 on
    std::uint64_t m_fitsSetCount = 0;
    bool m_fitsFresh = false;

    std::array<std::int16_t, RunSlots> m_earliestStart{};
    std::array<std::int16_t, RunSlots> m_latestEnd{};
    std::array<std::uint64_t, RunSlots> m_canBelong{}; // bit i: cell i can be part of run k
    std::array<std::int8_t, MaxPuzzleSize> m_blockOf{};
    std::array<bool, MaxPuzzleSize> m_maybeWhite{};
    std::array<bool, RunSlots> m_runDone{};

    // UpdateKanHorenBij reads only the line's own data and its cells' states.
    // When a call changed neither, the next one cannot either until a cell
    // of the line is set or the gap bounds change: it is skipped.
    std::array<std::uint8_t, MaxPuzzleSize> m_known{};
    bool m_settled = false;
    std::uint32_t m_settledStamp = 0;
};

// The two uses of the one line class.
class clsTestRijH : public LineSolver {
public:
    clsTestRijH(const ClueTables& clues, SolverContext& context) : LineSolver(Orientation::Row, clues, context) {}
};
class clsTestRijV : public LineSolver {
public:
    clsTestRijV(const ClueTables& clues, SolverContext& context) : LineSolver(Orientation::Column, clues, context) {}
};

template <typename Mix>
void LineSolver::fingerprint(Mix& mix) const
{
    mix(static_cast<std::uint64_t>(m_lineDone) | static_cast<std::uint64_t>(m_generationComplete) << 1
        | static_cast<std::uint64_t>(m_generationAborted) << 2);
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
        mix(static_cast<std::uint64_t>(static_cast<std::uint8_t>(m_blockOf[s])) | static_cast<std::uint64_t>(m_maybeWhite[s]) << 8);
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
        validity += (std::uint64_t{0} - m_valid[p]) & salt;
    }
    mix(sum);
    mix(validity);
    mix(static_cast<std::uint64_t>(m_valid.size()));
}

} // namespace gw
