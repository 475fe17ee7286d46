#include "platform/DroppedFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace gw::platform {

QString droppedPuzzleFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix();
        if (suffix.compare(QLatin1String("pbm"), Qt::CaseInsensitive) == 0
            || suffix.compare(QLatin1String("ppm"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return QString();
}

QString acceptPuzzleDrag(QDropEvent& event)
{
    const QString path = droppedPuzzleFile(event.mimeData());
    if (path.isEmpty() || !(event.possibleActions() & Qt::CopyAction))
        return QString();
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}

void openPuzzleDrop(QDropEvent& event, QObject* context, std::function<void(const QString&)> open)
{
    const QString path = acceptPuzzleDrag(event);
    if (!path.isEmpty())
        QMetaObject::invokeMethod(
            context, [open = std::move(open), path] { open(path); }, Qt::QueuedConnection);
}

} // namespace gw::platform
