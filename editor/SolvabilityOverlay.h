#pragma once
// "Show solvability" in the maker's main window: while it is on, every edit
// of the picture is followed by an analysis that shades on the drawing grid
// the cells line logic leaves open and tells in one line whether the puzzle
// is solvable by logic alone and unique.
//
// Line logic runs at once, on the next turn of the event loop after the grid
// was drawn (edits of one turn, such as a mouse stroke's cells, share one
// analysis); it takes well under a millisecond even for a 50 x 50 colour
// puzzle (bench_solvability). Uniqueness may need a long search, so it runs
// afterwards in slices on a timer, within a budget, and the line says
// "checking" until it is known. A new edit drops the running analysis.
// Off at every start; the state is not remembered.
#include <QObject>
#include <QString>
#include <memory>

#include "core/Puzzle.h"
#include "solver/analysis/PuzzleAnalysis.h"

class QAction;
class QTimer;

namespace gw {
class CellShading;
struct Session;
} // namespace gw

namespace gw::editor {

// The verdict of an analysis as the status line shows it: solvable by logic
// alone, or the open cells and what is known of uniqueness, and the grade
// once known.
QString solvabilityText(const Session& session, const analysis::AnalysisResult& result);

class GridView;

class SolvabilityOverlay : public QObject {
    Q_OBJECT
public:
    // Working time one timer tick of the uniqueness search may take.
    static constexpr std::chrono::milliseconds Slice {8};

    // The shading lies over `grid`, which must draw `puzzle`; all borrowed
    // objects must outlive the overlay.
    SolvabilityOverlay(const Puzzle& puzzle, const Session& session, GridView& grid, QObject* parent = nullptr);
    ~SolvabilityOverlay() override;

    // The checkable menu item (objectName "showSolvabilityAction"), unchecked.
    QAction* action() const { return m_action; }
    bool isOn() const;
    // What the status line shows; empty while off.
    QString statusText() const;
    CellShading& shading() const { return *m_shading; }
    // The uniqueness search still has slices to run.
    bool checking() const;
    // Steps the uniqueness search, one slice a tick.
    QTimer* sliceTimer() const { return m_sliceTimer; }
    // The analysis shown; null while off.
    const analysis::AnalysisResult* result() const;

    // The budget of the uniqueness search (default: 5 s of work, a million
    // nodes, with the grade).
    void setOptions(const analysis::AnalysisOptions& options) { m_options = options; }

    // Analyses the puzzle as it is now, unless the analysis shown is already
    // of these cells: line logic and the shading at once, uniqueness in
    // slices. Does nothing while off.
    void recompute();
    void applyCaptions();

signals:
    // The status line's text changed (empty: nothing to show).
    void statusChanged(const QString& text);

private:
    void setOn(bool on);
    void onSlice();
    void announce();
    bool sameCells() const;

    const Puzzle& m_puzzle;
    const Session& m_session;
    analysis::AnalysisOptions m_options;
    std::unique_ptr<analysis::PuzzleAnalysis> m_analysis;
    Puzzle m_analysed; // the cells m_analysis was made from
    QAction* m_action = nullptr;
    CellShading* m_shading = nullptr;
    QTimer* m_recomputeTimer = nullptr; // coalesces the edits of one turn
    QTimer* m_sliceTimer = nullptr;
};

} // namespace gw::editor
