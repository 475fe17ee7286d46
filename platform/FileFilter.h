#pragma once
// File-dialog filter lists written as "|"-separated description/pattern
// pairs, e.g. "Color Bitmaps (*.ppm)|*.ppm|All Files (*.*)|*.*", and their
// translation to the name filters Qt's file dialog shows.
#include <QString>
#include <QStringList>
#include <QVector>

namespace gw::platform {

struct FilterEntry {
    QString description;  // "Color Bitmaps (*.ppm)"
    QStringList patterns; // {"*.ppm"}; the ";"-separated patterns of the pair
};

// Splits a filter list into its entries. A trailing description without a
// pattern gets the pattern "*"; empty input gives no entries.
QVector<FilterEntry> parseFilter(const QString& filter);

// The Qt name filter of one entry: the description without its own
// parenthesised pattern list, followed by the real patterns in Qt's form,
// "Color Bitmaps (*.ppm)". "*.*" becomes "*" so that files without a dot match.
QString qtNameFilter(const FilterEntry& entry);
QStringList qtNameFilters(const QVector<FilterEntry>& entries);

// The extension ("ppm") a save dialog adds to a bare file name when `entry`
// is chosen: its first pattern when that is of the form "*.ext" with a
// concrete extension; empty otherwise ("*.*", "*").
QString defaultSuffix(const FilterEntry& entry);

// `filter` with `entries` (more "|"-separated pairs) and then an entry
// `readableName` for every picture format the system's picture reader knows
// (its patterns "*.bmp;*.gif;...", sorted) put before its last entry, which
// is kept last (the "All Files" entry).
QString withReadablePictures(const QString& filter, const QString& entries, const QString& readableName);

} // namespace gw::platform
