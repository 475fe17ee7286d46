#include "PlayClock.h"

namespace gw {

void PlayClock::run(std::int64_t now)
{
    if (m_running)
        return;
    m_running = true;
    m_since = now;
}

void PlayClock::pause(std::int64_t now)
{
    if (!m_running)
        return;
    m_before += now - m_since;
    m_running = false;
}

void PlayClock::restart(std::int64_t elapsed)
{
    m_running = false;
    m_before = elapsed < 0 ? 0 : elapsed;
}

std::string clockText(std::int64_t milliseconds)
{
    const std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
    const std::int64_t s = seconds % 60;
    return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

} // namespace gw
