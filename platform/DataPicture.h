#pragma once
// The picture data files kept beside the programs ("mouse1.dat" and the like).
#include <QPixmap>
#include <QString>

namespace gw::platform {

// Loads a picture data file, scaled for display at `logicalHeight` pixels
// while keeping all its pixels (sharp on high-resolution screens). A missing
// or unreadable file, or anything but a regular file, gives an empty picture.
QPixmap loadDataPicture(const QString& path, int logicalHeight);

} // namespace gw::platform
