#include "editor/SuggestFixAction.h"

#include <QAction>

#include "editor/FixSuggestion.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "lang/Texts.h"
#include "platform/LocalText.h"
#include "platform/Platform.h"

namespace gw::editor {

SuggestFixAction::SuggestFixAction(const Puzzle& puzzle, const Session& session, GridView& grid,
                                   platform::MessageBoxes& messages, Apply apply, QObject* parent)
    : QObject(parent), m_puzzle(puzzle), m_session(session), m_messages(messages), m_apply(std::move(apply))
{
    m_action = new QAction(this);
    m_action->setObjectName(QStringLiteral("suggestFixAction"));
    const GridView* g = &grid;
    m_fix = new FixSuggestion(
        session, grid,
        [g](int x, int y) {
            const CellEdges cx = cellEdges(x, g->zoom());
            const CellEdges cy = cellEdges(y, g->zoom());
            return QRectF(cx.first, cy.first, cx.last - cx.first, cy.last - cy.first);
        },
        this);
    connect(m_action, &QAction::triggered, this, [this] {
        m_fix->cancel();
        start();
    });
    connect(m_fix, &FixSuggestion::finished, this, &SuggestFixAction::onFinished);
    connect(&grid, &GridView::cellsDrawn, this, [this] {
        if (m_fix->running())
            m_fix->cancel();
    });
    applyCaptions();
}

void SuggestFixAction::start()
{
    m_fix->suggest(m_puzzle);
    emit statusChanged(m_fix->text());
}

void SuggestFixAction::onFinished()
{
    emit statusChanged(m_fix->text());
    const QString title = localText(m_session, txt::FixTitle);
    if (m_fix->state() != FixSuggestion::State::Found) {
        m_messages.show(m_fix->text(), title, platform::Icon::Information, platform::Buttons::Ok);
        m_fix->cancel();
        return;
    }
    const platform::Answer answer =
        m_messages.show(m_fix->text() + QStringLiteral("\n\n") + localText(m_session, txt::FixQuestion), title,
                        platform::Icon::Question, platform::Buttons::YesNoCancel);
    if (answer == platform::Answer::No) {
        start(); // the same picture: the next suggestion
        return;
    }
    const std::vector<analysis::CellChange> changes = m_fix->changes();
    m_fix->cancel();
    emit statusChanged(QString());
    if (answer == platform::Answer::Yes)
        m_apply(changes);
}

void SuggestFixAction::applyCaptions() { m_action->setText(localText(m_session, txt::MenuSuggestFix)); }

} // namespace gw::editor
