// MakerWindow: construction, menus, layout and redraw, languages, help.
#include "editor/MakerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QtMath>

#include "core/Message.h"
#include "editor/ColorChooser.h"
#include "editor/GridView.h"
#include "editor/SizeDialog.h"
#include "editor/NewPuzzleDialog.h"
#include "editor/PreviewView.h"
#include "editor/PuzzleOps.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw::editor {

namespace {
// Window geometry in twips, as first created.
constexpr double GridLeft = 120;
constexpr double PanelWidth = 2055;
constexpr double StatusHeight = 375;
constexpr double PreviewFrameLeft = 120, PreviewFrameTop = 240, PreviewFrameWidth = 1815, PreviewFrameHeight = 1455;
constexpr double PreviewLeft = 480, PreviewTop = 360;
constexpr double StatusTextLeft = 60, StatusTextTop = 60;
constexpr double PositieGap = 180, PositieWidth = 900;
constexpr double MinOuterWidth = 3435, MinOuterHeight = 1530;
} // namespace

MakerWindow::MakerWindow(Puzzle& puzzle, platform::Platform platform, const MakerWindowSetup& setup, QWidget* parent)
    : QMainWindow(parent),
      m_puzzle(puzzle),
      m_platform(platform),
      m_units(platform::ScreenUnits::fromScreen()),
      m_programFolder(setup.programFolder),
      m_settingsFolder(setup.settingsFolder.isEmpty() ? setup.programFolder : setup.settingsFolder),
      m_recent(m_settingsFolder.toStdString()) {
    setObjectName(QStringLiteral("MakerWindow"));
    m_puzzle.ProgramFolder = m_programFolder.toStdString();
    buildMenus();
    buildClientArea();
    m_sizeDialog = new SizeDialog(m_puzzle, this);
    m_sizeDialog->setWindowFlag(Qt::Tool);
    m_newDialog = new NewPuzzleDialog(m_puzzle, this);
    m_newDialog->setModal(true);
    connect(m_sizeDialog, &SizeDialog::applyRequested, this, [this](int w, int h) {
        m_puzzle.PuzzleWidth = static_cast<std::int16_t>(w);
        m_puzzle.PuzzleHeight = static_cast<std::int16_t>(h);
        TekeningGewijzigd(true);
        layoutAndShowSizeDialog();
    });
    connect(m_newDialog, &NewPuzzleDialog::newPuzzleRequested, this, &MakerWindow::newPuzzle);
    connect(m_newDialog, &NewPuzzleDialog::cancelled, this, [this] { show(); });
    setMinimumSize(m_units.twipsToWholePixelsX(MinOuterWidth), m_units.twipsToWholePixelsY(MinOuterHeight));
    QSize start(720, 560);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableSize() * 0.9);
    resize(start);
}

MakerWindow::~MakerWindow() = default;

QString MakerWindow::text(const Text& t) const { return QString::fromStdString(chooseText(m_puzzle.Language, t)); }

