#pragma once
// Choosing the version of a text for the language in use. A language is a
// number: 0 English, 1 Dutch, 2 Italian. Any other value is kept as it is
// (it may come from a settings file) and yields empty texts.
#include <cstdint>
#include <string>

#include "lang/Text.h"

namespace gw {

// The version of `text` for `language`; an empty string for any language
// other than 0, 1 and 2.
std::string chooseText(std::uint8_t language, const Text& text);

// The name of palette colour `index` in `language`, for 0 black, 1 white,
// 2 red, 3 blue, 4 yellow, 5 green, 6 magenta, 7 aqua (the palette's order);
// an empty string for any other index.
std::string colorName(std::uint8_t language, int index);

} // namespace gw
