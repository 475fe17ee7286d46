#include "SecondaryWindow.h"

#include <QCloseEvent>
#include <QWidget>

namespace gw::platform {

bool closeOrHide(QWidget& window, QCloseEvent& event, bool programClosing)
{
    if (programClosing) {
        event.accept();
        return true;
    }
    event.ignore();
    window.hide();
    return false;
}

} // namespace gw::platform
