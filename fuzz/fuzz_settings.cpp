// libFuzzer target: the settings files as both programs meet them at start.
// The bytes are "lang.ini" and "recent.ini", in the settings folder or (first
// byte odd) only in the program's folder as shipped defaults; they are read,
// the list is cleaned and written back, and read again.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzFolder.h"
#include "core/Settings.h"

using gw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace fs = std::filesystem;
    const std::string settings = gw::fuzz::scratchFolder() + "settings/";
    const std::string program = gw::fuzz::scratchFolder() + "program/";
    for (const std::string& folder : {settings, program}) {
        fs::remove_all(folder);
        fs::create_directory(folder);
    }
    const bool shipped = size > 0 && (data[0] & 1) != 0;
    for (const char* name : {gw::LanguageFileName, gw::RecentFileName})
        gw::fuzz::writeBytes((shipped ? program : settings) + name, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<gw::Language> language = gw::readLanguageFile(settings, program);
    check(language == gw::languageFromByte(size == 0 ? std::uint8_t {0} : data[0]));

    // Every file "exists" when its path has an even length.
    gw::RecentList list(settings, [](const std::string& path) { return path.size() % 2 == 0; });
    list.readFile(program);
    check(list.entries() == gw::parseRecentFile(bytes.substr(0, gw::MaxRecentFileBytes)));
    check(list.refreshRecent());
    const gw::RecentEntries cleaned = list.entries();
    for (const std::string& entry : cleaned)
        check(entry.empty() || entry.size() % 2 == 0);
    list.readFile(program);
    check(list.entries() == cleaned);
    check(gw::writeLanguageFile(settings, language.value_or(gw::Language::English)));
    check(gw::readLanguageFile(settings) == language.value_or(gw::Language::English));
    return 0;
}