void MakerWindow::buildMenus() {
    auto action = [this](QMenu* menu, const char* name) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        return a;
    };
    m_MMbestand = menuBar()->addMenu(QString());
    m_MMbestand->setObjectName(QStringLiteral("MMbestand"));
    m_MMnieuw = action(m_MMbestand, "MMnieuw");
    m_MMopen = action(m_MMbestand, "MMopen");
    m_MMsave = action(m_MMbestand, "MMsave");
    m_MMsaveAs = action(m_MMbestand, "MMsaveAs");
    m_MMbestand->addSeparator();
    m_MMimport = action(m_MMbestand, "MMimport");
    m_MMbestand->addSeparator();
    m_MMprint = action(m_MMbestand, "MMprint");
    m_MMtest = action(m_MMbestand, "MMtest");
    m_MMprint->setEnabled(false);
    m_MMtest->setEnabled(false);
    m_MMlijn3 = m_MMbestand->addSeparator();
    m_MMlijn3->setObjectName(QStringLiteral("MMlijn3"));
    for (int i = 0; i < RecentCount; ++i) {
        QAction* a = m_MMbestand->addAction(QString());
        a->setObjectName(QStringLiteral("MMrecent%1").arg(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        m_recentActions[static_cast<std::size_t>(i)] = a;
    }
    m_MMlijn3->setVisible(false);
    m_MMbestand->addSeparator();
    m_MMclose = action(m_MMbestand, "MMclose");

    m_MMbewerken = menuBar()->addMenu(QString());
    m_MMbewerken->setObjectName(QStringLiteral("MMbewerken"));
    m_MMsize = action(m_MMbewerken, "MMsize");
    m_MMfitSize = action(m_MMbewerken, "MMfitSize");
    m_MMnegatief = action(m_MMbewerken, "MMnegatief");
    m_MMschuiven = m_MMbewerken->addMenu(QString());
    m_MMschuiven->setObjectName(QStringLiteral("MMschuiven"));
    for (int i = 0; i < 4; ++i) {
        QAction* a = m_MMschuiven->addAction(QString());
        a->setObjectName(QStringLiteral("MMschuif%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { shiftCommand(i); });
        m_MMschuif[static_cast<std::size_t>(i)] = a;
    }

    m_MMtaal = menuBar()->addMenu(QString());
    m_MMtaal->setObjectName(QStringLiteral("MMtaal"));
    const char* const languageNames[3] = {"MMenglish", "MMnederlands", "MMitaliano"};
    const Text* const languageCaptions[3] = {&txt::MenuEnglish, &txt::MenuDutch, &txt::MenuItalian};
    for (int i = 0; i < 3; ++i) {
        QAction* a = action(m_MMtaal, languageNames[i]);
        a->setCheckable(true);
        a->setText(QString::fromUtf8(languageCaptions[i]->en)); // the same in every language
        connect(a, &QAction::triggered, this, [this, i] { applyLanguage(static_cast<std::uint8_t>(i)); });
        m_languageActions[static_cast<std::size_t>(i)] = a;
    }

    m_MMhelpMenu = menuBar()->addMenu(QString());
    m_MMhelpMenu->setObjectName(QStringLiteral("MMhelpMenu"));
    m_MMhelp = action(m_MMhelpMenu, "MMhelp");
    m_MMabout = action(m_MMhelpMenu, "MMabout");
    m_MMwebsite = action(m_MMhelpMenu, "MMwebsite");

    m_MMhelp->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_MMnieuw, &QAction::triggered, this, &MakerWindow::newCommand);
    connect(m_MMopen, &QAction::triggered, this, &MakerWindow::openCommand);
    connect(m_MMsave, &QAction::triggered, this, &MakerWindow::saveCommand);
    connect(m_MMsaveAs, &QAction::triggered, this, &MakerWindow::saveAsCommand);
    connect(m_MMimport, &QAction::triggered, this, &MakerWindow::importCommand);
    connect(m_MMclose, &QAction::triggered, this, &QWidget::close);
    connect(m_MMsize, &QAction::triggered, this, &MakerWindow::sizeCommand);
    connect(m_MMfitSize, &QAction::triggered, this, &MakerWindow::fitSizeCommand);
    connect(m_MMnegatief, &QAction::triggered, this, &MakerWindow::negativeCommand);
    connect(m_MMhelp, &QAction::triggered, this, &MakerWindow::helpCommand);
    connect(m_MMabout, &QAction::triggered, this, &MakerWindow::aboutCommand);
    connect(m_MMwebsite, &QAction::triggered, this, &MakerWindow::websiteCommand);
}

void MakerWindow::buildClientArea() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_grid = new GridView(m_puzzle, m_client);
    m_grid->setObjectName(QStringLiteral("Picture1"));
    m_grid->move(m_units.twipsToWholePixelsX(GridLeft), 0);
    connect(m_grid, &GridView::pointer, this, &MakerWindow::pointerOnGrid);

    m_panel = new QWidget(m_client);
    m_panel->setObjectName(QStringLiteral("Picture3"));
    m_frmPreview = new QGroupBox(m_panel);
    m_frmPreview->setObjectName(QStringLiteral("frmPreview"));
    m_frmPreview->setGeometry(m_units.twipsToWholePixelsX(PreviewFrameLeft), m_units.twipsToWholePixelsY(PreviewFrameTop),
                              m_units.twipsToWholePixelsX(PreviewFrameWidth),
                              m_units.twipsToWholePixelsY(PreviewFrameHeight));
    m_preview = new PreviewView(m_puzzle, m_frmPreview);
    m_preview->setObjectName(QStringLiteral("pctPreview"));
    m_preview->move(m_units.twipsToWholePixelsX(PreviewLeft), m_units.twipsToWholePixelsY(PreviewTop));
    m_chooser = new ColorChooser(m_puzzle, *m_panel, m_units);

    m_statusBar = new QWidget(m_client);
    m_statusBar->setObjectName(QStringLiteral("Picture2"));
    m_LblStatus = new QLabel(m_statusBar);
    m_LblStatus->setObjectName(QStringLiteral("LblStatus"));
    m_LblStatus->move(m_units.twipsToWholePixelsX(StatusTextLeft), m_units.twipsToWholePixelsY(StatusTextTop));
    m_Positie = new QLabel(m_statusBar);
    m_Positie->setObjectName(QStringLiteral("Positie"));
    m_Positie->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_Positie->resize(m_units.twipsToWholePixelsX(PositieWidth), m_units.twipsToWholePixelsY(StatusHeight));
}

QString MakerWindow::statusText() const { return m_LblStatus->text(); }
QString MakerWindow::positionText() const { return m_Positie->text(); }

void MakerWindow::setStatus(const QString& status) {
    m_LblStatus->setText(status);
    m_LblStatus->adjustSize();
}

void MakerWindow::setCaption() {
    setWindowTitle(QString::fromStdString(m_puzzle.PuzzleName) + text(txt::CaptionSuffixMaker));
}

bool MakerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MakerWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        layoutWindow(); // restored from the task bar
}

