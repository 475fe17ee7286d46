#include "platform/DroppedFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "platform/FilePaths.h"

namespace gw::platform {

QString droppedPuzzleFile(const QMimeData* data, DropKinds kinds)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The path's own bytes: toLocalFile() would decode a name that is not
        // UTF-8 ("caf%E9.pbm") to U+FFFD.
        const QString path =
            pathFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
        const QString suffix = QFileInfo(path).suffix();
        if (suffix.compare(QLatin1String("pbm"), Qt::CaseInsensitive) == 0
            || suffix.compare(QLatin1String("ppm"), Qt::CaseInsensitive) == 0)
            return path;
        if (kinds == DropKinds::PuzzleAndClueFiles
            && (suffix.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0
                || suffix.compare(QLatin1String("non"), Qt::CaseInsensitive) == 0))
            return path;
    }
    return QString();
}

QString acceptPuzzleDrag(QDropEvent& event, DropKinds kinds)
{
    const QString path = droppedPuzzleFile(event.mimeData(), kinds);
    if (path.isEmpty() || !(event.possibleActions() & Qt::CopyAction))
        return QString();
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}

void openPuzzleDrop(QDropEvent& event, QObject* context, std::function<void(const QString&)> open, DropKinds kinds)
{
    const QString path = acceptPuzzleDrag(event, kinds);
    if (!path.isEmpty())
        QMetaObject::invokeMethod(
            context, [open = std::move(open), path] { open(path); }, Qt::QueuedConnection);
}

} // namespace gw::platform
