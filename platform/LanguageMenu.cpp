#include "platform/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw::platform {

LanguageMenu::LanguageMenu(QMenu& menu, std::function<void(Language)> chosen)
{
    const char* const names[] = {"englishAction", "dutchAction", "italianAction"};
    const Text* const captions[] = {&txt::MenuEnglish, &txt::MenuDutch, &txt::MenuItalian};
    auto* group = new QActionGroup(&menu); // the group unchecks the others
    for (const Language language : allLanguages) {
        const std::size_t i = languageIndex(language);
        QAction* action = menu.addAction(localText(Language::English, *captions[i]));
        action->setObjectName(QLatin1String(names[i]));
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu, [chosen, language] { chosen(language); });
        m_actions[i] = action;
    }
}

void LanguageMenu::check(Language language)
{
    if (hasTexts(language))
        action(language)->setChecked(true);
    else if (QAction* checked = m_actions[0]->actionGroup()->checkedAction())
        checked->setChecked(false);
}

} // namespace gw::platform
