#pragma once
#include <array>

#include "core/Settings.h"

class QAction;

namespace gw::platform {

// Shows the recent list in a File menu: action i carries entry i's caption
// ("&1 name") and is visible only when the entry is set; the separator above
// the entries is visible when the first one is.
void showRecentEntries(const RecentList& recent, const std::array<QAction*, RecentCount>& actions, QAction* separator);

} // namespace gw::platform
