#pragma once
// The text of a message about a file that could not be written.
#include <QString>
#include <string>

namespace gw::platform {

// `text` (the program's own message, in the user's language) and, on a
// second line, the system's reason for the failure. `reason` is what the
// core writers give: plain English that ends with the system's own text
// (strerror) after its last ": "; only that part is shown. A reason without
// ": " is shown whole, an empty one not at all.
QString withSystemReason(const QString& text, const std::string& reason);

} // namespace gw::platform
