#pragma once
// The test window's puzzle analysis: the Analyse button, the verdict below
// the computer test's buttons and the shading of cells on the field.
//
// A click analyses the puzzle as the window composed it (its picture is the
// one known solution; later edits in the main window wait for the next
// composition, as the clues do) in slices on a timer, so the window stays responsive even
// for a 50 x 50 colour puzzle that needs a long search. The verdict is one of:
// unique and solvable by logic alone; unique but needing a guess (the cells
// line logic leaves open are shaded); more than one solution (the cells where
// a second solution differs are shaded); not decided within the budget (the
// open cells are shaded). cancel() stops a running analysis and removes the
// verdict and the shading; the window calls it on reset, on a new
// composition, when the computer test clears the field, and on closing.
//
// The verdict ends with the difficulty grade. Beside it, for a puzzle that
// is not unique or needs guessing, the Suggest fix button marks a few cells
// whose change would mend that (FixSuggestion); a second click, another
// suggestion. The maker applies suggestions, this window only shows them.
#include <QObject>
#include <memory>

#include "core/Puzzle.h"
#include "solver/analysis/PuzzleAnalysis.h"

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace gw {

class CellShading;
class FieldWidget;
class FixSuggestion;
struct PlayFieldState;
struct Session;

class AnalysisPanel : public QObject {
    Q_OBJECT
public:
    enum class Verdict {
        None,          // nothing shown
        Running,       // "Analysing..."
        UniqueByLogic, // line logic alone solves it
        NeedsGuessing, // unique, line logic leaves cells open (shaded)
        NotUnique,     // a second solution exists; the differing cells are shaded
        Undecided      // the budget ran out; the open cells are shaded
    };

    // Working time one timer tick may take.
    static constexpr std::chrono::milliseconds Slice {20};

    // The button and the verdict label are made children of `owner` (the
    // window places them); the shading lies over `field`, whose cells are
    // state.cellSize points. Everything borrowed must outlive the panel.
    AnalysisPanel(const Session& session, const PlayFieldState& state, FieldWidget& field, QWidget* owner);
    ~AnalysisPanel() override;

    QPushButton* button() const { return m_button; }
    QLabel* verdictLabel() const { return m_verdictLabel; }
    QPushButton* fixButton() const { return m_fixButton; }
    FixSuggestion& fix() const { return *m_fix; }
    CellShading& shading() const { return *m_shading; }
    // Steps a running analysis, one slice a tick.
    QTimer* sliceTimer() const { return m_sliceTimer; }

    // The puzzle the window has just composed; cancels what runs.
    void setPicture(const Puzzle& composed);
    // The budget of later analyses (default: 10 s of work, a million nodes,
    // with the grade).
    void setOptions(const analysis::AnalysisOptions& options) { m_options = options; }

    // The button: starts analysing the current puzzle (a running analysis
    // starts over).
    void analyse();
    // Stops a running analysis and clears the verdict and the shading.
    void cancel();
    bool running() const;
    Verdict verdict() const { return m_verdict; }
    QString verdictText() const;
    // The last finished analysis; null while none is shown.
    const analysis::AnalysisResult* result() const;

    // The button's caption and the verdict in the session's language.
    void applyCaptions();

private:
    void onSlice();
    void showResult(const analysis::AnalysisResult& result);
    void show(Verdict verdict);
    void suggestFix();
    QString verdictOnly() const;

    Puzzle m_picture;
    const Session& m_session;
    analysis::AnalysisOptions m_options;
    std::unique_ptr<analysis::PuzzleAnalysis> m_analysis;
    Verdict m_verdict = Verdict::None;
    int m_shownCount = 0;     // the number the verdict quotes
    int m_noSecondWithin = 0; // undecided: the side of the square no second solution fits in
    QPushButton* m_button = nullptr;
    QLabel* m_verdictLabel = nullptr;
    QPushButton* m_fixButton = nullptr;
    FixSuggestion* m_fix = nullptr;
    analysis::Difficulty m_grade = analysis::Difficulty::Unknown;
    CellShading* m_shading = nullptr;
    QTimer* m_sliceTimer = nullptr;
};

} // namespace gw
