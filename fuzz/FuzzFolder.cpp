#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace gw::fuzz {

namespace {

// Removes its folder when the run ends normally.
struct ScratchFolder {
    std::string path;
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

} // namespace

const std::string& scratchFolder()
{
    static const ScratchFolder folder {[] {
        std::string pattern = (std::filesystem::temp_directory_path() / "gridwick-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr);
        return pattern + "/";
    }()};
    return folder.path;
}

void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    check(file != nullptr);
    check(size == 0 || std::fwrite(data, 1, size, file) == size);
    check(std::fclose(file) == 0);
}

} // namespace gw::fuzz
