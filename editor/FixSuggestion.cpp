#include "FixSuggestion.h"

#include <QPainter>
#include <QTimer>

#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw {

QString gradeText(const Session& session, analysis::Difficulty grade)
{
    static const Text* const names[] = {nullptr,         &txt::GradeEasy,   &txt::GradeMedium,
                                        &txt::GradeHard, &txt::GradeSearch, &txt::GradeAmbiguous};
    const Text* name = names[static_cast<int>(grade)];
    if (!name)
        return {};
    return localText(session, txt::GradeLabel) + QLatin1Char(' ') + localText(session, *name);
}

void SuggestedCells::mark(const std::vector<analysis::CellChange>& changes)
{
    m_changes = changes;
    std::vector<QPoint> cells;
    for (const analysis::CellChange& change : changes)
        cells.emplace_back(change.x, change.y);
    shade(std::move(cells));
}

void SuggestedCells::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const analysis::CellChange& change : m_changes) {
        const QRectF r = cellRect(change.x, change.y).adjusted(1, 1, 0, 0);
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        const PaletteColor& color = Palette[change.color];
        painter.fillRect(r, QColor(color.r, color.g, color.b));
        const double pen = std::max(1.0, r.width() / 8);
        painter.setPen(QPen(Hatch, pen));
        painter.drawRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    }
}

FixSuggestion::FixSuggestion(const Session& session, QWidget& grid, CellShading::CellRect cellRect, QObject* parent)
    : QObject(parent), m_session(session)
{
    m_marks = new SuggestedCells(grid, std::move(cellRect));
    m_marks->setObjectName(QStringLiteral("suggestedCells"));
    m_sliceTimer = new QTimer(this);
    m_sliceTimer->setInterval(0);
    connect(m_sliceTimer, &QTimer::timeout, this, &FixSuggestion::onSlice);
}

FixSuggestion::~FixSuggestion() = default;

void FixSuggestion::suggest(const Puzzle& picture)
{
    const bool again = m_state == State::Found && picture.width == m_picture.width && picture.height == m_picture.height
                       && picture.cells == m_picture.cells;
    cancel();
    m_picture = picture;
    m_skip = again ? m_skip + 1 : 0;
    start(again && m_lineLogic);
}

void FixSuggestion::start(bool lineLogic)
{
    m_lineLogic = lineLogic;
    analysis::FixOptions options = m_options;
    options.lineLogic = lineLogic;
    options.skip = m_skip;
    m_fixer = std::make_unique<analysis::PuzzleFixer>(m_picture, options);
    m_state = State::Running;
    m_sliceTimer->start();
}

void FixSuggestion::cancel()
{
    m_sliceTimer->stop();
    m_fixer.reset();
    m_marks->mark({});
    m_state = State::None;
}

bool FixSuggestion::running() const { return m_sliceTimer->isActive(); }

void FixSuggestion::onSlice()
{
    if (m_fixer && m_fixer->advance(Slice))
        return;
    m_sliceTimer->stop();
    if (!m_fixer)
        return;
    const analysis::FixResult result = m_fixer->result();
    m_fixer.reset();
    if (result.stop == analysis::FixStop::AlreadyThere && !m_lineLogic) {
        start(true); // unique already: make it solvable by logic alone
        return;
    }
    if (result.stop == analysis::FixStop::Found) {
        m_state = State::Found;
        m_marks->mark(result.changes);
    } else {
        m_state = result.stop == analysis::FixStop::AlreadyThere ? State::NothingToDo : State::NotFound;
    }
    emit finished();
}

QString FixSuggestion::text() const
{
    switch (m_state) {
    case State::None:
        return {};
    case State::Running:
        return localText(m_session, txt::FixRunning);
    case State::Found:
        return localText(m_session, txt::FixFound) + QLatin1Char(' ') + QString::number(changes().size());
    case State::NotFound:
        return localText(m_session, txt::FixNone);
    case State::NothingToDo:
        return localText(m_session, txt::FixNothingToDo);
    }
    return {};
}

} // namespace gw
