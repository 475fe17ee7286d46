#include "PlayerWindow.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>

#include "core/AtomicFile.h"
#include "core/Palette.h"
#include "core/PuzzleFile.h"
#include "lang/Texts.h"
#include "platform/DataPicture.h"
#include "platform/DroppedFile.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/RecentMenu.h"
#include "platform/StandardKeys.h"
#include "platform/Units.h"
#include "player/ClueFileOpen.h"
#include "player/RandomPuzzles.h"
#include "player/SolutionWindow.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/FieldWidget.h"
#include "playfield/PlayFieldComposition.h"
#include "solver/analysis/Hint.h"

namespace gw::player {

namespace {

// Widths and heights of the strips and their contents, in pixels.
constexpr int ControlStripWidth = 168;
constexpr int BottomStripHeight = 12;
constexpr int StripMargin = 8;
constexpr int ButtonGap = 6;
constexpr int SwatchWidth = 24;
constexpr int MousePictureHeight = 32;

} // namespace

PlayerWindow::PlayerWindow(Puzzle& puzzle, Session& session, platform::Platform platform, const QString& settingsFolder,
                           QWidget* parent)
    : QMainWindow(parent), m_puzzle(puzzle), m_session(session), m_platform(platform),
      m_settingsFolder(settingsFolder.isEmpty() ? platform::pathFromBytes(session.programFolder) : settingsFolder),
      m_recent(platform::pathBytes(m_settingsFolder)), m_progress(platform::pathBytes(progressFolder()))
{
    m_monotonic.start();
    setObjectName(QStringLiteral("PlayerWindow"));
    setAcceptDrops(true); // a puzzle file dropped on the window is opened
    buildMenus();
    buildStrips();
    m_playField = std::make_unique<PlayField>(PlayFieldKind::Player, m_puzzle, m_session, m_clues, m_cellStates,
                                              m_playState, *m_cluePanel, *m_chooser, m_platform.messages);
    m_playField->setPositionLabel(m_positionLabel);
    m_playField->enableKeyboard();
    m_cellStates.setCellPainter([this](int x, int y) { m_playField->paintCell(x, y); });
    connect(m_playField.get(), &PlayField::playChanged, this, &PlayerWindow::playChanged);
    m_saveTimer = new QTimer(this);
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(500);
    connect(m_saveTimer, &QTimer::timeout, this, &PlayerWindow::saveProgress);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(250);
    connect(m_clockTimer, &QTimer::timeout, this, &PlayerWindow::updateClock);
    m_clockTimer->start();
    updateEditActions();
    m_solutionWindow = std::make_unique<SolutionWindow>(m_puzzle, m_session, m_cellStates.marks, pixelsPerPoint());
    hidePlayField();
    setWindowTitle(localText(m_session, txt::ProductPlayer));
    resize(800, 600);
}

PlayerWindow::~PlayerWindow() = default;

double PlayerWindow::pixelsPerPoint() const { return platform::ScreenUnits::fromScreen(screen()).pointsToPixelsX(1.0); }

void PlayerWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_openAction = m_fileMenu->addAction(QString());
    connect(m_openAction, &QAction::triggered, this, &PlayerWindow::openCommand);
    m_randomPuzzles = new RandomPuzzleCommands(m_session, m_platform, this);
    connect(m_randomPuzzles, &RandomPuzzleCommands::puzzleReady, this, &PlayerWindow::playPuzzle);
    m_newRandomAction = m_fileMenu->addAction(QString());
    connect(m_newRandomAction, &QAction::triggered, m_randomPuzzles, &RandomPuzzleCommands::newRandomPuzzleCommand);
    m_openCodeAction = m_fileMenu->addAction(QString());
    connect(m_openCodeAction, &QAction::triggered, m_randomPuzzles, &RandomPuzzleCommands::openPuzzleCodeCommand);
    m_recentSeparator = m_fileMenu->addSeparator();
    for (int i = 0; i < 5; ++i) {
        QAction* action = m_fileMenu->addAction(QString());
        connect(action, &QAction::triggered, this, [this, i] { openRecent(i); });
        action->setVisible(false);
        m_recentActions[static_cast<std::size_t>(i)] = action;
    }
    m_recentSeparator->setVisible(false);
    m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(QString());
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    m_openAction->setObjectName(QStringLiteral("openAction"));
    m_exitAction->setObjectName(QStringLiteral("exitAction"));
    platform::setStandardKeys(*m_openAction, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    platform::setStandardKeys(*m_exitAction, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_editMenu = menuBar()->addMenu(QString());
    m_undoAction = m_editMenu->addAction(QString());
    m_undoAction->setShortcut(QKeySequence::Undo);
    connect(m_undoAction, &QAction::triggered, this, &PlayerWindow::undo);
    m_redoAction = m_editMenu->addAction(QString());
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_redoAction, &QAction::triggered, this, &PlayerWindow::redo);
    m_editMenu->addSeparator();
    m_hintAction = m_editMenu->addAction(QString());
    m_hintAction->setShortcuts({QKeySequence(Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)});
    connect(m_hintAction, &QAction::triggered, this, &PlayerWindow::showHint);

    m_viewMenu = menuBar()->addMenu(QString());
    m_zoomInAction = m_viewMenu->addAction(QString());
    m_zoomInAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(m_zoomInAction, &QAction::triggered, this, &PlayerWindow::zoomIn);
    m_zoomOutAction = m_viewMenu->addAction(QString());
    m_zoomOutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(m_zoomOutAction, &QAction::triggered, this, &PlayerWindow::zoomOut);
    m_fitAction = m_viewMenu->addAction(QString());
    m_fitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_fitAction, &QAction::triggered, this, &PlayerWindow::fitToWindow);
    m_viewMenu->addSeparator();
    m_crossOffAction = m_viewMenu->addAction(QString());
    m_crossOffAction->setCheckable(true);
    connect(m_crossOffAction, &QAction::toggled, this, &PlayerWindow::setAutoCrossOff);

