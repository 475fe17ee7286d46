#include "PlayField.h"

#include <QLabel>

#include "CluePanel.h"
#include "ColorChooser.h"
#include "Cursors.h"
#include "FieldWidget.h"
#include "core/Rounding.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw {

PlayField::PlayField(PlayFieldKind kind, Puzzle& puzzle, const Session& session, const ClueTables& clues,
                     CellStates& states, PlayFieldState& state, CluePanel& panel, ColorChooser& chooser,
                     platform::MessageBoxes& messages, QObject* parent)
    : QObject(parent), m_kind(kind), m_puzzle(puzzle), m_session(session), m_clues(clues), m_states(states),
      m_state(state), m_panel(panel), m_chooser(chooser), m_messages(messages)
{
    connect(&panel.field(), &PointSurface::pressed, this, &PlayField::fieldPress);
    connect(&panel.field(), &PointSurface::moved, this, &PlayField::fieldMove);
    connect(&panel.field(), &PointSurface::released, this, &PlayField::fieldRelease);
    connect(&panel, &PointSurface::pressed, this, &PlayField::cluePress);
    connect(&panel, &PointSurface::moved, this, &PlayField::clueMove);
}

void PlayField::setComputerTest(std::function<bool()> running, std::function<void()> stop)
{
    m_testRunning = std::move(running);
    m_stopTest = std::move(stop);
}

QPoint PlayField::cellUnderPointer(double x, double y) const
{
    const double s = m_state.cellSize;
    int cx = roundHalfEven(x / s - 0.5);
    int cy = roundHalfEven(y / s - 0.5);
    cx = std::clamp(cx, 0, std::max(0, m_puzzle.width - 1));
    cy = std::clamp(cy, 0, std::max(0, m_puzzle.height - 1));
    return {cx, cy};
}

QString PlayField::positionText(int x, int y) { return QStringLiteral(" %1, %2").arg(x + 1).arg(y + 1); }

void PlayField::showPosition(QPoint cell)
{
    const QString text = positionText(cell.x(), cell.y());
    if (m_positionLabel)
        m_positionLabel->setText(text);
    emit positionChanged(text);
}

void PlayField::fieldMouse(int buttons, double x, double y)
{
    const QPoint cell = cellUnderPointer(x, y);
    showPosition(cell);
    markCell(mouseButtonFromValue(buttons), cell.x(), cell.y());
}

void PlayField::fieldPress(int buttons, double x, double y)
{
    const QPoint cell = cellUnderPointer(x, y);
    closeStroke();
    m_strokeCell = CellPos {cell.x(), cell.y()};
    m_cursor = *m_strokeCell;
    if (m_cursorShown)
        showCursor();
    fieldMouse(buttons, x, y);
}

void PlayField::enableKeyboard()
{
    FieldWidget& field = m_panel.field();
    field.setFocusPolicy(Qt::StrongFocus);
    field.setKeyHandler([this](int key, Qt::KeyboardModifiers modifiers) { return keyPress(key, modifiers); });
}

void PlayField::showCursor()
{
    m_cursorShown = true;
    m_panel.field().showCellFrame(QPoint(m_cursor.x, m_cursor.y), m_state.cellSize);
}

bool PlayField::keyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (m_puzzle.width < 1 || m_puzzle.height < 1)
        return false;
    int dx = 0, dy = 0;
    std::optional<MouseButton> button;
    bool unmark = false;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button = MouseButton::Left;
        break;
    case Qt::Key_X:
        button = MouseButton::Right;
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        unmark = true;
        break;
    default:
        return false;
    }
    closeStroke();
    const bool drawing = (dx != 0 || dy != 0) && (modifiers & Qt::ShiftModifier);
    if (drawing)
        markCell(MouseButton::Left, m_cursor.x, m_cursor.y);
    m_cursor.x = std::clamp(m_cursor.x + dx, 0, m_puzzle.width - 1);
    m_cursor.y = std::clamp(m_cursor.y + dy, 0, m_puzzle.height - 1);
    showCursor();
    showPosition(QPoint(m_cursor.x, m_cursor.y));
    if (drawing)
        markCell(MouseButton::Left, m_cursor.x, m_cursor.y);
    if (button)
        markCell(*button, m_cursor.x, m_cursor.y);
    if (unmark)
        setMark(m_cursor.x, m_cursor.y, 0);
    closeStroke();
    return true;
}

void PlayField::fieldMove(int buttons, double x, double y)
{
    const MouseButton button = mouseButtonFromValue(buttons);
    if (!m_strokeCell || !buttonMark(button, m_state.buttonMarks)) {
        fieldMouse(buttons, x, y);
        return;
    }
    const QPoint cell = cellUnderPointer(x, y);
    showPosition(cell);
    const std::vector<CellPos> cells = cellsAlongLine(*m_strokeCell, {cell.x(), cell.y()});
    // The stroke's last cell was marked already, unless the pointer stays on it.
    for (std::size_t i = cells.size() > 1 ? 1 : 0; i < cells.size(); ++i)
        markCell(button, cells[i].x, cells[i].y);
    m_strokeCell = CellPos {cell.x(), cell.y()};
}

