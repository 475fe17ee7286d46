// MakerWindow: the undo history (Edit > Undo / Redo) and the clue files
// (File > Import Clues / Export Clues).
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

#include "core/PuzzleFile.h"
#include "editor/ClueImportRunner.h"
#include "editor/EditCommands.h"
#include "editor/GridView.h"
#include "editor/MakerWindow.h"
#include "editor/SizeDialog.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "playfield/ColorChooser.h"
#include "solver/analysis/ClueImport.h"

namespace gw::editor {

namespace {
// Steps kept. A step holds at most 10 KB (a stroke over all 2500 cells), most
// far less, so the history stays below 10 MB.
constexpr int UndoLimit = 1000;
} // namespace

void MakerWindow::addHistoryAndClueItems()
{
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(UndoLimit);
    auto item = [this](const char* name) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    m_undoAction = item("undoAction");
    m_redoAction = item("redoAction");
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction->setShortcuts(QKeySequence::Redo);
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    m_editMenu->insertActions(m_changeSizeAction, {m_undoAction, m_redoAction});
    m_editMenu->insertSeparator(m_changeSizeAction);
    connect(m_history, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(m_history, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(m_undoAction, &QAction::triggered, this, &MakerWindow::undoCommand);
    connect(m_redoAction, &QAction::triggered, this, &MakerWindow::redoCommand);
    connect(m_grid, &GridView::released, this, &MakerWindow::endStroke);

    // Right after Import Image.
    m_importCluesAction = item("importCluesAction");
    m_exportCluesAction = item("exportCluesAction");
    const QList<QAction*> fileItems = m_fileMenu->actions();
    m_fileMenu->insertActions(fileItems.value(int(fileItems.indexOf(m_importAction)) + 1),
                              {m_importCluesAction, m_exportCluesAction});
    connect(m_importCluesAction, &QAction::triggered, this, &MakerWindow::importCluesCommand);
    connect(m_exportCluesAction, &QAction::triggered, this, &MakerWindow::exportCluesCommand);
}

void MakerWindow::applyHistoryAndClueCaptions()
{
    m_undoAction->setText(localText(m_session, txt::MenuUndo));
    m_redoAction->setText(localText(m_session, txt::MenuRedo));
    m_importCluesAction->setText(localText(m_session, txt::MenuImportClues));
    m_exportCluesAction->setText(localText(m_session, txt::MenuExportClues));
}

void MakerWindow::startHistory()
{
    m_stroke.reset();
    m_history->clear();
}

void MakerWindow::endStroke()
{
    std::unique_ptr<StrokeCommand> stroke = std::move(m_stroke);
    if (stroke && !stroke->empty())
        m_history->push(stroke.release()); // its cells are painted already
}

void MakerWindow::pushEdit(EditCommand* command)
{
    endStroke();
    m_history->push(command);
}

void MakerWindow::undoCommand()
{
    endStroke();
    if (!m_history->canUndo())
        return;
    const auto* command = static_cast<const EditCommand*>(m_history->command(m_history->index() - 1));
    m_history->undo();
    afterHistoryStep(txt::UndoneBefore, *command);
}

void MakerWindow::redoCommand()
{
    endStroke();
    if (!m_history->canRedo())
        return;
    const auto* command = static_cast<const EditCommand*>(m_history->command(m_history->index()));
    m_history->redo();
    afterHistoryStep(txt::RedoneBefore, *command);
}

void MakerWindow::afterHistoryStep(const Text& prefix, const EditCommand& command)
{
    layoutWindow();
    if (m_sizeDialog->isVisible())
        m_sizeDialog->refresh();
    setStatus(localText(m_session, prefix) + localText(m_session, command.name()));
    setPuzzleChanged(!m_history->isClean());
    emit puzzleRestored();
}

void MakerWindow::importCluesCommand() { askAndOpen(txt::FilterImportClues, &MakerWindow::importCluesFile); }

void MakerWindow::importCluesFile(const QString& path)
{
    endStroke();
    if (m_clueImport == nullptr) {
        m_clueImport = new ClueImportRunner(this);
        connect(m_clueImport, &ClueImportRunner::finished, this,
                [this](const Puzzle& imported, const analysis::ClueImportResult& result) {
                    m_platform.busy.setBusy(false);
                    showMessages(result.messages);
                    if (!result.imported)
                        return; // the puzzle and its history stay as they were
                    m_puzzle = imported;
                    startHistory();
                    m_chooser->showColorPuzzle(m_puzzle.ColorPuzzle);
                    showImportedPicture(m_clueImportPath, true);
                });
        connect(m_clueImport, &ClueImportRunner::cancelled, this, [this] { m_platform.busy.setBusy(false); });
    }
    if (m_clueImport->start(m_puzzle, platform::pathBytes(path), m_session.language,
                            localText(m_session, txt::ClueImportBusy))) {
        m_clueImportPath = path;
        m_platform.busy.setBusy(true);
    }
}

bool MakerWindow::importingClues() const { return m_clueImport != nullptr && m_clueImport->running(); }

void MakerWindow::exportCluesCommand()
{
    platform::FileDialogRequest request;
    request.filter = localText(m_session, txt::FilterExportClues);
    request.fileName = platform::pathFromBytes(m_puzzle.PuzzleName);
    request.initialFolder = puzzlesFolder();
    for (;;) {
        const platform::FileDialogResult chosen = m_platform.files.save(request);
        if (!chosen.accepted)
            return;
        const ClueFormat format = chosen.filterIndex == 1 ? ClueFormat::Non : ClueFormat::Webpbn;
        if (format == ClueFormat::Non && !blackAndWhiteOnly(m_puzzle)) {
            showMessage(localText(m_session, txt::NonBlackWhiteOnly), localText(m_session, txt::ExportCluesTitle),
                        platform::Icon::Exclamation);
            return;
        }
        if (QFileInfo::exists(chosen.path)) {
            const platform::Answer answer =
                m_platform.messages.show(localText(m_session, txt::FileOverwrite), platform::displayPath(chosen.path),
                                         platform::Icon::Exclamation, platform::Buttons::YesNoCancel);
            if (answer == platform::Answer::Cancel)
                return;
            if (answer == platform::Answer::No)
                continue;
        }
        exportCluesTo(chosen.path, format);
        return;
    }
}

bool MakerWindow::exportCluesTo(const QString& path, ClueFormat format)
{
    const SaveResult result = exportClueFile(m_puzzle, platform::pathBytes(path), format, m_session.language);
    if (!result.ok) {
        showMessages({result.message});
        return false;
    }
    setStatus(platform::displayText(fileSavedStatus(m_session.language, platform::pathBytes(path))));
    return true;
}

} // namespace gw::editor
