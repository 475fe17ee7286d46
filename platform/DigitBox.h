#pragma once
// Text boxes that accept digits only. The change handlers of the dialogs
// still correct empty and out-of-range entries; this only keeps letters,
// signs and blanks from being typed or pasted.
class QLineEdit;

namespace gw::platform {

void makeDigitsOnly(QLineEdit& box);

// Entering the box, by keyboard or mouse, selects its whole text.
void selectAllOnEntry(QLineEdit& box);

} // namespace gw::platform
