#include "editor/NewPuzzleDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/SizeDialog.h"
#include "lang/Texts.h"
#include "platform/DigitBox.h"
#include "platform/LocalText.h"
#include "platform/SecondaryWindow.h"

namespace gw::editor {

namespace { } // namespace

NewPuzzleDialog::NewPuzzleDialog(const Puzzle& puzzle, const Session& session, QWidget* parent)
    : QDialog(parent), m_puzzle(puzzle), m_session(session)
{
    setObjectName(QStringLiteral("NewPuzzleDialog"));
    m_sizeGroup = new QGroupBox(this);
    m_colorGroup = new QGroupBox(this);
    m_widthEdit = new QLineEdit(QStringLiteral("25"), m_sizeGroup);
    m_heightEdit = new QLineEdit(QStringLiteral("25"), m_sizeGroup);
    m_widthEdit->setObjectName(QStringLiteral("widthEdit"));
    m_heightEdit->setObjectName(QStringLiteral("heightEdit"));
    for (QLineEdit* box : {m_widthEdit, m_heightEdit}) {
        platform::makeDigitsOnly(*box);
        platform::selectAllOnEntry(*box);
        box->setMaxLength(5);
    }
    m_widthLabel = new QLabel(m_sizeGroup);
    m_heightLabel = new QLabel(m_sizeGroup);
    auto* sizeGrid = new QGridLayout(m_sizeGroup);
    sizeGrid->addWidget(m_widthLabel, 0, 0);
    sizeGrid->addWidget(m_widthEdit, 0, 1);
    sizeGrid->addWidget(m_heightLabel, 1, 0);
    sizeGrid->addWidget(m_heightEdit, 1, 1);

    auto* colorBox = new QVBoxLayout(m_colorGroup);
    m_blackWhiteButton = new QRadioButton(m_colorGroup);
    m_blackWhiteButton->setObjectName(QStringLiteral("blackWhiteButton"));
    colorBox->addWidget(m_blackWhiteButton);
    m_eightColorsButton = new QRadioButton(m_colorGroup);
    m_eightColorsButton->setObjectName(QStringLiteral("eightColorsButton"));
    colorBox->addWidget(m_eightColorsButton);
    m_blackWhiteButton->setChecked(true);

    m_okButton = new QPushButton(this);
    m_cancelButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_sizeGroup);
    groups->addWidget(m_colorGroup);
    layout->addLayout(groups);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    for (QRadioButton* option : {m_blackWhiteButton, m_eightColorsButton})
        connect(option, &QRadioButton::clicked, this, [this] { m_okButton->setFocus(); });
    connect(m_okButton, &QPushButton::clicked, this, &NewPuzzleDialog::ok);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
}

void NewPuzzleDialog::applyCaptions(Language language)
{
    setWindowTitle(localText(language, txt::NewDialogTitle));
    m_sizeGroup->setTitle(localText(language, txt::NewDialogSizeFrame));
    m_colorGroup->setTitle(localText(language, txt::NewDialogColorFrame));
    m_cancelButton->setText(localText(language, txt::NewDialogCancel));
    m_okButton->setText(localText(language, txt::NewDialogOk));
    m_blackWhiteButton->setText(localText(language, txt::NewDialogBlackWhite));
    m_eightColorsButton->setText(localText(language, txt::NewDialogEightColors));
    m_widthLabel->setText(localText(language, txt::NewDialogWidth));
    m_heightLabel->setText(localText(language, txt::NewDialogHeight));
}

void NewPuzzleDialog::ok()
{
    const QSize size = correctSizeBoxes(*m_widthEdit, *m_heightEdit, m_puzzle);
    emit newPuzzleRequested(size.width(), size.height(), m_eightColorsButton->isChecked());
}

void NewPuzzleDialog::closeEvent(QCloseEvent* event)
{
    if (!platform::closeOrHide(*this, *event, m_session))
        emit cancelled();
}

} // namespace gw::editor
