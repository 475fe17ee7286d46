#include "lang/Texts.h"

namespace gw::txt {

const std::vector<NamedText>& allTexts()
{
#define GW_TEXT(key, en, nl, it) NamedText {#key, &key},
#define GW_TEXT_ALIAS(key, shared) NamedText {#key, &key},
    static const std::vector<NamedText> texts = {
#include "lang/TextTable.def"
    };
#undef GW_TEXT
#undef GW_TEXT_ALIAS
    return texts;
}

} // namespace gw::txt
