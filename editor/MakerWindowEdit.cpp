// MakerWindow: drawing on the grid, the size and picture operations, image import.
#include <QLabel>

#include "core/Palette.h"
#include "core/PuzzleFile.h"
#include "editor/ColorChooser.h"
#include "editor/MakerWindow.h"
#include "editor/GridView.h"
#include "editor/SizeDialog.h"
#include "editor/ImageImport.h"
#include "editor/PreviewView.h"
#include "editor/PuzzleOps.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw::editor {

void MakerWindow::pointerOnGrid(int button, QPointF position) {
    const int x = cellFromPixel(position.x(), m_gridZoom, m_puzzle.PuzzleWidth);
    const int y = cellFromPixel(position.y(), m_gridZoom, m_puzzle.PuzzleHeight);
    drawCell(button, x, y);
}

void MakerWindow::drawCell(int button, int x, int y) {
    m_Positie->setText(QStringLiteral(" %1, %2").arg(x + 1).arg(y + 1));
    if (button != 1 && button != 2)
        return;
    const std::uint8_t v = m_puzzle.ButtonColor[static_cast<std::size_t>(button - 1)];
    if (m_puzzle.cell(x, y) == v)
        return;
    m_puzzle.cell(x, y) = v;
    setStatus(text(txt::CellStatusBefore) + QString::number(x + 1) + QStringLiteral(", ") + QString::number(y + 1) +
              text(txt::CellStatusMiddle) + QString::fromStdString(colorName(m_puzzle.Language, v)) +
              text(txt::CellStatusAfter));
    m_grid->paintCell(x, y, v);
    m_puzzle.PuzzleChanged = true;
    m_preview->setCell(x, y, v);
}

void MakerWindow::sizeCommand() {
    m_sizeDialog->refresh();
    m_sizeDialog->show();
}

void MakerWindow::afterPictureChange(const QString& status) {
    layoutWindow();
    setStatus(status);
    TekeningGewijzigd(true);
}

void MakerWindow::fitSizeCommand() {
    if (!FitSize(m_puzzle)) {
        showMessage(text(txt::SizeFitNoPicture), text(txt::FitSizeTitle), platform::Icon::Information);
        return;
    }
    afterPictureChange(text(txt::SizeFitted));
}

void MakerWindow::negativeCommand() {
    MakeNegative(m_puzzle);
    m_grid->redraw(m_gridZoom);
    TekeningGewijzigd(true);
    setStatus(text(txt::MadeNegative));
}

void MakerWindow::shiftCommand(int index) {
    static const Text* const statuses[4] = {&txt::DraggedLeft, &txt::DraggedRight, &txt::DraggedUp, &txt::DraggedDown};
    if (index < 0 || index > 3)
        return;
    ShiftPicture(m_puzzle, static_cast<Shift>(index));
    afterPictureChange(text(*statuses[index]));
}

void MakerWindow::importCommand() {
    if (!askSaveFirst())
        return;
    platform::FileDialogRequest request;
    request.filter = text(txt::FilterImport);
    request.initialFolder = puzzlesFolder();
    const platform::FileDialogResult chosen = m_platform.files.open(request);
    if (chosen.accepted)
        importFile(chosen.path);
}

void MakerWindow::importFile(const QString& path) {
    ImportResult result;
    {
        platform::BusyScope busy(m_platform.busy);
        result = ImportImage(m_puzzle, path);
    }
    m_chooser->showColorMode(m_puzzle.ColorPuzzle);
    showMessages(result.messages);
    if (result.status == ImportStatus::Imported) {
        setCaption();
        setStatus(QString::fromStdString(fileOpenedStatus(m_puzzle.Language, path.toStdString())));
    }
    m_chooser->choose(1, Black);
    m_chooser->choose(2, White);
    layoutWindow();
    TekeningGewijzigd(false);
}

} // namespace gw::editor
