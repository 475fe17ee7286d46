#pragma once
// The maker's edits as steps of Qt's undo framework, one command class per
// kind of edit. A command changes the puzzle only (cells and size); the
// document (MakerDocument) pushes it, undoes and redoes it and keeps the
// changed flag; the main window then redraws and writes the status line.
//
// Memory: a stroke keeps 4 bytes a changed cell (at most 2500 cells), Fit
// Size a copy of the 2500 cells, a shift the one line it pushes out (at most
// 50 cells), Change Size and Make Negative nothing beyond the command.
#include <QUndoCommand>
#include <array>
#include <cstdint>
#include <vector>

#include "core/PictureEdits.h"
#include "core/Puzzle.h"
#include "lang/Text.h"
#include "lang/Texts.h"

namespace gw::editor {

class EditCommand : public QUndoCommand {
public:
    // `name` names the edit on the status line after an undo or redo.
    EditCommand(Puzzle& puzzle, const Text& name);
    const Text& name() const { return m_name; }

protected:
    Puzzle& m_puzzle;

private:
    const Text& m_name;
};

// One drawing stroke: every cell painted from a button press until the last
// button is released. The cells are painted before the command is pushed, so
// its first redo does nothing.
class StrokeCommand : public EditCommand {
public:
    // `name`: the undo item's name (a suggested fix is applied as one).
    explicit StrokeCommand(Puzzle& puzzle, const Text& name = txt::EditDrawing);
    // Cell (x, y) was painted from `before` to `after`. A cell painted twice
    // keeps its first `before`.
    void record(int x, int y, std::uint8_t before, std::uint8_t after);
    bool empty() const { return m_changes.empty(); }
    std::size_t cellCount() const { return m_changes.size(); }
    void undo() override;
    void redo() override;

private:
    struct Change {
        std::uint16_t cell; // x + 50 * y
        std::uint8_t before, after;
    };
    std::vector<Change> m_changes;
    bool m_painted = true; // the cells show `after`
};

// Change Size: the puzzle gets width x height cells (1..50 each); no cell changes.
class ResizeCommand : public EditCommand {
public:
    ResizeCommand(Puzzle& puzzle, int width, int height);
    void undo() override;
    void redo() override;

private:
    int m_width, m_height, m_oldWidth, m_oldHeight;
};

// Fit Size. Push it only when hasPicture().
class FitSizeCommand : public EditCommand {
public:
    explicit FitSizeCommand(Puzzle& puzzle);
    // Some cell of all 50 x 50 is not white, so there is a picture to fit.
    bool hasPicture() const;
    void undo() override;
    void redo() override;

private:
    std::array<std::uint8_t, CellCount> m_cells; // before the fit
    std::int16_t m_width, m_height;
};

// Make Negative, its own inverse.
class NegativeCommand : public EditCommand {
public:
    explicit NegativeCommand(Puzzle& puzzle);
    void undo() override;
    void redo() override;
};

// One shift of the cells in use by one place.
class ShiftCommand : public EditCommand {
public:
    ShiftCommand(Puzzle& puzzle, ShiftDirection direction);
    void undo() override;
    void redo() override;

private:
    // The column or row the shift pushes out of the puzzle.
    bool horizontal() const;
    int lostLine() const;
    ShiftDirection m_direction;
    std::array<std::uint8_t, MaxPuzzleSize> m_lost {};
};

} // namespace gw::editor
