#pragma once
// MakerWindow, the maker's main window: the menus, the drawing grid, the side
// panel with the framed preview and the colour chooser, and the status bar
// with the status line and the position of the cell under the pointer.
//
// The window is the view of a MakerDocument (the puzzle, its file name, its
// undo history and whether it changed) and its commands. Every command asks
// through the platform layer (message boxes, file dialogs, documents) and
// then calls a method that does the work, so tests drive the window with
// scripted answers. The print dialog and the test
// window are not built here: they attach through setPrintCommand /
// setTestCommand, languageApplied and setBeforeClose.
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/ClueFiles.h"
#include "core/DrawingShapes.h"
#include "core/MakerSettings.h"
#include "core/PictureEdits.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "core/Settings.h"
#include "lang/Text.h"
#include "platform/FilePaths.h"
#include "platform/LanguageMenu.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "solver/analysis/PuzzleFix.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace gw::platform {
class ElidedLabel;
} // namespace gw::platform

namespace gw {
class ColorChooser;
struct Message;
} // namespace gw

namespace gw::editor {

class ClueImportRunner;
class EditCommand;
class GridView;
class MakerDocument;
class SolvabilityOverlay;
class SuggestFixAction;
class StrokeCommand;
class SizeDialog;
class PictureImportDialog;
struct PictureChoices;
class NewPuzzleDialog;
class PreviewView;

// What a press and drag on the grid does: paint each cell passed over
// (freehand), or one line, rectangle outline, filled rectangle or flood fill
// per press, in the pressed button's colour.
enum class DrawingTool { Freehand, Line, Rectangle, FilledRectangle, Fill };

struct MakerWindowSetup {
    // The program's folder: data files, help documents and "Puzzles" are found
    // here. Must end with the path separator.
    QString programFolder;
    // Where "lang.ini" and "recent.ini" are kept (see platform::settingsFolder);
    // the program folder when empty.
    QString settingsFolder;
};

class MakerWindow : public QMainWindow {
    Q_OBJECT
public:
    MakerWindow(Puzzle& puzzle, Session& session, platform::Platform platform, const MakerWindowSetup& setup,
                QWidget* parent = nullptr);
    ~MakerWindow() override;

    // The start-up: language (the thanks message on a first run), mouse
    // pictures, recent list, chooser, a blank 25 x 25 black-and-white puzzle,
    // the welcome line and the printer check. Call once, before show().
    void start();

    // ---- hooks for the print dialog and the test window -------------------
    // Gives the "Print Puzzle" / "Test Puzzle" items their work and enables them.
    void setPrintCommand(std::function<void()> command);
    void setTestCommand(std::function<void()> command);
    // Runs first when the window is asked to close, before the save-first
    // question that may still cancel the close (e.g. to stop the solver's timer).
    void setBeforeClose(std::function<void()> step);
    bool printerPresent() const { return m_printerPresent; }
    QString printerName() const { return m_printerName; }
    // The mouse pictures loaded at start-up (1 left, 2 right); may be empty.
    QPixmap mousePicture(int button) const;
    QString programFolder() const { return platform::pathFromBytes(m_session.programFolder); }
    // The samples: "Puzzles" in the program's folder.
    QString puzzlesFolder() const { return programFolder() + QStringLiteral("Puzzles"); }
    // The folder a file dialog starts in. While the settings are kept in the
    // program's folder (a copy the user can write to) it is "Puzzles" there.
    // In an installed copy, whose settings live in the user's own folder, it
    // is the folder of the puzzle, picture or clue file last opened or saved
    // (remembered in "maker.ini") while it exists, else the samples for
    // opening and the user's home folder for saving and exporting.
    QString dialogFolder(bool saving) const;
    Puzzle& puzzle() { return m_puzzle; }
    // The puzzle with its file name, undo history and changed state.
    MakerDocument& document() { return *m_document; }
    Session& session() { return m_session; }
    platform::Platform& platform() { return m_platform; }

    // ---- state the tests and the hooks read -------------------------------
    // The whole status text (the status bar may show it cut short).
    QString statusText() const;
    QString positionText() const;
    void setStatus(const QString& text);
    double gridZoom() const { return m_gridZoom; }
    GridView& grid() { return *m_grid; }
    PreviewView& preview() { return *m_preview; }
    ColorChooser& chooser() { return *m_chooser; }
    SizeDialog& sizeDialog() { return *m_sizeDialog; }
    NewPuzzleDialog& newDialog() { return *m_newDialog; }
    const RecentEntries& recentFiles() const { return m_recent.entries(); }
    QAction* recentAction(int index) const { return m_recentActions[static_cast<std::size_t>(index)]; }
    QAction* recentSeparator() const { return m_recentSeparator; }
    QAction* languageAction(Language language) const { return m_languages->action(language); }
    // Edit > Show solvability: its shading and its part of the status line.
    SolvabilityOverlay& solvability() { return *m_solvability; }
    // Edit > Suggest Fix.
    SuggestFixAction& suggestFix() { return *m_suggestFix; }
    QString solvabilityText() const;

