#include "TrialWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "AnalysisPanel.h"
#include "core/Palette.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/SecondaryWindow.h"
#include "platform/Units.h"
#include "platform/WindowFit.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"

namespace gw {

namespace {
constexpr int SwatchWidth = 24;
constexpr int SidePanelWidth = 150;
constexpr double PositionGapTwips = 180;
} // namespace

void KnowledgeCellStates::setCell(int x, int y, std::uint8_t state)
{
    gw::setCell(m_knowledge, x, y, state, &m_observer);
}

void KnowledgeCellStates::clearStates() { gw::resetKnowledge(m_knowledge, m_puzzle, m_clues); }

TrialWindow::TrialWindow(Puzzle& puzzle, const Session& session, ClueTables& clues, platform::Platform& platform,
                         Composer compose, QWidget* parent)
    : QWidget(parent, Qt::Window), m_puzzle(puzzle), m_session(session), m_clues(clues), m_platform(platform),
      m_compose(std::move(compose)), m_states(m_knowledge, puzzle, clues, *this)
{
    buildControls();
    m_playField = std::make_unique<PlayField>(PlayFieldKind::Maker, m_puzzle, m_session, m_clues, m_states, m_state,
                                              *m_cluePanel, *m_colorChooser, m_platform.messages, this);
    m_playField->setPositionLabel(m_positionLabel);
    m_playField->setComputerTest([this] { return testRunning(); }, [this] { stopTest(); });
    connect(m_playField.get(), &PlayField::closeRequested, this, &QWidget::hide);
    SolverObserver& observer = *this;
    m_driver = std::make_unique<SolverDriver>(m_puzzle, m_clues, m_knowledge, observer);
    applyCaptions();
}

TrialWindow::~TrialWindow()
{
    // The driver may not outlive the play field it reports to.
    if (m_driver)
        m_driver->requestStop();
    m_driver.reset();
}

void TrialWindow::buildControls()
{
    m_topStrip = new QWidget(this);
    m_topStrip->setFixedHeight(4);

    auto scroller = [this](QWidget* content, bool followsWidth) {
        auto* area = new QScrollArea(this);
        area->setWidget(content);
        area->setWidgetResizable(followsWidth);
        area->setFrameShape(QFrame::NoFrame);
        return area;
    };
    m_cluePanel = new CluePanel;
    m_panelArea = scroller(m_cluePanel, false);
    m_panelArea->setBackgroundRole(QPalette::Base);

    // The buttons and the chooser scroll when the screen is too low for them.
    m_sidePanel = new QWidget;
    m_sideArea = scroller(m_sidePanel, true);
    m_sideArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sideArea->setFixedWidth(SidePanelWidth);
    m_resetButton = new QPushButton(m_sidePanel);
    m_computerTestGroup = new QGroupBox(m_sidePanel);
    m_startButton = new QPushButton(m_computerTestGroup);
    m_stopButton = new QPushButton(m_computerTestGroup);
    m_stopButton->setEnabled(false);
    auto* group = new QVBoxLayout(m_computerTestGroup);
    group->addWidget(m_startButton);
    group->addWidget(m_stopButton);
    m_colorChooser = new ColorChooser(ChooserKind::PlayField, m_state.buttonMarks, {SwatchWidth}, m_sidePanel);
    m_colorChooser->paintSwatches(platform::pathFromBytes(m_session.programFolder));
    auto* side = new QVBoxLayout(m_sidePanel);
    side->addWidget(m_resetButton);
    side->addWidget(m_computerTestGroup);
    addAnalysis(*group, *side);
    side->addSpacing(12);
    side->addWidget(m_colorChooser, 0, Qt::AlignHCenter);
    side->addStretch();

    m_statusStrip = new QWidget(this);
    m_statusStrip->setFixedHeight(24);
    m_statusLabel = new QLabel(m_statusStrip);
    m_statusLabel->move(6, 4);
    m_positionLabel = new QLabel(m_statusStrip);
    m_positionLabel->setFixedWidth(70);
    m_statusStrip->installEventFilter(this);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(m_panelArea, 1);
    middle->addWidget(m_sideArea);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addWidget(m_topStrip);
    all->addLayout(middle, 1);
    all->addWidget(m_statusStrip);

    m_stepTimer = new QTimer(this);
    m_stepTimer->setInterval(1);
    connect(m_stepTimer, &QTimer::timeout, this, &TrialWindow::onStepTimerTick);
    connect(m_startButton, &QPushButton::clicked, this, &TrialWindow::startTest);
    connect(m_stopButton, &QPushButton::clicked, this, &TrialWindow::stopTest);
    connect(m_resetButton, &QPushButton::clicked, this, &TrialWindow::resetField);
}

void TrialWindow::applyCaptions()
{
    setWindowTitle(localText(m_session, txt::TestWindowTitle));
    m_resetButton->setText(localText(m_session, txt::TestWindowReset));
    m_computerTestGroup->setTitle(localText(m_session, txt::TestWindowComputerTest));
    m_startButton->setText(localText(m_session, txt::TestWindowStart));
    m_stopButton->setText(localText(m_session, txt::TestWindowStop));
    m_analysis->applyCaptions();
}

void TrialWindow::addAnalysis(QVBoxLayout& buttons, QVBoxLayout& side)
{
    // The Analyse button below Start and Stop, its verdict below the group.
    m_analysis = new AnalysisPanel(m_session, m_state, m_cluePanel->field(), this);
    buttons.addWidget(m_analysis->button());
    side.addWidget(m_analysis->verdictLabel());
    side.addWidget(m_analysis->fixButton(), 0, Qt::AlignLeft);
}

void TrialWindow::setMousePictures(const QPixmap& left, const QPixmap& right)
{
    m_colorChooser->setMousePictures(left, right);
}

QSizeF TrialWindow::compositionArea() const
{
    // What the window would offer maximised: the screen's available area less
    // the window frame, the right strip, the top strip and the status strip.
    QRect available = platform::availableArea(*this);
    if (available.isEmpty())
        available = QRect(0, 0, 1024, 768);
    const QSize inner = (available - platform::frameMargins(*this)).size();
    const double widthPx = inner.width() - m_sideArea->width();
    const double heightPx = inner.height() - m_topStrip->height() - m_statusStrip->height();
    const auto units = platform::ScreenUnits::fromScreen(screen());
    return QSizeF(std::max(0.0, units.pixelsToPointsX(widthPx)), std::max(0.0, units.pixelsToPointsY(heightPx)));
}

void TrialWindow::open()
{
    // A running test is stopped before the clues it works on are derived anew.
    if (testRunning())
        stopTest();
    const int cellSize = m_compose ? m_compose(*m_cluePanel, compositionArea()) : 3;
    m_state.cellSize = static_cast<std::int16_t>(std::max(3, cellSize));
    m_analysis->setPicture(m_puzzle);
    resetField();
    m_statusLabel->clear();
    m_colorChooser->showColorPuzzle(m_puzzle.isColor);
    if (!m_sizedToScreen) {
        // The field was composed for the screen's available area, so the
        // window opens that large the first time; later it keeps whatever
        // size the user gave it.
        m_sizedToScreen = true;
        const QRect available = platform::availableArea(*this);
        if (!available.isEmpty()) {
            resize((available - platform::frameMargins(*this)).size());
            move(available.topLeft());
        }
    }
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

bool TrialWindow::testRunning() const { return m_stepTimer->isActive(); }

void TrialWindow::startTest()
{
    if (m_driver->isBusy())
        return; // a start still enumerating owns the test
    m_pendingOutcome.reset();
    const bool stepping = m_driver->start();
    if (stepping) {
        m_stepTimer->start();
        m_platform.busy.setBusy(true);
        m_startButton->setEnabled(false);
        m_stopButton->setEnabled(true);
        m_resetButton->setEnabled(false);
    }
    showOutcome();
}

void TrialWindow::stopTest()
{
    if (m_driver->isStepping())
        m_driver->stop();
    else
        m_driver->requestStop();
    m_stepTimer->stop();
    setIdleButtons();
    showOutcome();
}

void TrialWindow::resetField()
{
    if (testRunning())
        stopTest();
    m_analysis->cancel();
    m_playField->reset();
}

void TrialWindow::setIdleButtons()
{
    m_stopButton->setEnabled(false);
    m_startButton->setEnabled(true);
    m_resetButton->setEnabled(true);
    m_platform.busy.setBusy(false);
}

void TrialWindow::onStepTimerTick()
{
    m_driver->tick();
    showOutcome();
}

void TrialWindow::showOutcome()
{
    if (!m_pendingOutcome)
        return;
    const SolverOutcome outcome = *m_pendingOutcome;
    m_pendingOutcome.reset();
    switch (outcome) {
    case SolverOutcome::Solved:
        if (m_platform.messages.show(localText(m_session, txt::ComputerSolved),
                                     localText(m_session, txt::PuzzleSolvedTitle), platform::Icon::Information,
                                     platform::Buttons::YesNo)
            == platform::Answer::Yes)
            hide();
        break;
    case SolverOutcome::Stuck:
        m_platform.messages.show(localText(m_session, txt::CannotSolve),
                                 localText(m_session, txt::PuzzleNotSolvedTitle), platform::Icon::Information,
                                 platform::Buttons::Ok);
        break;
    case SolverOutcome::LimitsExhausted:
        m_platform.messages.show(localText(m_session, txt::CannotSolveMemory),
                                 localText(m_session, txt::PuzzleNotSolvedTitle), platform::Icon::Information,
                                 platform::Buttons::Ok);
        break;
    case SolverOutcome::Stopped:
        break;
    }
}

void TrialWindow::cellSet(int x, int y, std::uint8_t) { m_playField->paintCell(x, y); }

void TrialWindow::statusText(SolverStatus status, int lineNumber)
{
    auto numbered = [&](const Text& before, const Text& after) {
        return localText(m_session, before) + QLatin1Char(' ') + QString::number(lineNumber)
               + localText(m_session, after);
    };
    QString shown;
    switch (status) {
    case SolverStatus::Clear:
        break;
    case SolverStatus::CleaningUp:
        shown = localText(m_session, txt::CleaningMemory);
        break;
    case SolverStatus::ConsideringRow:
        shown = numbered(txt::ConsideringRowBefore, txt::ConsideringRowAfter);
        break;
    case SolverStatus::ConsideringColumn:
        shown = numbered(txt::ConsideringColumnBefore, txt::ConsideringColumnAfter);
        break;
    case SolverStatus::ComparingRow:
        shown = numbered(txt::ComparingRowBefore, txt::ComparingRowAfter);
        break;
    case SolverStatus::ComparingColumn:
        shown = numbered(txt::ComparingColumnBefore, txt::ComparingColumnAfter);
        break;
    case SolverStatus::FinishingBlocks:
        shown = localText(m_session, txt::FinishingBlocks);
        break;
    case SolverStatus::TestFinished:
        shown = localText(m_session, txt::TestFinished);
        break;
    case SolverStatus::TestStopped:
        shown = localText(m_session, txt::TestStopped);
        break;
    }
    m_statusLabel->setText(shown);
    m_statusLabel->adjustSize();
}

QString TrialWindow::statusText() const { return m_statusLabel->text(); }

void TrialWindow::fieldCleared()
{
    m_analysis->cancel();
    m_playField->showClearedField();
}

void TrialWindow::testEnded(SolverOutcome outcome)
{
    m_stepTimer->stop();
    setIdleButtons();
    m_pendingOutcome = outcome;
}

void TrialWindow::processEvents() { QCoreApplication::processEvents(); }

void TrialWindow::closeEvent(QCloseEvent* event)
{
    m_driver->requestStop();
    if (testRunning())
        stopTest();
    m_analysis->cancel();
    platform::closeOrHide(*this, *event, m_session);
}

bool TrialWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_statusStrip && event->type() == QEvent::Resize)
        placePositionLabel();
    return QWidget::eventFilter(watched, event);
}

void TrialWindow::placePositionLabel()
{
    const auto units = platform::ScreenUnits::fromScreen(screen());
    const int gap = units.twipsToWholePixelsX(PositionGapTwips);
    m_positionLabel->move(m_statusStrip->width() - m_positionLabel->width() - gap, 4);
}

} // namespace gw