void PlayField::fieldRelease()
{
    m_strokeCell.reset();
    closeStroke();
}

void PlayField::closeStroke() { m_history.closeStep(); }

void PlayField::markCell(MouseButton button, int x, int y)
{
    const std::optional<std::uint8_t> mark = buttonMark(button, m_state.buttonMarks);
    if (!mark)
        return;
    if (m_kind == PlayFieldKind::Maker && m_testRunning && m_testRunning() && m_stopTest)
        m_stopTest();
    if (m_kind == PlayFieldKind::Maker && m_states.cellState(x, y) == *mark)
        return;
    setMark(x, y, *mark);
}

void PlayField::setMark(int x, int y, std::uint8_t mark)
{
    const std::uint8_t before = m_states.cellState(x, y);
    m_states.setCell(x, y, mark);
    m_history.recordCell({x, y}, before, mark);
    if (m_autoCrossOff) {
        crossOffIfSatisfied(true, y);
        crossOffIfSatisfied(false, x);
    }
    emit playChanged();
    completionCheck();
}

bool PlayField::solved() const
{
    return m_kind == PlayFieldKind::Player ? cluesSatisfied(m_puzzle, m_clues, m_states)
                                           : allCellsRight(m_puzzle, m_states);
}

void PlayField::completionCheck()
{
    if (!solved())
        return;
    const QString title = localText(m_session, txt::PuzzleSolvedTitle);
    if (m_kind == PlayFieldKind::Maker) {
        const auto answer = m_messages.show(localText(m_session, txt::SolvedTestWindow), title,
                                            platform::Icon::Information, platform::Buttons::YesNo);
        if (answer == platform::Answer::Yes)
            emit closeRequested();
        return;
    }
    if (!m_state.solvedShown)
        m_messages.show(localText(m_session, txt::SolvedPlayer), title, platform::Icon::Information,
                        platform::Buttons::Ok);
    m_state.solvedShown = true;
}

std::optional<ClueRef> PlayField::clueAt(double x, double y) const
{
    const QRectF f = m_panel.field().rectPoints();
    const int cell = m_state.cellSize;
    // along: offset into the grid along the clue's line direction; away: the
    // distance from the grid's edge into the clue area.
    auto hit = [&](bool isRow, double along, double away, int lines) -> std::optional<ClueRef> {
        const int line = roundHalfEven(along) / cell;
        if (line < 0 || line >= lines)
            return std::nullopt;
        const int n = m_clues.line(isRow, line).count;
        const int k = n - 1 - roundHalfEven(away) / cell;
        if (k < 0 || k >= n)
            return std::nullopt;
        return ClueRef {isRow, line, k};
    };
    const double l = f.left(), t = f.top();
    if (x < l && t <= y && y < t + f.height())
        if (auto row = hit(true, y - t, l - x, m_puzzle.height))
            return row;
    if (y < t && l <= x && x < l + f.width())
        return hit(false, x - l, t - y, m_puzzle.width);
    return std::nullopt;
}

void PlayField::cluePress(int buttons, double x, double y)
{
    // Both buttons cross off alike; the row area lies left of the field and
    // the column area above it, so a press finds at most one clue number.
    if (!buttonMark(mouseButtonFromValue(buttons), m_state.buttonMarks))
        return;
    if (auto hit = clueAt(x, y); hit)
        toggleClue(*hit);
}

void PlayField::clueMove(int, double x, double y)
{
    if (clueAt(x, y))
        m_panel.setCursor(clueCursor());
    else
        m_panel.unsetCursor();
}

double PlayField::devicePixelsPerPoint() const { return m_panel.picture().devicePixelsPerPoint(); }

QRect PlayField::clueCell(const ClueRef& clue) const
{
    const bool isRow = clue.isRow;
    const int line = clue.line, k = clue.k;
    const double p = devicePixelsPerPoint();
    const double cp = m_state.cellSize * p;
    const QRectF f = m_panel.field().rectPoints();
    const double l = f.left() * p, t = f.top() * p;
    const int n = m_clues.line(isRow, line).count;
    // Across the line: the line's own cell; away from the grid: k cells in.
    const int a1 = roundHalfEven(line * cp + (isRow ? t : l));
    const int a2 = roundHalfEven((line + 1) * cp + (isRow ? t : l)) - 1;
    const double edge = isRow ? l : t;
    const int b1 = roundHalfEven(edge - (n - k) * cp);
    const int b2 = roundHalfEven(edge - (n - k - 1) * cp) - 1;
    return isRow ? QRect(QPoint(b1, a1), QPoint(b2, a2)) : QRect(QPoint(a1, b1), QPoint(a2, b2));
}

