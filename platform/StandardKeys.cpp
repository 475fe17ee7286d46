#include "platform/StandardKeys.h"

#include <QAction>

namespace gw::platform {

void setStandardKeys(QAction& action, QKeySequence::StandardKey key, const QKeySequence& fallback)
{
    action.setShortcuts(key);
    if (action.shortcuts().isEmpty())
        action.setShortcut(fallback);
}

} // namespace gw::platform
