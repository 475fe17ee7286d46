#include "editor/PaletteColors.h"

#include "core/Palette.h"

namespace gw::editor {

QColor paletteColor(std::uint8_t index)
{
    if (index >= PaletteSize)
        return Qt::white;
    const PaletteColor& c = Palette[index];
    return QColor(c.r, c.g, c.b);
}

} // namespace gw::editor
