#include "lang/Language.h"

#include <iterator>

#include "lang/Texts.h"

namespace gw {

std::string chooseText(std::uint8_t language, const Text& text)
{
    switch (language) {
    case 0:
        return text.en;
    case 1:
        return text.nl;
    case 2:
        return text.it;
    default:
        return std::string();
    }
}

std::string colorName(std::uint8_t language, int index)
{
    static constexpr const Text* names[] = {&txt::ColorBlack,  &txt::ColorWhite, &txt::ColorRed,     &txt::ColorBlue,
                                            &txt::ColorYellow, &txt::ColorGreen, &txt::ColorMagenta, &txt::ColorAqua};
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return std::string();
    return chooseText(language, *names[index]);
}

} // namespace gw