    m_languageMenu = menuBar()->addMenu(QString());
    m_languages = std::make_unique<platform::LanguageMenu>(*m_languageMenu,
                                                           [this](Language language) { applyLanguage(language); });

    m_helpMenu = menuBar()->addMenu(QString());
    m_keysAction = m_helpMenu->addAction(QString());
    connect(m_keysAction, &QAction::triggered, this, &PlayerWindow::showKeys);
}

void PlayerWindow::buildStrips()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_playArea = new QScrollArea(m_client);
    m_playArea->setObjectName(QStringLiteral("playArea"));
    m_playArea->setFrameShape(QFrame::NoFrame);
    m_playArea->setWidgetResizable(false);
    m_playArea->setFocusPolicy(Qt::NoFocus);

    m_bottomStrip = new QWidget(m_client);
    m_bottomStrip->setObjectName(QStringLiteral("bottomStrip"));
    m_controlStrip = new QWidget(m_client);
    m_controlStrip->setObjectName(QStringLiteral("controlStrip"));

    m_showErrorsButton = new QPushButton(m_controlStrip);
    m_showErrorsButton->setObjectName(QStringLiteral("showErrorsButton"));
    m_solutionButton = new QPushButton(m_controlStrip);
    m_solutionButton->setObjectName(QStringLiteral("solutionButton"));
    m_resetButton = new QPushButton(m_controlStrip);
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    int y = StripMargin;
    for (QPushButton* button : {m_showErrorsButton, m_solutionButton, m_resetButton}) {
        button->setGeometry(StripMargin, y, ControlStripWidth - 2 * StripMargin, button->sizeHint().height());
        y += button->height() + ButtonGap;
    }
    // The keys belong to the play field: no button takes the focus from it.
    for (QPushButton* button : {m_showErrorsButton, m_solutionButton, m_resetButton})
        button->setFocusPolicy(Qt::NoFocus);
    connect(m_showErrorsButton, &QPushButton::clicked, this, &PlayerWindow::showErrors);
    connect(m_solutionButton, &QPushButton::clicked, this, &PlayerWindow::giveSolution);
    connect(m_resetButton, &QPushButton::clicked, this, &PlayerWindow::resetPlayField);

    m_chooser = new ColorChooser(ChooserKind::PlayField, m_playState.buttonMarks, {SwatchWidth}, m_controlStrip);
    m_chooser->setObjectName(QStringLiteral("colorChooser"));
    m_chooser->move((ControlStripWidth - m_chooser->width()) / 2, y + StripMargin);

    m_cluePanel = new CluePanel;
    m_cluePanel->setObjectName(QStringLiteral("cluePanel"));
    m_playArea->setWidget(m_cluePanel);

    m_positionLabel = new QLabel(m_controlStrip);
    m_positionLabel->setObjectName(QStringLiteral("positionLabel"));
    m_positionLabel->setGeometry(StripMargin, 0, ControlStripWidth - 2 * StripMargin,
                                 m_positionLabel->sizeHint().height());
    m_timeLabel = new QLabel(m_controlStrip);
    m_timeLabel->setObjectName(QStringLiteral("timeLabel"));
    m_timeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_timeLabel->setGeometry(m_positionLabel->geometry());
    m_noticeLabel = new QLabel(m_controlStrip);
    m_noticeLabel->setObjectName(QStringLiteral("noticeLabel"));
    m_noticeLabel->setWordWrap(true);
    m_noticeLabel->setGeometry(StripMargin, 0, ControlStripWidth - 2 * StripMargin, 4 * m_positionLabel->height());
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        layOutClient();
        // The maximised size may arrive after the activation it belongs to.
        recordIfActiveAndMaximised();
    }
    return QMainWindow::eventFilter(watched, event);
}

