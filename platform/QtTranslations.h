#pragma once
// Qt's own texts in the program's language: the buttons of message boxes,
// the file and colour dialogs, the context menus of edit fields. They come
// from the translations Qt ships (Debian package qt6-translations-l10n), the
// file named by txt::QtTranslationFile for each language.
#include <QString>
#include <memory>

#include "lang/Language.h"

class QTranslator;

namespace gw::platform {

class QtTranslations {
public:
    // `folder` holds the translation files; empty means Qt's own
    // translations folder. Create after the QApplication.
    explicit QtTranslations(const QString& folder = QString());
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the texts of `language` in place of the previous language's:
    // every open window is told at once (a LanguageChange event) and dialogs
    // opened later use them. Returns false when the language's file is missing
    // or unreadable, or for a byte that names no language; Qt's texts are then
    // its built-in English ones.
    bool apply(Language language);

private:
    QString m_folder;
    std::unique_ptr<QTranslator> m_installed; // null while Qt speaks English
};

} // namespace gw::platform
