#include "PlayerWindow.h"

#include <QAction>
#include <QCloseEvent>
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
#include "platform/Units.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/PlayFieldComposition.h"
#include "player/Choose.h"
#include "player/SolutionWindow.h"

namespace gw::player {

namespace {

// Widths and heights of the strips and their contents, in pixels.
constexpr int SizerWidth = 168;
constexpr int SizerBottomHeight = 12;
constexpr int SizerMargin = 8;
constexpr int ButtonGap = 6;
constexpr int SwatchWidth = 24;
constexpr int MousePictureHeight = 32;

} // namespace

PlayerWindow::PlayerWindow(Puzzle& puzzle, platform::Platform platform, const QString& settingsFolder,
                           QWidget* parent)
    : QMainWindow(parent)
    , m_puzzle(puzzle)
    , m_platform(platform)
    , m_settingsFolder(settingsFolder.isEmpty() ? QString::fromStdString(puzzle.ProgramFolder) : settingsFolder)
    , m_recent(m_settingsFolder.toStdString())
{
    setObjectName(QStringLiteral("MakerWindow"));
    buildMenus();
    buildStrips();
    m_playField = std::make_unique<PlayField>(PlayFieldKind::Player, m_puzzle, m_clues, m_cellStates, m_playState,
                                              *m_picture1, *m_kiezer, m_platform.messages);
    m_playField->setPositionLabel(m_positie);
    m_cellStates.setCellPainter([this](int x, int y) { m_playField->paintCell(x, y); });
    m_solutionWindow = std::make_unique<SolutionWindow>(m_puzzle, m_cellStates.marks, m_tag, pixelsPerPoint());
    hidePlayField();
    setWindowTitle(localText(m_puzzle.Language, txt::ProductPlayer));
    resize(800, 600);
}

PlayerWindow::~PlayerWindow() = default;

double PlayerWindow::pixelsPerPoint() const
{
    return platform::ScreenUnits::fromScreen(screen()).pointsToPixelsX(1.0);
}

void PlayerWindow::buildMenus()
{
    m_mmBestand = menuBar()->addMenu(QString());
    m_mmOpen = m_mmBestand->addAction(QString());
    connect(m_mmOpen, &QAction::triggered, this, &PlayerWindow::openCommand);
    m_mmLijn3 = m_mmBestand->addSeparator();
    for (int i = 0; i < 5; ++i) {
        QAction* action = m_mmBestand->addAction(QString());
        connect(action, &QAction::triggered, this, [this, i] { openRecent(i); });
        action->setVisible(false);
        m_mmRecent[static_cast<std::size_t>(i)] = action;
    }
    m_mmLijn3->setVisible(false);
    m_mmBestand->addSeparator();
    m_mmClose = m_mmBestand->addAction(QString());
    connect(m_mmClose, &QAction::triggered, this, &QWidget::close);

    m_mmTaal = menuBar()->addMenu(QString());
    const Text* names[3] = {&txt::MenuEnglish, &txt::MenuDutch, &txt::MenuItalian};
    for (int i = 0; i < 3; ++i) {
        // The language items read the same in every language.
        QAction* action = m_mmTaal->addAction(localText(0, *names[i]));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { setLanguage(static_cast<std::uint8_t>(i)); });
        m_mmLanguage[static_cast<std::size_t>(i)] = action;
    }
}

