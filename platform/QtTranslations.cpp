#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include "lang/Texts.h"
#include "platform/LocalText.h"

namespace gw::platform {

QtTranslations::QtTranslations(const QString& folder)
    : m_folder(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)
{ }

QtTranslations::~QtTranslations()
{
    if (m_installed) {
        QCoreApplication::removeTranslator(m_installed.get());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

bool QtTranslations::apply(Language language)
{
    const QString file = localText(language, txt::QtTranslationFile);
    auto next = std::make_unique<QTranslator>();
    const bool loaded = !file.isEmpty() && next->load(file, m_folder);
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed.get());
    m_installed.reset();
    if (loaded) {
        QCoreApplication::installTranslator(next.get());
        m_installed = std::move(next);
    }
    // The application posts LanguageChange to every window; deliver it now,
    // so that open windows show Qt's texts in the new language at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return loaded;
}

} // namespace gw::platform
