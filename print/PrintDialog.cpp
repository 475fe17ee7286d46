#include "PrintDialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
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
#include "core/AtomicFile.h"
#include "lang/Texts.h"
#include "platform/FailureText.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/SecondaryWindow.h"
#include "platform/Units.h"
#include "platform/WindowFit.h"
#include "playfield/CluePanel.h"

namespace gw {

namespace {
// The preview box without a printer: an A4 page in twips at 100 %.
constexpr double FixedBoxWidthTwips = 11515;
constexpr double FixedBoxHeightTwips = 16075;
// Dots per inch of a saved PDF page (as a high-resolution printer's).
constexpr int PdfResolution = 1200;

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

PrintDialog::PrintDialog(Puzzle& puzzle, const Session& session, ClueTables& clues, platform::Platform& platform,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_puzzle(puzzle), m_session(session), m_clues(clues), m_platform(platform)
{
    buildControls();
    connectHandlers();
    applyCaptions();
    const QString defaultName = m_platform.printers.defaultPrinterName();
    setPrinterState(!m_platform.printers.printerNames().isEmpty(), defaultName);
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::buildControls()
{
    auto* digitsOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);

    m_printerGroup = new QGroupBox(this);
    m_printerCombo = new QComboBox(m_printerGroup);
    m_printerCombo->setMinimumWidth(160);
    (new QVBoxLayout(m_printerGroup))->addWidget(m_printerCombo);

    m_orientationGroup = new QGroupBox(this);
    m_portraitButton = new QRadioButton(m_orientationGroup);
    m_landscapeButton = new QRadioButton(m_orientationGroup);
    m_portraitButton->setChecked(true);
    auto* orientation = new QVBoxLayout(m_orientationGroup);
    orientation->addWidget(m_portraitButton);
    orientation->addWidget(m_landscapeButton);

    m_titleGroup = new QGroupBox(this);
    m_titleEdit = new QLineEdit(m_titleGroup);
    m_centreTitleCheck = new QCheckBox(m_titleGroup);
    m_centreTitleCheck->setChecked(true);
    auto* title = new QVBoxLayout(m_titleGroup);
    title->addWidget(m_titleEdit);
    title->addWidget(m_centreTitleCheck);

    m_colorGroup = new QGroupBox(this);
    m_printColorButton = new QPushButton(m_colorGroup);
    m_printColorButton->setFixedSize(48, 20);
    m_printColorButton->setFlat(true);
    m_printColorButton->setAutoFillBackground(true);
    m_backgroundTintCheck = new QCheckBox(m_colorGroup);
    m_backgroundTintCheck->setChecked(true);
    auto* color = new QVBoxLayout(m_colorGroup);
    color->addWidget(m_printColorButton);
    color->addWidget(m_backgroundTintCheck);
    setPrintColor(Qt::black);

    m_clueSizeGroup = new QGroupBox(this);
    m_automaticSizeButton = new QRadioButton(m_clueSizeGroup);
    m_manualSizeButton = new QRadioButton(m_clueSizeGroup);
    m_automaticSizeButton->setChecked(true);
    m_clueSizeEdit = new QLineEdit(QStringLiteral("10"), m_clueSizeGroup);
    m_clueSizeEdit->setValidator(digitsOnly);
    m_clueSizeEdit->setFixedWidth(40);
    m_clueSizeSpin = new QScrollBar(Qt::Vertical, m_clueSizeGroup);
    m_clueSizeSpin->setFixedHeight(m_clueSizeEdit->sizeHint().height());
    m_clueSizeSpin->setRange(0, 0);
    auto* size = new QGridLayout(m_clueSizeGroup);
    size->addWidget(m_automaticSizeButton, 0, 0, 1, 3);
    size->addWidget(m_manualSizeButton, 1, 0);
    size->addWidget(m_clueSizeEdit, 1, 1);
    size->addWidget(m_clueSizeSpin, 1, 2);

    m_previewScaleLabel = new QLabel(this);
    m_previewScaleEdit = new QLineEdit(QStringLiteral("50"), this);
    m_previewScaleEdit->setValidator(digitsOnly);
    m_previewScaleEdit->setFixedWidth(40);
    m_previewScaleSpin = new QScrollBar(Qt::Vertical, this);
    m_previewScaleSpin->setRange(0, 190);
    m_previewScaleSpin->setValue(150);
    m_previewScaleSpin->setFixedHeight(m_previewScaleEdit->sizeHint().height());
    m_percentLabel = new QLabel(this);
    m_printButton = new QPushButton(this);
    m_cancelButton = new QPushButton(this);
    m_savePdfButton = new QPushButton(this);

    m_preview = new ScaledPreview();
    m_previewArea = new QScrollArea(this);
    m_previewArea->setWidget(m_preview);
    m_previewArea->setWidgetResizable(false);
    m_previewArea->setMinimumSize(420, 420);

    m_titleTimer = new QTimer(this);
    m_titleTimer->setInterval(100);

    auto* top = new QHBoxLayout;
    for (QWidget* group : {static_cast<QWidget*>(m_printerGroup), static_cast<QWidget*>(m_orientationGroup),
                           static_cast<QWidget*>(m_titleGroup), static_cast<QWidget*>(m_colorGroup),
                           static_cast<QWidget*>(m_clueSizeGroup)})
        top->addWidget(group);
    auto* line = new QHBoxLayout;
    line->addWidget(m_previewScaleLabel);
    line->addWidget(m_previewScaleEdit);
    line->addWidget(m_previewScaleSpin);
    line->addWidget(m_percentLabel);
    line->addStretch();
    line->addWidget(m_savePdfButton);
    line->addWidget(m_printButton);
    line->addWidget(m_cancelButton);
    // On a screen too small for the controls the dialog scrolls.
    auto* content = new QWidget;
    m_content = content;
    auto* all = new QVBoxLayout(content);
    all->addLayout(top);
    all->addLayout(line);
    all->addWidget(m_previewArea, 1);
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroller);

    m_previewScaleEdit->installEventFilter(this);
    m_clueSizeEdit->installEventFilter(this);
}

QSize PrintDialog::controlsSize() const
{
    // Measured with the captions of now: before the dialog is first shown,
    // a caption's change does not reach the layouts, which keep what they
    // measured before.
    ensurePolished();
    for (QLayout* layout : m_content->findChildren<QLayout*>())
        layout->invalidate();
    return m_content->layout()->sizeHint();
}

QSize PrintDialog::sizeHint() const
{
    // The controls' own size, the preview area grown to the whole preview box.
    const QSize controls = controlsSize();
    const int frame = 2 * m_previewArea->frameWidth();
    const QSize box = m_preview->size() + QSize(frame, frame);
    const QSize area = m_previewArea->sizeHint().expandedTo(m_previewArea->minimumSize());
    const QMargins margins = m_content->layout()->contentsMargins();
    return {std::max(controls.width(), box.width() + margins.left() + margins.right()),
            controls.height() + std::max(0, box.height() - area.height())};
}

void PrintDialog::applyCaptions()
{
    setWindowTitle(localText(m_session, txt::PrintDialogTitle));
    m_printerGroup->setTitle(localText(m_session, txt::PrintPrinterFrame));
    m_orientationGroup->setTitle(localText(m_session, txt::PrintPaperFrame));
    m_portraitButton->setText(localText(m_session, txt::PrintPortrait));
    m_landscapeButton->setText(localText(m_session, txt::PrintLandscape));
    m_titleGroup->setTitle(localText(m_session, txt::PrintTitleFrame));
    m_centreTitleCheck->setText(localText(m_session, txt::PrintCentreTitle));
    m_colorGroup->setTitle(localText(m_session, txt::PrintColorFrame));
    m_backgroundTintCheck->setText(localText(m_session, txt::PrintBackgroundTint));
    m_clueSizeGroup->setTitle(localText(m_session, txt::PrintSizeFrame));
    m_automaticSizeButton->setText(localText(m_session, txt::PrintAutomaticSize));
    m_manualSizeButton->setText(localText(m_session, txt::PrintManualSize));
    m_printButton->setText(localText(m_session, txt::PrintButton));
    m_cancelButton->setText(localText(m_session, txt::PrintCancel));
    m_previewScaleLabel->setText(localText(m_session, txt::PrintPreviewSize));
    m_percentLabel->setText(localText(m_session, txt::PrintPreviewPercent));
    m_savePdfButton->setText(localText(m_session, txt::PrintSavePdf));
    if (isVisible())
        takeNeededSize();
}

void PrintDialog::connectHandlers()
{
    connect(m_portraitButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            composePreview();
    });
    connect(m_landscapeButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            composePreview();
    });
    for (QRadioButton* option : {m_automaticSizeButton, m_manualSizeButton})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_composing)
                composePreview();
        });
    connect(m_centreTitleCheck, &QCheckBox::toggled, this, &PrintDialog::composePreview);
    connect(m_backgroundTintCheck, &QCheckBox::toggled, this, &PrintDialog::composePreview);
    connect(m_printColorButton, &QPushButton::clicked, this, [this] {
        if (const auto chosen = m_platform.colors.choose(m_printColor); chosen && chosen->isValid())
            setPrintColor(*chosen);
        composePreview();
    });
    connect(m_titleEdit, &QLineEdit::textChanged, this, &PrintDialog::onTitleChanged);
    connect(m_titleTimer, &QTimer::timeout, this, &PrintDialog::onTitleTimerTick);
    connect(m_clueSizeEdit, &QLineEdit::textChanged, this, &PrintDialog::onClueSizeTyped);
    connect(m_clueSizeSpin, &QScrollBar::valueChanged, this, &PrintDialog::onClueSizeSpinChanged);
    connect(m_previewScaleEdit, &QLineEdit::textChanged, this, &PrintDialog::onPreviewScaleTyped);
    connect(m_previewScaleSpin, &QScrollBar::valueChanged, this, &PrintDialog::refreshPreview);
    connect(m_printButton, &QPushButton::clicked, this, &PrintDialog::printPuzzle);
    connect(m_cancelButton, &QPushButton::clicked, this, &PrintDialog::cancel);
    connect(m_savePdfButton, &QPushButton::clicked, this, &PrintDialog::askSavePdf);
    connect(m_printerCombo, &QComboBox::currentIndexChanged, this, [this] { m_printer.reset(); });
}