QRect PlayField::rowClueCell(int row, int k) const { return clueCell({true, row, k}); }

QRect PlayField::columnClueCell(int column, int k) const { return clueCell({false, column, k}); }

void PlayField::toggleClue(const ClueRef& clue)
{
    toggleCluePixels(clue);
    m_history.recordClue(clue);
    emit playChanged();
}

void PlayField::toggleCluePixels(const ClueRef& clue)
{
    m_state.crossed.toggle(clue);
    // The panel's pixels follow: near white turns grey, grey turns white.
    m_panel.toggleCellPixels(clueCell(clue));
}

void PlayField::undo()
{
    m_strokeCell.reset();
    if (const std::optional<PlayStep> step = m_history.takeUndo())
        applyStep(*step, false);
}

void PlayField::redo()
{
    m_strokeCell.reset();
    if (const std::optional<PlayStep> step = m_history.takeRedo())
        applyStep(*step, true);
}

void PlayField::applyStep(const PlayStep& step, bool forwards)
{
    for (const CellChange& c : step.cells)
        m_states.setCell(c.cell.x, c.cell.y, forwards ? c.after : c.before);
    for (const ClueRef& clue : step.clues)
        toggleCluePixels(clue);
    emit playChanged();
    completionCheck();
}

void PlayField::restore(const std::vector<std::uint8_t>& marks, const std::vector<ClueRef>& crossed)
{
    const int w = m_puzzle.width;
    for (int y = 0; y < m_puzzle.height; ++y)
        for (int x = 0; x < w; ++x)
            m_states.setCell(x, y, marks[static_cast<std::size_t>(y * w + x)]);
    for (const ClueRef& clue : crossed)
        toggleCluePixels(clue);
    m_state.solvedShown = solved();
    emit playChanged();
}

void PlayField::crossOffIfSatisfied(bool isRow, int line)
{
    if (!lineSatisfied(m_puzzle, m_clues, m_states, isRow, line))
        return;
    for (int k = 0; k < m_clues.line(isRow, line).count; ++k)
        if (!m_state.crossed.isCrossed({isRow, line, k}))
            toggleClue({isRow, line, k});
}

void PlayField::redrawPlay()
{
    m_panel.field().clearHint();
    m_panel.field().clear();
    for (int x = 0; x < m_puzzle.width; ++x)
        for (int y = 0; y < m_puzzle.height; ++y)
            paintCell(x, y);
    for (const ClueRef& clue : m_state.crossed.all())
        m_panel.toggleCellPixels(clueCell(clue));
    if (m_cursorShown)
        showCursor();
}

void PlayField::resetAsStep()
{
    closeStroke();
    for (int y = 0; y < m_puzzle.height; ++y)
        for (int x = 0; x < m_puzzle.width; ++x)
            m_history.recordCell({x, y}, m_states.cellState(x, y), 0);
    for (const ClueRef& clue : m_state.crossed.all())
        m_history.recordClue(clue);
    closeStroke();
    m_states.clearStates();
    showClearedField();
    m_state.solvedShown = false;
    emit playChanged();
}

QColor PlayField::stateColor(int v) const { return m_chooser.swatchColor(v); }

void PlayField::paintCell(int x, int y)
{
    m_panel.field().paintCell(x, y, m_state.cellSize, stateColor(m_states.cellState(x, y)));
}

void PlayField::restoreClueNumbers()
{
    m_state.crossed.clear();
    const double p = devicePixelsPerPoint();
    const QRectF f = m_panel.field().rectPoints();
    const int l = roundHalfEven(f.left() * p);
    const int t = roundHalfEven(f.top() * p);
    const int right = roundHalfEven((f.left() + f.width()) * p);
    const int bottom = roundHalfEven((f.top() + f.height()) * p);
    m_panel.whitenGreyPixels(QRect(QPoint(0, 0), QPoint(l - 1, bottom - 1)));
    m_panel.whitenGreyPixels(QRect(QPoint(0, 0), QPoint(right - 1, t - 1)));
}

void PlayField::reset()
{
    m_strokeCell.reset();
    m_cursor = CellPos {};
    m_cursorShown = false;
    m_panel.field().showCellFrame(std::nullopt, m_state.cellSize);
    m_history.clear();
    m_states.clearStates();
    showClearedField();
    m_state.solvedShown = false;
    emit playChanged();
}

void PlayField::showClearedField()
{
    m_chooser.choose(1, 1);
    m_chooser.choose(2, 2);
    m_panel.field().clear();
    for (int x = 0; x < m_puzzle.width; ++x)
        for (int y = 0; y < m_puzzle.height; ++y)
            paintCell(x, y);
    restoreClueNumbers();
}

} // namespace gw