void PlayerWindow::layOutClient()
{
    const int w = m_client->width();
    const int h = m_client->height();
    const int stripLeft = std::max(0, w - ControlStripWidth);
    // The control strip docks to the right edge over the full height, the
    // bottom strip to the bottom edge beside it; the play field gets the rest.
    m_controlStrip->setGeometry(stripLeft, 0, ControlStripWidth, h);
    m_bottomStrip->setGeometry(0, std::max(0, h - BottomStripHeight), stripLeft, BottomStripHeight);
    m_playArea->setGeometry(0, 0, stripLeft, m_bottomStrip->y());
    m_positionLabel->move(m_positionLabel->x(),
                          static_cast<int>(m_controlStrip->height() - 1.5 * m_positionLabel->height()));
    m_timeLabel->move(m_timeLabel->x(), m_positionLabel->y());
    m_noticeLabel->move(m_noticeLabel->x(), m_positionLabel->y() - m_noticeLabel->height());
}

void PlayerWindow::recordAvailableArea()
{
    layOutClient();
    const platform::ScreenUnits units = platform::ScreenUnits::fromScreen(screen());
    m_availableWidth = units.pixelsToPointsX(m_controlStrip->x());
    m_availableHeight = units.pixelsToPointsY(m_bottomStrip->y());
}

void PlayerWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        recordIfActiveAndMaximised();
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowStateChange)
        updateClock();
    QMainWindow::changeEvent(event);
}

void PlayerWindow::recordIfActiveAndMaximised()
{
    if (!isActiveWindow() || !isMaximized())
        return;
    recordAvailableArea();
    m_maximisedAreaKnown = true;
}

void PlayerWindow::start()
{
    // A missing "lang.ini" means English, without a word. A byte that names
    // no language would leave every text empty: English then as well.
    const std::optional<Language> stored =
        readLanguageFile(platform::pathBytes(m_settingsFolder), m_session.programFolder);
    applyLanguage(stored && hasTexts(*stored) ? *stored : Language::English);
    const QString folder = platform::pathFromBytes(m_session.programFolder);
    using platform::loadDataPicture;
    m_chooser->setMousePictures(loadDataPicture(folder + QStringLiteral("mouse1.dat"), MousePictureHeight),
                                loadDataPicture(folder + QStringLiteral("mouse2.dat"), MousePictureHeight));
    m_recent.readFile(m_session.programFolder);
    m_recent.refreshRecent();
    updateRecentMenu();
    m_chooser->paintSwatches(folder);
    chooseBlackAndWhite();
    QFile crossOff(m_settingsFolder + QStringLiteral("crossoff.ini"));
    const bool autoCrossOff = crossOff.open(QIODevice::ReadOnly) && crossOff.read(1) == "1";
    m_playField->setAutoCrossOff(autoCrossOff);
    const QSignalBlocker quiet(m_crossOffAction);
    m_crossOffAction->setChecked(autoCrossOff);
}

void PlayerWindow::updateRecentMenu() { platform::showRecentEntries(m_recent, m_recentActions, m_recentSeparator); }

