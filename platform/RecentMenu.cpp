#include "platform/RecentMenu.h"

#include <QAction>
#include <QString>

#include "platform/FilePaths.h"

namespace gw::platform {

void showRecentEntries(const RecentList& recent, const std::array<QAction*, RecentCount>& actions, QAction* separator)
{
    for (int i = 0; i < RecentCount; ++i) {
        QAction* action = actions[static_cast<std::size_t>(i)];
        const std::string& entry = recent.entry(i);
        action->setText(displayText(recentCaption(i, entry)));
        action->setVisible(!entry.empty());
    }
    separator->setVisible(!recent.entry(0).empty());
}

} // namespace gw::platform
