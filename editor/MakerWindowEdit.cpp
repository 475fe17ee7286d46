// MakerWindow: drawing on the grid, the size and picture edits, image import.
#include <QLabel>

#include "core/Palette.h"
#include "core/Paths.h"
#include "core/PictureEdits.h"
#include "core/PuzzleFile.h"
#include "editor/EditCommands.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/ImageImport.h"
#include "editor/MakerDocument.h"
#include "editor/MakerWindow.h"
#include "editor/PictureImportDialog.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/FileFilter.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "playfield/ColorChooser.h"

namespace gw::editor {

void MakerWindow::pointerOnGrid(int button, QPointF position)
{
    const int x = cellFromPixel(position.x(), m_gridZoom, m_puzzle.width);
    const int y = cellFromPixel(position.y(), m_gridZoom, m_puzzle.height);
    if (m_tool != DrawingTool::Freehand) {
        useTool(button, x, y);
        return;
    }
    drawCell(button, x, y);
}

void MakerWindow::showPosition(int x, int y)
{
    m_positionLabel->setText(QStringLiteral(" %1, %2").arg(x + 1).arg(y + 1));
}

void MakerWindow::drawCell(int button, int x, int y)
{
    showPosition(x, y);
    if (button != 1 && button != 2)
        return;
    const std::uint8_t v = m_session.buttonColor[static_cast<std::size_t>(button - 1)];
    if (m_puzzle.cell(x, y) == v)
        return;
    m_document->drawCell(x, y, v);
    setStatus(localText(m_session, txt::CellStatusBefore) + QString::number(x + 1) + QStringLiteral(", ")
              + QString::number(y + 1) + localText(m_session, txt::CellStatusMiddle)
              + QString::fromStdString(colorName(m_session.language, v)) + localText(m_session, txt::CellStatusAfter));
    m_grid->paintCell(x, y, v);
    m_preview->setCell(x, y, v);
}

void MakerWindow::sizeCommand()
{
    m_sizeDialog->refresh();
    m_sizeDialog->show();
}

void MakerWindow::applySize(int width, int height)
{
    m_document->push(new ResizeCommand(m_puzzle, width, height));
    m_preview->redraw();
    layoutWindow();
    sizeCommand();
}

void MakerWindow::afterPictureChange(const QString& status)
{
    layoutWindow();
    setStatus(status);
    m_preview->redraw();
}

void MakerWindow::fitSizeCommand()
{
    auto fit = std::make_unique<FitSizeCommand>(m_puzzle);
    if (!fit->hasPicture()) {
        showMessage(localText(m_session, txt::SizeFitNoPicture), localText(m_session, txt::FitSizeTitle),
                    platform::Icon::Information);
        return;
    }
    m_document->push(fit.release());
    afterPictureChange(localText(m_session, txt::SizeFitted));
}

void MakerWindow::negativeCommand()
{
    m_document->push(new NegativeCommand(m_puzzle));
    m_grid->redraw(m_gridZoom);
    m_preview->redraw();
    setStatus(localText(m_session, txt::MadeNegative));
}

void MakerWindow::applySuggestedFix(const std::vector<analysis::CellChange>& changes)
{
    auto* command = new StrokeCommand(m_puzzle, txt::EditSuggestedFix);
    for (const analysis::CellChange& change : changes) {
        command->record(change.x, change.y, m_puzzle.cell(change.x, change.y), change.color);
        m_puzzle.cell(change.x, change.y) = change.color;
    }
    m_document->push(command);
    m_grid->redraw(m_gridZoom);
    setStatus(localText(m_session, txt::FixApplied));
}

void MakerWindow::dragCommand(ShiftDirection direction)
{
    m_document->push(new ShiftCommand(m_puzzle, direction));
    // In ShiftDirection's order.
    static const Text* const statuses[4] = {&txt::DraggedLeft, &txt::DraggedRight, &txt::DraggedUp, &txt::DraggedDown};
    afterPictureChange(localText(m_session, *statuses[static_cast<std::size_t>(direction)]));
}

void MakerWindow::importCommand()
{
    askAndOpen(platform::withReadablePictures(localText(m_session, txt::FilterImport),
                                              localText(m_session, txt::FilterImportPng),
                                              localText(m_session, txt::ReadablePictures)),
               &MakerWindow::importFile);
}

void MakerWindow::importFile(const QString& path)
{
    m_document->startHistory();
    ImportResult result;
    {
        platform::BusyScope busy(m_platform.busy);
        result = importImage(m_puzzle, path, m_session.language);
    }
    m_chooser->showColorPuzzle(m_puzzle.isColor);
    showMessages(result.messages);
    if (result.status == ImportStatus::Imported)
        rememberFolder(path);
    showImportedPicture(path, result.status == ImportStatus::Imported);
}

void MakerWindow::importWithOptionsCommand()
{
    askAndOpen(platform::withReadablePictures(localText(m_session, txt::FilterImport),
                                              localText(m_session, txt::FilterImportPng),
                                              localText(m_session, txt::ReadablePictures)),
               &MakerWindow::importWithOptionsFile);
}

PictureImportDialog& MakerWindow::pictureDialog()
{
    if (!m_pictureDialog) {
        m_pictureDialog = new PictureImportDialog(m_session, this);
        connect(m_pictureDialog, &PictureImportDialog::importRequested, this, &MakerWindow::importChosenPicture);
    }
    return *m_pictureDialog;
}

void MakerWindow::importWithOptionsFile(const QString& path)
{
    QImage picture;
    {
        platform::BusyScope busy(m_platform.busy);
        picture = readPicture(path);
    }
    if (picture.isNull()) {
        Puzzle untouched; // the plain import's messages, the puzzle left alone
        showMessages(importImage(untouched, path, m_session.language).messages);
        return;
    }
    m_dialogPicture = picture;
    m_dialogPicturePath = path;
    pictureDialog().setPicture(picture, m_makerSettings);
    m_pictureDialog->show();
}

void MakerWindow::importChosenPicture(const PictureChoices& choices)
{
    m_document->startHistory();
    const std::string bytes = platform::pathBytes(m_dialogPicturePath);
    importPicture(m_puzzle, m_dialogPicture, platform::pathFromBytes(puzzleNameFromPath(bytes)), m_session.language,
                  choices);
    m_chooser->showColorPuzzle(m_puzzle.isColor);
    rememberFolder(m_dialogPicturePath);
    m_pictureDialog->rememberChoices(m_makerSettings);
    writeMakerSettings();
    showImportedPicture(m_dialogPicturePath, true);
}

void MakerWindow::showImportedPicture(const QString& path, bool imported)
{
    if (imported) {
        setCaption();
        setStatus(platform::displayText(fileOpenedStatus(m_session.language, platform::pathBytes(path))));
    }
    m_chooser->choose(1, Black);
    m_chooser->choose(2, White);
    layoutWindow();
    m_preview->redraw();
}

} // namespace gw::editor
