#pragma once
// Puzzle files dragged onto a window, e.g. from a file manager.
#include <QString>
#include <functional>

class QDropEvent;
class QMimeData;
class QObject;

namespace gw::platform {

// The first local file among the dragged addresses whose name ends in
// ".pbm" or ".ppm" (any letter case); empty when there is none (the window
// then refuses the drag) or `data` is null.
QString droppedPuzzleFile(const QMimeData* data);

// For a window's dragEnterEvent and dropEvent: when the drag carries a
// puzzle file and may be copied, accepts it as a copy (never a move, which
// would let a file manager delete the file) and returns the file's path;
// otherwise leaves the event refused and returns an empty string.
QString acceptPuzzleDrag(QDropEvent& event);

// For a window's dropEvent: acceptPuzzleDrag, then `open` with the file's
// path once the drop has ended (from the event loop, in `context`), so that
// no question or message the opening shows keeps the drag's source waiting.
void openPuzzleDrop(QDropEvent& event, QObject* context, std::function<void(const QString&)> open);

} // namespace gw::platform
