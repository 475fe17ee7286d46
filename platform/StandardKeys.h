#pragma once
// The desktop's standard keys for the file commands, shown in the menus.
#include <QKeySequence>

class QAction;

namespace gw::platform {

// Gives `action` the platform's keys for `key`, or `fallback` where the
// platform names none (Save As and Quit without a desktop theme, as offscreen
// or on a bare X11 session), so every copy answers to the same keys.
void setStandardKeys(QAction& action, QKeySequence::StandardKey key, const QKeySequence& fallback);

} // namespace gw::platform
