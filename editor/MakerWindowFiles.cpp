// MakerWindow: start-up, the file commands, the recent list and closing.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>

#include "core/Palette.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"
#include "editor/GridView.h"
#include "editor/MakerDocument.h"
#include "editor/MakerWindow.h"
#include "editor/NewPuzzleDialog.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/DataPicture.h"
#include "platform/DroppedFile.h"
#include "platform/FailureText.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/RecentMenu.h"
#include "playfield/ColorChooser.h"

namespace gw::editor {

namespace {
constexpr int MousePictureHeight = 32;
} // namespace

void MakerWindow::start()
{
    // A stored byte that names no language would leave every text empty: English instead.
    const std::optional<Language> stored =
        readLanguageFile(platform::pathBytes(m_settingsFolder), m_session.programFolder);
    Language language = Language::English;
    if (!stored) {
        m_session.language = Language::English;
        showMessage(localText(m_session, txt::ThanksForInstalling), localText(m_session, txt::ProductMaker),
                    platform::Icon::Information);
    } else if (hasTexts(*stored)) {
        language = *stored;
    }
    applyLanguage(language);
    m_makerSettings = readMakerSettings(platform::pathBytes(m_settingsFolder));
    m_guideLinesAction->setChecked(m_makerSettings.guideLines);
    m_grid->setGuideLines(m_makerSettings.guideLines);

    using platform::loadDataPicture;
    m_chooser->setMousePictures(loadDataPicture(programFolder() + QStringLiteral("mouse1.dat"), MousePictureHeight),
                                loadDataPicture(programFolder() + QStringLiteral("mouse2.dat"), MousePictureHeight));
    m_recent.readFile(m_session.programFolder);
    refreshRecent();
    m_chooser->choose(1, Black);
    m_chooser->choose(2, White);
    newPuzzle(25, 25, false);
    setStatus(localText(m_session, txt::Welcome));

    m_printerName = m_platform.printers.defaultPrinterName();
    m_printerPresent = !m_printerName.isEmpty();
    if (!m_printerPresent)
        showMessage(localText(m_session, txt::NoPrinter), localText(m_session, txt::ProductMaker),
                    platform::Icon::Critical);
}

void MakerWindow::newPuzzle(int width, int height, bool color)
{
    m_document->startHistory();
    gw::newPuzzle(m_puzzle, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height), color,
                  m_session.language);
    m_session.buttonColor = {{Black, White}};
    setCaption();
    m_chooser->showColorPuzzle(color);
    setStatus(localText(m_session, color ? txt::NewColorPuzzle : txt::NewBwPuzzle));
    m_chooser->choose(1, Black);
    m_chooser->choose(2, White);
    m_preview->redraw();
    m_newDialog->hide();
    show();
    layoutWindow();
}

bool MakerWindow::askSaveFirst()
{
    if (!m_document->isModified())
        return true;
    const platform::Answer answer =
        m_platform.messages.show(localText(m_session, txt::FirstSave), localText(m_session, txt::FirstSaveTitle),
                                 platform::Icon::Question, platform::Buttons::YesNoCancel);
    if (answer == platform::Answer::Cancel)
        return false;
    if (answer == platform::Answer::Yes)
        return saveCommand(); // a save that did not happen keeps the puzzle
    return true;
}

void MakerWindow::newCommand()
{
    if (!askSaveFirst())
        return;
    m_newDialog->show();
}

void MakerWindow::askAndOpen(const QString& filter, void (MakerWindow::*work)(const QString& path))
{
    if (!askSaveFirst())
        return;
    platform::FileDialogRequest request;
    request.filter = filter;
    request.initialFolder = dialogFolder(false);
    const platform::FileDialogResult chosen = m_platform.files.open(request);
    if (chosen.accepted)
        (this->*work)(chosen.path);
}

void MakerWindow::openCommand() { askAndOpen(localText(m_session, txt::FilterOpen), &MakerWindow::loadFile); }

void MakerWindow::openRecent(int index)
{
    // A file that has vanished is reported and dropped before anything is
    // asked or read: the puzzle on screen stays as it is.
    const std::optional<QString> path = platform::existingRecentFile(
        m_recent, index, m_platform.messages, m_session.language, m_recentActions, m_recentSeparator);
    if (!path || !askSaveFirst())
        return;
    loadFile(*path);
}

void MakerWindow::loadFile(const QString& path)
{
    m_document->startHistory();
    LoadResult result;
    {
        platform::BusyScope busy(m_platform.busy);
        result = readPuzzleFile(m_puzzle, platform::pathBytes(path), ReaderVariant::Maker, m_session.language);
    }
    m_chooser->showColorPuzzle(m_puzzle.isColor);
    showMessages(result.messages);
    if (result.loaded()) {
        setCaption();
        setStatus(platform::displayText(fileOpenedStatus(m_session.language, platform::pathBytes(path))));
        addRecent(path);
        rememberFolder(path);
    }
    // Whatever the outcome, the buttons paint black and white again.
    m_chooser->choose(1, Black);
    m_chooser->choose(2, White);
    layoutWindow();
    m_preview->redraw();
}

