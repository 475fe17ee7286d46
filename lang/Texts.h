#pragma once
// Every user-visible text of the maker and the player as a compile-time
// constant: txt::MenuFile, txt::ErrorOpening, ... The texts themselves, with
// the rules for joining composed messages, are in lang/TextTable.def. Pick a
// language's version with chooseText (lang/Language.h).

#include <vector>

#include "lang/Text.h"

namespace gw::txt {

#define GW_TEXT(key, en, nl, it) inline constexpr Text key {en, nl, it};
#define GW_TEXT_ALIAS(key, shared) inline constexpr const Text& key = shared;
#include "lang/TextTable.def"
#undef GW_TEXT
#undef GW_TEXT_ALIAS

// One key of the table with its name as written there.
struct NamedText {
    const char* name;
    const Text* text;
};

// Every key of the table, in table order. An alias appears under its own
// name and points at the text it shares.
const std::vector<NamedText>& allTexts();

} // namespace gw::txt
