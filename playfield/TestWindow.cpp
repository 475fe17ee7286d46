#include "TestWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "CluePanel.h"
#include "ColourChooser.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/Units.h"
#include "platform/SecondaryWindow.h"

namespace gw {

namespace {
constexpr int SwatchWidth = 24;
constexpr int SizerWidth = 150;
constexpr double PositieGapTwips = 180;
} // namespace

void KnowledgeCellStates::setCell(int x, int y, std::uint8_t state)
{
    gw::setCell(m_knowledge, x, y, state, &m_observer);
}

void KnowledgeCellStates::clearStates() { gw::clearField(m_knowledge, m_puzzle, m_clues); }

TestWindow::TestWindow(Puzzle& puzzle, ClueTables& clues, platform::Platform& platform, Composer compose,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_puzzle(puzzle), m_clues(clues), m_platform(platform),
      m_compose(std::move(compose)), m_states(m_knowledge, puzzle, clues, *this)
{
    buildControls();
    m_playField = std::make_unique<PlayField>(PlayFieldKind::Maker, m_puzzle, m_clues, m_states, m_state, *Picture1,
                                              *colorChooser, m_platform.messages, this);
    m_playField->setPositionLabel(Positie);
    m_playField->setComputerTest([this] { return testRunning(); }, [this] { stopTest(); });
    connect(m_playField.get(), &PlayField::closeRequested, this, &QWidget::hide);
    SolverObserver& observer = *this;
    m_driver = std::make_unique<SolverDriver>(m_puzzle, m_clues, m_knowledge, observer);
    applyCaptions();
}

TestWindow::~TestWindow()
{
    // The driver may not outlive the play field it reports to.
    if (m_driver)
        m_driver->requestStop();
    m_driver.reset();
}

QString TestWindow::text(const Text& t) const { return QString::fromStdString(chooseText(m_puzzle.Language, t)); }

void TestWindow::buildControls()
{
    SizerTOP = new QWidget(this);
    SizerTOP->setFixedHeight(4);

    Picture1 = new CluePanel;
    m_panelArea = new QScrollArea(this);
    m_panelArea->setWidget(Picture1);
    m_panelArea->setWidgetResizable(false);
    m_panelArea->setFrameShape(QFrame::NoFrame);
    m_panelArea->setBackgroundRole(QPalette::Base);

    Sizer = new QWidget(this);
    Sizer->setFixedWidth(SizerWidth);
    cmdClear = new QPushButton(Sizer);
    FrameComputertest = new QGroupBox(Sizer);
    startButton = new QPushButton(FrameComputertest);
    stopButton = new QPushButton(FrameComputertest);
    stopButton->setEnabled(false);
    auto* frame = new QVBoxLayout(FrameComputertest);
    frame->addWidget(startButton);
    frame->addWidget(stopButton);
    colorChooser = new ColourChooser(ChooserKind::PlayField, m_state.ButtonMark, SwatchWidth, Sizer);
    colorChooser->paintSwatches(QString::fromStdString(m_puzzle.ProgramFolder));
    auto* side = new QVBoxLayout(Sizer);
    side->addWidget(cmdClear);
    side->addWidget(FrameComputertest);
    side->addSpacing(12);
    side->addWidget(colorChooser, 0, Qt::AlignHCenter);
    side->addStretch();

    PctStatus = new QWidget(this);
    PctStatus->setFixedHeight(24);
    m_status = new QLabel(PctStatus);
    m_status->move(6, 4);
    Positie = new QLabel(PctStatus);
    Positie->setFixedWidth(70);
    PctStatus->installEventFilter(this);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(m_panelArea, 1);
    middle->addWidget(Sizer);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addWidget(SizerTOP);
    all->addLayout(middle, 1);
    all->addWidget(PctStatus);

    stepTimer = new QTimer(this);
    stepTimer->setInterval(1);
    connect(stepTimer, &QTimer::timeout, this, &TestWindow::onTick);
    connect(startButton, &QPushButton::clicked, this, &TestWindow::startTest);
    connect(stopButton, &QPushButton::clicked, this, &TestWindow::stopTest);
    connect(cmdClear, &QPushButton::clicked, this, &TestWindow::resetClicked);
}

void TestWindow::applyCaptions()
{
    setWindowTitle(text(txt::TestWindowTitle));
    cmdClear->setText(text(txt::TestWindowReset));
    FrameComputertest->setTitle(text(txt::TestWindowComputerTest));
    startButton->setText(text(txt::TestWindowStart));
    stopButton->setText(text(txt::TestWindowStop));
}

void TestWindow::setMousePictures(const QPixmap& left, const QPixmap& right) { colorChooser->setMousePictures(left, right); }

void TestWindow::setMainSwatches(const QList<QColor>& colours) { colorChooser->copySwatchColours(colours); }

QSizeF TestWindow::compositionArea() const
{
    // What the window would offer maximised: the screen's available area less
    // the window frame, the right strip, the top strip and the status strip.
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    const QMargins frame = (isVisible() && frameGeometry() != geometry())
                               ? QMargins(geometry().left() - frameGeometry().left(),
                                          geometry().top() - frameGeometry().top(),
                                          frameGeometry().right() - geometry().right(),
                                          frameGeometry().bottom() - geometry().bottom())
                               : QMargins(0, 30, 0, 0);
    const double widthPx = available.width() - frame.left() - frame.right() - Sizer->width();
    const double heightPx =
        available.height() - frame.top() - frame.bottom() - SizerTOP->height() - PctStatus->height();
    const auto units = platform::ScreenUnits::fromScreen(s);
    return QSizeF(std::max(0.0, units.pixelsToPointsX(widthPx)), std::max(0.0, units.pixelsToPointsY(heightPx)));
}

void TestWindow::open()
{
    // A running test is stopped before the clues it works on are derived anew.
    if (testRunning())
        stopTest();
    const int cellSize = m_compose ? m_compose(*Picture1, compositionArea()) : 3;
    m_state.TestCellSize = static_cast<std::int16_t>(std::max(3, cellSize));
    clearField();
    m_status->clear();
    colorChooser->setVisibleSwatches(m_puzzle.ColorPuzzle ? 9 : 3);
    if (!m_sizedToScreen) {
        // The field was composed for the screen's available area, so the
        // window opens that large the first time; later it keeps whatever
        // size the user gave it.
        m_sizedToScreen = true;
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s) {
            const QRect available = s->availableGeometry();
            resize(available.width(), std::max(minimumHeight(), available.height() - 30));
            move(available.topLeft());
        }
    }
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

void TestWindow::clearField() { m_playField->clearField(); }

bool TestWindow::testRunning() const { return stepTimer->isActive(); }

void TestWindow::startTest()
{
    if (m_driver->isBusy())
        return; // a start still enumerating owns the test
    m_pendingOutcome.reset();
    const bool stepping = m_driver->start();
    if (stepping) {
        stepTimer->start();
        m_platform.busy.setBusy(true);
        startButton->setEnabled(false);
        stopButton->setEnabled(true);
        cmdClear->setEnabled(false);
    }
    showOutcome();
}

void TestWindow::stopTest()
{
    if (m_driver->isStepping())
        m_driver->stop();
    else
        m_driver->requestStop();
    stepTimer->stop();
    setIdleButtons();
    showOutcome();
}

void TestWindow::resetClicked()
{
    if (testRunning())
        stopTest();
    clearField();
}

void TestWindow::setIdleButtons()
{
    stopButton->setEnabled(false);
    startButton->setEnabled(true);
    cmdClear->setEnabled(true);
    m_platform.busy.setBusy(false);
}

void TestWindow::onTick()
{
    m_driver->tick();
    showOutcome();
}

void TestWindow::showOutcome()
{
    if (!m_pendingOutcome)
        return;
    const SolverOutcome outcome = *m_pendingOutcome;
    m_pendingOutcome.reset();
    switch (outcome) {
    case SolverOutcome::Solved:
        if (m_platform.messages.show(text(txt::ComputerSolved), text(txt::PuzzleSolvedTitle),
                                     platform::Icon::Information, platform::Buttons::YesNo) == platform::Answer::Yes)
            hide();
        break;
    case SolverOutcome::Stuck:
        m_platform.messages.show(text(txt::CannotSolve), text(txt::PuzzleNotSolvedTitle), platform::Icon::Information,
                                 platform::Buttons::Ok);
        break;
    case SolverOutcome::LimitsExhausted:
        m_platform.messages.show(text(txt::CannotSolveMemory), text(txt::PuzzleNotSolvedTitle),
                                 platform::Icon::Information, platform::Buttons::Ok);
        break;
    case SolverOutcome::Stopped:
        break;
    }
}

void TestWindow::cellSet(int x, int y, std::uint8_t)
{
    m_playField->paintCell(x, y);
}

void TestWindow::statusText(SolverStatus status, int lineNumber)
{
    auto numbered = [&](const Text& before, const Text& after) {
        return text(before) + QLatin1Char(' ') + QString::number(lineNumber) + text(after);
    };
    QString shown;
    switch (status) {
    case SolverStatus::Clear: break;
    case SolverStatus::CleaningUp: shown = text(txt::CleaningMemory); break;
    case SolverStatus::ConsideringRow: shown = numbered(txt::ConsideringRowBefore, txt::ConsideringRowAfter); break;
    case SolverStatus::ConsideringColumn:
        shown = numbered(txt::ConsideringColumnBefore, txt::ConsideringColumnAfter);
        break;
    case SolverStatus::ComparingRow: shown = numbered(txt::ComparingRowBefore, txt::ComparingRowAfter); break;
    case SolverStatus::ComparingColumn:
        shown = numbered(txt::ComparingColumnBefore, txt::ComparingColumnAfter);
        break;
    case SolverStatus::FinishingBlocks: shown = text(txt::FinishingBlocks); break;
    case SolverStatus::TestFinished: shown = text(txt::TestFinished); break;
    case SolverStatus::TestStopped: shown = text(txt::TestStopped); break;
    }
    m_status->setText(shown);
    m_status->adjustSize();
}

QString TestWindow::statusText() const { return m_status->text(); }

void TestWindow::fieldCleared() { m_playField->showClearedField(); }

void TestWindow::testEnded(SolverOutcome outcome)
{
    stepTimer->stop();
    setIdleButtons();
    m_pendingOutcome = outcome;
}

void TestWindow::processEvents() { QCoreApplication::processEvents(); }

void TestWindow::closeEvent(QCloseEvent* event)
{
    m_driver->requestStop();
    if (testRunning())
        stopTest();
    platform::closeOrHide(*this, *event, m_programClosing);
}

bool TestWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PctStatus && event->type() == QEvent::Resize)
        placePositie();
    return QWidget::eventFilter(watched, event);
}

void TestWindow::placePositie()
{
    const auto units = platform::ScreenUnits::fromScreen(screen());
    const int gap = units.twipsToWholePixelsX(PositieGapTwips);
    Positie->move(PctStatus->width() - Positie->width() - gap, 4);
}

} // namespace gw
