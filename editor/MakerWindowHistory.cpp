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
#include "editor/MakerDocument.h"
#include "editor/MakerWindow.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "playfield/ColorChooser.h"
#include "solver/analysis/ClueImport.h"

namespace gw::editor {

namespace {
// The file and format of Export Clues: the typed extension decides (".xml"
// or ".non", as the command line's export); a name without either gets the
// extension of the filter entry chosen (0 XML, 1 .non) and its format.
std::pair<QString, ClueFormat> clueFileChoice(const QString& typed, int filterIndex)
{
    if (const std::optional<ClueFormat> byName = clueFormatFromPath(platform::pathBytes(typed)))
        return {typed, *byName};
    const ClueFormat byFilter = filterIndex == 1 ? ClueFormat::Non : ClueFormat::Webpbn;
    return {typed + (byFilter == ClueFormat::Non ? QStringLiteral(".non") : QStringLiteral(".xml")), byFilter};
}
} // namespace

void MakerWindow::addHistoryAndClueItems()
{
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
    QUndoStack& history = m_document->history();
    connect(&history, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(m_undoAction, &QAction::triggered, this, &MakerWindow::undoCommand);
    connect(m_redoAction, &QAction::triggered, this, &MakerWindow::redoCommand);
    connect(m_grid, &GridView::released, m_document, &MakerDocument::endStroke);

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

void MakerWindow::undoCommand()
{
    if (const EditCommand* command = m_document->undo())
        afterHistoryStep(txt::UndoneBefore, *command);
}

void MakerWindow::redoCommand()
{
    if (const EditCommand* command = m_document->redo())
        afterHistoryStep(txt::RedoneBefore, *command);
}

void MakerWindow::afterHistoryStep(const Text& prefix, const EditCommand& command)
{
    layoutWindow();
    if (m_sizeDialog->isVisible())
        m_sizeDialog->refresh();
    setStatus(localText(m_session, prefix) + localText(m_session, command.name()));
    m_preview->redraw();
    emit puzzleRestored();
}

void MakerWindow::importCluesCommand()
{
    askAndOpen(localText(m_session, txt::FilterImportClues), &MakerWindow::importCluesFile);
}

void MakerWindow::importCluesFile(const QString& path)
{
    m_document->endStroke();
    if (m_clueImport == nullptr) {
        m_clueImport = new ClueImportRunner(this);
        connect(m_clueImport, &ClueImportRunner::finished, this,
                [this](const Puzzle& imported, const analysis::ClueImportResult& result) {
                    m_platform.busy.setBusy(false);
                    showMessages(result.messages);
                    if (!result.imported)
                        return; // the puzzle and its history stay as they were
                    m_puzzle = imported;
                    m_document->startHistory();
                    m_chooser->showColorPuzzle(m_puzzle.isColor);
                    rememberFolder(m_clueImportPath);
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
    request.title = localText(m_session, txt::ExportCluesTitle);
    request.filter = localText(m_session, txt::FilterExportClues);
    request.fileName = platform::pathFromBytes(m_puzzle.name);
    request.initialFolder = dialogFolder(true);
    for (;;) {
        const platform::FileDialogResult chosen = m_platform.files.save(request);
        if (!chosen.accepted)
            return;
        const auto [path, format] = clueFileChoice(chosen.path, chosen.filterIndex);
        if (format == ClueFormat::Non && !blackAndWhiteOnly(m_puzzle)) {
            showMessage(localText(m_session, txt::NonBlackWhiteOnly), localText(m_session, txt::ExportCluesTitle),
                        platform::Icon::Exclamation);
            return;
        }
        if (QFileInfo::exists(path)) {
            const platform::Answer answer =
                m_platform.messages.show(localText(m_session, txt::FileOverwrite), platform::displayPath(path),
                                         platform::Icon::Exclamation, platform::Buttons::YesNoCancel);
            if (answer == platform::Answer::Cancel)
                return;
            if (answer == platform::Answer::No)
                continue;
        }
        exportCluesTo(path, format);
        return;
    }
}

bool MakerWindow::exportCluesTo(const QString& path, ClueFormat format)
{
    const SaveResult result = exportClueFile(m_puzzle, platform::pathBytes(path), format, m_session.language);
    if (!result.ok) {
        if (format == ClueFormat::Non && !blackAndWhiteOnly(m_puzzle))
            showMessages({result.message}); // no system's reason: the file was never written
        else
            showSaveFailure(result);
        return false;
    }
    setStatus(platform::displayText(fileSavedStatus(m_session.language, platform::pathBytes(path))));
    rememberFolder(path);
    return true;
}

} // namespace gw::editor
