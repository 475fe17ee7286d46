#pragma once
// Every window's texts as Qt strings: the version of a text in the session's
// language (empty for a language without texts).
#include <QString>

#include "core/Session.h"
#include "lang/Language.h"
#include "lang/Text.h"

namespace gw {

inline QString localText(Language language, const Text& text)
{
    return QString::fromStdString(chooseText(language, text));
}

inline QString localText(const Session& session, const Text& text) { return localText(session.language, text); }

} // namespace gw
