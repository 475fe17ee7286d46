#pragma once
// "maker.ini" in the settings folder: the maker's own choices kept between
// runs, beside "lang.ini" and "recent.ini". Text, one "key=value" line each:
//
//   guides=1          View > Guide Lines is on (0 or missing: off)
//   folder=/a/b/      the folder of the last puzzle file opened or saved
//   picture=C,T,D,I,B,A  File > Import Image with Options' last choices:
//                     colours 2..8, threshold 1..255, dithering, invert
//                     (0 or 1), background palette index 0..7, aspect
//                     kept (0 or 1); a value out of range keeps the default;
//                     written only when they differ from the defaults
//
// Unknown keys and lines without "=" are skipped, so older and newer makers
// can share the file; a missing or unreadable file gives the defaults.
#include <string>

namespace gw {

inline constexpr const char* MakerSettingsFileName = "maker.ini";
// The most of "maker.ini" that is read.
inline constexpr std::size_t MaxMakerSettingsBytes = 8192;

struct MakerSettings {
    bool guideLines = false;
    // The file system's bytes, ending with the separator; empty when none.
    std::string lastFolder;
    // Import Image with Options: black and white (2) or 3..8 colours.
    int pictureColors = 2;
    int pictureThreshold = 128;
    bool pictureDither = false;
    bool pictureInvert = false;
    int pictureBackground = 1; // palette index; white: none
    bool pictureKeepAspect = true;
    bool operator==(const MakerSettings& other) const
    {
        return guideLines == other.guideLines && lastFolder == other.lastFolder && pictureColors == other.pictureColors
               && pictureThreshold == other.pictureThreshold && pictureDither == other.pictureDither
               && pictureInvert == other.pictureInvert && pictureBackground == other.pictureBackground
               && pictureKeepAspect == other.pictureKeepAspect;
    }
};

MakerSettings parseMakerSettings(const std::string& bytes);
// A folder holding a line break cannot be written on one line and is left out.
std::string makerSettingsBytes(const MakerSettings& settings);
// `folder` ends with the path separator, as for readLanguageFile.
MakerSettings readMakerSettings(const std::string& folder);
// Replaces folder + "maker.ini"; false when it could not be written.
bool writeMakerSettings(const std::string& folder, const MakerSettings& settings);

} // namespace gw
