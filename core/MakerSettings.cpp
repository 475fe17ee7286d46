#include "MakerSettings.h"

#include "AtomicFile.h"
#include "RegularFile.h"

namespace gw {

MakerSettings parseMakerSettings(const std::string& bytes)
{
    MakerSettings settings;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "guides")
            settings.guideLines = value == "1";
        else if (key == "folder")
            settings.lastFolder = value;
    }
    return settings;
}

std::string makerSettingsBytes(const MakerSettings& settings)
{
    std::string bytes = std::string("guides=") + (settings.guideLines ? "1" : "0") + "\n";
    if (!settings.lastFolder.empty() && settings.lastFolder.find_first_of("\r\n") == std::string::npos)
        bytes += "folder=" + settings.lastFolder + "\n";
    return bytes;
}

MakerSettings readMakerSettings(const std::string& folder)
{
    const std::optional<std::string> bytes = readRegularFile(folder + MakerSettingsFileName, MaxMakerSettingsBytes);
    return bytes ? parseMakerSettings(*bytes) : MakerSettings {};
}

bool writeMakerSettings(const std::string& folder, const MakerSettings& settings)
{
    return writeFileAtomically(folder + MakerSettingsFileName, makerSettingsBytes(settings));
}

} // namespace gw
