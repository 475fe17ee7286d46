#include "editor/SizeDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/PictureEdits.h"
#include "lang/Texts.h"
#include "platform/DigitBox.h"
#include "platform/LocalText.h"
#include "platform/SecondaryWindow.h"

namespace gw::editor {

QSize correctSizeBoxes(QLineEdit& width, QLineEdit& height, const Puzzle& puzzle)
{
    const int w = correctedSize(width.text().toStdString(), puzzle.width);
    const int h = correctedSize(height.text().toStdString(), puzzle.height);
    width.setText(QString::number(w));
    height.setText(QString::number(h));
    return QSize(w, h);
}

SizeDialog::SizeDialog(const Puzzle& puzzle, const Session& session, QWidget* parent)
    : QDialog(parent), m_puzzle(puzzle), m_session(session)
{
    setObjectName(QStringLiteral("SizeDialog"));
    m_widthEdit = new QLineEdit(this);
    m_heightEdit = new QLineEdit(this);
    m_widthEdit->setObjectName(QStringLiteral("widthEdit"));
    m_heightEdit->setObjectName(QStringLiteral("heightEdit"));
    for (QLineEdit* box : {m_widthEdit, m_heightEdit}) {
        platform::makeDigitsOnly(*box);
        platform::selectAllOnEntry(*box);
        box->setMaxLength(5);
        connect(box, &QLineEdit::textChanged, this, [this] { m_applyButton->setEnabled(true); });
    }
    m_currentWidthLabel = new QLabel(this);
    m_currentHeightLabel = new QLabel(this);
    m_widthLabel = new QLabel(this);
    m_heightLabel = new QLabel(this);
    m_cancelButton = new QPushButton(this);
    m_okButton = new QPushButton(this);
    m_applyButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    m_okButton->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_widthLabel, 0, 0);
    grid->addWidget(m_widthEdit, 0, 1);
    grid->addWidget(m_currentWidthLabel, 0, 2);
    grid->addWidget(m_heightLabel, 1, 0);
    grid->addWidget(m_heightEdit, 1, 1);
    grid->addWidget(m_currentHeightLabel, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_applyButton);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_okButton, &QPushButton::clicked, this, &SizeDialog::ok);
    connect(m_applyButton, &QPushButton::clicked, this, &SizeDialog::apply);
    refresh();
}

void SizeDialog::refresh()
{
    m_widthEdit->setText(QString::number(m_puzzle.width));
    m_heightEdit->setText(QString::number(m_puzzle.height));
    showCurrentSize(m_session.language);
    m_applyButton->setEnabled(false);
}

void SizeDialog::showCurrentSize(Language language)
{
    m_currentWidthLabel->setText(localText(language, txt::CurrentWidth) + QLatin1Char(' ')
                                 + QString::number(m_puzzle.width));
    m_currentHeightLabel->setText(localText(language, txt::CurrentHeight) + QLatin1Char(' ')
                                  + QString::number(m_puzzle.height));
}

void SizeDialog::applyCaptions(Language language)
{
    setWindowTitle(localText(language, txt::SizeDialogTitle));
    m_widthLabel->setText(localText(language, txt::SizeDialogWidth));
    m_heightLabel->setText(localText(language, txt::SizeDialogHeight));
    m_cancelButton->setText(localText(language, txt::SizeDialogCancel));
    m_okButton->setText(localText(language, txt::SizeDialogOk));
    m_applyButton->setText(localText(language, txt::SizeDialogApply));
    // The current size follows at once; what the user typed in the boxes stays.
    showCurrentSize(language);
}

void SizeDialog::apply()
{
    const QSize size = correctSizeBoxes(*m_widthEdit, *m_heightEdit, m_puzzle);
    emit applyRequested(size.width(), size.height());
}

void SizeDialog::ok()
{
    if (m_applyButton->isEnabled())
        apply();
    hide();
}

void SizeDialog::closeEvent(QCloseEvent* event) { platform::closeOrHide(*this, *event, m_session); }

} // namespace gw::editor
