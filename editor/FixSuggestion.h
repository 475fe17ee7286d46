#pragma once
// Suggest Fix in a window: looks for a few cell changes that make the puzzle
// unique (or, when it is unique already, solvable by logic alone) in slices
// on a timer, and marks the suggested cells over a grid with the colour each
// would get. Asking again gives another suggestion for the same picture.
// The maker's Edit menu and the test window's button beside the Analyse
// verdict both use it; only the maker applies a suggestion.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "core/Puzzle.h"
#include "editor/CellShading.h"
#include "solver/analysis/PuzzleFix.h"

class QTimer;

namespace gw {

struct Session;

// GradeLabel + " " + the grade's name in the session's language; empty for
// Difficulty::Unknown.
QString gradeText(const Session& session, analysis::Difficulty grade);

// The suggested cells, each filled with its new colour inside a dark frame.
class SuggestedCells : public CellShading {
    Q_OBJECT
public:
    using CellShading::CellShading;
    void mark(const std::vector<analysis::CellChange>& changes);
    const std::vector<analysis::CellChange>& changes() const { return m_changes; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<analysis::CellChange> m_changes;
};

class FixSuggestion : public QObject {
    Q_OBJECT
public:
    enum class State {
        None,       // nothing shown
        Running,    // FixRunning
        Found,      // the changes are marked
        NotFound,   // FixNone
        NothingToDo // unique and solvable by logic alone
    };
    // Working time one timer tick may take.
    static constexpr std::chrono::milliseconds Slice {20};

    // The marks lie over `grid`, whose cell (x, y) is at cellRect(x, y).
    FixSuggestion(const Session& session, QWidget& grid, CellShading::CellRect cellRect, QObject* parent);
    ~FixSuggestion() override;

    // Starts looking for a fix of `picture`: the first suggestion, or, for
    // the same cells as last time, the next one. Cancels what runs.
    void suggest(const Puzzle& picture);
    // Stops looking and removes the marks.
    void cancel();
    bool running() const;
    State state() const { return m_state; }
    // The suggestion shown (empty unless Found).
    const std::vector<analysis::CellChange>& changes() const { return m_marks->changes(); }
    SuggestedCells& marks() const { return *m_marks; }
    QTimer* sliceTimer() const { return m_sliceTimer; }
    // The state in the session's language.
    QString text() const;
    // The budget of each search (default: FixOptions, 5 s).
    void setOptions(const analysis::FixOptions& options) { m_options = options; }

signals:
    // The search ended (Found, NotFound or NothingToDo).
    void finished();

private:
    void onSlice();
    void start(bool lineLogic);

    const Session& m_session;
    analysis::FixOptions m_options;
    Puzzle m_picture;
    bool m_lineLogic = false;
    int m_skip = 0;
    std::unique_ptr<analysis::PuzzleFixer> m_fixer;
    State m_state = State::None;
    SuggestedCells* m_marks = nullptr;
    QTimer* m_sliceTimer = nullptr;
};

} // namespace gw