void MakerWindow::layoutWindow() {
    if (isMinimized())
        return;
    const int clientW = m_client->width();
    const int clientH = m_client->height();
    const int statusH = m_units.twipsToWholePixelsY(StatusHeight);
    const int panelW = m_units.twipsToWholePixelsX(PanelWidth);
    const int gridLeft = m_units.twipsToWholePixelsX(GridLeft);

    m_statusBar->setGeometry(0, clientH - statusH, clientW, statusH);
    m_Positie->move(clientW - m_Positie->width() - m_units.twipsToWholePixelsX(PositieGap), 0);
    const int panelH = clientH - statusH;
    m_panel->setGeometry(clientW - panelW, 0, panelW, panelH);

    const GridScale scale = gridScale(clientW - 2 * gridLeft - panelW, panelH - gridLeft, clientW - 2 * gridLeft,
                                      panelH - gridLeft, m_puzzle.PuzzleWidth, m_puzzle.PuzzleHeight);
    const bool canGrow = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (!scale.fits() && canGrow) {
        m_gridZoom = scale.zoom;
        // The new size lays the window out again.
        resize(width() + qCeil(scale.growWidth), height() + qCeil(scale.growHeight));
        return;
    }
    // A maximised window cannot grow: the grid is drawn at three pixels a cell and may run under the panel.
    m_gridZoom = scale.fits() ? scale.zoom : 3.0;
    m_grid->redraw(m_gridZoom);
}

void MakerWindow::layoutAndShowSizeDialog() {
    layoutWindow();
    sizeCommand();
}

void MakerWindow::TekeningGewijzigd(bool changed) {
    m_puzzle.PuzzleChanged = changed;
    m_preview->redraw();
}

