#pragma once
// MakerDocument, the puzzle the maker edits as one object: the puzzle with its
// file name, the undo history of its edits, the stroke being drawn and whether
// the puzzle differs from what was last opened, made or saved. MakerWindow is
// its view: its commands change the puzzle through the document, and what it
// shows follows the document's state.
//
// "Changed" has one source, isModified(), stored in the puzzle's changed
// and written only here: true from the first cell of a stroke and after every
// step; false after startHistory (New, Open, the imports) and markSaved; after
// an undo or redo, true unless the history is back at its clean state (the
// step last opened or saved).
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

#include <vector>

#include "core/DrawingShapes.h"
#include "core/Puzzle.h"

class QUndoStack;

namespace gw::editor {

class EditCommand;
class StrokeCommand;

class MakerDocument : public QObject {
    Q_OBJECT
public:
    // Steps kept. A step holds at most 10 KB (a stroke over all 2500 cells),
    // most far less, so the history stays below 10 MB.
    static constexpr int UndoLimit = 1000;

    // `puzzle` must outlive the document.
    explicit MakerDocument(Puzzle& puzzle, QObject* parent = nullptr);
    ~MakerDocument() override;

    Puzzle& puzzle() { return m_puzzle; }
    const Puzzle& puzzle() const { return m_puzzle; }
    // The file the puzzle was opened from or saved to, NoFileName when none.
    const std::string& fileName() const { return m_puzzle.fileName; }
    // Names the puzzle's file `path` (before it is written there); the
    // puzzle's name becomes the file's name.
    void setFileName(const std::string& path);

    // Every stroke, size change, Fit Size, Make Negative and shift is one step.
    QUndoStack& history() { return *m_history; }
    bool isModified() const { return m_puzzle.changed; }

    // A fresh history for the puzzle as it is now, which counts as unchanged;
    // the stroke in progress is dropped.
    void startHistory();
    // Cell (x, y) gets palette index `value` as part of the stroke being
    // drawn, which starts here when there is none. x, y must be in use.
    void drawCell(int x, int y, std::uint8_t value);
    // The stroke being drawn becomes `cells` painted `value`: what it painted
    // so far is put back first, so a line or rectangle can follow the pointer
    // and still end as one step. Cells that already hold `value` stay out of
    // it. The cells must be in use.
    void replaceStroke(const std::vector<CellPoint>& cells, std::uint8_t value);
    // Makes the stroke in progress one step, when it changed a cell.
    void endStroke();
    // Ends the stroke, then does `command` and keeps it as a step (takes it).
    void push(EditCommand* command);
    // End the stroke, then undo or redo one step; they return that step, or
    // nullptr when there was none to undo or redo (nothing changes then).
    const EditCommand* undo();
    const EditCommand* redo();
    // The puzzle as it is now is what its file holds: the history's clean state.
    void markSaved();

signals:
    // isModified() turned to `modified`.
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);

    Puzzle& m_puzzle;
    QUndoStack* m_history;
    std::unique_ptr<StrokeCommand> m_stroke; // the stroke being drawn, not yet a step
};

} // namespace gw::editor
