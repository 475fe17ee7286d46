// MakerWindow: construction, menus, layout and redraw, languages, help.
#include "editor/MakerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QtMath>
#include <algorithm>
#include <utility>

#include "core/Message.h"
#include "core/Palette.h"
#include "editor/EditCommands.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/MakerDocument.h"
#include "editor/NewPuzzleDialog.h"
#include "editor/PictureImportDialog.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "editor/SolvabilityOverlay.h"
#include "editor/SuggestFixAction.h"
#include "lang/Texts.h"
#include "platform/ElidedLabel.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/StandardKeys.h"
#include "playfield/ColorChooser.h"

namespace gw::editor {

namespace {
// Window geometry in twips, as first created.
constexpr double GridLeft = 120;
constexpr double PanelWidth = 2055;
constexpr double StatusHeight = 375;
constexpr double PreviewFrameLeft = 120, PreviewFrameTop = 240, PreviewFrameWidth = 1815, PreviewFrameHeight = 1455;
constexpr double PreviewLeft = 480, PreviewTop = 360;
constexpr double StatusTextLeft = 60, StatusTextTop = 60;
constexpr double PositionGap = 180, PositionWidth = 900;
// The colour chooser: its strip's corner, a swatch, a marker line, a mouse picture's box.
constexpr double ChooserStripLeft = 840, ChooserStripTop = 1920, ChooserSwatch = 375;
constexpr double ChooserMarkerLine = 240, ChooserMouseBox = 480;
constexpr double MinOuterWidth = 3435, MinOuterHeight = 1530;

// The width a frame needs to show its whole caption: where the style puts the
// caption's end, and as much room after it as before it (at least a blank).
int frameWidthForCaption(const QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect caption = frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    return caption.right() + 1 + std::max(caption.left(), frame.fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}
} // namespace

MakerWindow::MakerWindow(Puzzle& puzzle, Session& session, platform::Platform platform, const MakerWindowSetup& setup,
                         QWidget* parent)
    : QMainWindow(parent), m_puzzle(puzzle), m_session(session), m_platform(platform),
      m_units(platform::ScreenUnits::fromScreen()),
      m_settingsFolder(setup.settingsFolder.isEmpty() ? setup.programFolder : setup.settingsFolder),
      m_recent(platform::pathBytes(m_settingsFolder))
{
    setObjectName(QStringLiteral("MakerWindow"));
    setAcceptDrops(true); // a puzzle file dropped on the window is opened
    m_session.programFolder = platform::pathBytes(setup.programFolder);
    m_document = new MakerDocument(m_puzzle, this);
    buildMenus();
    buildClientArea();
    buildSolvability();
    addHistoryAndClueItems();
    addViewAndToolItems();
    m_sizeDialog = new SizeDialog(m_puzzle, m_session, this);
    m_sizeDialog->setWindowFlag(Qt::Tool);
    m_newDialog = new NewPuzzleDialog(m_puzzle, m_session, this);
    m_newDialog->setModal(true);
    connect(m_sizeDialog, &SizeDialog::applyRequested, this, &MakerWindow::applySize);
    connect(m_newDialog, &NewPuzzleDialog::newPuzzleRequested, this, &MakerWindow::newPuzzle);
    connect(m_newDialog, &NewPuzzleDialog::cancelled, this, [this] { show(); });
    setMinimumSize(m_units.twipsToWholePixelsX(MinOuterWidth), m_units.twipsToWholePixelsY(MinOuterHeight));
    QSize start(720, 560);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableSize() * 0.9);
    resize(start);
}

MakerWindow::~MakerWindow() = default;

void MakerWindow::buildMenus()
{
    auto action = [](QMenu* menu, const char* name) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        return a;
    };
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    m_newAction = action(m_fileMenu, "newAction");
    m_openAction = action(m_fileMenu, "openAction");
    m_saveAction = action(m_fileMenu, "saveAction");
    m_saveAsAction = action(m_fileMenu, "saveAsAction");
    m_fileMenu->addSeparator();
    m_importAction = action(m_fileMenu, "importAction");
    m_importOptionsAction = action(m_fileMenu, "importOptionsAction");
    m_fileMenu->addSeparator();
    m_printAction = action(m_fileMenu, "printAction");
    m_testAction = action(m_fileMenu, "testAction");
    m_printAction->setEnabled(false);
    m_testAction->setEnabled(false);
    m_recentSeparator = m_fileMenu->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("recentSeparator"));
    for (int i = 0; i < RecentCount; ++i) {
        QAction* a = m_fileMenu->addAction(QString());
        a->setObjectName(QStringLiteral("recentAction%1").arg(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        m_recentActions[static_cast<std::size_t>(i)] = a;
    }
    m_recentSeparator->setVisible(false);
    m_fileMenu->addSeparator();
    m_exitAction = action(m_fileMenu, "exitAction");

    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->setObjectName(QStringLiteral("editMenu"));
    m_changeSizeAction = action(m_editMenu, "changeSizeAction");
    m_fitSizeAction = action(m_editMenu, "fitSizeAction");
    m_makeNegativeAction = action(m_editMenu, "makeNegativeAction");
    m_dragMenu = m_editMenu->addMenu(QString());
    m_dragMenu->setObjectName(QStringLiteral("dragMenu"));
    const std::pair<const char*, ShiftDirection> drags[4] = {{"dragLeftAction", ShiftDirection::Left},
                                                             {"dragRightAction", ShiftDirection::Right},
                                                             {"dragUpAction", ShiftDirection::Up},
                                                             {"dragDownAction", ShiftDirection::Down}};
    for (const auto& drag : drags) {
        const ShiftDirection direction = drag.second;
        QAction* a = action(m_dragMenu, drag.first);
        connect(a, &QAction::triggered, this, [this, direction] { dragCommand(direction); });
        m_dragActions[static_cast<std::size_t>(direction)] = a;
    }

    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languages = std::make_unique<platform::LanguageMenu>(*m_languageMenu,
                                                           [this](Language language) { applyLanguage(language); });

    m_helpMenu = menuBar()->addMenu(QString());
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    m_helpAction = action(m_helpMenu, "helpAction");
    m_aboutAction = action(m_helpMenu, "aboutAction");
    m_websiteAction = action(m_helpMenu, "websiteAction");

    // The desktop's standard keys; none of them is a key the window gives another meaning.
    using platform::setStandardKeys;
    setStandardKeys(*m_newAction, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    setStandardKeys(*m_openAction, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    setStandardKeys(*m_saveAction, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    setStandardKeys(*m_saveAsAction, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    setStandardKeys(*m_printAction, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    setStandardKeys(*m_exitAction, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_newAction, &QAction::triggered, this, &MakerWindow::newCommand);
    connect(m_openAction, &QAction::triggered, this, &MakerWindow::openCommand);
    connect(m_saveAction, &QAction::triggered, this, &MakerWindow::saveCommand);
    connect(m_saveAsAction, &QAction::triggered, this, &MakerWindow::saveAsCommand);
    connect(m_importAction, &QAction::triggered, this, &MakerWindow::importCommand);
    connect(m_importOptionsAction, &QAction::triggered, this, &MakerWindow::importWithOptionsCommand);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_changeSizeAction, &QAction::triggered, this, &MakerWindow::sizeCommand);
    connect(m_fitSizeAction, &QAction::triggered, this, &MakerWindow::fitSizeCommand);
    connect(m_makeNegativeAction, &QAction::triggered, this, &MakerWindow::negativeCommand);
    connect(m_helpAction, &QAction::triggered, this, &MakerWindow::helpCommand);
    connect(m_aboutAction, &QAction::triggered, this, &MakerWindow::aboutCommand);
    connect(m_websiteAction, &QAction::triggered, this, &MakerWindow::websiteCommand);
}

void MakerWindow::buildClientArea()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_grid = new GridView(m_puzzle, m_client);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->move(m_units.twipsToWholePixelsX(GridLeft), 0);
    connect(m_grid, &GridView::pointer, this, &MakerWindow::pointerOnGrid);

    m_sidePanel = new QWidget(m_client);
    m_sidePanel->setObjectName(QStringLiteral("sidePanel"));
    m_previewFrame = new QGroupBox(m_sidePanel);
    m_previewFrame->setObjectName(QStringLiteral("previewFrame"));
    m_previewFrame->setGeometry(
        m_units.twipsToWholePixelsX(PreviewFrameLeft), m_units.twipsToWholePixelsY(PreviewFrameTop),
        m_units.twipsToWholePixelsX(PreviewFrameWidth), m_units.twipsToWholePixelsY(PreviewFrameHeight));
    m_preview = new PreviewView(m_puzzle, m_previewFrame);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->move(m_units.twipsToWholePixelsX(PreviewLeft), m_units.twipsToWholePixelsY(PreviewTop));
    m_chooser =
        new ColorChooser(ChooserKind::PaletteColors, m_session.buttonColor,
                         {m_units.twipsToWholePixelsX(ChooserSwatch), m_units.twipsToWholePixelsX(ChooserMarkerLine),
                          m_units.twipsToWholePixelsX(ChooserMouseBox)},
                         m_sidePanel);
    m_chooser->strip().setCursor(Qt::PointingHandCursor);
    m_chooser->move(QPoint(m_units.twipsToWholePixelsX(ChooserStripLeft), m_units.twipsToWholePixelsY(ChooserStripTop))
                    - m_chooser->strip().pos());

    m_statusBar = new QWidget(m_client);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusLabel = new platform::ElidedLabel(m_statusBar);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->move(m_units.twipsToWholePixelsX(StatusTextLeft), m_units.twipsToWholePixelsY(StatusTextTop));
    m_positionLabel = new QLabel(m_statusBar);
    m_positionLabel->setObjectName(QStringLiteral("positionLabel"));
    m_positionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_positionLabel->resize(m_units.twipsToWholePixelsX(PositionWidth), m_units.twipsToWholePixelsY(StatusHeight));
}

QString MakerWindow::statusText() const { return m_statusLabel->fullText(); }
QString MakerWindow::positionText() const { return m_positionLabel->text(); }

void MakerWindow::setStatus(const QString& status)
{
    m_statusLabel->setFullText(status);
    placeStatusTexts();
}

void MakerWindow::buildSolvability()
{
    m_solvability = new SolvabilityOverlay(m_puzzle, m_session, *m_grid, this);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_solvability->action());
    m_suggestFix = new SuggestFixAction(
        m_puzzle, m_session, *m_grid, m_platform.messages,
        [this](const std::vector<analysis::CellChange>& changes) { applySuggestedFix(changes); }, this);
    m_editMenu->addAction(m_suggestFix->action());
    connect(m_suggestFix, &SuggestFixAction::statusChanged, this, &MakerWindow::setStatus);
    m_solvabilityLabel = new platform::ElidedLabel(m_statusBar);
    m_solvabilityLabel->setObjectName(QStringLiteral("solvabilityLabel"));
    connect(m_solvability, &SolvabilityOverlay::statusChanged, this, [this](const QString& text) {
        m_solvabilityLabel->setFullText(text);
        placeStatusTexts();
    });
}

void MakerWindow::placeStatusTexts()
{
    if (!m_solvabilityLabel)
        return;
    // The verdict stands right after the status text, one position gap
    // apart, and both end one gap before the position. When they do not fit
    // the verdict keeps up to half of the room, the status text the rest.
    const int gap = m_units.twipsToWholePixelsX(PositionGap);
    const int left = m_statusLabel->x();
    const int room = std::max(0, m_positionLabel->x() - gap - left);
    const int statusWanted = m_statusLabel->fullWidth();
    const int verdictWanted = m_solvabilityLabel->fullWidth();
    const int between = statusWanted > 0 && verdictWanted > 0 ? gap : 0;
    const int shared = std::max(0, room - between);
    const int statusWidth = std::min(statusWanted, shared - std::min(verdictWanted, shared / 2));
    const int verdictWidth = std::min(verdictWanted, shared - statusWidth);
    const int height = m_statusLabel->fontMetrics().height();
    m_statusLabel->setGeometry(left, m_statusLabel->y(), statusWidth, height);
    m_solvabilityLabel->setGeometry(left + statusWidth + between, m_statusLabel->y(), verdictWidth, height);
}

QString MakerWindow::solvabilityText() const { return m_solvabilityLabel->fullText(); }

void MakerWindow::setCaption()
{
    setWindowTitle(platform::displayText(m_puzzle.name) + localText(m_session, txt::CaptionSuffixMaker));
}

bool MakerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MakerWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        layoutWindow(); // restored from the task bar
}

void MakerWindow::layoutWindow()
{
    if (isMinimized())
        return;
    const bool canGrow = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    // The minimum outer size is also a hint to the window manager, but a
    // window narrowed without one (or by one that ignores hints) must not be
    // laid out below it: it grows back first and is laid out again.
    const QSize outer = frameGeometry().size();
    const QSize minOuter(m_units.twipsToWholePixelsX(MinOuterWidth), m_units.twipsToWholePixelsY(MinOuterHeight));
    if (canGrow && (outer.width() < minOuter.width() || outer.height() < minOuter.height())) {
        growTo(size() + outer.expandedTo(minOuter) - outer);
        return;
    }
    const int clientW = m_client->width();
    const int clientH = m_client->height();
    const int statusH = m_units.twipsToWholePixelsY(StatusHeight);
    const int panelW = sidePanelWidth();
    const int gridLeft = m_units.twipsToWholePixelsX(GridLeft);

    m_statusBar->setGeometry(0, clientH - statusH, clientW, statusH);
    m_positionLabel->move(clientW - m_positionLabel->width() - m_units.twipsToWholePixelsX(PositionGap), 0);
    placeStatusTexts();
    const int panelH = clientH - statusH;
    m_sidePanel->setGeometry(clientW - panelW, 0, panelW, panelH);

    const GridScale scale = gridScale(clientW - 2 * gridLeft - panelW, panelH - gridLeft, clientW - 2 * gridLeft,
                                      panelH - gridLeft, m_puzzle.width, m_puzzle.height);
    if (!scale.fits() && canGrow) {
        m_gridZoom = scale.zoom;
        growTo(size() + QSize(scale.growWidth, scale.growHeight));
        return;
    }
    // A maximised window cannot grow: the grid is drawn at three pixels a cell and may run under the panel.
    m_gridZoom = scale.fits() ? scale.zoom : 3.0;
    m_grid->redraw(m_gridZoom);
}

void MakerWindow::growTo(QSize size)
{
    // A window resized from inside the layout of its own resize is not laid
    // out again on every window system (the client area keeps its old size),
    // so the new size is asked for once the current event is done. It lays
    // the window out again.
    QMetaObject::invokeMethod(
        this, [this, size] { resize(size); }, Qt::QueuedConnection);
}

int MakerWindow::sidePanelWidth() const
{
    // The preview frame is as wide as its caption needs (it may be wider than
    // first created, as in Italian), and keeps its margin to the panel's right edge.
    const int frameMargin = m_units.twipsToWholePixelsX(PanelWidth - PreviewFrameLeft - PreviewFrameWidth);
    return std::max(m_units.twipsToWholePixelsX(PanelWidth), m_previewFrame->geometry().right() + 1 + frameMargin);
}

void MakerWindow::applyLanguage(Language language)
{
    m_session.language = language;
    m_languages->check(language);
    setStatus(localText(m_session, txt::LanguageChanged));

    m_fileMenu->setTitle(localText(m_session, txt::MenuFile));
    m_newAction->setText(localText(m_session, txt::MenuNew));
    m_openAction->setText(localText(m_session, txt::MenuOpen));
    m_saveAction->setText(localText(m_session, txt::MenuSave));
    m_saveAsAction->setText(localText(m_session, txt::MenuSaveAs));
    m_importAction->setText(localText(m_session, txt::MenuImportImage));
    m_importOptionsAction->setText(localText(m_session, txt::MenuImportImageOptions));
    if (m_pictureDialog)
        m_pictureDialog->applyCaptions(m_session.language);
    m_printAction->setText(localText(m_session, txt::MenuPrintPuzzle));
    m_testAction->setText(localText(m_session, txt::MenuTestPuzzle));
    m_exitAction->setText(localText(m_session, txt::MenuExit));
    m_editMenu->setTitle(localText(m_session, txt::MenuEdit));
    m_changeSizeAction->setText(localText(m_session, txt::MenuChangeSize));
    m_fitSizeAction->setText(localText(m_session, txt::MenuFitSize));
    m_makeNegativeAction->setText(localText(m_session, txt::MenuMakeNegative));
    m_dragMenu->setTitle(localText(m_session, txt::MenuDrag));
    m_dragActions[0]->setText(localText(m_session, txt::MenuDragLeft));
    m_dragActions[1]->setText(localText(m_session, txt::MenuDragRight));
    m_dragActions[2]->setText(localText(m_session, txt::MenuDragUp));
    m_dragActions[3]->setText(localText(m_session, txt::MenuDragDown));
    m_languageMenu->setTitle(localText(m_session, txt::MenuLanguage));
    m_helpMenu->setTitle(localText(m_session, txt::MenuHelp));
    m_helpAction->setText(localText(m_session, txt::MenuHelpGuide));
    m_aboutAction->setText(localText(m_session, txt::MenuAbout));
    m_previewFrame->setTitle(localText(m_session, txt::PreviewCaption));
    m_previewFrame->resize(
        std::max(m_units.twipsToWholePixelsX(PreviewFrameWidth), frameWidthForCaption(*m_previewFrame)),
        m_previewFrame->height());
    m_websiteAction->setText(localText(m_session, txt::MenuWebsite));
    m_solvability->applyCaptions();
    m_suggestFix->applyCaptions();
    applyHistoryAndClueCaptions();
    applyViewAndToolCaptions();

    m_sizeDialog->applyCaptions(language);
    m_newDialog->applyCaptions(language);
    if (isVisible() && m_sidePanel->width() != sidePanelWidth())
        layoutWindow(); // the preview frame's caption needs another width
    emit languageApplied(language);
}

void MakerWindow::showMessage(const QString& message, const QString& title, platform::Icon icon)
{
    m_platform.messages.show(message, title, icon, platform::Buttons::Ok);
}

void MakerWindow::showMessages(const std::vector<Message>& messages)
{
    for (const Message& m : messages)
        showMessage(QString::fromStdString(m.text), platform::displayText(m.title), m.icon);
}

void MakerWindow::helpCommand()
{
    openDocument(programFolder() + localText(m_session, txt::HelpFile), txt::HelpCannotOpen, txt::HelpTitle);
}

void MakerWindow::websiteCommand()
{
    openDocument(localText(m_session, txt::WebAddress), txt::WebsiteCannotOpen, txt::WebsiteTitle);
}

void MakerWindow::openDocument(const QString& pathOrUrl, const Text& cannotOpen, const Text& title)
{
    // The desktop may tell only later that no program took the document;
    // the message then comes in the language of that moment.
    m_platform.documents.open(pathOrUrl, [window = QPointer<MakerWindow>(this), &cannotOpen, &title](bool opened) {
        if (!opened && window)
            window->showMessage(localText(window->m_session, cannotOpen), localText(window->m_session, title),
                                platform::Icon::Information);
    });
}

void MakerWindow::aboutCommand()
{
    setStatus(localText(m_session, txt::AboutInvitation) + localText(m_session, txt::WebAddress));
    QStringList lines {localText(m_session, txt::ProductMaker),
                       localText(m_session, txt::AboutVersion),
                       QString(),
                       localText(m_session, txt::AboutOwnership),
                       QString(),
                       localText(m_session, txt::AboutAuthor),
                       localText(m_session, txt::AboutContact) + localText(m_session, txt::WebAddress),
                       QString(),
                       localText(m_session, txt::AboutTranslator)};
    const QString request = localText(m_session, txt::AboutWriteInEnglish);
    if (!request.isEmpty())
        lines << request;
    showMessage(lines.join(QLatin1Char('\n')), localText(m_session, txt::ProductMaker), platform::Icon::Information);
}

void MakerWindow::setPrintCommand(std::function<void()> command)
{
    const bool enable = static_cast<bool>(command);
    disconnect(m_printAction, &QAction::triggered, nullptr, nullptr);
    if (enable)
        connect(m_printAction, &QAction::triggered, this, [command] { command(); });
    m_printAction->setEnabled(enable);
}

void MakerWindow::setTestCommand(std::function<void()> command)
{
    const bool enable = static_cast<bool>(command);
    disconnect(m_testAction, &QAction::triggered, nullptr, nullptr);
    if (enable)
        connect(m_testAction, &QAction::triggered, this, [command] { command(); });
    m_testAction->setEnabled(enable);
}

void MakerWindow::setBeforeClose(std::function<void()> step) { m_beforeClose = std::move(step); }

QPixmap MakerWindow::mousePicture(int button) const { return m_chooser->mousePicture(button); }

} // namespace gw::editor
