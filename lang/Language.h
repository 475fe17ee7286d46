#pragma once
// The language of every text, and choosing a text's version for it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "lang/Text.h"

namespace gw {

// English, Dutch and Italian carry the numbers "lang.ini" stores. A Language
// may also hold any other byte read from such a file: it is kept as it is
// (and written back as it is), and every text in it is empty.
enum class Language : std::uint8_t { English = 0, Dutch = 1, Italian = 2 };

// The languages with texts, in the order of the language menus.
inline constexpr std::array<Language, 3> allLanguages {Language::English, Language::Dutch, Language::Italian};

// The stored byte of a language and back; every byte value survives the
// round trip.
constexpr Language languageFromByte(std::uint8_t byte) { return static_cast<Language>(byte); }
constexpr std::uint8_t languageByte(Language language) { return static_cast<std::uint8_t>(language); }

// True for English, Dutch and Italian; false for any other byte.
constexpr bool hasTexts(Language language) { return languageByte(language) < allLanguages.size(); }

// The position of `language` in allLanguages, for tables with one entry per
// language; only meaningful when hasTexts(language).
constexpr std::size_t languageIndex(Language language) { return languageByte(language); }

// The version of `text` for `language`; an empty string for a language
// without texts.
std::string chooseText(Language language, const Text& text);

// The name of palette colour `index` in `language`, for 0 black, 1 white,
// 2 red, 3 blue, 4 yellow, 5 green, 6 magenta, 7 aqua (the palette's order);
// an empty string for any other index.
std::string colorName(Language language, int index);

} // namespace gw
