#pragma once
// New puzzles to play in the player: the New Random Puzzle dialog, the Open
// Puzzle Code dialog, and the maker that builds a puzzle off the window
// thread (solver/analysis/RandomPuzzle.h) with a progress box to cancel it.
#include <QDialog>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "core/Puzzle.h"
#include "core/Session.h"
#include "platform/Platform.h"
#include "solver/analysis/RandomPuzzle.h"

class QComboBox;
class QLineEdit;
class QProgressDialog;
class QSpinBox;

namespace gw::player {

// Width and height 5..50, black and white or 3..8 colours, easy / medium /
// hard. Texts in the session's language.
class RandomPuzzleDialog : public QDialog {
    Q_OBJECT
public:
    RandomPuzzleDialog(const Session& session, const analysis::PuzzleCode& initial, QWidget* parent = nullptr);

    // The choices, with a seed taken from `entropy`.
    analysis::PuzzleCode chosenCode(std::uint64_t entropy) const;
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    // Entry i is i + 2 colours (entry 0: black and white).
    QComboBox* colorsBox() const { return m_colors; }
    // Entries easy, medium, hard.
    QComboBox* gradeBox() const { return m_grade; }

private:
    QSpinBox* m_width;
    QSpinBox* m_height;
    QComboBox* m_colors;
    QComboBox* m_grade;
};

// One line for a code such as 15x15-2c-medium-7F3K9Q.
class PuzzleCodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PuzzleCodeDialog(const Session& session, QWidget* parent = nullptr);
    QLineEdit* codeEdit() const { return m_code; }

private:
    QLineEdit* m_code;
};

// The File menu's New Random Puzzle and Open Puzzle Code. The dialogs open
// window-modal without blocking (open(), not exec()); what they ask for is
// done by start() and openCode(), which tests call directly. One puzzle is
// made at a time, on a worker thread; a new start cancels the one running.
class RandomPuzzleCommands : public QObject {
    Q_OBJECT
public:
    RandomPuzzleCommands(Session& session, platform::Platform platform, QWidget* window);
    ~RandomPuzzleCommands() override;

    void newRandomPuzzleCommand();
    void openPuzzleCodeCommand();
    // A bad code gets the PuzzleCodeInvalid message and returns false;
    // a good one starts making its puzzle.
    bool openCode(const QString& text);
    // Starts making the puzzle of `code`, with the progress box shown.
    void start(const analysis::PuzzleCode& code);
    // Stops the puzzle being made; puzzleReady is not emitted for it.
    void cancel();
    bool running() const { return m_job != nullptr; }
    QProgressDialog* progressBox() const { return m_progress; }
    // The dialogs while open (else null), for tests and screenshots.
    RandomPuzzleDialog* randomDialog() const { return m_randomDialog; }
    PuzzleCodeDialog* codeDialog() const { return m_codeDialog; }

signals:
    // On the window thread, when the asked-for puzzle is ready. Its
    // name and title are its code.
    void puzzleReady(const gw::Puzzle& puzzle);

private:
    struct Job;
    void finishJob(int number);

    Session& m_session;
    platform::Platform m_platform;
    QWidget* m_window;
    analysis::PuzzleCode m_lastCode;
    std::unique_ptr<Job> m_job;
    int m_jobsStarted = 0;
    QProgressDialog* m_progress;
    RandomPuzzleDialog* m_randomDialog = nullptr;
    PuzzleCodeDialog* m_codeDialog = nullptr;
};

} // namespace gw::player
