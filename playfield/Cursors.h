#pragma once
// The play field's own mouse pointers.
#include <QCursor>

namespace gw {

// The field's pointer: a small cross-hair pen whose hot spot is its tip.
QCursor fieldCursor();
// The clue panel's pointer over a number that a press would cross off.
QCursor clueCursor();

} // namespace gw
