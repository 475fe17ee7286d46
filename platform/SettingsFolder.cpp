#include "platform/SettingsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace gw::platform {

namespace {
QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

bool folderIsWritable(const QString& folder)
{
    if (!QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".gridwick-probe-XXXXXX")));
    return probe.open();
}

QString settingsFolder(const QString& programFolder, const QString& userConfigFolder)
{
    const bool installed = QFileInfo::exists(QDir(programFolder).filePath(QLatin1String(InstalledMarkerName)));
    if (!installed && folderIsWritable(programFolder))
        return withSlash(programFolder);
    const QString base = userConfigFolder.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                             : userConfigFolder;
    const QString folder = QDir(base).filePath(QStringLiteral("Gridwick"));
    QDir().mkpath(folder);
    return withSlash(folder);
}

} // namespace gw::platform