void PrintDialog::setPrinterState(bool present, const QString& defaultPrinterName)
{
    m_printerPresent = present;
    m_printerName = defaultPrinterName;
    m_printButton->setEnabled(present);
    m_printer.reset();
}

void PrintDialog::setPrintColor(const QColor& color)
{
    m_printColor = color;
    m_printColorButton->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid gray;").arg(color.name()));
}

void PrintDialog::fillPrinterList()
{
    if (!m_printerPresent) {
        m_printerCombo->setEnabled(false);
        return;
    }
    const QString remembered = m_printerCombo->currentText();
    const QSignalBlocker block(m_printerCombo);
    m_printerCombo->clear();
    const QStringList names = m_platform.printers.printerNames();
    for (int i = 0; i < names.size(); ++i) {
        m_printerCombo->addItem(names[i]);
        if (names[i] == remembered)
            m_printerCombo->setCurrentIndex(i);
    }
    if (m_printerCombo->currentIndex() < 0 || m_printerCombo->currentText() != remembered) {
        m_printerCombo->setCurrentIndex(0);
        const qsizetype byDefault = names.indexOf(m_printerName);
        if (byDefault >= 0)
            m_printerCombo->setCurrentIndex(static_cast<int>(byDefault));
    }
    m_printerCombo->setEnabled(true);
    m_printer.reset();
}

