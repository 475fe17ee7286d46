#include "WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace gw::platform {

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry(), client = window.geometry();
    if (window.isVisible() && frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                frame.bottom() - client.bottom()};
    return {0, 30, 0, 0};
}

QRect availableArea(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void fitInto(QWidget& window, const QRect& available)
{
    if (available.isEmpty())
        return;
    const QMargins frame = frameMargins(window);
    const QRect inner = available - frame;
    const QSize size = window.size().boundedTo(inner.size()).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    // A window's position is its frame's. Right and bottom are clamped first,
    // so that a window larger than the area keeps its top-left corner inside.
    const QPoint corner(frame.left(), frame.top());
    QPoint client = window.pos() + corner;
    client.setX(std::max(inner.left(), std::min(client.x(), inner.right() + 1 - size.width())));
    client.setY(std::max(inner.top(), std::min(client.y(), inner.bottom() + 1 - size.height())));
    if (client - corner != window.pos())
        window.move(client - corner);
}

namespace {
class OnScreenKeeper : public QObject {
public:
    OnScreenKeeper() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (!widget->isWindow() || (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool)
            || (widget->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return false;
        fitIntoAvailableArea(*widget);
        QTimer::singleShot(0, widget, [window = QPointer<QWidget>(widget)] {
            if (window && window->isVisible())
                fitIntoAvailableArea(*window);
        });
        return false;
    }
};
} // namespace

std::unique_ptr<QObject> keepWindowsOnScreen() { return std::make_unique<OnScreenKeeper>(); }

} // namespace gw::platform
