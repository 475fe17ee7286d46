#include "platform/DataPicture.h"

#include <QFile>
#include <QImageReader>

#include "platform/FilePaths.h"

namespace gw::platform {

QPixmap loadDataPicture(const QString& path, int logicalHeight)
{
    const std::unique_ptr<QFile> file = openRegularFile(path); // a FIFO would block the start
    if (!file)
        return {};
    // The extension says nothing: the format is read from the contents.
    QImageReader reader(file.get());
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