void PrintDialog::open()
{
    fillPrinterList();
    m_automaticSizeButton->setChecked(true);
    takePuzzle();
    m_titleEdit->setText(QString::fromStdString(m_composed.title.empty() ? m_composed.name : m_composed.title));
    composePreview();
    takeNeededSize();
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

void PrintDialog::takeNeededSize()
{
    // The first time the dialog opens with every control and the preview
    // whole; later it keeps the size it was given, grown where the controls
    // (in another language, say) need more. Never beyond the screen's
    // available area: there it scrolls.
    resize(testAttribute(Qt::WA_Resized) ? size().expandedTo(controlsSize()) : sizeHint());
    platform::fitIntoAvailableArea(*this);
}

QPrinter* PrintDialog::currentPrinter()
{
    if (!m_printerPresent || m_printerCombo->count() == 0)
        return nullptr;
    const QString name = m_printerCombo->currentText();
    const auto orientation = m_portraitButton->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (!m_printer || m_printerFor != name) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPrinterName(name);
        m_printerFor = name;
        m_printableAreaSet = false;
    }
    if (!m_printableAreaSet || m_printer->pageLayout().orientation() != orientation) {
        // The page is the printer's whole printable area, not Qt's default margins.
        const QPageLayout area = m_platform.printers.printableArea(name, orientation);
        if (area.isValid())
            m_printer->setPageLayout(area);
        m_printer->setPageOrientation(orientation);
        m_printableAreaSet = true;
    }
    return m_printer.get();
}

QSizeF PrintDialog::pageSize()
{
    if (QPrinter* printer = currentPrinter())
        return printer->pageLayout().paintRect(QPageLayout::Point).size();
    return pageWithoutPrinter(m_portraitButton->isChecked());
}

