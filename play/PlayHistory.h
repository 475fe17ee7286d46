#pragma once
// The undo history of solving by hand: one step per stroke (a whole drag, a
// key press, a reset), each the marks it changed and the clue numbers it
// crossed off or restored. The history only records; the play field applies
// a step it hands back, forwards (redo) or backwards (undo).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "PlayRules.h"

namespace gw {

struct CellChange {
    CellPos cell;
    std::uint8_t before = 0; // the mark before the step
    std::uint8_t after = 0;  // the mark after it
};

struct PlayStep {
    std::vector<CellChange> cells; // in the order first changed
    std::vector<ClueRef> clues;    // toggled an odd number of times
    bool empty() const { return cells.empty() && clues.empty(); }
};

class PlayHistory {
public:
    // At most this many steps are kept; the oldest go first.
    static constexpr std::size_t MaxSteps = 1000;

    // Records a mark set in the open step, opening one when none is open. A
    // cell set again in the same step keeps its first `before`.
    void recordCell(CellPos cell, std::uint8_t before, std::uint8_t after);
    // Records a clue number crossed off or restored in the open step; a
    // second toggle in the same step cancels the first.
    void recordClue(const ClueRef& clue);
    // Closes the open step: it becomes the step Undo takes back and the
    // redo steps are dropped. A step that changed nothing in the end (marks
    // set to what they were) is dropped instead.
    void closeStep();

    bool canUndo() const { return !m_done.empty() || !openStep().empty(); }
    bool canRedo() const { return !m_undone.empty() && openStep().empty(); }
    // Closes the open step, then hands back the last step done (to be applied
    // backwards) and keeps it for redo. Nothing when there is none.
    std::optional<PlayStep> takeUndo();
    // Hands back the last step undone (to be applied forwards).
    std::optional<PlayStep> takeRedo();
    // Forgets every step (a new puzzle).
    void clear();

private:
    PlayStep openStep() const;
    std::vector<CellChange> m_open;
    std::vector<ClueRef> m_openClues;
    std::deque<PlayStep> m_done;
    std::vector<PlayStep> m_undone;
};

} // namespace gw
