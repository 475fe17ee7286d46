#pragma once
// Where a program keeps "lang.ini" and "recent.ini". Both programs use this
// one rule so that, installed in one folder, they share their settings.
#include <QString>

namespace gw::platform {

// The program's own folder when a file can be created there; otherwise (an
// installation owned by another user) the folder "Gridwick" in the user's
// configuration folder, created when missing. The result ends with "/".
// `userConfigFolder` replaces the user's configuration folder (tests); empty
// means the system's.
QString settingsFolder(const QString& programFolder, const QString& userConfigFolder = QString());

// True when a file can be created in `folder` (tried, then removed).
bool folderIsWritable(const QString& folder);

} // namespace gw::platform
