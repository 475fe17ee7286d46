#pragma once
// The play field of the maker's test window and the player: which cell lies
// under the pointer, marking by mouse (press and drag), the completion
// message, crossing off clue numbers, painting a cell from its state, and
// resetting the field. The rules themselves (which mark a button sets, the
// crossed-off clues, when the puzzle is solved) are the play library's; this
// class applies them to the widgets and draws from their state.
//
// The windows own the widgets (clue panel with its field, colour chooser,
// position label) and the state; PlayField connects to the widgets' mouse
// signals and works at cell level. Tests call the cell-level methods directly.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "platform/Platform.h"
#include "play/CellStates.h"
#include "play/PlayHistory.h"
#include "play/PlayRules.h"

class QLabel;

namespace gw {

class CluePanel;
class ColorChooser;

enum class PlayFieldKind { Maker, Player };

// The play field's state next to the puzzle state. One per program.
struct PlayFieldState {
    std::int16_t cellSize = 3;                        // points per cell side, 3 or more
    std::array<std::uint8_t, 2> buttonMarks {{1, 2}}; // swatch (cell state) of the left, right button
    bool solvedShown = false;                         // player: the solved message was given
    CrossedClues crossed;                             // the clue numbers shown crossed off
};

class PlayField : public QObject {
    Q_OBJECT
public:
    // Everything is borrowed and must outlive the play field. `clues` are the
    // tables of the puzzle as composed.
    PlayField(PlayFieldKind kind, Puzzle& puzzle, const Session& session, const ClueTables& clues, CellStates& states,
              PlayFieldState& state, CluePanel& panel, ColorChooser& chooser, platform::MessageBoxes& messages,
              QObject* parent = nullptr);

    PlayFieldKind kind() const { return m_kind; }
    const Puzzle& puzzle() const { return m_puzzle; }
    const ClueTables& clues() const { return m_clues; }
    CellStates& states() { return m_states; }
    PlayFieldState& state() { return m_state; }
    CluePanel& panel() { return m_panel; }
    ColorChooser& chooser() { return m_chooser; }

    // Maker: how marking consults and stops a running computer test.
    void setComputerTest(std::function<bool()> running, std::function<void()> stop);
    // The label that shows the cell under the pointer (may be null).
    void setPositionLabel(QLabel* label) { m_positionLabel = label; }

    // Cell under the pointer at field position (X, Y) points: X / s - 0.5
    // rounded halves to even, clamped into the puzzle.
    QPoint cellUnderPointer(double x, double y) const;
    // " 1, 1" for the top-left cell (x, y are 0-based).
    static QString positionText(int x, int y);

    // The field's mouse handler, for presses and moves alike (buttons as in
    // platform::mouseButtonValue, X and Y in field points): the position
    // update, then marking the one cell under the pointer.
    void fieldMouse(int buttons, double x, double y);
    // The field's press, move and release events. A press starts a stroke
    // at its cell; a move with a marking button held marks every cell on the
    // straight line from the stroke's last cell to the cell under the pointer
    // (cellsAlongLine), so a fast pointer skips none; a release ends the stroke.
    void fieldPress(int buttons, double x, double y);
    void fieldMove(int buttons, double x, double y);
    void fieldRelease();
    // Marking cell (x, y) with `button`, after the position update; only
    // Left and Right mark.
    void markCell(MouseButton button, int x, int y);

    // Clue panel handlers (X, Y in panel points).
    void cluePress(int buttons, double x, double y);
    void clueMove(int button, double x, double y);
    // The clue number a press at (X, Y) would cross off.
    std::optional<ClueRef> clueAt(double x, double y) const;
    // Crosses a clue number off, or restores it: in the state and on the panel.
    void toggleClue(const ClueRef& clue);
    void toggleRowClue(int row, int k) { toggleClue({true, row, k}); }
    void toggleColumnClue(int column, int k) { toggleClue({false, column, k}); }
    // The device-pixel cell of a clue number on the clue panel's picture.
    QRect rowClueCell(int row, int k) const;
    QRect columnClueCell(int column, int k) const;