void PlayerWindow::applyLanguage(Language language)
{
    m_session.language = language;
    m_languages->check(language);
    m_fileMenu->setTitle(localText(language, txt::PlayerMenuFile));
    m_openAction->setText(localText(language, txt::PlayerMenuOpen));
    m_newRandomAction->setText(localText(language, txt::PlayerMenuNewRandom));
    m_openCodeAction->setText(localText(language, txt::PlayerMenuOpenCode));
    m_exitAction->setText(localText(language, txt::PlayerMenuExit));
    m_languageMenu->setTitle(localText(language, txt::PlayerMenuLanguage));
    m_editMenu->setTitle(localText(language, txt::PlayerMenuEdit));
    m_undoAction->setText(localText(language, txt::PlayerMenuUndo));
    m_redoAction->setText(localText(language, txt::PlayerMenuRedo));
    m_hintAction->setText(localText(language, txt::PlayerMenuHint));
    m_viewMenu->setTitle(localText(language, txt::PlayerMenuView));
    m_zoomInAction->setText(localText(language, txt::PlayerMenuZoomIn));
    m_zoomOutAction->setText(localText(language, txt::PlayerMenuZoomOut));
    m_fitAction->setText(localText(language, txt::PlayerMenuFitToWindow));
    m_crossOffAction->setText(localText(language, txt::PlayerMenuCrossOffFinished));
    m_helpMenu->setTitle(localText(language, txt::PlayerMenuHelp));
    m_keysAction->setText(localText(language, txt::PlayerMenuKeys));
    m_resetButton->setText(localText(language, txt::PlayerReset));
    m_showErrorsButton->setText(localText(language, txt::PlayerShowErrors));
    m_solutionButton->setText(localText(language, txt::PlayerGiveSolution));
    m_solutionWindow->applyLanguage(language);
    emit languageApplied(language);
}

void PlayerWindow::showMessage(const Message& message)
{
    m_platform.messages.show(QString::fromStdString(message.text), platform::displayText(message.title), message.icon,
                             platform::Buttons::Ok);
}

void PlayerWindow::hidePlayField()
{
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    m_cluePanel->hide();
    m_resetButton->setEnabled(false);
    m_solutionButton->setEnabled(false);
    m_solutionWindow->hide();
}

void PlayerWindow::openCommand()
{
    platform::FileDialogRequest request;
    request.filter = localText(m_session, txt::FilterOpenPlayer);
    request.initialFolder = platform::pathFromBytes(m_session.programFolder) + QStringLiteral("Puzzles");
    const platform::FileDialogResult result = m_platform.files.open(request);
    if (result.accepted && !result.path.isEmpty())
        loadFile(result.path);
}

void PlayerWindow::openRecent(int index)
{
    // A file that has vanished is reported and dropped; the game on screen stays.
    const std::optional<QString> path = platform::existingRecentFile(
        m_recent, index, m_platform.messages, m_session.language, m_recentActions, m_recentSeparator);
    if (path)
        loadFile(*path);
}

bool PlayerWindow::loadFile(const QString& path)
{
    if (isClueFileName(path)) {
        const std::optional<Puzzle> imported = importCluePuzzle(path, m_session, m_platform);
        if (!imported)
            return false;
        playPuzzle(*imported);
        m_recent.addRecent(platform::pathBytes(path));
        updateRecentMenu();
        return true;
    }
    leaveGame();
    hidePlayField();
    m_puzzleComposed = false;
    // The marks belong to the puzzle that is being replaced.
    m_cellStates.clearStates();
    LoadResult result;
    {
        platform::BusyScope busy(m_platform.busy);
        result = readPuzzleFile(m_puzzle, platform::pathBytes(path), ReaderVariant::Player, m_session.language);
    }
    // The chooser shows the file's swatches once its size was accepted, even
    // when the read fails after that.
    if (result.colorFile)
        m_chooser->showColorPuzzle(*result.colorFile);
    for (const Message& message : result.messages)
        showMessage(message);
    if (!result.loaded())
        return false;
    m_recent.addRecent(platform::pathBytes(path));
    updateRecentMenu();
    std::string contents;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        contents = file.readAll().toStdString();
    startGame(contents.empty() ? std::string() : progressKey(contents));
    return true;
}

void PlayerWindow::leaveGame()
{
    saveProgress();
    m_progressKey.clear();
    m_clock.restart();
    m_noticeLabel->clear();
}

