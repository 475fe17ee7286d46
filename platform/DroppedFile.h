#pragma once
// Puzzle files dragged onto a window, e.g. from a file manager.
#include <QString>
#include <functional>

class QDropEvent;
class QMimeData;
class QObject;

namespace gw::platform {

// What a window takes: puzzle files (.pbm, .ppm), or those and clue files
// (.xml, .non) as the player does.
enum class DropKinds { PuzzleFiles, PuzzleAndClueFiles };

// The first local file among the dragged addresses whose name ends in
// ".pbm" or ".ppm" (or, with PuzzleAndClueFiles, ".xml" or ".non"; any
// letter case); empty when there is none (the window then refuses the drag)
// or `data` is null.
QString droppedPuzzleFile(const QMimeData* data, DropKinds kinds = DropKinds::PuzzleFiles);

// For a window's dragEnterEvent and dropEvent: when the drag carries a
// puzzle file and may be copied, accepts it as a copy (never a move, which
// would let a file manager delete the file) and returns the file's path;
// otherwise leaves the event refused and returns an empty string.
QString acceptPuzzleDrag(QDropEvent& event, DropKinds kinds = DropKinds::PuzzleFiles);

// For a window's dropEvent: acceptPuzzleDrag, then `open` with the file's
// path once the drop has ended (from the event loop, in `context`), so that
// no question or message the opening shows keeps the drag's source waiting.
void openPuzzleDrop(QDropEvent& event, QObject* context, std::function<void(const QString&)> open,
                    DropKinds kinds = DropKinds::PuzzleFiles);

} // namespace gw::platform
