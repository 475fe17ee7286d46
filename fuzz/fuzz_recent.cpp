// libFuzzer target: the "recent.ini" parser and writer on arbitrary data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const gw::RecentEntries entries = gw::parseRecentFile(bytes);
    // Writing what was read and reading it again gives the same entries.
    if (gw::parseRecentFile(gw::recentFileBytes(entries)) != entries)
        __builtin_trap();
    return 0;
}