void PlayerWindow::playPuzzle(const Puzzle& puzzle)
{
    leaveGame();
    hidePlayField();
    m_puzzleComposed = false;
    m_cellStates.clearStates();
    m_puzzle = puzzle;
    m_chooser->showColorPuzzle(puzzle.isColor);
    // A puzzle without a file of its own (a clue file's solution, a puzzle
    // code) is kept by its picture.
    std::string picture = std::to_string(puzzle.width) + "x" + std::to_string(puzzle.height) + ":";
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            picture += static_cast<char>('0' + puzzle.cell(x, y));
    startGame(progressKey(picture));
}

void PlayerWindow::startGame(const std::string& key)
{
    setWindowTitle(platform::displayText(m_puzzle.name) + localText(m_session, txt::CaptionSuffixPlayer));
    deriveClues(m_puzzle, m_clues);
    // A window that was never active while maximised lays the puzzle out in
    // the area it has at this moment.
    if (!m_maximisedAreaKnown)
        recordAvailableArea();
    m_composition = composePlayField(*m_playField, m_availableWidth, m_availableHeight);
    m_puzzleComposed = true;
    m_progressKey = key;
    const std::optional<PlayProgress> kept = m_progressKey.empty() ? std::nullopt : m_progress.load(m_progressKey);
    if (kept && kept->width == m_puzzle.width && kept->height == m_puzzle.height) {
        m_playField->restore(kept->marks, kept->crossed);
        m_clock.restart(kept->elapsedMs);
        m_noticeLabel->setText(localText(m_session, txt::PlayerProgressRestored));
    }
    updateClock();
    updateEditActions();
    m_cluePanel->field().setFocus();
    m_resetButton->setEnabled(true);
    m_solutionButton->setEnabled(true);
}

void PlayerWindow::showErrors()
{
    int errors = 0;
    // A solved field has no errors, even where it is not the maker's picture.
    if (m_puzzleComposed && !m_playField->solved()) {
        FieldWidget& field = m_cluePanel->field();
        QPainter painter;
        field.picture().beginPoints(painter);
        errors = paintErrorMarks(painter, m_puzzle, m_cellStates.marks, m_playState.cellSize);
        painter.end();
        field.update();
    }
    if (errors == 0)
        m_platform.messages.show(localText(m_session, txt::NoErrors), localText(m_session, txt::NoErrorsTitle),
                                 platform::Icon::Information, platform::Buttons::Ok);
}

void PlayerWindow::giveSolution()
{
    if (m_puzzleComposed)
        m_solutionWindow->showSolution(m_playState.cellSize);
}

void PlayerWindow::resetPlayField()
{
    if (!m_puzzleComposed)
        return;
    m_playField->resetAsStep();
    m_clock.restart();
    m_progress.forget(m_progressKey);
    updateClock();
}

QString PlayerWindow::progressFolder() const
{
    return m_progressFolder.isEmpty() ? m_settingsFolder + QStringLiteral("progress") : m_progressFolder;
}

void PlayerWindow::setProgressFolder(const QString& folder)
{
    m_progressFolder = folder;
    m_progress = ProgressStore(platform::pathBytes(folder));
}

void PlayerWindow::playChanged()
{
    m_cluePanel->field().clearHint();
    updateEditActions();
    updateClock();
    if (m_puzzleComposed && !m_saveTimer->isActive())
        m_saveTimer->start();
}

void PlayerWindow::saveProgress()
{
    m_saveTimer->stop();
    if (!m_puzzleComposed || m_progressKey.empty())
        return;
    PlayProgress progress;
    progress.width = m_puzzle.width;
    progress.height = m_puzzle.height;
    for (int y = 0; y < progress.height; ++y)
        for (int x = 0; x < progress.width; ++x)
            progress.marks.push_back(m_cellStates.cellState(x, y));
    progress.crossed = m_playState.crossed.all();
    progress.elapsedMs = playTime();
    const bool empty =
        m_playState.crossed.empty()
        && std::all_of(progress.marks.begin(), progress.marks.end(), [](std::uint8_t m) { return m == 0; });
    if (empty)
        m_progress.forget(m_progressKey);
    else
        m_progress.save(m_progressKey, progress);
}

