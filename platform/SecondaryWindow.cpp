#include "SecondaryWindow.h"

#include <QCloseEvent>
#include <QWidget>

#include "core/Session.h"

namespace gw::platform {

bool closeOrHide(QWidget& window, QCloseEvent& event, const Session& session)
{
    if (session.closing) {
        event.accept();
        return true;
    }
    event.ignore();
    window.hide();
    return false;
}

} // namespace gw::platform