void PrintDialog::takePuzzle()
{
    m_composed = m_puzzle;
    deriveClues(m_composed, m_clues);
}

PageOptions PrintDialog::options(bool forTest) const
{
    PageOptions o;
    o.portrait = m_portraitButton->isChecked();
    o.title = forTest ? QString() : m_titleEdit->text();
    o.centreTitle = m_centreTitleCheck->isChecked();
    o.printColor = m_printColor;
    o.backgroundTint = m_backgroundTintCheck->isChecked();
    o.automaticSize = m_automaticSizeButton->isChecked();
    o.manualSize = m_clueSizeEdit->text();
    return o;
}

PageTexts PrintDialog::texts() const
{
    return {localText(m_session, txt::FooterLine1),
            localText(m_session, txt::FooterLine2) + localText(m_session, txt::WebAddress)};
}

PageLayout PrintDialog::composePage(PageSurface& surface, PageMode mode, QSizeF testArea)
{
    m_composing = true;
    const bool forTest = mode == PageMode::TestWindow;
    QSizeF page;
    if (mode == PageMode::Paper)
        page = surface.innerSize();
    else if (forTest)
        page = testArea;
    else
        page = pageSize();
    const PageLayout layout = gw::composePage(surface, page, mode, options(forTest), m_composed, m_clues, texts());

    // The clue size spin's range follows the best size; automatic mode shows it.
    m_clueSizeSpin->setMaximum(std::max(0, layout.bestFontSize - 5));
    if (m_automaticSizeButton->isChecked()) {
        m_clueSizeSpin->setValue(0);
        m_clueSizeEdit->setText(QString::number(layout.bestFontSize));
    } else if (layout.manualFellBack) {
        m_automaticSizeButton->setChecked(true);
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
    m_automaticSizeButton->setChecked(true);
    m_composing = false;
    takePuzzle();
    ImageSurface surface(panel.picture(), screenPixelsPerPoint(&panel), panel.devicePixelRatioF(),
                         [&panel](QSizeF) { panel.fitToPicture(); });
    const PageLayout layout = composePage(surface, PageMode::TestWindow, area);
    panel.placeField(layout.gridLeft, layout.gridTop, m_composed.width, m_composed.height, layout.cellSize);
    return layout;
}

void PrintDialog::composePreview()
{
    ImageSurface surface(m_previewCanvas, screenPixelsPerPoint(this), devicePixelRatioF());
    composePage(surface, PageMode::Preview);
}

void PrintDialog::refreshPreview()
{
    const int percent = 200 - m_previewScaleSpin->value();
    {
        const QSignalBlocker block(m_previewScaleEdit);
        if (m_previewScaleEdit->text() != QString::number(percent))
            m_previewScaleEdit->setText(QString::number(percent));
    }
    double widthTwips, heightTwips;
    if (m_printerPresent && currentPrinter()) {
        const QSizeF inner = pageSize();
        widthTwips = inner.width() * platform::TwipsPerPoint * percent / 100;
        heightTwips = inner.height() * platform::TwipsPerPoint * percent / 100;
    } else {
        const bool portrait = m_portraitButton->isChecked();
        widthTwips = (portrait ? FixedBoxWidthTwips : FixedBoxHeightTwips) * percent / 100;
        heightTwips = (portrait ? FixedBoxHeightTwips : FixedBoxWidthTwips) * percent / 100;
    }
    const auto units = platform::ScreenUnits::fromScreen(screen());
    m_preview->resize(units.twipsToWholePixelsX(widthTwips), units.twipsToWholePixelsY(heightTwips));
    m_preview->showCanvas(m_previewCanvas.image());
}

void PrintDialog::onTitleChanged()
{
    const std::string typed = m_titleEdit->text().toStdString();
    m_puzzle.title = typed == m_puzzle.name ? std::string() : typed;
    m_titleCountdown = 5;
    m_titleTimer->start();
}

void PrintDialog::onTitleTimerTick()
{
    --m_titleCountdown;
    if (m_titleCountdown <= 0) {
        m_titleTimer->stop();
        composePreview();
    }
}

void PrintDialog::onClueSizeTyped()
{
    const QString typed = m_clueSizeEdit->text();
    if (typed.isEmpty())
        return;
    const int max = m_clueSizeSpin->maximum() + 5;
    const auto value = integerPart(typed);
    if (!value || *value > max) {
        m_clueSizeEdit->setText(QString::number(max));
        return; // the change handler runs again with the corrected text
    }
    if (*value >= 5) {
        m_clueSizeSpin->setValue(max - static_cast<int>(*value));
        if (!m_composing)
            composePreview();
    }
}

void PrintDialog::onClueSizeSpinChanged()
{
    const QString size = QString::number(m_clueSizeSpin->maximum() - m_clueSizeSpin->value() + 5);
    if (m_composing) {
        m_clueSizeEdit->setText(size);
        return;
    }
    // Manual is selected before the size is written, so that the size text's
    // own handler does not compose an automatic page that puts the spin back.
    m_composing = true;
    m_manualSizeButton->setChecked(true);
    m_clueSizeEdit->setText(size);
    m_composing = false;
    composePreview();
}

void PrintDialog::onPreviewScaleTyped()
{
    const QString typed = m_previewScaleEdit->text();
    if (typed.isEmpty())
        return;
    const auto value = integerPart(typed);
    if (!value) {
        m_previewScaleEdit->setText(QStringLiteral("100"));
        return;
    }
    if (*value > 200) {
        m_previewScaleEdit->setText(QStringLiteral("200"));
        return;
    }
    if (*value >= 10)
        m_previewScaleSpin->setValue(200 - static_cast<int>(*value));
}

bool PrintDialog::paintOnPrinter(QPrinter& printer)
{
    PagedSurface surface(printer);
    const PageLayout layout = composePage(surface, PageMode::Paper);
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
        m_platform.messages.show(localText(m_session, txt::PrintFailed), localText(m_session, txt::PrintDialogTitle),
                                 platform::Icon::Critical, platform::Buttons::Ok);
        return false;
    }
    m_printer.reset(); // the job has ended; the next print starts a new one
    cancel();
    emit statusMessage(localText(m_session, txt::PuzzlePrinted));
    return true;
}

