#pragma once
// A scratch folder for the fuzz targets that go through the file system,
// made once per run below the system's temporary folder and removed at exit.
#include <cstdint>
#include <string>

namespace gw::fuzz {

// The folder's path, ending with "/".
const std::string& scratchFolder();

// Replaces the file `path` with `size` bytes of `data`; traps when it cannot.
void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size);

// Ends the run with a finding unless `ok`.
inline void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace gw::fuzz
