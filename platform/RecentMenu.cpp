#include "platform/RecentMenu.h"

#include <QAction>
#include <QString>

#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "platform/Platform.h"

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

std::optional<QString> existingRecentFile(RecentList& recent, int index, MessageBoxes& messages, Language language,
                                          const std::array<QAction*, RecentCount>& actions, QAction* separator)
{
    const std::string entry = recent.entry(index);
    if (entry.empty())
        return std::nullopt;
    const QString path = pathFromBytes(entry);
    if (fileExistsOnDisk(entry))
        return path;
    messages.show(localText(language, txt::ErrorOpening), displayPath(path), Icon::Critical, Buttons::Ok);
    recent.refreshRecent();
    showRecentEntries(recent, actions, separator);
    return std::nullopt;
}

} // namespace gw::platform
