#include "MakerWindows.h"

#include "PrintFormX.h"
#include "core/Palette.h"
#include "playfield/TestForm.h"

namespace gw {

MakerWindows::MakerWindows(Puzzle& puzzle, platform::Platform platform, const MakerWindowsSetup& setup)
    : m_puzzle(puzzle), m_platform(platform)
{
    m_print = std::make_unique<PrintFormX>(m_puzzle, m_clues, m_platform, setup.mainWindow);
    m_print->setPrinterState(setup.printerPresent, setup.printerName);
    m_test = std::make_unique<TestForm>(m_puzzle, m_clues, m_platform, [this](CluePanel& panel, QSizeF area) {
        return m_print->composeForTest(panel, area).cellSize;
    }, setup.mainWindow);
    m_test->setMousePictures(setup.mouseLeft, setup.mouseRight);
    QList<QColor> swatches;
    for (const PaletteColor& c : Palette)
        swatches << QColor(c.r, c.g, c.b);
    m_test->setMainSwatches(swatches);
    // Both are windows of their own above the main window.
    m_print->setWindowFlag(Qt::Window);
    m_test->setWindowFlag(Qt::Window);
    connect(m_print.get(), &PrintFormX::statusMessage, this, &MakerWindows::statusMessage);
    connect(m_print.get(), &PrintFormX::mainWindowWanted, this, &MakerWindows::mainWindowWanted);
}

MakerWindows::~MakerWindows() = default;

void MakerWindows::openPrintDialog()
{
    m_test->hide();
    m_print->open();
}

void MakerWindows::openTestWindow()
{
    m_print->hide();
    m_test->ToonTestForm();
}

void MakerWindows::mainWindowClosing()
{
    if (m_test->testRunning())
        m_test->stopTest();
}

void MakerWindows::mainWindowClosed()
{
    mainWindowClosing();
    m_test->setProgramClosing(true);
    m_print->setProgramClosing(true);
    m_test->close();
    m_print->close();
}

void MakerWindows::applyLanguage()
{
    m_print->applyCaptions();
    m_test->applyCaptions();
}

} // namespace gw
