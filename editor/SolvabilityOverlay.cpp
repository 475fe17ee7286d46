#include "editor/SolvabilityOverlay.h"

#include <QAction>
#include <QTimer>

#include "editor/CellShading.h"
#include "editor/FixSuggestion.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw::editor {

SolvabilityOverlay::SolvabilityOverlay(const Puzzle& puzzle, const Session& session, GridView& grid, QObject* parent)
    : QObject(parent), m_puzzle(puzzle), m_session(session)
{
    m_options.maxMilliseconds = 5000;
    m_options.gradeDifficulty = true;
    m_action = new QAction(this);
    m_action->setObjectName(QStringLiteral("showSolvabilityAction"));
    m_action->setCheckable(true);
    const GridView* g = &grid;
    m_shading = new CellShading(grid, [g](int x, int y) {
        const CellEdges cx = cellEdges(x, g->zoom());
        const CellEdges cy = cellEdges(y, g->zoom());
        return QRectF(cx.first, cy.first, cx.last - cx.first, cy.last - cy.first);
    });
    m_recomputeTimer = new QTimer(this);
    m_recomputeTimer->setSingleShot(true);
    m_recomputeTimer->setInterval(0);
    m_sliceTimer = new QTimer(this);
    m_sliceTimer->setInterval(0);
    connect(m_action, &QAction::toggled, this, &SolvabilityOverlay::setOn);
    connect(&grid, &GridView::cellsDrawn, m_recomputeTimer, [this] {
        if (isOn())
            m_recomputeTimer->start();
    });
    connect(m_recomputeTimer, &QTimer::timeout, this, &SolvabilityOverlay::recompute);
    connect(m_sliceTimer, &QTimer::timeout, this, &SolvabilityOverlay::onSlice);
    applyCaptions();
}

SolvabilityOverlay::~SolvabilityOverlay() = default;

bool SolvabilityOverlay::isOn() const { return m_action->isChecked(); }

bool SolvabilityOverlay::checking() const { return m_sliceTimer->isActive(); }

const analysis::AnalysisResult* SolvabilityOverlay::result() const
{
    return m_analysis ? &m_analysis->result() : nullptr;
}

void SolvabilityOverlay::setOn(bool on)
{
    m_recomputeTimer->stop();
    m_sliceTimer->stop();
    m_analysis.reset();
    m_shading->clear();
    if (on)
        recompute();
    else
        emit statusChanged(QString());
}

bool SolvabilityOverlay::sameCells() const
{
    return m_analysis && m_analysed.width == m_puzzle.width && m_analysed.height == m_puzzle.height
           && m_analysed.cells == m_puzzle.cells;
}

void SolvabilityOverlay::recompute()
{
    if (!isOn() || sameCells())
        return;
    m_sliceTimer->stop();
    m_analysed = m_puzzle;
    m_analysis = std::make_unique<analysis::PuzzleAnalysis>(m_puzzle, m_options);
    m_analysis->advance(std::chrono::microseconds(0)); // line logic only
    m_shading->shade(openCells(m_analysis->result()));
    if (!m_analysis->finished())
        m_sliceTimer->start();
    announce();
}

void SolvabilityOverlay::onSlice()
{
    if (m_analysis && m_analysis->advance(Slice))
        return; // more to do next tick
    m_sliceTimer->stop();
    announce();
}

QString solvabilityText(const Session& session, const analysis::AnalysisResult& r)
{
    const QString grade = r.finished() ? gradeText(session, r.difficulty) : QString();
    const QString afterGrade = grade.isEmpty() ? QString() : QLatin1Char(' ') + grade;
    if (r.lineSolvable)
        return localText(session, txt::SolvabilityByLogic) + afterGrade;
    const Text* uniqueness = &txt::SolvabilityUndecided;
    if (!r.finished())
        uniqueness = &txt::SolvabilityChecking;
    else if (r.uniqueness == analysis::Uniqueness::Unique)
        uniqueness = &txt::SolvabilityUnique;
    else if (r.uniqueness == analysis::Uniqueness::NotUnique)
        uniqueness = &txt::SolvabilityNotUnique;
    return localText(session, txt::SolvabilityOpenCells) + QLatin1Char(' ') + QString::number(r.openCells)
           + localText(session, *uniqueness) + afterGrade;
}

QString SolvabilityOverlay::statusText() const
{
    if (!m_analysis || !isOn())
        return {};
    return solvabilityText(m_session, m_analysis->result());
}

void SolvabilityOverlay::announce() { emit statusChanged(statusText()); }

void SolvabilityOverlay::applyCaptions()
{
    m_action->setText(localText(m_session, txt::MenuShowSolvability));
    announce();
}

} // namespace gw::editor