    // ---- the work behind the commands --------------------------------------
    // gw::newPuzzle, then the window follows: caption, status, chooser, layout.
    void newPuzzle(int width, int height, bool color);
    // Reads a puzzle file (readPuzzleFile) and shows the outcome.
    void loadFile(const QString& path);
    // Writes the puzzle to `path` (savePbm); shows the failure message with
    // the system's reason.
    bool saveTo(const QString& path);
    // Save As once the file is chosen: saveTo, and only when that succeeded
    // the puzzle's file name, name and the caption become the new ones.
    bool saveUnderNewName(const QString& path);
    // importImage, then the window shows the messages and the new picture.
    void importFile(const QString& path);
    // File > Import Image with Options once the file is chosen: a picture
    // that cannot be imported gives the plain import's messages; otherwise
    // the options dialog shows it (pictureDialog()), and its OK makes the
    // puzzle of it as importImage does, with the choices, which "maker.ini"
    // then remembers.
    void importWithOptionsFile(const QString& path);
    PictureImportDialog& pictureDialog();
    // A press or move on cell (x, y) with button value `button` (1 left, 2
    // right, see platform::mouseButtonValue): shows the position, paints the cell in that
    // button's colour. Other button values only show the position.
    void drawCell(int button, int x, int y);
    // Places the grid, side panel and status bar for the window's size and
    // redraws the grid; grows the window when a cell would get fewer than
    // three pixels.
    void layoutWindow();
    // The size dialog's Apply: the puzzle gets width x height cells (1..50
    // each), then the window is laid out and the dialog shows the new size.
    void applySize(int width, int height);
    // A Language menu item: every caption in `language`; a byte that names
    // no language checks no item and leaves the texts empty.
    void applyLanguage(Language language);
    // The save-first question; false when the user cancelled (or chose to
    // save and the save did not happen).
    bool askSaveFirst();

    // ---- undo history and clue files (MakerWindowHistory.cpp) --------------
    // The steps are the document's (MakerDocument); New, Open, a recent file
    // and both imports start a fresh history. The grid ends the document's
    // stroke when the last mouse button is released.
    // Reads the clue file (importClueFile) off the window's thread and, when
    // it gives a picture, makes it the puzzle; otherwise shows why and
    // changes nothing. Returns at once; a progress box with Cancel shows
    // while importingClues(). A cancelled import changes nothing either.
    void importCluesFile(const QString& path);
    bool importingClues() const;
    // Writes the puzzle's clues to `path` (exportClueFile); shows a failure.
    bool exportCluesTo(const QString& path, ClueFormat format);

