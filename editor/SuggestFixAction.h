#pragma once
// Edit > Suggest Fix in the maker: looks for a few cell changes that make
// the puzzle unique (or, when it is unique already, solvable by logic
// alone), marks them on the drawing grid with their new colours and asks
// whether to apply them: Yes applies them as one undo step (through the
// apply function the window gives), No asks for another suggestion, Cancel
// removes the marks. The search runs in slices (editor/FixSuggestion.h);
// an edit of the picture meanwhile cancels it.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "core/Puzzle.h"
#include "solver/analysis/PuzzleFix.h"

class QAction;

namespace gw {
class FixSuggestion;
struct Session;
namespace platform {
class MessageBoxes;
}
} // namespace gw

namespace gw::editor {

class GridView;

class SuggestFixAction : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(const std::vector<analysis::CellChange>&)>;

    // `grid` draws `puzzle`; everything borrowed must outlive the action.
    SuggestFixAction(const Puzzle& puzzle, const Session& session, GridView& grid, platform::MessageBoxes& messages,
                     Apply apply, QObject* parent = nullptr);

    // The menu item (objectName "suggestFixAction").
    QAction* action() const { return m_action; }
    FixSuggestion& suggestion() const { return *m_fix; }
    void applyCaptions();

signals:
    // For the status line: searching, or the outcome.
    void statusChanged(const QString& text);

private:
    void start();
    void onFinished();

    const Puzzle& m_puzzle;
    const Session& m_session;
    platform::MessageBoxes& m_messages;
    Apply m_apply;
    QAction* m_action = nullptr;
    FixSuggestion* m_fix = nullptr;
};

} // namespace gw::editor