bool PrintDialog::savePdf(const QString& path, std::string* reason)
{
    // The file gets the page the preview shows: the chosen printer's paper
    // and printable area, or without a printer the fixed page on A4. It is
    // composed from the options as they stand and changes none of them.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(PdfResolution);
        QPrinter* printer = currentPrinter();
        pdf.setPageLayout(printer ? printer->pageLayout() : paperWithoutPrinter(m_portraitButton->isChecked()));
        const QString title = m_titleEdit->text();
        pdf.setTitle(title.isEmpty() ? platform::displayText(m_composed.name) : title);
        pdf.setCreator(localText(m_session, txt::ProductMaker));
        PagedSurface surface(pdf);
        const PageLayout layout =
            gw::composePage(surface, pageSize(), PageMode::Paper, options(false), m_composed, m_clues, texts());
        if (!layout.painted) {
            if (reason)
                *reason = "the page could not be drawn";
            return false;
        }
    }
    return writeFileAtomically(platform::pathBytes(path), bytes.toStdString(), reason);
}

void PrintDialog::askSavePdf()
{
    platform::FileDialogRequest request;
    request.title = m_savePdfButton->text().remove(QLatin1Char('&')).remove(QChar(0x2026));
    request.filter = localText(m_session, txt::FilterPdf);
    request.initialFolder = platform::pathFromBytes(m_session.programFolder);
    request.fileName = platform::pathFromBytes(m_composed.name) + QStringLiteral(".pdf");
    const platform::FileDialogResult chosen = m_platform.files.save(request);
    if (!chosen.accepted || chosen.path.isEmpty())
        return;
    std::string reason;
    if (!savePdf(chosen.path, &reason))
        m_platform.messages.show(platform::withSystemReason(localText(m_session, txt::PdfFailed), reason),
                                 localText(m_session, txt::PrintDialogTitle), platform::Icon::Critical,
                                 platform::Buttons::Ok);
}

void PrintDialog::cancel()
{
    hide();
    emit mainWindowWanted();
}

void PrintDialog::closeEvent(QCloseEvent* event) { platform::closeOrHide(*this, *event, m_session); }

void PrintDialog::showEvent(QShowEvent* event)
{
    m_printButton->setEnabled(m_printerPresent);
    QWidget::showEvent(event);
}

void PrintDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_printButton->setEnabled(m_printerPresent);
    QWidget::changeEvent(event);
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_previewScaleEdit || watched == m_clueSizeEdit)) {
        auto* box = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        if (watched == m_clueSizeEdit) {
            if (!m_composing) {
                m_composing = true;
                m_manualSizeButton->setChecked(true);
                m_composing = false;
                composePreview();
            } else {
                m_manualSizeButton->setChecked(true);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gw
