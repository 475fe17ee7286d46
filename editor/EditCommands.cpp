#include "editor/EditCommands.h"

#include <algorithm>

#include "core/Palette.h"
#include "lang/Texts.h"

namespace gw::editor {

EditCommand::EditCommand(Puzzle& puzzle, const Text& name) : m_puzzle(puzzle), m_name(name)
{
    setText(QString::fromUtf8(name.en));
}

StrokeCommand::StrokeCommand(Puzzle& puzzle, const Text& name) : EditCommand(puzzle, name) { }

void StrokeCommand::record(int x, int y, std::uint8_t before, std::uint8_t after)
{
    const auto cell = static_cast<std::uint16_t>(x + MaxPuzzleSize * y);
    // A stroke rarely comes back to a cell, and then mostly to a recent one.
    const auto known = std::find_if(m_changes.rbegin(), m_changes.rend(),
                                    [cell](const Change& change) { return change.cell == cell; });
    if (known != m_changes.rend())
        known->after = after;
    else
        m_changes.push_back(Change {cell, before, after});
}

void StrokeCommand::undo()
{
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change)
        m_puzzle.cells[change->cell] = change->before;
    m_painted = false;
}

void StrokeCommand::redo()
{
    if (m_painted)
        return;
    for (const Change& change : m_changes)
        m_puzzle.cells[change.cell] = change.after;
    m_painted = true;
}

ResizeCommand::ResizeCommand(Puzzle& puzzle, int width, int height)
    : EditCommand(puzzle, txt::EditChangeSize), m_width(width), m_height(height), m_oldWidth(puzzle.width),
      m_oldHeight(puzzle.height)
{ }

void ResizeCommand::undo() { resizePuzzle(m_puzzle, m_oldWidth, m_oldHeight); }
void ResizeCommand::redo() { resizePuzzle(m_puzzle, m_width, m_height); }

FitSizeCommand::FitSizeCommand(Puzzle& puzzle)
    : EditCommand(puzzle, txt::EditFitSize), m_cells(puzzle.cells), m_width(puzzle.width), m_height(puzzle.height)
{ }

bool FitSizeCommand::hasPicture() const
{
    return std::any_of(m_cells.begin(), m_cells.end(), [](std::uint8_t cell) { return cell != White; });
}

void FitSizeCommand::undo()
{
    m_puzzle.cells = m_cells;
    m_puzzle.width = m_width;
    m_puzzle.height = m_height;
}

void FitSizeCommand::redo() { fitSize(m_puzzle); }

NegativeCommand::NegativeCommand(Puzzle& puzzle) : EditCommand(puzzle, txt::EditMakeNegative) { }

void NegativeCommand::undo() { makeNegative(m_puzzle); }
void NegativeCommand::redo() { makeNegative(m_puzzle); }

namespace {
const Text& shiftName(ShiftDirection direction)
{
    switch (direction) {
    case ShiftDirection::Left:
        return txt::EditDragLeft;
    case ShiftDirection::Right:
        return txt::EditDragRight;
    case ShiftDirection::Up:
        return txt::EditDragUp;
    case ShiftDirection::Down:
        break;
    }
    return txt::EditDragDown;
}

ShiftDirection opposite(ShiftDirection direction)
{
    switch (direction) {
    case ShiftDirection::Left:
        return ShiftDirection::Right;
    case ShiftDirection::Right:
        return ShiftDirection::Left;
    case ShiftDirection::Up:
        return ShiftDirection::Down;
    case ShiftDirection::Down:
        break;
    }
    return ShiftDirection::Up;
}
} // namespace

ShiftCommand::ShiftCommand(Puzzle& puzzle, ShiftDirection direction)
    : EditCommand(puzzle, shiftName(direction)), m_direction(direction)
{ }

bool ShiftCommand::horizontal() const
{
    return m_direction == ShiftDirection::Left || m_direction == ShiftDirection::Right;
}

int ShiftCommand::lostLine() const
{
    switch (m_direction) {
    case ShiftDirection::Left:
    case ShiftDirection::Up:
        return 0;
    case ShiftDirection::Right:
        return m_puzzle.width - 1;
    case ShiftDirection::Down:
        break;
    }
    return m_puzzle.height - 1;
}

void ShiftCommand::redo()
{
    const int line = lostLine();
    const int length = horizontal() ? m_puzzle.height : m_puzzle.width;
    for (int i = 0; i < length; ++i)
        m_lost[static_cast<std::size_t>(i)] = horizontal() ? m_puzzle.cell(line, i) : m_puzzle.cell(i, line);
    shiftPicture(m_puzzle, m_direction);
}

void ShiftCommand::undo()
{
    // Shifting back empties exactly the line the shift pushed out.
    shiftPicture(m_puzzle, opposite(m_direction));
    const int line = lostLine();
    const int length = horizontal() ? m_puzzle.height : m_puzzle.width;
    for (int i = 0; i < length; ++i)
        (horizontal() ? m_puzzle.cell(line, i) : m_puzzle.cell(i, line)) = m_lost[static_cast<std::size_t>(i)];
}

} // namespace gw::editor
