#include "lang/Language.h"

#include <iterator>

#include "lang/Texts.h"

namespace gw {

std::string chooseText(Language language, const Text& text)
{
    switch (language) {
    case Language::English:
        return text.en;
    case Language::Dutch:
        return text.nl;
    case Language::Italian:
        return text.it;
    }
    return std::string(); // a byte without a language
}

std::string colorName(Language language, int index)
{
    static constexpr const Text* names[] = {&txt::ColorBlack,  &txt::ColorWhite, &txt::ColorRed,     &txt::ColorBlue,
                                            &txt::ColorYellow, &txt::ColorGreen, &txt::ColorMagenta, &txt::ColorAqua};
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return std::string();
    return chooseText(language, *names[index]);
}

} // namespace gw
