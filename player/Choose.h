#pragma once
// The player's texts as Qt strings, picked in the current language.
#include <QString>
#include <cstdint>

#include "lang/Language.h"
#include "lang/Text.h"

namespace gw::player {

inline QString localText(std::uint8_t language, const Text& text)
{
    return QString::fromStdString(gw::chooseText(language, text));
}

} // namespace gw::player
