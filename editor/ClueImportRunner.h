#pragma once
// File > Import Clues off the window's thread: reading a clue file and
// solving bare clues can take seconds (the solver's budget is 5), during
// which the window keeps repainting. The runner works on a copy of the
// puzzle, shows that it is busy with a window-modal progress box whose
// Cancel button stops it, and hands the outcome back on its own thread.
#include <QObject>
#include <QPointer>
#include <atomic>
#include <string>
#include <thread>

#include "core/Puzzle.h"
#include "lang/Language.h"
#include "solver/analysis/ClueImport.h"

class QProgressDialog;
class QWidget;

namespace gw::editor {

class ClueImportRunner : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the progress box.
    explicit ClueImportRunner(QWidget* window);
    // Cancels an import still running and waits for its thread.
    ~ClueImportRunner() override;

    // Starts importing `path` (analysis::importClueFile) into a copy of
    // `puzzle`, with messages in `language`; `busyText` labels the progress
    // box. Returns false, doing nothing, while another import runs.
    bool start(const Puzzle& puzzle, const std::string& path, Language language, const QString& busyText);
    bool running() const { return m_thread.joinable(); }
    // Stops the running import: `finished` is not emitted for it.
    void cancel();

signals:
    // Once per import that was not cancelled, on the runner's thread, after
    // the progress box has closed: the copy (imported or untouched) and the
    // outcome.
    void finished(const gw::Puzzle& puzzle, const gw::analysis::ClueImportResult& result);
    // Instead of `finished` for a cancelled import, once its thread ended.
    void cancelled();

private:
    void done(const Puzzle& puzzle, const analysis::ClueImportResult& result);

    QWidget* m_window;
    QPointer<QProgressDialog> m_progress;
    std::thread m_thread;
    std::atomic<bool> m_cancel {false};
};

} // namespace gw::editor
