#pragma once
// Where a program keeps "lang.ini" and "recent.ini". Both programs use this
// one rule so that, installed in one folder, they share their settings.
#include <QString>

namespace gw::platform {

// `cmake --install` puts a file of this name beside the programs.
inline constexpr char InstalledMarkerName[] = "installed";

// The program's own folder when a file can be created there and it is not an
// installed copy (it holds no file InstalledMarkerName); otherwise (an
// installation owned by another user, or a system-wide one run by root) the
// folder "Gridwick" in the user's configuration folder, created when missing. The result ends with "/".
// Settings are written there only; a "lang.ini" or "recent.ini" shipped in
// the program's folder is read as the default while the result holds none
// (the windows pass the program's folder as readLanguageFile's and
// RecentList::readFile's defaultsFolder).
// `userConfigFolder` replaces the user's configuration folder (tests); empty
// means the system's.
QString settingsFolder(const QString& programFolder, const QString& userConfigFolder = QString());

// True when a file can be created in `folder` (tried, then removed).
bool folderIsWritable(const QString& folder);

} // namespace gw::platform