void PlayerWindow::buildStrips()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_playArea = new QScrollArea(m_client);
    m_playArea->setObjectName(QStringLiteral("PlayArea"));
    m_playArea->setFrameShape(QFrame::NoFrame);
    m_playArea->setWidgetResizable(false);

    m_sizerBottom = new QWidget(m_client);
    m_sizerBottom->setObjectName(QStringLiteral("SizerBottom"));
    m_sizer = new QWidget(m_client);
    m_sizer->setObjectName(QStringLiteral("Sizer"));

    m_cmdErrors = new QPushButton(m_sizer);
    m_cmdErrors->setObjectName(QStringLiteral("cmdErrors"));
    m_cmdOplossing = new QPushButton(m_sizer);
    m_cmdOplossing->setObjectName(QStringLiteral("cmdOplossing"));
    m_cmdClear = new QPushButton(m_sizer);
    m_cmdClear->setObjectName(QStringLiteral("cmdClear"));
    int y = SizerMargin;
    for (QPushButton* button : {m_cmdErrors, m_cmdOplossing, m_cmdClear}) {
        button->setGeometry(SizerMargin, y, SizerWidth - 2 * SizerMargin, button->sizeHint().height());
        y += button->height() + ButtonGap;
    }
    connect(m_cmdErrors, &QPushButton::clicked, this, &PlayerWindow::showErrors);
    connect(m_cmdOplossing, &QPushButton::clicked, this, &PlayerWindow::giveSolution);
    connect(m_cmdClear, &QPushButton::clicked, this, &PlayerWindow::resetPlayField);

    m_kiezer = new ColorChooser(ChooserKind::PlayField, m_playState.buttonMarks, {SwatchWidth}, m_sizer);
    m_kiezer->setObjectName(QStringLiteral("colorChooser"));
    m_kiezer->move((SizerWidth - m_kiezer->width()) / 2, y + SizerMargin);

    m_picture1 = new CluePanel;
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_playArea->setWidget(m_picture1);

    m_positie = new QLabel(m_sizer);
    m_positie->setObjectName(QStringLiteral("Positie"));
    m_positie->setGeometry(SizerMargin, 0, SizerWidth - 2 * SizerMargin, m_positie->sizeHint().height());
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
    const int sizerLeft = std::max(0, w - SizerWidth);
    // Sizer docks to the right edge over the full height, SizerBottom to the
    // bottom edge beside it; the play field gets the rest.
    m_sizer->setGeometry(sizerLeft, 0, SizerWidth, h);
    m_sizerBottom->setGeometry(0, std::max(0, h - SizerBottomHeight), sizerLeft, SizerBottomHeight);
    m_playArea->setGeometry(0, 0, sizerLeft, m_sizerBottom->y());
    m_positie->move(m_positie->x(), static_cast<int>(m_sizer->height() - 1.5 * m_positie->height()));
}

void PlayerWindow::recordAvailableArea()
{
    layOutClient();
    const platform::ScreenUnits units = platform::ScreenUnits::fromScreen(screen());
    m_availableWidth = units.pixelsToPointsX(m_sizer->x());
    m_availableHeight = units.pixelsToPointsY(m_sizerBottom->y());
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
    const std::optional<std::uint8_t> stored = readLanguageFile(m_settingsFolder.toStdString());
    setLanguage(stored && *stored <= 2 ? *stored : 0);
    const QString folder = QString::fromStdString(m_puzzle.ProgramFolder);
    using platform::loadDataPicture;
    m_kiezer->setMousePictures(loadDataPicture(folder + QStringLiteral("mouse1.dat"), MousePictureHeight),
                               loadDataPicture(folder + QStringLiteral("mouse2.dat"), MousePictureHeight));
    m_recent.readFile();
    m_recent.refreshRecent();
    updateRecentMenu();
    m_kiezer->paintSwatches(folder);
    KiezerSet();
}

void PlayerWindow::updateRecentMenu()
{
    for (int i = 0; i < RecentCount; ++i) {
        QAction* action = m_mmRecent[static_cast<std::size_t>(i)];
        const std::string& entry = m_recent.entry(i);
        action->setText(QString::fromStdString(recentCaption(i, entry)));
        action->setVisible(!entry.empty());
    }
    m_mmLijn3->setVisible(!m_recent.entry(0).empty());
}

