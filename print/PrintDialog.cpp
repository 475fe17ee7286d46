#include "PrintDialog.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "PageSurface.h"
#include "ScaledPreview.h"
#include "platform/Units.h"
#include "playfield/CluePanel.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/SecondaryWindow.h"

namespace gw {

namespace {
// The preview box without a printer: an A4 page in twips at 100 %.
constexpr double FixedBoxWidthTwips = 11515;
constexpr double FixedBoxHeightTwips = 16075;

// The integer part of a digits-only text, or nothing when it is no number.
std::optional<long long> integerPart(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<long long>(std::clamp(value, -1e12, 1e12));
}
} // namespace

PrintDialog::PrintDialog(Puzzle& puzzle, ClueTables& clues, platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), m_puzzle(puzzle), m_clues(clues), m_platform(platform)
{
    buildControls();
    connectHandlers();
    applyCaptions();
    const QString defaultName = m_platform.printers.defaultPrinterName();
    setPrinterState(!m_platform.printers.printerNames().isEmpty(), defaultName);
}

PrintDialog::~PrintDialog() = default;

QString PrintDialog::text(const Text& t) const { return QString::fromStdString(chooseText(m_puzzle.Language, t)); }

void PrintDialog::buildControls()
{
    auto* digitsOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);

    FramePrinter = new QGroupBox(this);
    cmbPrinter = new QComboBox(FramePrinter);
    cmbPrinter->setMinimumWidth(160);
    (new QVBoxLayout(FramePrinter))->addWidget(cmbPrinter);

    FramePapier = new QGroupBox(this);
    Option1 = new QRadioButton(FramePapier);
    Option2 = new QRadioButton(FramePapier);
    Option1->setChecked(true);
    auto* paper = new QVBoxLayout(FramePapier);
    paper->addWidget(Option1);
    paper->addWidget(Option2);

    FrameTitel = new QGroupBox(this);
    txtTitel = new QLineEdit(FrameTitel);
    CentreerTitel = new QCheckBox(FrameTitel);
    CentreerTitel->setChecked(true);
    auto* title = new QVBoxLayout(FrameTitel);
    title->addWidget(txtTitel);
    title->addWidget(CentreerTitel);

    FrameKleur = new QGroupBox(this);
    Picture1 = new QPushButton(FrameKleur);
    Picture1->setFixedSize(48, 20);
    Picture1->setFlat(true);
    Picture1->setAutoFillBackground(true);
    AchtergrondKleur = new QCheckBox(FrameKleur);
    AchtergrondKleur->setChecked(true);
    auto* colour = new QVBoxLayout(FrameKleur);
    colour->addWidget(Picture1);
    colour->addWidget(AchtergrondKleur);
    setPrintColour(Qt::black);

    Frame1 = new QGroupBox(this);
    Option3 = new QRadioButton(Frame1);
    Option4 = new QRadioButton(Frame1);
    Option3->setChecked(true);
    Text2 = new QLineEdit(QStringLiteral("10"), Frame1);
    Text2->setValidator(digitsOnly);
    Text2->setFixedWidth(40);
    Funny = new QScrollBar(Qt::Vertical, Frame1);
    Funny->setFixedHeight(Text2->sizeHint().height());
    Funny->setRange(0, 0);
    auto* size = new QGridLayout(Frame1);
    size->addWidget(Option3, 0, 0, 1, 3);
    size->addWidget(Option4, 1, 0);
    size->addWidget(Text2, 1, 1);
    size->addWidget(Funny, 1, 2);

    Label2 = new QLabel(this);
    Text1 = new QLineEdit(QStringLiteral("50"), this);
    Text1->setValidator(digitsOnly);
    Text1->setFixedWidth(40);
    VS = new QScrollBar(Qt::Vertical, this);
    VS->setRange(0, 190);
    VS->setValue(150);
    VS->setFixedHeight(Text1->sizeHint().height());
    Label3 = new QLabel(this);
    Command1 = new QPushButton(this);
    Command2 = new QPushButton(this);
    cmdSavePdf = new QPushButton(this);

    PreviewBox = new ScaledPreview();
    m_previewArea = new QScrollArea(this);
    m_previewArea->setWidget(PreviewBox);
    m_previewArea->setWidgetResizable(false);
    m_previewArea->setMinimumSize(420, 420);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);

    auto* top = new QHBoxLayout;
    for (QWidget* frame : {static_cast<QWidget*>(FramePrinter), static_cast<QWidget*>(FramePapier),
                           static_cast<QWidget*>(FrameTitel), static_cast<QWidget*>(FrameKleur),
                           static_cast<QWidget*>(Frame1)})
        top->addWidget(frame);
    auto* line = new QHBoxLayout;
    line->addWidget(Label2);
    line->addWidget(Text1);
    line->addWidget(VS);
    line->addWidget(Label3);
    line->addStretch();
    line->addWidget(cmdSavePdf);
    line->addWidget(Command1);
    line->addWidget(Command2);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(line);
    all->addWidget(m_previewArea, 1);

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
}

