#pragma once
// The main window of the player `puzzler`: the menus (File: Open, New Random
// Puzzle, Open Puzzle Code, five recent files, Exit; Edit: Undo, Redo, Hint; View: Zoom In, Zoom Out, Fit to Window,
// Cross Off Finished Clues; Language; Help: Keys), the play field laid out in the area left of the
// control strip and above the bottom strip, the buttons Show errors, Give
// Solution and Reset, the colour chooser, the position label, and the
// solution window.
//
// The window works on the program's puzzle state, which it does not own.
// Every message and file dialog goes through the platform bundle.
#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "core/Settings.h"
#include "platform/LanguageMenu.h"
#include "platform/Platform.h"
#include "play/CellStates.h"
#include "play/PlayClock.h"
#include "play/PlayProgress.h"
#include "player/ErrorMarks.h"
#include "playfield/PlayField.h"
#include "playfield/PlayFieldComposition.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;

namespace gw {
class CluePanel;
class ColorChooser;
} // namespace gw

namespace gw::player {

class RandomPuzzleCommands;
class SolutionWindow;

class PlayerWindow : public QMainWindow {
    Q_OBJECT
public:
    // `session.programFolder` names the folder of the data files and of
    // "Puzzles"; "lang.ini" and "recent.ini" are kept in `settingsFolder`
    // (ending with a separator), the program folder when it is empty.
    PlayerWindow(Puzzle& puzzle, Session& session, platform::Platform platform,
                 const QString& settingsFolder = QString(), QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // Start-up: language from "lang.ini" (English when missing, without a
    // message), the mouse pictures, the recent list, the chooser's swatches
    // with black and white chosen. No puzzle is made.
    void start();

    // The Open command: the open dialog in the program folder + "Puzzles", then
    // loadFile with the chosen path. Cancelling loads nothing.
    void openCommand();
    // Recent file `index` (0..4) of the File menu.
    void openRecent(int index);
    // Hides the play field and the solution window, reads the file, shows the
    // reader's messages, and on success sets the caption, adds the file to the
    // recent list, derives the clues and lays out the play field. Returns true
    // when a playable puzzle was loaded. A clue file (.xml, .non) is imported
    // first (ClueFileOpen.h); when it has no single solution the game on
    // screen stays.
    bool loadFile(const QString& path);
    // Starts a game of `puzzle` (a copy becomes the program's puzzle): the
    // caption shows its name.
    void playPuzzle(const Puzzle& puzzle);
    RandomPuzzleCommands& randomPuzzles() const { return *m_randomPuzzles; }

    // "Show errors": dots on the cells marked unlike the maker's picture; the
    // "No errors" message when there are none or the marks solve the puzzle.
    void showErrors();
    // Give Solution: prepares and shows the solution window.
    void giveSolution();
    // Reset: nothing marked, chooser back to black and white; one step that
    // Undo takes back.
    void resetPlayField();
    // Edit > Undo and Redo: one stroke of marks and crossed-off clues.
    void undo();
    void redo();
    // View > Zoom In, Zoom Out: the clue panel and field composed anew one
    // font step larger or smaller; Fit to Window: for the window's current
    // area. The play goes on unchanged.
    void zoomIn();
    void zoomOut();
    void fitToWindow();
    const PlayFieldComposition& composition() const { return m_composition; }
    // View > Cross Off Finished Clues, kept in "crossoff.ini" in the settings
    // folder ("1" on, anything else off).
    void setAutoCrossOff(bool on);
    QAction* zoomInAction() const { return m_zoomInAction; }
    QAction* zoomOutAction() const { return m_zoomOutAction; }
    QAction* fitAction() const { return m_fitAction; }
    QAction* crossOffAction() const { return m_crossOffAction; }
    // Edit > Hint: the next step line logic allows (solver/analysis/Hint.h),
    // its line and cells shown on the field and its sentence in the notice
    // line, until the next change. It marks nothing.
    void showHint();
    QAction* hintAction() const { return m_hintAction; }
    // Help > Keys: a message listing the keys.
    void showKeys();
    // The chooser back to left = black, right = white.
    void chooseBlackAndWhite();
    // A Language menu item: every caption in `language`; a byte that names
    // no language checks no item and leaves the texts empty.
    void applyLanguage(Language language);

    // The area the next composition may fill, in points.
    double availableWidth() const { return m_availableWidth; }
    double availableHeight() const { return m_availableHeight; }
    // Records the client area left of the control strip and above the bottom
    // strip as the available area. Done when the window becomes active while
    // maximised (and when an active maximised window gets its size); until
    // that has happened once, also at every load.
    void recordAvailableArea();
    bool maximisedAreaKnown() const { return m_maximisedAreaKnown; }

    const RecentList& recentFiles() const { return m_recent; }
    const ClueTables& clues() const { return m_clues; }
    PlayerCellStates& cellStates() { return m_cellStates; }
    PlayFieldState& playFieldState() { return m_playState; }
    PlayField& playField() { return *m_playField; }
    // True when a puzzle is laid out and can be played.
    bool hasPuzzle() const { return m_puzzleComposed; }

    CluePanel& cluePanel() const { return *m_cluePanel; }
    ColorChooser& chooser() const { return *m_chooser; }
    QScrollArea* playArea() const { return m_playArea; }
    // The strip along the right edge with the buttons, the chooser and the
    // position label; the empty strip along the bottom edge beside it.
    QWidget* controlStrip() const { return m_controlStrip; }
    QWidget* bottomStrip() const { return m_bottomStrip; }
    QPushButton* showErrorsButton() const { return m_showErrorsButton; }
    QPushButton* solutionButton() const { return m_solutionButton; }
    QPushButton* resetButton() const { return m_resetButton; }
    QLabel* positionLabel() const { return m_positionLabel; }
    // The play time beside the position label; the line that tells a game
    // was resumed.
    QLabel* timeLabel() const { return m_timeLabel; }
    QLabel* noticeLabel() const { return m_noticeLabel; }

    // Progress kept without asking: the marks, crossed-off clues and play
    // time of the puzzle, written to "progress" in the settings folder within
    // a second of every change (and when the window closes or another puzzle
    // is opened) and restored when a file with the same contents is opened.
    // An empty field forgets its puzzle's progress.
    void saveProgress();
    // Where the progress of each puzzle is kept: "progress" in the settings
    // folder unless set (the program sets the user's own folder, so that
    // nothing is written beside the programs).
    QString progressFolder() const;
    void setProgressFolder(const QString& folder);
    // The play time so far, in milliseconds; it runs while the window is
    // active and not minimised and the puzzle is not solved.
    std::int64_t playTime() const { return m_clock.elapsed(m_monotonic.elapsed()); }
    SolutionWindow& solutionWindow() const { return *m_solutionWindow; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* editMenu() const { return m_editMenu; }
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    QAction* keysAction() const { return m_keysAction; }
    QAction* recentAction(int index) const { return m_recentActions[static_cast<std::size_t>(index)]; }
    QAction* languageAction(Language language) const { return m_languages->action(language); }

signals:
    // After applyLanguage has applied a language's texts.
    void languageApplied(Language language);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void updateEditActions();
    void playChanged();
    void updateClock();
    void updateRecentMenu();
    void buildStrips();
    void layOutClient();
    void recordIfActiveAndMaximised();
    void hidePlayField();
    // Keeps the progress of the game being left and starts a fresh clock.
    void leaveGame();
    // Composes the play field for the puzzle now loaded; `key` names its kept
    // progress (empty: none is kept).
    void startGame(const std::string& key);
    void showMessage(const Message& message);
    double pixelsPerPoint() const;

    Puzzle& m_puzzle;
    Session& m_session;
    platform::Platform m_platform;
    ClueTables m_clues;
    PlayerCellStates m_cellStates;
    PlayFieldState m_playState;
    bool m_puzzleComposed = false;
    double m_availableWidth = 0;
    double m_availableHeight = 0;
    bool m_maximisedAreaKnown = false;
    QString m_settingsFolder;
    RecentList m_recent;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_hintAction = nullptr;
    QMenu* m_viewMenu = nullptr;
    QAction* m_zoomInAction = nullptr;
    QAction* m_zoomOutAction = nullptr;
    QAction* m_fitAction = nullptr;
    QAction* m_crossOffAction = nullptr;
    PlayFieldComposition m_composition;
    QMenu* m_helpMenu = nullptr;
    QAction* m_keysAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::array<QAction*, 5> m_recentActions {};
    QAction* m_newRandomAction = nullptr;
    QAction* m_openCodeAction = nullptr;
    RandomPuzzleCommands* m_randomPuzzles = nullptr; // a child of the window
    QAction* m_exitAction = nullptr;
    std::unique_ptr<platform::LanguageMenu> m_languages;

    QWidget* m_client = nullptr;
    QScrollArea* m_playArea = nullptr;
    QWidget* m_controlStrip = nullptr;
    QWidget* m_bottomStrip = nullptr;
    QPushButton* m_showErrorsButton = nullptr;
    QPushButton* m_solutionButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    QLabel* m_positionLabel = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_noticeLabel = nullptr;
    QTimer* m_saveTimer = nullptr;
    QTimer* m_clockTimer = nullptr;
    QElapsedTimer m_monotonic;
    PlayClock m_clock;
    QString m_progressFolder; // empty: "progress" in the settings folder
    ProgressStore m_progress;
    std::string m_progressKey; // of the puzzle on screen; empty when none
    CluePanel* m_cluePanel = nullptr;
    ColorChooser* m_chooser = nullptr;
    std::unique_ptr<PlayField> m_playField;
    std::unique_ptr<SolutionWindow> m_solutionWindow;
};

} // namespace gw::player
