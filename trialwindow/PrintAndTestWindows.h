#pragma once
// The maker's two secondary windows, the print dialog and the test window,
// created hidden once at start-up and offered to the main window as the work
// of its "Print Puzzle" and "Test Puzzle" items.
#include <QObject>
#include <QPixmap>
#include <memory>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "platform/Platform.h"

class QWidget;

namespace gw {

class PrintDialog;
class TrialWindow;

struct PrintAndTestWindowsSetup {
    QWidget* mainWindow = nullptr; // owner of both windows; they close with it
    bool printerPresent = false;   // found at start-up
    QString printerName;           // the default printer
    QPixmap mouseLeft, mouseRight; // the main window's mouse pictures
};

class PrintAndTestWindows : public QObject {
    Q_OBJECT
public:
    // `puzzle` must outlive the windows; `platform` is copied (it only refers).
    PrintAndTestWindows(Puzzle& puzzle, const Session& session, platform::Platform platform,
                        const PrintAndTestWindowsSetup& setup);
    ~PrintAndTestWindows() override;

    // "Print Puzzle": hides the test window, then opens the print dialog.
    void openPrintDialog();
    // "Test Puzzle": hides the print dialog, then prepares and shows the test window.
    void openTestWindow();
    // The main window is asked to close: a running computer test stops.
    void mainWindowClosing();
    // The main window closes for good: both windows close for real instead
    // of hiding.
    void mainWindowClosed();
    // Both windows take the captions of the puzzle's language.
    void applyLanguage();
    // The main window's puzzle was restored by an undo or redo: an open test
    // window is prepared again for it, as "Test Puzzle" would.
    void followPuzzle();

    PrintDialog& printDialog() { return *m_print; }
    TrialWindow& testWindow() { return *m_test; }
    ClueTables& clues() { return m_clues; }

signals:
    // Text for the main window's status line.
    void statusMessage(const QString& text);
    // A dialog was left: the main window comes forward.
    void mainWindowWanted();

private:
    Puzzle& m_puzzle;
    const Session& m_session;
    platform::Platform m_platform;
    ClueTables m_clues;
    std::unique_ptr<PrintDialog> m_print;
    std::unique_ptr<TrialWindow> m_test;
};

// Creates the two windows for the maker's main window `mainWindow` (after
// its start-up, which finds the printer and loads the mouse pictures) and
// gives its "Print Puzzle" and "Test Puzzle" items their work. `MainWindow`
// offers printerPresent(), printerName(), mousePicture(button), platform(),
// setPrintCommand, setTestCommand, setBeforeClose, setStatus and the signals
// languageApplied, closingForGood and puzzleRestored. The windows must not outlive
// `mainWindow`, `puzzle` or `session`.
template <typename MainWindow>
std::unique_ptr<PrintAndTestWindows> attachPrintAndTestWindows(MainWindow& mainWindow, Puzzle& puzzle,
                                                               const Session& session)
{
    PrintAndTestWindowsSetup setup;
    setup.mainWindow = &mainWindow;
    setup.printerPresent = mainWindow.printerPresent();
    setup.printerName = mainWindow.printerName();
    setup.mouseLeft = mainWindow.mousePicture(1);
    setup.mouseRight = mainWindow.mousePicture(2);
    auto windows = std::make_unique<PrintAndTestWindows>(puzzle, session, mainWindow.platform(), setup);
    PrintAndTestWindows* w = windows.get();
    mainWindow.setPrintCommand([w] { w->openPrintDialog(); });
    mainWindow.setTestCommand([w] { w->openTestWindow(); });
    mainWindow.setBeforeClose([w] { w->mainWindowClosing(); });
    QObject::connect(&mainWindow, &MainWindow::languageApplied, w, &PrintAndTestWindows::applyLanguage);
    QObject::connect(&mainWindow, &MainWindow::closingForGood, w, &PrintAndTestWindows::mainWindowClosed);
    QObject::connect(&mainWindow, &MainWindow::puzzleRestored, w, &PrintAndTestWindows::followPuzzle);
    QObject::connect(w, &PrintAndTestWindows::statusMessage, &mainWindow, &MainWindow::setStatus);
    QObject::connect(w, &PrintAndTestWindows::mainWindowWanted, &mainWindow, [&mainWindow] {
        mainWindow.show();
        mainWindow.raise();
        mainWindow.activateWindow();
    });
    return windows;
}

} // namespace gw
