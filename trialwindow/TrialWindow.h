#pragma once
// `TrialWindow`, the maker's test window: the play field of the puzzle being
// drawn, solved by hand or by the computer test, which writes its deductions
// into the same field one line per timer tick.
//
// Created once at start-up and only hidden when closed. The clue panel is
// composed by the page painter of the print dialog; the window gets that as a
// function so that the play field does not depend on printing.
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "lang/Text.h"
#include "play/CellStates.h"
#include "playfield/PlayField.h"
#include "solver/CellKnowledge.h"
#include "solver/SolverDriver.h"
#include "solver/SolverObserver.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QVBoxLayout;

namespace gw {

class AnalysisPanel;
class CluePanel;
class ColorChooser;

// The maker's marks are the computer test's knowledge: every write goes
// through the solver's setCell, which keeps the colour possibilities in step
// and reports the cell to the observer for painting.
class KnowledgeCellStates : public CellStates {
public:
    KnowledgeCellStates(CellKnowledge& knowledge, const Puzzle& puzzle, const ClueTables& clues,
                        SolverObserver& observer)
        : m_knowledge(knowledge), m_puzzle(puzzle), m_clues(clues), m_observer(observer)
    { }
    std::uint8_t cellState(int x, int y) const override { return m_knowledge.state(x, y); }
    void setCell(int x, int y, std::uint8_t state) override;
    void clearStates() override;

private:
    CellKnowledge& m_knowledge;
    const Puzzle& m_puzzle;
    const ClueTables& m_clues;
    SolverObserver& m_observer;
};

class TrialWindow : public QWidget, private SolverObserver {
    Q_OBJECT
public:
    // Composes the clue panel for the current puzzle in `area` points (clues
    // derived, field placed) and returns the cell size in points.
    using Composer = std::function<int(CluePanel& panel, QSizeF area)>;

    // `puzzle`, `session` and `clues` are the program's and must outlive the window.
    TrialWindow(Puzzle& puzzle, const Session& session, ClueTables& clues, platform::Platform& platform,
                Composer compose, QWidget* parent = nullptr);
    ~TrialWindow() override;

    // Prepare and show the window (the main window's "Test Puzzle").
    void open();
    void applyCaptions();
    // The main window's mouse pictures (at start-up).
    void setMousePictures(const QPixmap& left, const QPixmap& right);

    // The area a maximised window offers the clue panel, in points.
    QSizeF compositionArea() const;

    // The Start, Stop and Reset buttons. Reset stops a running test, then
    // clears the field: chooser to black and white, all unmarked, numbers restored.
    void startTest();
    void stopTest();
    void resetField();
    // The computer test is stepping (its timer runs).
    bool testRunning() const;

    PlayField& playField() { return *m_playField; }
    CellKnowledge& knowledge() { return m_knowledge; }
    SolverDriver& driver() { return *m_driver; }
    PlayFieldState& state() { return m_state; }
    QString statusText() const;

    // The controls, for tests and screenshots.
    CluePanel* cluePanel() const { return m_cluePanel; }
    ColorChooser* colorChooser() const { return m_colorChooser; }
    QPushButton* startButton() const { return m_startButton; }
    QPushButton* stopButton() const { return m_stopButton; }
    QPushButton* resetButton() const { return m_resetButton; }
    // Steps the computer test, one line a tick.
    QTimer* stepTimer() const { return m_stepTimer; }
    // The Analyse button, its verdict and the shading of the field.
    AnalysisPanel& analysis() const { return *m_analysis; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The computer test's callbacks.
    void cellSet(int x, int y, std::uint8_t value) override;
    void statusText(SolverStatus text, int lineNumber) override;
    void fieldCleared() override;
    void testEnded(SolverOutcome outcome) override;
    void processEvents() override;

    void buildControls();
    void onStepTimerTick();
    void showOutcome();
    void setIdleButtons();
    void placePositionLabel();
    void addAnalysis(QVBoxLayout& buttons, QVBoxLayout& side);

    Puzzle& m_puzzle;
    const Session& m_session;
    ClueTables& m_clues;
    platform::Platform& m_platform;
    Composer m_compose;
    CellKnowledge m_knowledge;
    KnowledgeCellStates m_states;
    PlayFieldState m_state;
    std::unique_ptr<PlayField> m_playField;
    std::unique_ptr<SolverDriver> m_driver;
    CluePanel* m_cluePanel = nullptr;
    QScrollArea* m_panelArea = nullptr;
    QWidget* m_topStrip = nullptr;     // a thin strip above the clue panel
    QScrollArea* m_sideArea = nullptr; // right of the clue panel, scrolling the side panel
    QWidget* m_sidePanel = nullptr;    // buttons and chooser
    QPushButton* m_resetButton = nullptr;
    QGroupBox* m_computerTestGroup = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    ColorChooser* m_colorChooser = nullptr;
    QWidget* m_statusStrip = nullptr; // below: the status text and the position label
    QLabel* m_statusLabel = nullptr;
    QLabel* m_positionLabel = nullptr;
    QTimer* m_stepTimer = nullptr;
    AnalysisPanel* m_analysis = nullptr;
    std::optional<SolverOutcome> m_pendingOutcome;
    bool m_sizedToScreen = false; // the first showing fills the screen's available area
};

} // namespace gw
