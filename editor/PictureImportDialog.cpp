#include "editor/PictureImportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

#include "core/Palette.h"
#include "editor/ImageImport.h"
#include "editor/SolvabilityOverlay.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace gw::editor {

namespace {

// The preview's cells are this many pixels a side for a 50 x 50 puzzle,
// larger for smaller ones, up to MaxPreviewCell.
constexpr int PreviewSide = 300;
constexpr int MaxPreviewCell = 24;
// The analysis of a preview stops after this long; the verdict then says
// that uniqueness was not decided in time.
constexpr double AnalysisMilliseconds = 80;

QImage previewImage(const Puzzle& puzzle)
{
    QImage cells(puzzle.width, puzzle.height, QImage::Format_RGB32);
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const PaletteColor& c = Palette[puzzle.cell(x, y)];
            cells.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    }
    const int cell = std::clamp(PreviewSide / std::max<int>(puzzle.width, puzzle.height), 1, MaxPreviewCell);
    return cells.scaled(puzzle.width * cell, puzzle.height * cell, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

PictureImportDialog::PictureImportDialog(const Session& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("PictureImportDialog"));
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    m_widthBox = named(new QSpinBox(this), "widthBox");
    m_heightBox = named(new QSpinBox(this), "heightBox");
    for (QSpinBox* box : {m_widthBox, m_heightBox})
        box->setRange(1, MaxPuzzleSize);
    m_keepAspectBox = named(new QCheckBox(this), "keepAspectBox");
    m_blackWhiteButton = named(new QRadioButton(this), "blackWhiteButton");
    m_colorsButton = named(new QRadioButton(this), "colorsButton");
    auto* mode = new QButtonGroup(this);
    mode->addButton(m_blackWhiteButton);
    mode->addButton(m_colorsButton);
    m_thresholdSlider = named(new QSlider(Qt::Horizontal, this), "thresholdSlider");
    m_thresholdSlider->setRange(1, 255);
    m_thresholdLabel = new QLabel(this);
    m_colorsBox = named(new QSpinBox(this), "colorsBox");
    m_colorsBox->setRange(3, PaletteSize);
    m_ditherBox = named(new QCheckBox(this), "ditherBox");
    m_backgroundBox = named(new QComboBox(this), "backgroundBox");
    for (int i = 0; i < PaletteSize; ++i)
        m_backgroundBox->addItem(QString());
    m_invertBox = named(new QCheckBox(this), "invertBox");
    m_widthLabel = new QLabel(this);
    m_heightLabel = new QLabel(this);
    m_backgroundLabel = new QLabel(this);
    m_backgroundLabel->setBuddy(m_backgroundBox);
    m_previewLabel = named(new QLabel(this), "previewLabel");
    m_previewLabel->setMinimumSize(PreviewSide, PreviewSide);
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_verdictLabel = named(new QLabel(this), "verdictLabel");
    m_verdictLabel->setWordWrap(true);
    m_okButton = named(new QPushButton(this), "okButton");
    m_cancelButton = named(new QPushButton(this), "cancelButton");
    m_okButton->setDefault(true);

    auto* choicesGrid = new QGridLayout;
    int row = 0;
    choicesGrid->addWidget(m_widthLabel, row, 0);
    choicesGrid->addWidget(m_widthBox, row++, 1);
    choicesGrid->addWidget(m_heightLabel, row, 0);
    choicesGrid->addWidget(m_heightBox, row++, 1);
    choicesGrid->addWidget(m_keepAspectBox, row++, 0, 1, 2);
    choicesGrid->addWidget(m_blackWhiteButton, row++, 0, 1, 2);
    choicesGrid->addWidget(m_thresholdSlider, row, 0);
    choicesGrid->addWidget(m_thresholdLabel, row++, 1);
    choicesGrid->addWidget(m_colorsButton, row, 0);
    choicesGrid->addWidget(m_colorsBox, row++, 1);
    choicesGrid->addWidget(m_ditherBox, row++, 0, 1, 2);
    choicesGrid->addWidget(m_backgroundLabel, row, 0);
    choicesGrid->addWidget(m_backgroundBox, row++, 1);
    choicesGrid->addWidget(m_invertBox, row++, 0, 1, 2);
    choicesGrid->setRowStretch(row, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(choicesGrid);
    top->addWidget(m_previewLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_verdictLabel);
    layout->addLayout(buttons);

    connect(m_widthBox, qOverload<int>(&QSpinBox::valueChanged), this, [this] { sizeChanged(true); });
    connect(m_heightBox, qOverload<int>(&QSpinBox::valueChanged), this, [this] { sizeChanged(false); });
    connect(m_keepAspectBox, &QCheckBox::toggled, this, [this] { sizeChanged(true); });
    for (QAbstractButton* box :
         {static_cast<QAbstractButton*>(m_blackWhiteButton), static_cast<QAbstractButton*>(m_ditherBox),
          static_cast<QAbstractButton*>(m_invertBox)})
        connect(box, &QAbstractButton::toggled, this, &PictureImportDialog::updatePreview);
    connect(m_thresholdSlider, &QSlider::valueChanged, this, &PictureImportDialog::updatePreview);
    connect(m_colorsBox, qOverload<int>(&QSpinBox::valueChanged), this, &PictureImportDialog::updatePreview);
    connect(m_backgroundBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PictureImportDialog::updatePreview);
    connect(m_okButton, &QPushButton::clicked, this, &PictureImportDialog::ok);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::hide);
    applyCaptions(session.language);
}

void PictureImportDialog::setPicture(const QImage& picture, const MakerSettings& settings)
{
    m_picture = picture;
    m_updating = true;
    const QSize size = importSize(std::max(1, picture.width()), std::max(1, picture.height()));
    m_widthBox->setValue(size.width());
    m_heightBox->setValue(size.height());
    m_keepAspectBox->setChecked(settings.pictureKeepAspect);
    m_blackWhiteButton->setChecked(settings.pictureColors <= 2);
    m_colorsButton->setChecked(settings.pictureColors > 2);
    m_thresholdSlider->setValue(settings.pictureThreshold);
    m_colorsBox->setValue(std::max(3, settings.pictureColors));
    m_ditherBox->setChecked(settings.pictureDither);
    m_backgroundBox->setCurrentIndex(std::clamp(settings.pictureBackground, 0, PaletteSize - 1));
    m_invertBox->setChecked(settings.pictureInvert);
    m_updating = false;
    updatePreview();
}

PictureChoices PictureImportDialog::choices() const
{
    PictureChoices choices;
    choices.size = QSize(m_widthBox->value(), m_heightBox->value());
    choices.colors = m_blackWhiteButton->isChecked() ? 2 : m_colorsBox->value();
    choices.threshold = m_thresholdSlider->value();
    choices.dither = m_ditherBox->isChecked();
    const int background = m_backgroundBox->currentIndex();
    if (background >= 0 && background != White) {
        const PaletteColor& c = Palette[background];
        choices.background = qRgb(c.r, c.g, c.b);
    }
    choices.invert = m_invertBox->isChecked();
    return choices;
}

void PictureImportDialog::rememberChoices(MakerSettings& settings) const
{
    const PictureChoices chosen = choices();
    settings.pictureColors = chosen.colors;
    settings.pictureThreshold = chosen.threshold;
    settings.pictureDither = chosen.dither;
    settings.pictureInvert = chosen.invert;
    settings.pictureBackground = m_backgroundBox->currentIndex();
    settings.pictureKeepAspect = m_keepAspectBox->isChecked();
}

QString PictureImportDialog::verdict() const { return m_verdict; }

void PictureImportDialog::applyCaptions(Language language)
{
    setWindowTitle(localText(language, txt::PictureDialogTitle));
    m_widthLabel->setText(localText(language, txt::PictureDialogWidth));
    m_heightLabel->setText(localText(language, txt::PictureDialogHeight));
    m_keepAspectBox->setText(localText(language, txt::PictureDialogKeepAspect));
    m_blackWhiteButton->setText(localText(language, txt::PictureDialogBlackWhite));
    m_colorsButton->setText(localText(language, txt::PictureDialogColors));
    m_ditherBox->setText(localText(language, txt::PictureDialogDither));
    m_backgroundLabel->setText(localText(language, txt::PictureDialogBackground));
    m_invertBox->setText(localText(language, txt::PictureDialogInvert));
    m_okButton->setText(localText(language, txt::PictureDialogOk));
    m_cancelButton->setText(localText(language, txt::PictureDialogCancel));
    for (int i = 0; i < PaletteSize; ++i)
        m_backgroundBox->setItemText(i, QString::fromStdString(colorName(language, i)));
    if (!m_picture.isNull())
        updatePreview();
}

void PictureImportDialog::ok()
{
    hide();
    emit importRequested(choices());
}

void PictureImportDialog::sizeChanged(bool widthChanged)
{
    if (m_updating || m_picture.isNull())
        return;
    if (m_keepAspectBox->isChecked()) {
        m_updating = true;
        const double aspect = double(m_picture.width()) / std::max(1, m_picture.height());
        if (widthChanged)
            m_heightBox->setValue(std::clamp(int(m_widthBox->value() / aspect + 0.5), 1, MaxPuzzleSize));
        else
            m_widthBox->setValue(std::clamp(int(m_heightBox->value() * aspect + 0.5), 1, MaxPuzzleSize));
        m_updating = false;
    }
    updatePreview();
}

void PictureImportDialog::updatePreview()
{
    if (m_updating || m_picture.isNull())
        return;
    m_thresholdSlider->setEnabled(m_blackWhiteButton->isChecked());
    m_thresholdLabel->setEnabled(m_blackWhiteButton->isChecked());
    m_colorsBox->setEnabled(m_colorsButton->isChecked());
    m_thresholdLabel->setText(QString::number(m_thresholdSlider->value()));
    importPicture(m_preview, m_picture, QString(), m_session.language, choices());
    m_previewLabel->setPixmap(QPixmap::fromImage(previewImage(m_preview)));
    analysis::AnalysisOptions options;
    options.maxMilliseconds = AnalysisMilliseconds;
    m_verdict = solvabilityText(m_session, analysis::analyzePuzzle(m_preview, options));
    m_verdictLabel->setText(m_verdict);
}

} // namespace gw::editor