void PrintDialog::applyCaptions()
{
    setWindowTitle(text(txt::PrintDialogTitle));
    FramePrinter->setTitle(text(txt::PrintPrinterFrame));
    FramePapier->setTitle(text(txt::PrintPaperFrame));
    Option1->setText(text(txt::PrintPortrait));
    Option2->setText(text(txt::PrintLandscape));
    FrameTitel->setTitle(text(txt::PrintTitleFrame));
    CentreerTitel->setText(text(txt::PrintCentreTitle));
    FrameKleur->setTitle(text(txt::PrintColorFrame));
    AchtergrondKleur->setText(text(txt::PrintBackgroundTint));
    Frame1->setTitle(text(txt::PrintSizeFrame));
    Option3->setText(text(txt::PrintAutomaticSize));
    Option4->setText(text(txt::PrintManualSize));
    Command1->setText(text(txt::PrintButton));
    Command2->setText(text(txt::PrintCancel));
    Label2->setText(text(txt::PrintPreviewSize));
    Label3->setText(text(txt::PrintPreviewPercent));
    cmdSavePdf->setText(text(txt::PrintSavePdf));
}

void PrintDialog::connectHandlers()
{
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            composePreview();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            composePreview();
    });
    for (QRadioButton* option : {Option3, Option4})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_composing)
                composePreview();
        });
    connect(CentreerTitel, &QCheckBox::toggled, this, &PrintDialog::composePreview);
    connect(AchtergrondKleur, &QCheckBox::toggled, this, &PrintDialog::composePreview);
    connect(Picture1, &QPushButton::clicked, this, [this] {
        if (const auto chosen = m_platform.colors.choose(m_printColour); chosen && chosen->isValid())
            setPrintColour(*chosen);
        composePreview();
    });
    connect(txtTitel, &QLineEdit::textChanged, this, &PrintDialog::onTitleChanged);
    connect(Timer1, &QTimer::timeout, this, &PrintDialog::onTimerTick);
    connect(Text2, &QLineEdit::textChanged, this, &PrintDialog::onManualSizeChanged);
    connect(Funny, &QScrollBar::valueChanged, this, &PrintDialog::onSpinChanged);
    connect(Text1, &QLineEdit::textChanged, this, &PrintDialog::onPreviewSizeChanged);
    connect(VS, &QScrollBar::valueChanged, this, &PrintDialog::refreshPreview);
    connect(Command1, &QPushButton::clicked, this, &PrintDialog::printPuzzle);
    connect(Command2, &QPushButton::clicked, this, &PrintDialog::cancel);
    connect(cmdSavePdf, &QPushButton::clicked, this, &PrintDialog::askSavePdf);
    connect(cmbPrinter, &QComboBox::currentIndexChanged, this, [this] { m_printer.reset(); });
}

void PrintDialog::setPrinterState(bool present, const QString& defaultPrinterName)
{
    m_printerPresent = present;
    m_printerName = defaultPrinterName;
    Command1->setEnabled(present);
    m_printer.reset();
}

void PrintDialog::setPrintColour(const QColor& colour)
{
    m_printColour = colour;
    Picture1->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;").arg(colour.name()));
}

void PrintDialog::fillPrinterList()
{
    if (!m_printerPresent) {
        cmbPrinter->setEnabled(false);
        return;
    }
    const QString remembered = cmbPrinter->currentText();
    const QSignalBlocker block(cmbPrinter);
    cmbPrinter->clear();
    const QStringList names = m_platform.printers.printerNames();
    for (int i = 0; i < names.size(); ++i) {
        cmbPrinter->addItem(names[i]);
        if (names[i] == remembered)
            cmbPrinter->setCurrentIndex(i);
    }
    if (cmbPrinter->currentIndex() < 0 || cmbPrinter->currentText() != remembered) {
        cmbPrinter->setCurrentIndex(0);
        const int byDefault = names.indexOf(m_printerName);
        if (byDefault >= 0)
            cmbPrinter->setCurrentIndex(byDefault);
    }
    cmbPrinter->setEnabled(true);
    m_printer.reset();
}

