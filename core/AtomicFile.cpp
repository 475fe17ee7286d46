#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Paths.h"

namespace gw {

namespace fs = std::filesystem;

namespace {

// A name in the target's folder that no other writer of this process or of
// another process is likely to pick at the same moment.
std::string temporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter {0};
    const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string folder = path.substr(0, path.size() - fileNamePart(path).size());
    return folder + "." + fileNamePart(path) + ".tmp-" + std::to_string(stamp) + "-"
           + std::to_string(counter.fetch_add(1));
}

bool fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    if (path.empty() || fileNamePart(path).empty())
        return fail(error, "no file name given");
    std::error_code ec;
    if (fs::is_directory(fs::u8path(path), ec))
        return fail(error, path + " is a folder");

    const std::string temp = temporaryNameFor(path);
    const fs::path tempPath = fs::u8path(temp);
    {
        std::ofstream out(tempPath, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail(error, "cannot create " + temp + ": " + std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tempPath, ec);
            return fail(error, "cannot write " + temp);
        }
        out.close();
        if (out.fail()) {
            fs::remove(tempPath, ec);
            return fail(error, "cannot close " + temp);
        }
    }

    const fs::path target = fs::u8path(path);
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old))
        fs::permissions(tempPath, old.permissions(), fs::perm_options::replace, ec);

    fs::rename(tempPath, target, ec);
    if (ec) {
        const std::string reason = "cannot replace " + path + ": " + ec.message();
        std::error_code ignored;
        fs::remove(tempPath, ignored);
        return fail(error, reason);
    }
    return true;
}

} // namespace gw
