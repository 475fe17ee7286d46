#include "PlayerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

#include "core/Palette.h"
#include "core/PuzzleFile.h"
#include "lang/Texts.h"
#include "platform/DataPicture.h"
#include "platform/DroppedFile.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/RecentMenu.h"
#include "platform/Units.h"
#include "player/ClueFileOpen.h"
#include "player/RandomPuzzles.h"
#include "player/SolutionWindow.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/PlayFieldComposition.h"

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
      m_recent(platform::pathBytes(m_settingsFolder))
{
    setObjectName(QStringLiteral("PlayerWindow"));
    setAcceptDrops(true); // a puzzle file dropped on the window is opened
    buildMenus();
    buildStrips();
    m_playField = std::make_unique<PlayField>(PlayFieldKind::Player, m_puzzle, m_session, m_clues, m_cellStates,
                                              m_playState, *m_cluePanel, *m_chooser, m_platform.messages);
    m_playField->setPositionLabel(m_positionLabel);
    m_cellStates.setCellPainter([this](int x, int y) { m_playField->paintCell(x, y); });
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

    m_languageMenu = menuBar()->addMenu(QString());
    const Text* names[3] = {&txt::MenuEnglish, &txt::MenuDutch, &txt::MenuItalian};
    for (int i = 0; i < 3; ++i) {
        // The language items read the same in every language.
        QAction* action = m_languageMenu->addAction(localText(0, *names[i]));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { setLanguage(static_cast<std::uint8_t>(i)); });
        m_languageActions[static_cast<std::size_t>(i)] = action;
    }
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
    QMainWindow::changeEvent(event);
}

void PlayerWindow::recordIfActiveAndMaximised()
{
    if (!isActiveWindow() || !isMaximized())
        return;
    recordAvailableArea();
    m_maximisedAreaKnown = true;
}

void PlayerWindow::startUp()
{
    // A missing "lang.ini" means English, without a word. A byte other than
    // 0, 1 or 2 would leave every text empty: English then as well.
    const std::optional<std::uint8_t> stored =
        readLanguageFile(platform::pathBytes(m_settingsFolder), m_session.programFolder);
    setLanguage(stored && *stored <= 2 ? *stored : 0);
    const QString folder = platform::pathFromBytes(m_session.programFolder);
    using platform::loadDataPicture;
    m_chooser->setMousePictures(loadDataPicture(folder + QStringLiteral("mouse1.dat"), MousePictureHeight),
                                loadDataPicture(folder + QStringLiteral("mouse2.dat"), MousePictureHeight));
    m_recent.readFile(m_session.programFolder);
    m_recent.refreshRecent();
    updateRecentMenu();
    m_chooser->paintSwatches(folder);
    chooseBlackAndWhite();
}

void PlayerWindow::updateRecentMenu() { platform::showRecentEntries(m_recent, m_recentActions, m_recentSeparator); }

void PlayerWindow::setLanguage(std::uint8_t language)
{
    m_session.language = language;
    for (QAction* action : m_languageActions)
        action->setChecked(false);
    if (language < m_languageActions.size())
        m_languageActions[language]->setChecked(true);
    m_fileMenu->setTitle(localText(language, txt::PlayerMenuFile));
    m_openAction->setText(localText(language, txt::PlayerMenuOpen));
    m_newRandomAction->setText(localText(language, txt::PlayerMenuNewRandom));
    m_openCodeAction->setText(localText(language, txt::PlayerMenuOpenCode));
    m_exitAction->setText(localText(language, txt::PlayerMenuExit));
    m_languageMenu->setTitle(localText(language, txt::PlayerMenuLanguage));
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
        loadPuzzle(result.path);
}

void PlayerWindow::openRecent(int index)
{
    // A file that has vanished is reported and dropped; the game on screen stays.
    const std::optional<QString> path = platform::existingRecentFile(
        m_recent, index, m_platform.messages, m_session.language, m_recentActions, m_recentSeparator);
    if (path)
        loadPuzzle(*path);
}

bool PlayerWindow::loadPuzzle(const QString& path)
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
    startGame();
    return true;
}

void PlayerWindow::playPuzzle(const Puzzle& puzzle)
{
    hidePlayField();
    m_puzzleComposed = false;
    m_cellStates.clearStates();
    m_puzzle = puzzle;
    m_chooser->showColorPuzzle(puzzle.ColorPuzzle);
    startGame();
}

void PlayerWindow::startGame()
{
    setWindowTitle(platform::displayText(m_puzzle.PuzzleName) + localText(m_session, txt::CaptionSuffixPlayer));
    derivePlayerClues(m_puzzle, m_clues);
    // A window that was never active while maximised lays the puzzle out in
    // the area it has at this moment.
    if (!m_maximisedAreaKnown)
        recordAvailableArea();
    composePlayField(*m_playField, m_availableWidth, m_availableHeight);
    m_puzzleComposed = true;
    m_resetButton->setEnabled(true);
    m_solutionButton->setEnabled(true);
}

void PlayerWindow::showErrors()
{
    int errors = 0;
    if (m_puzzleComposed) {
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
    if (m_puzzleComposed)
        m_playField->reset();
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
        *event, this, [this](const QString& path) { loadPuzzle(path); }, platform::DropKinds::PuzzleAndClueFiles);
}

void PlayerWindow::closeEvent(QCloseEvent* event)
{
    writeLanguageFile(platform::pathBytes(m_settingsFolder), m_session.language);
    m_session.closing = true;
    m_solutionWindow->close();
    event->accept();
}

} // namespace gw::player
