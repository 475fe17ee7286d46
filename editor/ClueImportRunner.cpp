#include "editor/ClueImportRunner.h"

#include <QProgressDialog>
#include <QPushButton>

namespace gw::editor {

ClueImportRunner::ClueImportRunner(QWidget* window) : QObject(window), m_window(window) { }

ClueImportRunner::~ClueImportRunner()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool ClueImportRunner::start(const Puzzle& puzzle, const std::string& path, Language language, const QString& busyText)
{
    if (running())
        return false;
    m_cancel = false;
    m_progress = new QProgressDialog(busyText, QString(), 0, 0, m_window);
    m_progress->setObjectName(QStringLiteral("clueImportProgress"));
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    // The default Cancel button, in the language Qt's own texts follow.
    m_progress->setCancelButton(new QPushButton(QProgressDialog::tr("Cancel"), m_progress));
    connect(m_progress, &QProgressDialog::canceled, this, &ClueImportRunner::cancel);
    m_progress->show();
    m_thread = std::thread([this, copy = puzzle, path, language]() mutable {
        analysis::AnalysisOptions options = analysis::clueImportOptions();
        options.cancel = &m_cancel;
        const analysis::ClueImportResult result = analysis::importClueFile(copy, path, language, options);
        // Queued to the runner's thread; dropped when the runner is gone.
        QMetaObject::invokeMethod(
            this, [this, copy, result] { done(copy, result); }, Qt::QueuedConnection);
    });
    return true;
}

void ClueImportRunner::cancel() { m_cancel = true; }

void ClueImportRunner::done(const Puzzle& puzzle, const analysis::ClueImportResult& result)
{
    m_thread.join();
    if (m_progress) {
        disconnect(m_progress, &QProgressDialog::canceled, this, &ClueImportRunner::cancel);
        m_progress->close();
    }
    if (m_cancel)
        emit cancelled();
    else
        emit finished(puzzle, result);
}

} // namespace gw::editor
