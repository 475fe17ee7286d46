#include "platform/FileFilter.h"

#include <QImageReader>

#include <QRegularExpression>

namespace gw::platform {

QVector<FilterEntry> parseFilter(const QString& filter)
{
    QVector<FilterEntry> entries;
    if (filter.isEmpty())
        return entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); i += 2) {
        FilterEntry entry;
        entry.description = parts[i].trimmed();
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
        for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = p.trimmed();
            if (!trimmed.isEmpty())
                entry.patterns << trimmed;
        }
        if (entry.patterns.isEmpty())
            entry.patterns << QStringLiteral("*");
        entries << entry;
    }
    return entries;
}

QString qtNameFilter(const FilterEntry& entry)
{
    static const QRegularExpression ownPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString description = entry.description;
    description.remove(ownPatterns);
    QStringList patterns;
    for (const QString& p : entry.patterns)
        patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
    if (description.isEmpty())
        return patterns.join(QLatin1Char(' '));
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QStringList qtNameFilters(const QVector<FilterEntry>& entries)
{
    QStringList filters;
    for (const FilterEntry& e : entries)
        filters << qtNameFilter(e);
    return filters;
}

QString defaultSuffix(const FilterEntry& entry)
{
    if (entry.patterns.isEmpty())
        return {};
    const QString& first = entry.patterns.front();
    if (!first.startsWith(QLatin1String("*.")))
        return {};
    const QString ext = first.mid(2);
    if (ext.isEmpty() || ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')))
        return {};
    return ext;
}

QString withReadablePictures(const QString& filter, const QString& entries, const QString& readableName)
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    patterns.sort();
    patterns.removeDuplicates();
    const QString joined = patterns.join(QLatin1Char(';'));
    const QString added =
        entries + QLatin1Char('|') + readableName + QStringLiteral(" (") + joined + QStringLiteral(")|") + joined;
    // The last entry starts after the second "|" from the end.
    const auto patternBar = filter.lastIndexOf(QLatin1Char('|'));
    const auto entryBar = patternBar > 0 ? filter.lastIndexOf(QLatin1Char('|'), patternBar - 1) : -1;
    if (entryBar < 0)
        return filter.isEmpty() ? added : added + QLatin1Char('|') + filter;
    return filter.left(entryBar + 1) + added + filter.mid(entryBar);
}

} // namespace gw::platform
