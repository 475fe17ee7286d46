#pragma once
#include <array>
#include <functional>

#include "lang/Language.h"

class QAction;
class QMenu;

namespace gw::platform {

// The Language menu of both main windows: one checkable item a language, each
// named in its own language (so it reads the same in every language), one
// checked at a time. The items are children of the menu.
class LanguageMenu {
public:
    // Fills `menu` with the items in allLanguages' order (object names
    // "englishAction", "dutchAction", "italianAction"); `chosen` is called
    // with an item's language when it is triggered.
    LanguageMenu(QMenu& menu, std::function<void(Language)> chosen);

    QAction* action(Language language) const { return m_actions[languageIndex(language)]; }
    // Checks the item of `language`; a language without texts checks none.
    void check(Language language);

private:
    std::array<QAction*, allLanguages.size()> m_actions {};
};

} // namespace gw::platform
