#pragma once
// Every window's texts as Qt strings: the version of a text in the session's
// language (empty for a language other than 0 English, 1 Dutch, 2 Italian).
#include <QString>
#include <cstdint>

#include "core/Session.h"
#include "lang/Language.h"
#include "lang/Text.h"

namespace gw {

inline QString localText(std::uint8_t language, const Text& text)
{
    return QString::fromStdString(chooseText(language, text));
}

inline QString localText(const Session& session, const Text& text) { return localText(session.language, text); }

} // namespace gw