void PlayerWindow::updateClock()
{
    const bool running = m_puzzleComposed && isActiveWindow() && !isMinimized() && !m_playField->solved();
    const std::int64_t now = m_monotonic.elapsed();
    if (running)
        m_clock.run(now);
    else
        m_clock.pause(now);
    m_timeLabel->setText(m_puzzleComposed ? QString::fromStdString(clockText(m_clock.elapsed(now))) : QString());
}

void PlayerWindow::undo()
{
    if (m_puzzleComposed)
        m_playField->undo();
}

void PlayerWindow::redo()
{
    if (m_puzzleComposed)
        m_playField->redo();
}

void PlayerWindow::zoomIn()
{
    if (m_puzzleComposed)
        m_composition = recomposePlayField(*m_playField, zoomedFontSize(m_composition.fontSize, true), false,
                                           m_availableWidth, m_availableHeight);
}

void PlayerWindow::zoomOut()
{
    if (m_puzzleComposed)
        m_composition = recomposePlayField(*m_playField, zoomedFontSize(m_composition.fontSize, false), false,
                                           m_availableWidth, m_availableHeight);
}

void PlayerWindow::fitToWindow()
{
    if (!m_puzzleComposed)
        return;
    // The area the window has now, whatever its size when the puzzle was opened.
    layOutClient();
    const platform::ScreenUnits units = platform::ScreenUnits::fromScreen(screen());
    m_composition = recomposePlayField(*m_playField, 0, true, units.pixelsToPointsX(m_controlStrip->x()),
                                       units.pixelsToPointsY(m_bottomStrip->y()));
}

void PlayerWindow::setAutoCrossOff(bool on)
{
    m_playField->setAutoCrossOff(on);
    m_crossOffAction->setChecked(on);
    writeFileAtomically(platform::pathBytes(m_settingsFolder + QStringLiteral("crossoff.ini")), on ? "1" : "0");
}

void PlayerWindow::showHint()
{
    if (!m_puzzleComposed)
        return;
    const int w = m_puzzle.width, h = m_puzzle.height;
    std::vector<std::uint8_t> marks;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            marks.push_back(m_cellStates.cellState(x, y));
    const analysis::Hint hint = analysis::findHint(m_puzzle, m_clues, marks);
    m_noticeLabel->setText(QString::fromStdString(analysis::hintSentence(hint, m_clues, m_session.language)));
    FieldWidget& field = m_cluePanel->field();
    const bool hasLine = hint.kind != analysis::HintKind::NeedsGuess && hint.kind != analysis::HintKind::Complete;
    if (!hasLine) {
        field.clearHint();
        return;
    }
    const QRect line = hint.isRow ? QRect(0, hint.line, w, 1) : QRect(hint.line, 0, 1, h);
    std::vector<QPoint> cells;
    for (const int i : hint.cells)
        cells.push_back(hint.isRow ? QPoint(i, hint.line) : QPoint(hint.line, i));
    field.showHint(line, cells, m_playState.cellSize);
}

void PlayerWindow::showKeys()
{
    m_platform.messages.show(localText(m_session, txt::PlayerKeysText), localText(m_session, txt::PlayerKeysTitle),
                             platform::Icon::Information, platform::Buttons::Ok);
}

void PlayerWindow::updateEditActions()
{
    const bool playing = m_puzzleComposed;
    m_undoAction->setEnabled(playing && m_playField->history().canUndo());
    m_redoAction->setEnabled(playing && m_playField->history().canRedo());
}

void PlayerWindow::chooseBlackAndWhite()
{
    m_chooser->choose(1, 1);
    m_chooser->choose(2, 2);
}

void PlayerWindow::dragEnterEvent(QDragEnterEvent* event)
{
    platform::acceptPuzzleDrag(*event, platform::DropKinds::PuzzleAndClueFiles);
}

void PlayerWindow::dropEvent(QDropEvent* event)
{
    platform::openPuzzleDrop(
        *event, this, [this](const QString& path) { loadFile(path); }, platform::DropKinds::PuzzleAndClueFiles);
}

void PlayerWindow::closeEvent(QCloseEvent* event)
{
    saveProgress();
    writeLanguageFile(platform::pathBytes(m_settingsFolder), m_session.language);
    m_session.closing = true;
    m_solutionWindow->close();
    event->accept();
}

} // namespace gw::player
