#pragma once
// The maker's two secondary windows, the print dialog and the test window,
// created hidden once at start-up and offered to the main window as the work
// of its "Print Puzzle" and "Test Puzzle" items.
#include <QObject>
#include <QPixmap>
#include <memory>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "platform/Platform.h"

class QWidget;

namespace gw {

class PrintFormX;
class TestForm;

struct MakerWindowsSetup {
    QWidget* mainWindow = nullptr; // owner of both windows; they close with it
    bool printerPresent = false;   // found at start-up
    QString printerName;           // the default printer
    QPixmap mouseLeft, mouseRight; // the main window's mouse pictures
};

class MakerWindows : public QObject {
    Q_OBJECT
public:
    // `puzzle` must outlive the windows; `platform` is copied (it only refers).
    MakerWindows(Puzzle& puzzle, platform::Platform platform, const MakerWindowsSetup& setup);
    ~MakerWindows() override;

    // `MMprint`: hides the test window, then opens the print dialog.
    void openPrintDialog();
    // `MMtest`: hides the print dialog, then prepares and shows the test window.
    void openTestWindow();
    // The main window is closing: the computer test stops and both windows
    // close for real from now on.
    void mainWindowClosing();
    // Both windows take the captions of the puzzle's language.
    void applyLanguage();

    PrintFormX& printDialog() { return *m_print; }
    TestForm& testWindow() { return *m_test; }
    ClueTables& clues() { return m_clues; }

signals:
    // Text for the main window's status line.
    void statusMessage(const QString& text);
    // A dialog was left: the main window comes forward.
    void mainWindowWanted();

private:
    Puzzle& m_puzzle;
    platform::Platform m_platform;
    ClueTables m_clues;
    std::unique_ptr<PrintFormX> m_print;
    std::unique_ptr<TestForm> m_test;
};

} // namespace gw