    // ---- guide lines and drawing tools (MakerWindowTools.cpp) ---------------
    // View > Guide Lines: the grid shows them or not, and "maker.ini" in the
    // settings folder remembers it.
    void setGuideLines(bool on);
    const MakerSettings& makerSettings() const { return m_makerSettings; }
    // Edit > Drawing Tool (keys F, L, R, Shift+R, B).
    void setTool(DrawingTool tool);
    DrawingTool tool() const { return m_tool; }
    // A press or move on cell (x, y) with button value `button` while a tool
    // other than freehand is chosen: the first press fixes the shape's start
    // (or fills), moves with that button redraw the shape to (x, y) and show
    // its size on the status line; other buttons only show the position. The
    // shape is one step when the grid reports the release (endShape).
    void useTool(int button, int x, int y);
    void endShape();

public slots:
    void newCommand();
    void openCommand();
    void openRecent(int index);
    bool saveCommand();
    bool saveAsCommand();
    void importCommand();
    void importWithOptionsCommand();
    void importChosenPicture(const PictureChoices& choices);
    void sizeCommand();
    void fitSizeCommand();
    void negativeCommand();
    void dragCommand(ShiftDirection direction);
    void helpCommand();
    void aboutCommand();
    void websiteCommand();
    void undoCommand();
    void redoCommand();
    void importCluesCommand();
    void exportCluesCommand();

signals:
    // After the captions of a language were applied; other windows retitle.
    void languageApplied(Language language);
    // The window is closing for good (the question was answered, "lang.ini"
    // written): secondary windows close for real from now on.
    void closingForGood();
    // An undo or redo changed the puzzle; windows that show it follow.
    void puzzleRestored();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildClientArea();
    void pointerOnGrid(int button, QPointF position);
    void showPosition(int x, int y);
    void showMessages(const std::vector<Message>& messages);
    void showMessage(const QString& text, const QString& title, platform::Icon icon);
    // Help and Website: hands the document to the desktop; when no program
    // opens it, says so with `cannotOpen` titled `title`.
    void openDocument(const QString& pathOrUrl, const Text& cannotOpen, const Text& title);
    // A failed save or export: its message, the system's reason on a second line.
    void showSaveFailure(const SaveResult& result);
    void setCaption();
    void refreshRecent();
    void addRecent(const QString& path);
    void updateRecentMenu();
    void afterPictureChange(const QString& status);
    void buildSolvability();
    // The status text and the verdict share the status bar left of the
    // position; what does not fit is cut short, its whole text a tooltip.
    void placeStatusTexts();
    void applySuggestedFix(const std::vector<analysis::CellChange>& changes);
    // The side panel's width in pixels: 2055 twips, or more when the preview
    // frame needs more for its caption.
    int sidePanelWidth() const;
    // Resizes the window to `size` (its inner size) after the current event.
    void growTo(QSize size);
    // The save-first question, then the open dialog with `filter`; the
    // chosen file goes to `work`.
    void askAndOpen(const QString& filter, void (MakerWindow::*work)(const QString& path));
    // The end of an import: caption and status name the file when
    // `imported`; both buttons paint black and white again, the window is
    // laid out and the puzzle counts as unchanged.
    void showImportedPicture(const QString& path, bool imported);
    void addHistoryAndClueItems();
    void addViewAndToolItems();
    void applyViewAndToolCaptions();
    void writeMakerSettings();
    // The folder of `path` becomes the folder last used.
    void rememberFolder(const QString& path);
    void applyHistoryAndClueCaptions();
    void afterHistoryStep(const Text& prefix, const EditCommand& command);

    Puzzle& m_puzzle;
    Session& m_session;
    MakerDocument* m_document = nullptr; // a child of the window
    platform::Platform m_platform;
    platform::ScreenUnits m_units;
    QString m_settingsFolder;
    RecentList m_recent;
    double m_gridZoom = 3;
    bool m_printerPresent = false;
    QString m_printerName;
    std::function<void()> m_beforeClose;

    QWidget* m_client = nullptr;
    GridView* m_grid = nullptr;
    QWidget* m_sidePanel = nullptr;
    QGroupBox* m_previewFrame = nullptr;
    PreviewView* m_preview = nullptr;
    ColorChooser* m_chooser = nullptr;
    QWidget* m_statusBar = nullptr;
    platform::ElidedLabel* m_statusLabel = nullptr;
    QLabel* m_positionLabel = nullptr;                   // "x, y" of the cell under the pointer
    platform::ElidedLabel* m_solvabilityLabel = nullptr; // right after the status text while Show solvability is on
    SolvabilityOverlay* m_solvability = nullptr;
    SuggestFixAction* m_suggestFix = nullptr;
    SizeDialog* m_sizeDialog = nullptr;
    PictureImportDialog* m_pictureDialog = nullptr; // made on the first use
    QImage m_dialogPicture;                         // what the picture dialog shows
    QString m_dialogPicturePath;
    NewPuzzleDialog* m_newDialog = nullptr;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_dragMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_importOptionsAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_testAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_changeSizeAction = nullptr;
    QAction* m_fitSizeAction = nullptr;
    QAction* m_makeNegativeAction = nullptr;
    std::array<QAction*, 4> m_dragActions {}; // by ShiftDirection: left, right, up, down
    QAction* m_helpAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_websiteAction = nullptr;
    QAction* m_recentSeparator = nullptr; // shown while the recent list has an entry
    std::array<QAction*, RecentCount> m_recentActions {};
    std::unique_ptr<platform::LanguageMenu> m_languages;

    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_importCluesAction = nullptr;
    ClueImportRunner* m_clueImport = nullptr; // made on the first import
    QString m_clueImportPath;                 // of the import running
    QAction* m_exportCluesAction = nullptr;

    MakerSettings m_makerSettings; // read at start()
    QMenu* m_viewMenu = nullptr;
    QAction* m_guideLinesAction = nullptr;
    QMenu* m_toolMenu = nullptr;
    std::array<QAction*, 5> m_toolActions {}; // by DrawingTool
    DrawingTool m_tool = DrawingTool::Freehand;
    std::optional<CellPoint> m_shapeStart; // the press of the shape being drawn
    int m_shapeButton = 0;
};

} // namespace gw::editor
