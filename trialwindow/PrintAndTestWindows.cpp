#include "PrintAndTestWindows.h"

#include "print/PrintDialog.h"
#include "trialwindow/TrialWindow.h"

namespace gw {

PrintAndTestWindows::PrintAndTestWindows(Puzzle& puzzle, const Session& session, platform::Platform platform,
                                         const PrintAndTestWindowsSetup& setup)
    : m_puzzle(puzzle), m_session(session), m_platform(platform)
{
    m_print = std::make_unique<PrintDialog>(m_puzzle, m_session, m_clues, m_platform, setup.mainWindow);
    m_print->setPrinterState(setup.printerPresent, setup.printerName);
    m_test = std::make_unique<TrialWindow>(
        m_puzzle, m_session, m_clues, m_platform,
        [this](CluePanel& panel, QSizeF area) { return m_print->composeForTest(panel, area).cellSize; },
        setup.mainWindow);
    m_test->setMousePictures(setup.mouseLeft, setup.mouseRight);
    // Both are windows of their own above the main window.
    m_print->setWindowFlag(Qt::Window);
    m_test->setWindowFlag(Qt::Window);
    connect(m_print.get(), &PrintDialog::statusMessage, this, &PrintAndTestWindows::statusMessage);
    connect(m_print.get(), &PrintDialog::mainWindowWanted, this, &PrintAndTestWindows::mainWindowWanted);
}

PrintAndTestWindows::~PrintAndTestWindows() = default;

void PrintAndTestWindows::openPrintDialog()
{
    m_test->hide();
    m_print->open();
}

void PrintAndTestWindows::openTestWindow()
{
    m_print->hide();
    m_test->open();
}

void PrintAndTestWindows::mainWindowClosing()
{
    if (m_test->testRunning())
        m_test->stopTest();
}

void PrintAndTestWindows::mainWindowClosed()
{
    mainWindowClosing();
    m_test->close();
    m_print->close();
}

void PrintAndTestWindows::followPuzzle()
{
    if (m_test->isVisible())
        m_test->open();
}

void PrintAndTestWindows::applyLanguage()
{
    m_print->applyCaptions();
    m_test->applyCaptions();
}

} // namespace gw
