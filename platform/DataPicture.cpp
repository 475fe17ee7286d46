#include "platform/DataPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace gw::platform {

QPixmap loadDataPicture(const QString& path, int logicalHeight)
{
    if (!QFileInfo(path).isFile())
        return {};
    // The extension says nothing: the format is read from the contents.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    if (logicalHeight > 0 && image.height() > logicalHeight)
        pixmap.setDevicePixelRatio(qreal(image.height()) / logicalHeight);
    return pixmap;
}

} // namespace gw::platform
