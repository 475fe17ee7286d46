#pragma once
#include <Qt>

namespace gw::platform {

// The buttons as one number, as the mouse handlers of every window use it:
// 1 left, 2 right, 4 middle; a move reports the held buttons added up (so a
// drag with left and right held is 3; 0 when none is held).
int mouseButtonValue(Qt::MouseButtons buttons);

} // namespace gw::platform