    // Paints cell (x, y) from its state; the CellStates painter calls this.
    void paintCell(int x, int y);
    // Colour cell state v is painted in: chooser swatch v.
    QColor stateColor(int v) const;

    // Keyboard play (the player): the field takes the focus and its keys.
    // A cell cursor, hidden until the first key, starts at the top-left cell;
    // the arrows move it (clamped at the edges), with Shift marking every
    // cell it passes with the left button's mark; Space or Enter marks the
    // cursor cell with the left button's mark, X with the right's, Delete or
    // Backspace unmarks it. Each key is one undo step; a press of the mouse
    // on the field moves the cursor there. Returns false for other keys.
    void enableKeyboard();
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);
    // The cursor cell, shown or not.
    CellPos cursorCell() const { return m_cursor; }
    bool cursorShown() const { return m_cursorShown; }

    // Undo and redo of whole strokes (the player's Edit menu): the marks and
    // crossed-off clues of the step are set back or again, then the
    // completion check follows. Nothing happens when there is no step.
    void undo();
    void redo();
    const PlayHistory& history() const { return m_history; }
    // Ends the stroke under way as one step (a drag's release, a key press).
    void closeStroke();
    // The player's Reset: like reset, but one step that Undo takes back.
    void resetAsStep();

    // Sets the marks of every cell (`marks` row by row, puzzle width x height)
    // and crosses off `crossed` on a freshly reset field, outside the undo
    // history: a game resumed. The solved message is not given again for a
    // field that is solved already.
    void restore(const std::vector<std::uint8_t>& marks, const std::vector<ClueRef>& crossed);

    // Draws the play anew on a freshly composed panel (the zoom): every
    // cell from its mark, the crossed-off clues, the cursor.
    void redrawPlay();

    // Automatic cross-off (the player's option, off at first): when a mark
    // makes its row or column satisfy its clue, the line's clue numbers are
    // crossed off, in the same undo step. Manual crossing off is unchanged.
    void setAutoCrossOff(bool on) { m_autoCrossOff = on; }
    bool autoCrossOff() const { return m_autoCrossOff; }

    // The reset of both programs: chooser back to black and white, all cells
    // unmarked and painted, crossed-off numbers restored, and the solved
    // message (which only the player gives) may come again. The undo
    // history is forgotten.
    void reset();
    // The window side of a reset, for marks already cleared elsewhere (the
    // computer test clears its knowledge itself): chooser back to black and
    // white, every cell painted from its state, crossed-off numbers restored.
    void showClearedField();
    // Forgets every crossed-off clue and turns their cells white again.
    void restoreClueNumbers();

    // The completion rule. The player: the marks satisfy every row and column
    // clue, whether or not they are the maker's picture (a puzzle may have
    // several solutions). The maker's test window: every cell carries the
    // mark of the maker's picture, since only that tells the puzzle is good.
    bool solved() const;

signals:
    // The position label's text changed.
    void positionChanged(const QString& text);
    // Maker: the user answered Yes to "Close the Test window now?".
    void closeRequested();
    // A mark or crossed-off clue changed, by the user or by undo and redo.
    void playChanged();

private:
    QRect clueCell(const ClueRef& clue) const;
    void showPosition(QPoint cell);
    void applyStep(const PlayStep& step, bool forwards);
    void setMark(int x, int y, std::uint8_t mark);
    void showCursor();
    void crossOffIfSatisfied(bool isRow, int line);
    void toggleCluePixels(const ClueRef& clue);
    void completionCheck();
    double devicePixelsPerPoint() const;

    PlayFieldKind m_kind;
    Puzzle& m_puzzle;
    const Session& m_session;
    const ClueTables& m_clues;
    CellStates& m_states;
    PlayFieldState& m_state;
    CluePanel& m_panel;
    ColorChooser& m_chooser;
    platform::MessageBoxes& m_messages;
    QLabel* m_positionLabel = nullptr;
    std::function<bool()> m_testRunning;
    std::function<void()> m_stopTest;
    std::optional<CellPos> m_strokeCell; // the last cell of the stroke under way
    PlayHistory m_history;
    CellPos m_cursor;
    bool m_cursorShown = false;
    bool m_autoCrossOff = false;
};

} // namespace gw
