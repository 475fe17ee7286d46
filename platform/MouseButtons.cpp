#include "platform/MouseButtons.h"

namespace gw::platform {

int mouseButtonValue(Qt::MouseButtons buttons)
{
    int value = 0;
    if (buttons & Qt::LeftButton)
        value += 1;
    if (buttons & Qt::RightButton)
        value += 2;
    if (buttons & Qt::MiddleButton)
        value += 4;
    return value;
}

} // namespace gw::platform
