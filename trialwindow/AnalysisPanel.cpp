#include "AnalysisPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "editor/CellShading.h"
#include "editor/FixSuggestion.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"
#include "playfield/FieldWidget.h"
#include "playfield/PlayField.h"

namespace gw {

AnalysisPanel::AnalysisPanel(const Session& session, const PlayFieldState& state, FieldWidget& field, QWidget* owner)
    : QObject(owner), m_session(session)
{
    m_button = new QPushButton(owner);
    m_button->setObjectName(QStringLiteral("analyseButton"));
    m_verdictLabel = new QLabel(owner);
    m_verdictLabel->setObjectName(QStringLiteral("analysisVerdict"));
    m_verdictLabel->setWordWrap(true);
    m_verdictLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The field's cell (x, y) in its logical pixels, as FieldWidget paints it.
    const FieldWidget* f = &field;
    const PlayFieldState* s = &state;
    const CellShading::CellRect cellRect = [f, s](int x, int y) {
        const PointImage& picture = f->picture();
        const double side = s->cellSize * picture.pixelsPerPoint();
        return QRectF(picture.origin() + QPointF(x, y) * side, QSizeF(side, side));
    };
    m_shading = new CellShading(field, cellRect);
    m_options.gradeDifficulty = true;
    m_fixButton = new QPushButton(owner);
    m_fixButton->setObjectName(QStringLiteral("suggestFixButton"));
    m_fixButton->setEnabled(false);
    m_fix = new FixSuggestion(session, field, cellRect, this);
    connect(m_fixButton, &QPushButton::clicked, this, &AnalysisPanel::suggestFix);
    connect(m_fix, &FixSuggestion::finished, this, [this] { show(m_verdict); });
    m_sliceTimer = new QTimer(this);
    m_sliceTimer->setInterval(0);
    connect(m_sliceTimer, &QTimer::timeout, this, &AnalysisPanel::onSlice);
    connect(m_button, &QPushButton::clicked, this, &AnalysisPanel::analyse);
    applyCaptions();
}

AnalysisPanel::~AnalysisPanel() = default;

void AnalysisPanel::setPicture(const Puzzle& composed)
{
    cancel();
    m_picture = composed;
}

void AnalysisPanel::analyse()
{
    cancel();
    // The analysis keeps its own copy of the picture and its clues.
    m_analysis = std::make_unique<analysis::PuzzleAnalysis>(m_picture, m_options);
    show(Verdict::Running);
    m_sliceTimer->start();
}

void AnalysisPanel::cancel()
{
    m_fix->cancel();
    m_sliceTimer->stop();
    m_analysis.reset();
    m_shading->clear();
    show(Verdict::None);
}

bool AnalysisPanel::running() const { return m_sliceTimer->isActive(); }

const analysis::AnalysisResult* AnalysisPanel::result() const
{
    return m_analysis && m_analysis->finished() ? &m_analysis->result() : nullptr;
}

void AnalysisPanel::onSlice()
{
    if (m_analysis && m_analysis->advance(Slice))
        return; // more to do next tick
    m_sliceTimer->stop();
    if (m_analysis)
        showResult(m_analysis->result());
}

void AnalysisPanel::showResult(const analysis::AnalysisResult& r)
{
    using analysis::Uniqueness;
    std::vector<QPoint> shaded;
    Verdict verdict = Verdict::Undecided;
    if (r.uniqueness == Uniqueness::Unique && r.lineSolvable) {
        verdict = Verdict::UniqueByLogic;
    } else if (r.uniqueness == Uniqueness::Unique) {
        verdict = Verdict::NeedsGuessing;
        shaded = openCells(r);
    } else if (r.uniqueness == Uniqueness::NotUnique) {
        verdict = Verdict::NotUnique;
        shaded = differingCells(r);
    } else {
        shaded = openCells(r); // out of budget: what line logic leaves open
    }
    m_shownCount = static_cast<int>(shaded.size());
    m_noSecondWithin = r.noSecondSolutionWithin;
    m_grade = r.difficulty;
    m_shading->shade(std::move(shaded));
    show(verdict);
}

void AnalysisPanel::show(Verdict verdict)
{
    m_verdict = verdict;
    m_button->setEnabled(verdict != Verdict::Running);
    m_fixButton->setEnabled((verdict == Verdict::NotUnique || verdict == Verdict::NeedsGuessing) && !m_fix->running());
    m_verdictLabel->setText(verdictText());
}

void AnalysisPanel::suggestFix()
{
    m_fix->suggest(m_picture);
    show(m_verdict);
}

QString AnalysisPanel::verdictText() const
{
    QString text = verdictOnly();
    if (m_verdict == Verdict::Undecided && m_noSecondWithin > 0)
        text += QLatin1Char('\n') + localText(m_session, txt::AnalysisNoneNearby).arg(m_noSecondWithin);
    if (m_verdict != Verdict::None && m_verdict != Verdict::Running && m_grade != analysis::Difficulty::Unknown)
        text += QLatin1Char('\n') + gradeText(m_session, m_grade);
    const QString fix = m_fix->text();
    return fix.isEmpty() ? text : text + QLatin1Char('\n') + fix;
}

QString AnalysisPanel::verdictOnly() const
{
    const auto counted = [this](const Text& text) {
        return localText(m_session, text) + QLatin1Char(' ') + QString::number(m_shownCount);
    };
    switch (m_verdict) {
    case Verdict::None:
        return {};
    case Verdict::Running:
        return localText(m_session, txt::AnalysisRunning);
    case Verdict::UniqueByLogic:
        return localText(m_session, txt::AnalysisUniqueByLogic);
    case Verdict::NeedsGuessing:
        return counted(txt::AnalysisNeedsGuessing);
    case Verdict::NotUnique:
        return counted(txt::AnalysisNotUnique);
    case Verdict::Undecided:
        return counted(txt::AnalysisUndecided);
    }
    return {};
}

void AnalysisPanel::applyCaptions()
{
    m_button->setText(localText(m_session, txt::TestWindowAnalyse));
    m_fixButton->setText(localText(m_session, txt::TestWindowSuggestFix));
    m_verdictLabel->setText(verdictText());
}

} // namespace gw
