#pragma once
// The play time of a puzzle: the time it was played, with the pauses left out.
// Times are milliseconds on any clock that never goes back; the owner says
// when play runs and when it pauses.
#include <cstdint>
#include <string>

namespace gw {

class PlayClock {
public:
    // Starts counting at `now` (nothing when already running).
    void run(std::int64_t now);
    // Stops counting at `now`, keeping the time so far (nothing when paused).
    void pause(std::int64_t now);
    bool running() const { return m_running; }
    // The time played up to `now`.
    std::int64_t elapsed(std::int64_t now) const { return m_running ? m_before + (now - m_since) : m_before; }
    // Paused, with `elapsed` played (0 for a fresh puzzle; the kept time of a resumed one).
    void restart(std::int64_t elapsed = 0);

private:
    bool m_running = false;
    std::int64_t m_before = 0; // played before m_since
    std::int64_t m_since = 0;
};

// "m:ss" for a time in milliseconds, seconds rounded down: "0:00", "12:05",
// "125:59" (minutes go on past an hour).
std::string clockText(std::int64_t milliseconds);

} // namespace gw
