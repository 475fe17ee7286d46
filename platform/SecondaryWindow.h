#pragma once
// Secondary windows are created once and live as long as the program: their
// close box only hides them, and they close for good once the main window is
// closing.
class QCloseEvent;
class QWidget;

namespace gw {
struct Session;
}

namespace gw::platform {

// Accepts `event` when the program is closing (`session.closing`); otherwise
// ignores it and hides `window`. Returns true when the window really closes.
bool closeOrHide(QWidget& window, QCloseEvent& event, const Session& session);

} // namespace gw::platform