void PrintDialog::open()
{
    fillPrinterList();
    Option3->setChecked(true);
    txtTitel->setText(QString::fromStdString(m_puzzle.PuzzleTitle.empty() ? m_puzzle.PuzzleName : m_puzzle.PuzzleTitle));
    deriveClues(m_puzzle, m_clues);
    composePreview();
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

QPrinter* PrintDialog::currentPrinter()
{
    if (!m_printerPresent || cmbPrinter->count() == 0)
        return nullptr;
    const QString name = cmbPrinter->currentText();
    if (!m_printer || m_printerFor != name) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPrinterName(name);
        m_printerFor = name;
    }
    m_printer->setPageOrientation(Option1->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
    return m_printer.get();
}

PageOptions PrintDialog::options(bool forTest) const
{
    PageOptions o;
    o.portrait = Option1->isChecked();
    o.title = forTest ? QString() : txtTitel->text();
    o.centreTitle = CentreerTitel->isChecked();
    o.printColour = m_printColour;
    o.backgroundTint = AchtergrondKleur->isChecked();
    o.automaticSize = Option3->isChecked();
    o.manualSize = Text2->text();
    return o;
}

PageTexts PrintDialog::texts() const
{
    return {text(txt::FooterLine1), text(txt::FooterLine2) + text(txt::WebAddress)};
}

PageLayout PrintDialog::composePage(PageSurface& surface, bool EchtePrinter, bool DrawnForTest, QSizeF testArea)
{
    m_composing = true;
    QSizeF page;
    if (EchtePrinter) {
        page = surface.innerSize();
    } else if (DrawnForTest) {
        page = testArea;
    } else if (QPrinter* printer = currentPrinter()) {
        page = printer->pageLayout().paintRect(QPageLayout::Point).size();
    } else {
        page = pageWithoutPrinter(Option1->isChecked());
    }
    const PageMode mode = EchtePrinter ? PageMode::Paper : DrawnForTest ? PageMode::TestWindow : PageMode::Preview;
    const PageLayout layout = gw::composePage(surface, page, mode, options(DrawnForTest), m_puzzle, m_clues, texts());

    // The manual spin's range follows the best size; automatic mode shows it.
    Funny->setMaximum(std::max(0, layout.bestFontSize - 5));
    if (Option3->isChecked()) {
        Funny->setValue(0);
        Text2->setText(QString::number(layout.bestFontSize));
    } else if (layout.manualFellBack) {
        Option3->setChecked(true);
    }
    m_lastLayout = layout;
    refreshPreview();
    m_composing = false;
    return layout;
}

PageLayout PrintDialog::composeForTest(CluePanel& panel, QSizeF area)
{
    // Automatic size; the title stays as typed since the test window draws none.
    m_composing = true;
    Option3->setChecked(true);
    m_composing = false;
    deriveClues(m_puzzle, m_clues);
    const double ppp = screenPixelsPerPoint(&panel);
    ImageSurface surface(panel.picture(), ppp, panel.devicePixelRatioF(), [&panel](QSizeF) { panel.fitToPicture(); });
    const PageLayout layout = composePage(surface, false, true, area);
    panel.placeField(layout.gridLeft, layout.gridTop, m_puzzle.PuzzleWidth, m_puzzle.PuzzleHeight, layout.cellSize);
    return layout;
}

void PrintDialog::composePreview()
{
    ImageSurface surface(m_dapa, screenPixelsPerPoint(this), devicePixelRatioF());
    composePage(surface, false, false);
}

void PrintDialog::refreshPreview()
{
    const int pct = 200 - VS->value();
    {
        const QSignalBlocker block(Text1);
        if (Text1->text() != QString::number(pct))
            Text1->setText(QString::number(pct));
    }
    double widthTwips, heightTwips;
    if (QPrinter* printer = m_printerPresent ? currentPrinter() : nullptr) {
        const QSizeF inner = printer->pageLayout().paintRect(QPageLayout::Point).size();
        widthTwips = inner.width() * platform::TwipsPerPoint * pct / 100;
        heightTwips = inner.height() * platform::TwipsPerPoint * pct / 100;
    } else {
        const bool portrait = Option1->isChecked();
        widthTwips = (portrait ? FixedBoxWidthTwips : FixedBoxHeightTwips) * pct / 100;
        heightTwips = (portrait ? FixedBoxHeightTwips : FixedBoxWidthTwips) * pct / 100;
    }
    const auto units = platform::ScreenUnits::fromScreen(screen());
    PreviewBox->resize(units.twipsToWholePixelsX(widthTwips), units.twipsToWholePixelsY(heightTwips));
    PreviewBox->showCanvas(m_dapa.image());
}

void PrintDialog::onTitleChanged()
{
    const std::string typed = txtTitel->text().toStdString();
    m_puzzle.PuzzleTitle = typed == m_puzzle.PuzzleName ? std::string() : typed;
    m_countdown = 5;
    Timer1->start();
}

void PrintDialog::onTimerTick()
{
    --m_countdown;
    if (m_countdown <= 0) {
        Timer1->stop();
        composePreview();
    }
}

void PrintDialog::onManualSizeChanged()
{
    const QString typed = Text2->text();
    if (typed.isEmpty())
        return;
    const int max = Funny->maximum() + 5;
    const auto value = integerPart(typed);
    if (!value || *value > max) {
        Text2->setText(QString::number(max));
        return; // the change handler runs again with the corrected text
    }
    if (*value >= 5) {
        Funny->setValue(max - static_cast<int>(*value));
        if (!m_composing)
            composePreview();
    }
}

void PrintDialog::onSpinChanged()
{
    const QString size = QString::number(Funny->maximum() - Funny->value() + 5);
    if (m_composing) {
        Text2->setText(size);
        return;
    }
    // Manual is selected before the size is written, so that the size text's
    // own handler does not compose an automatic page that puts the spin back.
    m_composing = true;
    Option4->setChecked(true);
    Text2->setText(size);
    m_composing = false;
    composePreview();
}

void PrintDialog::onPreviewSizeChanged()
{
    const QString typed = Text1->text();
    if (typed.isEmpty())
        return;
    const auto value = integerPart(typed);
    if (!value) {
        Text1->setText(QStringLiteral("100"));
        return;
    }
    if (*value > 200) {
        Text1->setText(QStringLiteral("200"));
        return;
    }
    if (*value >= 10)
        VS->setValue(200 - static_cast<int>(*value));
}

bool PrintDialog::paintOnPrinter(QPrinter& printer)
{
    PagedSurface surface(printer);
    const PageLayout layout = composePage(surface, true, false);
    return layout.painted && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

bool PrintDialog::printPuzzle()
{
    if (!m_printerPresent)
        return false;
    QPrinter* printer = currentPrinter();
    if (!printer)
        return false;
    if (!paintOnPrinter(*printer)) {
        m_printer.reset();
        m_platform.messages.show(text(txt::PrintFailed), text(txt::PrintDialogTitle), platform::Icon::Critical,
                                 platform::Buttons::Ok);
        return false;
    }
    m_printer.reset(); // the job has ended; the next print starts a new one
    cancel();
    emit statusMessage(text(txt::PuzzlePrinted));
    return true;
}

bool PrintDialog::savePdf(const QString& path)
{
    QPrinter pdf(QPrinter::HighResolution);
    if (QPrinter* printer = currentPrinter())
        pdf.setPageLayout(printer->pageLayout());
    else
        pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(Option1->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(QString::fromStdString(m_puzzle.PuzzleName));
    return paintOnPrinter(pdf);
}

void PrintDialog::askSavePdf()
{
    platform::FileDialogRequest request;
    request.title = cmdSavePdf->text().remove(QLatin1Char('&')).remove(QChar(0x2026));
    request.filter = text(txt::FilterPdf);
    request.initialFolder = QString::fromStdString(m_puzzle.ProgramFolder);
    request.fileName = QString::fromStdString(m_puzzle.PuzzleName) + QStringLiteral(".pdf");
    const platform::FileDialogResult chosen = m_platform.files.save(request);
    if (!chosen.accepted || chosen.path.isEmpty())
        return;
    if (!savePdf(chosen.path))
        m_platform.messages.show(text(txt::PdfFailed), text(txt::PrintDialogTitle), platform::Icon::Critical,
                                 platform::Buttons::Ok);
}

void PrintDialog::cancel()
{
    hide();
    emit mainWindowWanted();
}

void PrintDialog::closeEvent(QCloseEvent* event)
{
    platform::closeOrHide(*this, *event, m_programClosing);
}

void PrintDialog::showEvent(QShowEvent* event)
{
    Command1->setEnabled(m_printerPresent);
    QWidget::showEvent(event);
}

void PrintDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Command1->setEnabled(m_printerPresent);
    QWidget::changeEvent(event);
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2)) {
        auto* box = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        if (watched == Text2) {
            if (!m_composing) {
                m_composing = true;
                Option4->setChecked(true);
                m_composing = false;
                composePreview();
            } else {
                Option4->setChecked(true);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gw