bool MakerWindow::saveTo(const QString& path)
{
    m_document->endStroke();
    const SaveResult result = savePbm(m_puzzle, platform::pathBytes(path), m_session.language);
    if (!result.ok) {
        showSaveFailure(result);
        return false;
    }
    setStatus(platform::displayText(fileSavedStatus(m_session.language, platform::pathBytes(path))));
    addRecent(path);
    rememberFolder(path);
    m_document->markSaved();
    m_preview->redraw();
    return true;
}

bool MakerWindow::saveCommand()
{
    if (m_document->fileName() == NoFileName)
        return saveAsCommand();
    return saveTo(platform::pathFromBytes(m_document->fileName()));
}

bool MakerWindow::saveAsCommand()
{
    for (;;) {
        platform::FileDialogRequest request;
        request.filter = localText(m_session, m_puzzle.isColor ? txt::FilterSaveColor : txt::FilterSaveBw);
        const std::string& fileName = m_document->fileName();
        const std::string preset = fileName == NoFileName ? m_puzzle.name : fileName;
        const std::size_t dot = preset.rfind('.');
        const std::size_t lastSeparator = preset.find_last_of("/\\");
        const bool dotInName = dot != std::string::npos && (lastSeparator == std::string::npos || dot > lastSeparator);
        request.fileName = platform::pathFromBytes(dotInName ? preset.substr(0, dot) : preset);
        request.initialFolder = dialogFolder(true);
        request.filterIndex = 0;
        const platform::FileDialogResult chosen = m_platform.files.save(request);
        if (!chosen.accepted)
            return false;
        if (!m_puzzle.isColor && chosen.filterIndex == 1) {
            m_puzzle.isColor = true;
            m_chooser->showColorPuzzle(true);
        }
        if (QFileInfo::exists(chosen.path)) {
            const platform::Answer answer =
                m_platform.messages.show(localText(m_session, txt::FileOverwrite), platform::displayPath(chosen.path),
                                         platform::Icon::Exclamation, platform::Buttons::YesNoCancel);
            if (answer == platform::Answer::Cancel)
                return false;
            if (answer == platform::Answer::No)
                continue;
        }
        return saveUnderNewName(chosen.path);
    }
}

bool MakerWindow::saveUnderNewName(const QString& path)
{
    // The puzzle takes the new name only once it is saved under it.
    if (!saveTo(path))
        return false;
    m_document->setFileName(platform::pathBytes(path));
    setCaption();
    return true;
}

void MakerWindow::showSaveFailure(const SaveResult& result)
{
    showMessage(platform::withSystemReason(QString::fromStdString(result.message.text), result.reason),
                platform::displayText(result.message.title), result.message.icon);
}

QString MakerWindow::dialogFolder(bool saving) const
{
    if (QDir(m_settingsFolder) == QDir(programFolder()))
        return puzzlesFolder();
    const QString last = platform::pathFromBytes(m_makerSettings.lastFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir()) // it may have been removed since
        return last;
    return saving ? QDir::homePath() : puzzlesFolder();
}

void MakerWindow::rememberFolder(const QString& path)
{
    const std::string folder = folderPart(platform::pathBytes(path));
    if (folder.empty() || folder == m_makerSettings.lastFolder)
        return;
    m_makerSettings.lastFolder = folder;
    writeMakerSettings();
}

void MakerWindow::addRecent(const QString& path)
{
    m_recent.addRecent(platform::pathBytes(path));
    updateRecentMenu();
}

void MakerWindow::refreshRecent()
{
    m_recent.refreshRecent();
    updateRecentMenu();
}

void MakerWindow::updateRecentMenu() { platform::showRecentEntries(m_recent, m_recentActions, m_recentSeparator); }

void MakerWindow::dragEnterEvent(QDragEnterEvent* event) { platform::acceptPuzzleDrag(*event); }

void MakerWindow::dropEvent(QDropEvent* event)
{
    platform::openPuzzleDrop(*event, this, [this](const QString& path) {
        if (askSaveFirst())
            loadFile(path);
    });
}

void MakerWindow::closeEvent(QCloseEvent* event)
{
    if (m_session.closing) {
        event->accept();
        return;
    }
    if (m_beforeClose)
        m_beforeClose();
    if (!askSaveFirst()) {
        event->ignore();
        return;
    }
    setStatus(localText(m_session, txt::ByeBye));
    writeLanguageFile(platform::pathBytes(m_settingsFolder), m_session.language);
    m_session.closing = true;
    emit closingForGood();
    m_sizeDialog->close();
    m_newDialog->close();
    event->accept();
}

} // namespace gw::editor
