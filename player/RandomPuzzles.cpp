#include "RandomPuzzles.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <chrono>

#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw::player {

namespace {

const analysis::Difficulty Grades[] = {analysis::Difficulty::Easy, analysis::Difficulty::Medium,
                                       analysis::Difficulty::Hard};

// OK and Cancel in the session's language, wired to accept and reject.
QDialogButtonBox* okCancelButtons(QDialog& dialog, const Session& session)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(localText(session, txt::RandomDialogOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(localText(session, txt::RandomDialogCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

QSpinBox* sideBox(int value, const char* name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(analysis::MinRandomPuzzleSize, MaxPuzzleSize);
    box->setValue(value);
    box->setObjectName(QLatin1String(name));
    return box;
}

std::uint64_t clockEntropy()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

RandomPuzzleDialog::RandomPuzzleDialog(const Session& session, const analysis::PuzzleCode& initial, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RandomPuzzleDialog"));
    setWindowTitle(localText(session, txt::RandomDialogTitle));
    m_width = sideBox(initial.width, "widthBox", this);
    m_height = sideBox(initial.height, "heightBox", this);
    m_colors = new QComboBox(this);
    m_colors->setObjectName(QStringLiteral("colorsBox"));
    m_colors->addItem(localText(session, txt::RandomDialogBlackWhite));
    for (int colors = 3; colors <= 8; ++colors)
        m_colors->addItem(QString::number(colors) + localText(session, txt::RandomDialogColorCount));
    m_colors->setCurrentIndex(initial.colors - 2);
    m_grade = new QComboBox(this);
    m_grade->setObjectName(QStringLiteral("gradeBox"));
    for (const Text* name : {&txt::GradeEasy, &txt::GradeMedium, &txt::GradeHard})
        m_grade->addItem(localText(session, *name));
    for (int i = 0; i < 3; ++i) {
        if (Grades[i] == initial.grade)
            m_grade->setCurrentIndex(i);
    }
    auto* form = new QFormLayout;
    form->addRow(localText(session, txt::RandomDialogWidth), m_width);
    form->addRow(localText(session, txt::RandomDialogHeight), m_height);
    form->addRow(localText(session, txt::RandomDialogColors), m_colors);
    form->addRow(localText(session, txt::RandomDialogGrade), m_grade);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(*this, session));
}

analysis::PuzzleCode RandomPuzzleDialog::chosenCode(std::uint64_t entropy) const
{
    return analysis::newPuzzleCode(m_width->value(), m_height->value(), m_colors->currentIndex() + 2,
                                   Grades[std::max(0, m_grade->currentIndex())], entropy);
}

PuzzleCodeDialog::PuzzleCodeDialog(const Session& session, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PuzzleCodeDialog"));
    setWindowTitle(localText(session, txt::PuzzleCodeTitle));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("codeEdit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(localText(session, txt::PuzzleCodePrompt), this));
    layout->addWidget(m_code);
    layout->addWidget(okCancelButtons(*this, session));
}

struct RandomPuzzleCommands::Job {
    int number = 0;
    std::atomic<bool> cancel {false};
    analysis::GeneratedPuzzle made;
    std::thread thread;
};

RandomPuzzleCommands::RandomPuzzleCommands(Session& session, platform::Platform platform, QWidget* window)
    : QObject(window), m_session(session), m_platform(platform), m_window(window), m_progress(nullptr)
{ }

RandomPuzzleCommands::~RandomPuzzleCommands() { cancel(); }

void RandomPuzzleCommands::newRandomPuzzleCommand()
{
    m_randomDialog = new RandomPuzzleDialog(m_session, m_lastCode, m_window);
    m_randomDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_randomDialog, &QDialog::accepted, this, [this] { start(m_randomDialog->chosenCode(clockEntropy())); });
    connect(m_randomDialog, &QObject::destroyed, this, [this] { m_randomDialog = nullptr; });
    m_randomDialog->open();
}

void RandomPuzzleCommands::openPuzzleCodeCommand()
{
    m_codeDialog = new PuzzleCodeDialog(m_session, m_window);
    m_codeDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_codeDialog, &QDialog::accepted, this, [this] { openCode(m_codeDialog->codeEdit()->text()); });
    connect(m_codeDialog, &QObject::destroyed, this, [this] { m_codeDialog = nullptr; });
    m_codeDialog->open();
}

bool RandomPuzzleCommands::openCode(const QString& text)
{
    const std::optional<analysis::PuzzleCode> code = analysis::parsePuzzleCode(text.toStdString());
    if (!code) {
        m_platform.messages.show(localText(m_session, txt::PuzzleCodeInvalid) + text,
                                 localText(m_session, txt::PuzzleCodeTitle), platform::Icon::Exclamation,
                                 platform::Buttons::Ok);
        return false;
    }
    start(*code);
    return true;
}

void RandomPuzzleCommands::start(const analysis::PuzzleCode& code)
{
    cancel();
    const int number = ++m_jobsStarted;
    m_lastCode = code;
    m_job = std::make_unique<Job>();
    m_job->number = number;
    Job* job = m_job.get();
    job->thread = std::thread([this, job, code] {
        job->made = analysis::generateRandomPuzzle(code, &job->cancel);
        QMetaObject::invokeMethod(
            this, [this, number = job->number] { finishJob(number); }, Qt::QueuedConnection);
    });
    m_progress = new QProgressDialog(localText(m_session, txt::RandomPuzzleMaking),
                                     localText(m_session, txt::RandomDialogCancel), 0, 0, m_window);
    m_progress->setObjectName(QStringLiteral("randomPuzzleProgress"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setWindowTitle(localText(m_session, txt::RandomDialogTitle));
    connect(m_progress, &QProgressDialog::canceled, this, &RandomPuzzleCommands::cancel);
    m_progress->show();
}

void RandomPuzzleCommands::cancel()
{
    if (m_progress) {
        m_progress->disconnect(this);
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    if (!m_job)
        return;
    m_job->cancel = true;
    m_job->thread.join();
    m_job.reset();
}

void RandomPuzzleCommands::finishJob(int number)
{
    if (!m_job || m_job->number != number)
        return; // cancelled or replaced meanwhile
    m_job->thread.join();
    const analysis::GeneratedPuzzle made = m_job->made;
    m_job.reset();
    cancel(); // the progress box
    if (made.ok)
        emit puzzleReady(made.picture);
}

} // namespace gw::player
