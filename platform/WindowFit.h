#pragma once
// Every window stays inside the available area of its screen (the screen less
// its panels and task bars), frame and caption included.
#include <QMargins>
#include <QObject>
#include <QRect>
#include <memory>

class QWidget;

namespace gw::platform {

// The frame around `window`'s client area: as the window system reports it
// once the window is shown with a frame, else a 30-pixel caption as a guess.
QMargins frameMargins(const QWidget& window);

// The available area of the screen `window` is on (or of the primary screen),
// in pixels; an empty rectangle without any screen.
QRect availableArea(const QWidget& window);

// Shrinks `window` so that its frame fits `available` (never below its
// minimum size) and moves it so that it lies inside; a window still larger
// than the area keeps its top-left corner in it.
void fitInto(QWidget& window, const QRect& available);
inline void fitIntoAvailableArea(QWidget& window) { fitInto(window, availableArea(window)); }

// Keeps every window of the application (windows, dialogs and tool windows;
// not menus, pop-ups or maximised windows) inside the available area of its
// screen for as long as the returned object lives: each time one is shown it
// is fitted, and once more right after, when the window system may know its
// frame. Make it after the QApplication, before the first window is shown.
std::unique_ptr<QObject> keepWindowsOnScreen();

} // namespace gw::platform