void MakerWindow::applyLanguage(std::uint8_t language) {
    m_puzzle.Language = language;
    for (std::size_t i = 0; i < m_languageActions.size(); ++i)
        if (i != language)
            m_languageActions[i]->setChecked(false);
    if (language < m_languageActions.size())
        m_languageActions[language]->setChecked(true);
    setStatus(text(txt::LanguageChanged));

    m_MMbestand->setTitle(text(txt::MenuFile));
    m_MMnieuw->setText(text(txt::MenuNew));
    m_MMopen->setText(text(txt::MenuOpen));
    m_MMsave->setText(text(txt::MenuSave));
    m_MMsaveAs->setText(text(txt::MenuSaveAs));
    m_MMimport->setText(text(txt::MenuImportImage));
    m_MMprint->setText(text(txt::MenuPrintPuzzle));
    m_MMtest->setText(text(txt::MenuTestPuzzle));
    m_MMclose->setText(text(txt::MenuExit));
    m_MMbewerken->setTitle(text(txt::MenuEdit));
    m_MMsize->setText(text(txt::MenuChangeSize));
    m_MMfitSize->setText(text(txt::MenuFitSize));
    m_MMnegatief->setText(text(txt::MenuMakeNegative));
    m_MMschuiven->setTitle(text(txt::MenuDrag));
    m_MMschuif[0]->setText(text(txt::MenuDragLeft));
    m_MMschuif[1]->setText(text(txt::MenuDragRight));
    m_MMschuif[2]->setText(text(txt::MenuDragUp));
    m_MMschuif[3]->setText(text(txt::MenuDragDown));
    m_MMtaal->setTitle(text(txt::MenuLanguage));
    m_MMhelpMenu->setTitle(text(txt::MenuHelp));
    m_MMhelp->setText(text(txt::MenuHelpGuide));
    m_MMabout->setText(text(txt::MenuAbout));
    m_frmPreview->setTitle(text(txt::PreviewCaption));
    m_MMwebsite->setText(text(txt::MenuWebsite));

    m_sizeDialog->applyCaptions(language);
    m_newDialog->applyCaptions(language);
    emit languageApplied(language);
}

void MakerWindow::showMessage(const QString& message, const QString& title, platform::Icon icon) {
    m_platform.messages.show(message, title, icon, platform::Buttons::Ok);
}

void MakerWindow::showMessages(const std::vector<Message>& messages) {
    for (const Message& m : messages)
        showMessage(QString::fromStdString(m.text), QString::fromStdString(m.title), m.icon);
}

void MakerWindow::helpCommand() {
    const QString path = m_programFolder + text(txt::HelpFile);
    if (!m_platform.documents.open(path))
        showMessage(text(txt::HelpCannotOpen), text(txt::HelpTitle), platform::Icon::Information);
}

void MakerWindow::websiteCommand() {
    if (!m_platform.documents.open(text(txt::WebAddress)))
        showMessage(text(txt::WebsiteCannotOpen), text(txt::WebsiteTitle), platform::Icon::Information);
}

void MakerWindow::aboutCommand() {
    setStatus(text(txt::AboutInvitation) + text(txt::WebAddress));
    QStringList lines{text(txt::ProductMaker), text(txt::AboutVersion), QString(), text(txt::AboutOwnership),
                      QString(),               text(txt::AboutAuthor),  text(txt::AboutContact) + text(txt::WebAddress), QString(),
                      text(txt::AboutTranslator)};
    const QString request = text(txt::AboutWriteInEnglish);
    if (!request.isEmpty())
        lines << request;
    showMessage(lines.join(QLatin1Char('\n')), text(txt::ProductMaker), platform::Icon::Information);
}

void MakerWindow::setPrintCommand(std::function<void()> command) {
    const bool enable = static_cast<bool>(command);
    disconnect(m_MMprint, &QAction::triggered, nullptr, nullptr);
    if (enable)
        connect(m_MMprint, &QAction::triggered, this, [command] { command(); });
    m_MMprint->setEnabled(enable);
}

void MakerWindow::setTestCommand(std::function<void()> command) {
    const bool enable = static_cast<bool>(command);
    disconnect(m_MMtest, &QAction::triggered, nullptr, nullptr);
    if (enable)
        connect(m_MMtest, &QAction::triggered, this, [command] { command(); });
    m_MMtest->setEnabled(enable);
}

void MakerWindow::setBeforeClose(std::function<void()> step) { m_beforeClose = std::move(step); }

QPixmap MakerWindow::mousePicture(int button) const { return m_chooser->mousePicture(button); }

} // namespace gw::editor
