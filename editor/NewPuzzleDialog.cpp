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
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/DigitBox.h"
#include "platform/SecondaryWindow.h"

namespace gw::editor {

namespace {
QString text(std::uint8_t language, const Text& t) { return QString::fromStdString(chooseText(language, t)); }
} // namespace

NewPuzzleDialog::NewPuzzleDialog(const Puzzle& puzzle, QWidget* parent) : QDialog(parent), m_puzzle(puzzle) {
    setObjectName(QStringLiteral("NewPuzzleDialog"));
    m_sizeFrame = new QGroupBox(this);
    m_colorFrame = new QGroupBox(this);
    Text1 = new QLineEdit(QStringLiteral("25"), m_sizeFrame);
    Text2 = new QLineEdit(QStringLiteral("25"), m_sizeFrame);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit* box : {Text1, Text2}) {
        platform::makeDigitsOnly(*box);
        platform::selectAllOnEntry(*box);
        box->setMaxLength(5);
    }
    m_widthLabel = new QLabel(m_sizeFrame);
    m_heightLabel = new QLabel(m_sizeFrame);
    auto* sizeGrid = new QGridLayout(m_sizeFrame);
    sizeGrid->addWidget(m_widthLabel, 0, 0);
    sizeGrid->addWidget(Text1, 0, 1);
    sizeGrid->addWidget(m_heightLabel, 1, 0);
    sizeGrid->addWidget(Text2, 1, 1);

    auto* colorBox = new QVBoxLayout(m_colorFrame);
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(m_colorFrame);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        colorBox->addWidget(Option1[i]);
    }
    Option1[0]->setChecked(true);

    cmdOK = new QPushButton(this);
    CmdCancel = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    cmdOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(m_sizeFrame);
    frames->addWidget(m_colorFrame);
    layout->addLayout(frames);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(CmdCancel);
    layout->addLayout(buttons);

    for (QRadioButton* option : Option1)
        connect(option, &QRadioButton::clicked, this, [this] { cmdOK->setFocus(); });
    connect(cmdOK, &QPushButton::clicked, this, &NewPuzzleDialog::ok);
    connect(CmdCancel, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
}

void NewPuzzleDialog::applyCaptions(std::uint8_t language) {
    setWindowTitle(text(language, txt::NewDialogTitle));
    m_sizeFrame->setTitle(text(language, txt::NewDialogSizeFrame));
    m_colorFrame->setTitle(text(language, txt::NewDialogColorFrame));
    CmdCancel->setText(text(language, txt::NewDialogCancel));
    cmdOK->setText(text(language, txt::NewDialogOk));
    Option1[0]->setText(text(language, txt::NewDialogBlackWhite));
    Option1[1]->setText(text(language, txt::NewDialogEightColors));
    m_widthLabel->setText(text(language, txt::NewDialogWidth));
    m_heightLabel->setText(text(language, txt::NewDialogHeight));
}

void NewPuzzleDialog::ok() {
    const QSize size = correctSizeBoxes(*Text1, *Text2, m_puzzle);
    emit newPuzzleRequested(size.width(), size.height(), Option1[1]->isChecked());
}

void NewPuzzleDialog::closeEvent(QCloseEvent* event) {
    if (!platform::closeOrHide(*this, *event, m_mainClosing))
        emit cancelled();
}

} // namespace gw::editor
