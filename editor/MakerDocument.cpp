#include "editor/MakerDocument.h"

#include <QUndoStack>

#include "core/Paths.h"
#include "editor/EditCommands.h"

namespace gw::editor {

MakerDocument::MakerDocument(Puzzle& puzzle, QObject* parent)
    : QObject(parent), m_puzzle(puzzle), m_history(new QUndoStack(this))
{
    m_history->setUndoLimit(UndoLimit);
}

MakerDocument::~MakerDocument() = default;

void MakerDocument::setFileName(const std::string& path)
{
    m_puzzle.fileName = path;
    m_puzzle.name = puzzleNameFromPath(path);
}

void MakerDocument::startHistory()
{
    m_stroke.reset();
    m_history->clear();
    setModified(false);
}

void MakerDocument::drawCell(int x, int y, std::uint8_t value)
{
    if (!m_stroke)
        m_stroke = std::make_unique<StrokeCommand>(m_puzzle);
    m_stroke->record(x, y, m_puzzle.cell(x, y), value);
    m_puzzle.cell(x, y) = value;
    setModified(true);
}

void MakerDocument::replaceStroke(const std::vector<CellPoint>& cells, std::uint8_t value)
{
    if (m_stroke) {
        m_stroke->undo();
        m_stroke.reset();
    }
    for (const CellPoint& c : cells)
        if (m_puzzle.cell(c.x, c.y) != value)
            drawCell(c.x, c.y, value);
    if (!m_stroke) // nothing of the stroke is left: changed as before it began
        setModified(!m_history->isClean());
}

void MakerDocument::endStroke()
{
    std::unique_ptr<StrokeCommand> stroke = std::move(m_stroke);
    if (stroke && !stroke->empty())
        m_history->push(stroke.release()); // its cells are painted already
}

void MakerDocument::push(EditCommand* command)
{
    endStroke();
    m_history->push(command);
    setModified(true);
}

const EditCommand* MakerDocument::undo()
{
    endStroke();
    if (!m_history->canUndo())
        return nullptr;
    const auto* command = static_cast<const EditCommand*>(m_history->command(m_history->index() - 1));
    m_history->undo();
    setModified(!m_history->isClean());
    return command;
}

const EditCommand* MakerDocument::redo()
{
    endStroke();
    if (!m_history->canRedo())
        return nullptr;
    const auto* command = static_cast<const EditCommand*>(m_history->command(m_history->index()));
    m_history->redo();
    setModified(!m_history->isClean());
    return command;
}

void MakerDocument::markSaved()
{
    endStroke();
    m_history->setClean();
    setModified(false);
}

void MakerDocument::setModified(bool modified)
{
    const bool was = m_puzzle.changed;
    m_puzzle.changed = modified;
    if (was != modified)
        emit modifiedChanged(modified);
}

} // namespace gw::editor