void PlayerWindow::setLanguage(std::uint8_t language)
{
    m_puzzle.Language = language;
    for (QAction* action : m_mmLanguage)
        action->setChecked(false);
    if (language < m_mmLanguage.size())
        m_mmLanguage[language]->setChecked(true);
    m_mmBestand->setTitle(localText(language, txt::PlayerMenuFile));
    m_mmOpen->setText(localText(language, txt::PlayerMenuOpen));
    m_mmClose->setText(localText(language, txt::PlayerMenuExit));
    m_mmTaal->setTitle(localText(language, txt::PlayerMenuLanguage));
    m_cmdClear->setText(localText(language, txt::PlayerReset));
    m_cmdErrors->setText(localText(language, txt::PlayerShowErrors));
    m_cmdOplossing->setText(localText(language, txt::PlayerGiveSolution));
    m_solutionWindow->applyLanguage(language);
}

void PlayerWindow::showMessage(const Message& message)
{
    m_platform.messages.show(QString::fromStdString(message.text), QString::fromStdString(message.title),
                             message.icon, platform::Buttons::Ok);
}

void PlayerWindow::hidePlayField()
{
    m_picture1->hide();
    m_cmdClear->setEnabled(false);
    m_cmdOplossing->setEnabled(false);
    m_solutionWindow->hide();
}

void PlayerWindow::openCommand()
{
    platform::FileDialogRequest request;
    request.filter = localText(m_puzzle.Language, txt::FilterOpen);
    request.initialFolder = QString::fromStdString(m_puzzle.ProgramFolder) + QStringLiteral("Puzzles");
    const platform::FileDialogResult result = m_platform.files.open(request);
    if (result.accepted && !result.path.isEmpty())
        loadPuzzle(result.path);
}

void PlayerWindow::openRecent(int index)
{
    loadPuzzle(QString::fromStdString(m_recent.entry(index)));
}

bool PlayerWindow::loadPuzzle(const QString& path)
{
    hidePlayField();
    m_puzzleComposed = false;
    // The marks belong to the puzzle that is being replaced.
    m_cellStates.clearStates();
    LoadResult result;
    {
        platform::BusyScope busy(m_platform.busy);
        result = readPuzzleFile(m_puzzle, path.toStdString(), ReaderVariant::Player);
    }
    for (const Message& message : result.messages)
        showMessage(message);
    if (!result.loaded())
        return false;
    m_kiezer->showColorPuzzle(m_puzzle.ColorPuzzle);
    setWindowTitle(QString::fromStdString(m_puzzle.PuzzleName) + localText(m_puzzle.Language, txt::CaptionSuffixPlayer));
    m_recent.addRecent(path.toStdString());
    updateRecentMenu();
    derivePlayerClues(m_puzzle, m_clues);
    // A window that was never active while maximised lays the puzzle out in
    // the area it has at this moment.
    if (!m_maximisedAreaKnown)
        recordAvailableArea();
    composePlayField(*m_playField, m_availableWidth, m_availableHeight);
    m_puzzleComposed = true;
    m_cmdClear->setEnabled(true);
    m_cmdOplossing->setEnabled(true);
    return true;
}

void PlayerWindow::showErrors()
{
    int errors = 0;
    if (m_puzzleComposed) {
        FieldWidget& field = m_picture1->field();
        QPainter painter;
        field.picture().beginPoints(painter);
        errors = paintErrorMarks(painter, m_puzzle, m_cellStates.marks, m_playState.cellSize);
        painter.end();
        field.update();
    }
    if (errors == 0)
        m_platform.messages.show(localText(m_puzzle.Language, txt::NoErrors),
                                 localText(m_puzzle.Language, txt::NoErrorsTitle), platform::Icon::Information,
                                 platform::Buttons::Ok);
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

void PlayerWindow::KiezerSet()
{
    m_kiezer->choose(1, 1);
    m_kiezer->choose(2, 2);
}

void PlayerWindow::closeEvent(QCloseEvent* event)
{
    writeLanguageFile(m_settingsFolder.toStdString(), m_puzzle.Language);
    m_tag = QStringLiteral("CLOSE");
    m_solutionWindow->close();
    event->accept();
}

} // namespace gw::player
