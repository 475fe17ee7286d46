#include "MakerSettings.h"

#include "AtomicFile.h"
#include "RegularFile.h"

#include <algorithm>
#include <vector>

namespace gw {

namespace {

// "C,T,D,I,B,A" into the picture choices; each field out of range keeps its default.
void parsePictureChoices(const std::string& value, MakerSettings& settings)
{
    std::vector<int> fields;
    std::size_t at = 0;
    while (at <= value.size() && fields.size() < 6) {
        const std::size_t end = std::min(value.find(',', at), value.size());
        const std::string field = value.substr(at, end - at);
        const bool digits =
            !field.empty() && field.size() <= 3 && field.find_first_not_of("0123456789") == std::string::npos;
        fields.push_back(digits ? std::stoi(field) : -1);
        at = end + 1;
    }
    fields.resize(6, -1);
    const auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (within(fields[0], 2, 8))
        settings.pictureColors = fields[0];
    if (within(fields[1], 1, 255))
        settings.pictureThreshold = fields[1];
    if (within(fields[2], 0, 1))
        settings.pictureDither = fields[2] == 1;
    if (within(fields[3], 0, 1))
        settings.pictureInvert = fields[3] == 1;
    if (within(fields[4], 0, 7))
        settings.pictureBackground = fields[4];
    if (within(fields[5], 0, 1))
        settings.pictureKeepAspect = fields[5] == 1;
}

} // namespace

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
        else if (key == "picture")
            parsePictureChoices(value, settings);
    }
    return settings;
}

std::string makerSettingsBytes(const MakerSettings& settings)
{
    std::string bytes = std::string("guides=") + (settings.guideLines ? "1" : "0") + "\n";
    if (!settings.lastFolder.empty() && settings.lastFolder.find_first_of("\r\n") == std::string::npos)
        bytes += "folder=" + settings.lastFolder + "\n";
    MakerSettings defaults;
    defaults.guideLines = settings.guideLines;
    defaults.lastFolder = settings.lastFolder;
    if (settings == defaults)
        return bytes; // the picture choices as they start: no line
    const auto bit = [](bool b) { return b ? std::string("1") : std::string("0"); };
    bytes += "picture=" + std::to_string(settings.pictureColors) + "," + std::to_string(settings.pictureThreshold) + ","
             + bit(settings.pictureDither) + "," + bit(settings.pictureInvert) + ","
             + std::to_string(settings.pictureBackground) + "," + bit(settings.pictureKeepAspect) + "\n";
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
