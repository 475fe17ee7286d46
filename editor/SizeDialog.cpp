#include "editor/SizeDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/PuzzleOps.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/DigitBox.h"
#include "platform/SecondaryWindow.h"

namespace gw::editor {

namespace {
QString text(std::uint8_t language, const Text& t) { return QString::fromStdString(chooseText(language, t)); }
} // namespace

QSize correctSizeBoxes(QLineEdit& width, QLineEdit& height, const Puzzle& puzzle) {
    const int w = correctedSize(width.text().toStdString(), puzzle.PuzzleWidth);
    const int h = correctedSize(height.text().toStdString(), puzzle.PuzzleHeight);
    width.setText(QString::number(w));
    height.setText(QString::number(h));
    return QSize(w, h);
}

SizeDialog::SizeDialog(const Puzzle& puzzle, QWidget* parent) : QDialog(parent), m_puzzle(puzzle) {
    setObjectName(QStringLiteral("SizeDialog"));
    Text1 = new QLineEdit(this);
    Text2 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit* box : {Text1, Text2}) {
        platform::makeDigitsOnly(*box);
        platform::selectAllOnEntry(*box);
        box->setMaxLength(5);
        connect(box, &QLineEdit::textChanged, this, [this] { Command3->setEnabled(true); });
    }
    Label3 = new QLabel(this);
    Label4 = new QLabel(this);
    m_widthLabel = new QLabel(this);
    m_heightLabel = new QLabel(this);
    Command1 = new QPushButton(this);
    Command2 = new QPushButton(this);
    Command3 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_widthLabel, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(m_heightLabel, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Label4, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(Command1, &QPushButton::clicked, this, &QDialog::hide);
    connect(Command2, &QPushButton::clicked, this, &SizeDialog::ok);
    connect(Command3, &QPushButton::clicked, this, &SizeDialog::apply);
    refresh();
}

void SizeDialog::refresh() {
    Text1->setText(QString::number(m_puzzle.PuzzleWidth));
    Text2->setText(QString::number(m_puzzle.PuzzleHeight));
    Label3->setText(text(m_puzzle.Language, txt::CurrentWidth) + QLatin1Char(' ') +
                    QString::number(m_puzzle.PuzzleWidth));
    Label4->setText(text(m_puzzle.Language, txt::CurrentHeight) + QLatin1Char(' ') +
                    QString::number(m_puzzle.PuzzleHeight));
    Command3->setEnabled(false);
}

void SizeDialog::applyCaptions(std::uint8_t language) {
    setWindowTitle(text(language, txt::SizeDialogTitle));
    m_widthLabel->setText(text(language, txt::SizeDialogWidth));
    m_heightLabel->setText(text(language, txt::SizeDialogHeight));
    Command1->setText(text(language, txt::SizeDialogCancel));
    Command2->setText(text(language, txt::SizeDialogOk));
    Command3->setText(text(language, txt::SizeDialogApply));
}

void SizeDialog::apply() {
    const QSize size = correctSizeBoxes(*Text1, *Text2, m_puzzle);
    emit applyRequested(size.width(), size.height());
}

void SizeDialog::ok() {
    if (Command3->isEnabled())
        apply();
    hide();
}

void SizeDialog::closeEvent(QCloseEvent* event) {
    platform::closeOrHide(*this, *event, m_mainClosing);
}

} // namespace gw::editor
