#include "platform/FailureText.h"

namespace gw::platform {

QString withSystemReason(const QString& text, const std::string& reason)
{
    const std::size_t colon = reason.rfind(": ");
    const std::string system = colon == std::string::npos ? reason : reason.substr(colon + 2);
    if (system.empty())
        return text;
    return text + QLatin1Char('\n') + QString::fromLocal8Bit(system);
}

} // namespace gw::platform
