#pragma once
// Where a program keeps "lang.ini" and "recent.ini". Both programs use this
// one rule so that, installed in one folder, they share their settings.
#include <QByteArray>
#include <QString>
#include <functional>

#include "lang/Language.h"
#include "platform/Platform.h"

namespace gw::platform {

// `cmake --install` puts a file of this name beside the programs.
inline constexpr char InstalledMarkerName[] = "installed";

// A variable of the environment ("HOME"); empty when it is not set.
using Environment = std::function<QByteArray(const char* name)>;
QByteArray systemEnvironment(const char* name);

struct SettingsPlace {
    QString folder; // ends with "/"; never empty
    // Empty when settings can be kept in `folder`. Otherwise the folder that
    // was meant (or what was missing) and the system's reason, in English:
    // "<home>/.config/Gridwick: Permission denied". `folder` is then a
    // private folder of the user's own in the temporary folder, or the one
    // meant, so that nothing is ever written elsewhere.
    QString problem;
};

// The program's own folder when a file can be created there and it is not an
// installed copy (it holds no file InstalledMarkerName); otherwise (an
// installation owned by another user, or a system-wide one run by root) the
// folder "Gridwick" in the user's configuration folder, created when missing:
// $XDG_CONFIG_HOME when it is an absolute path (a relative one is ignored, as
// the XDG base directory rules say), else $HOME/.config, else the .config
// folder of the home folder the user database gives, when the user owns it.
// Settings are written there only; a "lang.ini" or "recent.ini" shipped in
// the program's folder is read as the default while the result holds none
// (the windows pass the program's folder as readLanguageFile's and
// RecentList::readFile's defaultsFolder).
SettingsPlace findSettingsFolder(const QString& programFolder, const Environment& environment = systemEnvironment);

// The folder "Gridwick" in the user's configuration folder, as above, whatever
// the program's folder: for what is the user's alone and never belongs beside
// the programs (the player's kept progress). Made when missing; when it
// cannot be used, a private folder as above, with the problem.
SettingsPlace findUserFolder(const Environment& environment = systemEnvironment);

// The folder alone, with `userConfigFolder` in place of the user's
// configuration folder (tests); empty means the system's.
QString settingsFolder(const QString& programFolder, const QString& userConfigFolder = QString());

// What the windows tell once at start when `place` has a problem, in
// `language`: the folder and the reason; empty when there is none.
QString settingsProblemText(const SettingsPlace& place, Language language);

// Shows settingsProblemText as a warning through `messages` (titled
// `title`) once the event loop runs, reading the language from `language`
// then, after the window has read its own. Nothing when there is no problem.
void tellSettingsProblemOnce(const SettingsPlace& place, MessageBoxes& messages, const QString& title,
                             const Language& language);

// True when a file can be created in `folder` (tried, then removed).
bool folderIsWritable(const QString& folder);

} // namespace gw::platform
