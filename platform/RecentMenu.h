#pragma once
#include <QString>
#include <array>
#include <optional>

#include "core/Settings.h"
#include "lang/Language.h"

class QAction;

namespace gw::platform {

// Shows the recent list in a File menu: action i carries entry i's caption
// ("&1 name") and is visible only when the entry is set; the separator above
// the entries is visible when the first one is.
void showRecentEntries(const RecentList& recent, const std::array<QAction*, RecentCount>& actions, QAction* separator);

class MessageBoxes;

// Recent entry `index` (0..4) chosen from the File menu: its path while the
// file is there. When the file has vanished, `messages` shows the open error
// for that path ("An error has occured while opening this file.", critical,
// the path as title, in `language`), the list drops the entry and rewrites
// "recent.ini", the menu shows what is left, and nothing is returned, so the
// caller keeps what it shows. An empty slot gives nothing, without a message.
std::optional<QString> existingRecentFile(RecentList& recent, int index, MessageBoxes& messages, Language language,
                                          const std::array<QAction*, RecentCount>& actions, QAction* separator);

} // namespace gw::platform
