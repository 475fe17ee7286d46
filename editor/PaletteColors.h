#pragma once
// Screen colours of the palette indices, as the chooser, grid and preview show them.
#include <QColor>
#include <cstdint>

namespace gw::editor {

// The screen colour of palette index 0..7; white for any other value.
QColor paletteColor(std::uint8_t index);

} // namespace gw::editor
