#include "platform/SettingsFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "core/RegularFile.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"

namespace gw::platform {

namespace {

QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder;
}

QString reasonText(int code) { return QString::fromStdString(fileErrorText(code)); }

// 0 when a file can be created in `folder` (it is created and removed),
// else the system's errno.
int probeFolder(const QString& folder)
{
    const std::string probe = pathBytes(QDir(folder).filePath(QStringLiteral(".gridwick-probe-XXXXXX")));
    std::string name = probe;
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(name.c_str());
    return 0;
}

// Creates `folder` and its parents when missing; 0 or the system's errno.
int makeFolder(const QString& folder)
{
    std::string path = pathBytes(folder);
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return errno;
        if (slash == std::string::npos)
            break;
    }
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// The user's home folder from the user database, when the user owns it.
QString ownedHomeFolder()
{
    const passwd* user = ::getpwuid(::geteuid());
    struct stat info { };
    if (user == nullptr || user->pw_dir == nullptr || user->pw_dir[0] != '/' || ::stat(user->pw_dir, &info) != 0
        || info.st_uid != ::geteuid())
        return QString();
    return pathFromBytes(user->pw_dir);
}

// The user's configuration folder, or empty when there is none to use.
QString configFolder(const Environment& environment)
{
    const QString xdg = pathFromBytes(environment("XDG_CONFIG_HOME").toStdString());
    if (xdg.startsWith(QLatin1Char('/')))
        return xdg;
    QString home = pathFromBytes(environment("HOME").toStdString());
    if (!home.startsWith(QLatin1Char('/')))
        home = ownedHomeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".config"));
}

// A private folder of the user's own, for a session whose settings cannot be
// kept: writing there harms nothing.
QString privateTemporaryFolder()
{
    std::string name = pathBytes(QDir::temp().filePath(QStringLiteral("gridwick-settings-XXXXXX")));
    return ::mkdtemp(name.data()) != nullptr ? pathFromBytes(name) : QString();
}

SettingsPlace placeIn(const QString& base)
{
    SettingsPlace place;
    if (base.isEmpty()) {
        place.problem = QStringLiteral("$HOME/.config/Gridwick: no home folder is set");
    } else {
        const QString folder = QDir(base).filePath(QStringLiteral("Gridwick"));
        place.folder = withSlash(folder);
        int code = makeFolder(folder);
        if (code == 0)
            code = probeFolder(folder);
        if (code == 0)
            return place;
        place.problem = folder + QStringLiteral(": ") + reasonText(code);
    }
    const QString fallback = privateTemporaryFolder();
    if (!fallback.isEmpty())
        place.folder = withSlash(fallback);
    else if (place.folder.isEmpty())
        place.folder = QStringLiteral("/nonexistent/"); // nothing can be written; nothing is
    return place;
}

} // namespace

QByteArray systemEnvironment(const char* name) { return qgetenv(name); }

bool folderIsWritable(const QString& folder) { return QDir(folder).exists() && probeFolder(folder) == 0; }

SettingsPlace findUserFolder(const Environment& environment) { return placeIn(configFolder(environment)); }

SettingsPlace findSettingsFolder(const QString& programFolder, const Environment& environment)
{
    const bool installed = QFileInfo::exists(QDir(programFolder).filePath(QLatin1String(InstalledMarkerName)));
    if (!installed && folderIsWritable(programFolder))
        return SettingsPlace {withSlash(programFolder), QString()};
    return findUserFolder(environment);
}

QString settingsFolder(const QString& programFolder, const QString& userConfigFolder)
{
    if (userConfigFolder.isEmpty())
        return findSettingsFolder(programFolder).folder;
    return findSettingsFolder(programFolder,
                              [&](const char* name) {
                                  return QByteArray(name) == "XDG_CONFIG_HOME"
                                             ? QByteArray(pathBytes(userConfigFolder).c_str())
                                             : QByteArray();
                              })
        .folder;
}

QString settingsProblemText(const SettingsPlace& place, Language language)
{
    if (place.problem.isEmpty())
        return QString();
    return QString::fromStdString(chooseText(language, txt::SettingsNotKept)) + QLatin1Char(' ') + place.problem;
}

void tellSettingsProblemOnce(const SettingsPlace& place, MessageBoxes& messages, const QString& title,
                             const Language& language)
{
    if (place.problem.isEmpty())
        return;
    QTimer::singleShot(0, [place, &messages, title, &language] {
        messages.show(settingsProblemText(place, language), title, Icon::Exclamation, Buttons::Ok);
    });
}

} // namespace gw::platform
