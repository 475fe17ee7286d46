#include "PlayHistory.h"

#include <algorithm>

namespace gw {

void PlayHistory::recordCell(CellPos cell, std::uint8_t before, std::uint8_t after)
{
    const auto same = std::find_if(m_open.begin(), m_open.end(), [&](const CellChange& c) { return c.cell == cell; });
    if (same != m_open.end())
        same->after = after;
    else
        m_open.push_back({cell, before, after});
}

void PlayHistory::recordClue(const ClueRef& clue)
{
    const auto same = std::find(m_openClues.begin(), m_openClues.end(), clue);
    if (same != m_openClues.end())
        m_openClues.erase(same);
    else
        m_openClues.push_back(clue);
}

PlayStep PlayHistory::openStep() const
{
    PlayStep step;
    std::copy_if(m_open.begin(), m_open.end(), std::back_inserter(step.cells),
                 [](const CellChange& c) { return c.before != c.after; });
    step.clues = m_openClues;
    return step;
}

void PlayHistory::closeStep()
{
    PlayStep step = openStep();
    m_open.clear();
    m_openClues.clear();
    if (step.empty())
        return;
    m_done.push_back(std::move(step));
    if (m_done.size() > MaxSteps)
        m_done.pop_front();
    m_undone.clear();
}

namespace {

// Moves the last step of `from` to the end of `to` and hands it back.
template <typename From, typename To> std::optional<PlayStep> moveLast(From& from, To& to)
{
    if (from.empty())
        return std::nullopt;
    PlayStep step = std::move(from.back());
    from.pop_back();
    to.push_back(step);
    return step;
}

} // namespace

std::optional<PlayStep> PlayHistory::takeUndo()
{
    closeStep();
    return moveLast(m_done, m_undone);
}

std::optional<PlayStep> PlayHistory::takeRedo()
{
    closeStep();
    return moveLast(m_undone, m_done);
}

void PlayHistory::clear()
{
    m_open.clear();
    m_openClues.clear();
    m_done.clear();
    m_undone.clear();
}

} // namespace gw
