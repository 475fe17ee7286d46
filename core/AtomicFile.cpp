#include "AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "Paths.h"
#include "RegularFile.h"

namespace gw {

namespace {

// The longest chain of symbolic links followed, as the kernel's own limit.
constexpr int MaxLinkHops = 40;

bool fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

// The file a chain of symbolic links at `path` ends in (`path` itself when it
// is no link); it need not exist. Returns 0 or an errno value.
int followLinks(std::string path, std::string& result)
{
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat info { };
        if (::lstat(path.c_str(), &info) != 0) {
            if (!meansNoFile(errno)) // a missing file is made; its missing folder fails below
                return errno;
            result = path;
            return 0;
        }
        if (!S_ISLNK(info.st_mode)) {
            result = path;
            return 0;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) >= target.size())
            return ENAMETOOLONG; // the link changed while it was read
        target.resize(static_cast<std::size_t>(length));
        path = !target.empty() && isPathSeparator(target[0]) ? target : folderPart(path) + target;
    }
    return ELOOP;
}

// Creates a new file of a short random name in `folder`; returns its
// descriptor and name, or -1 with errno set.
int createTemporary(const std::string& folder, std::string& name)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + ".gridwick-";
        for (unsigned bits = random(), i = 0; i < 8; ++i, bits >>= 4)
            name += Hex[bits & 15u];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Whether the user may write the existing file `path` (of mode `info`) in
// place. Root may write anything, so for root the mode alone tells: a file
// nobody may write was marked read-only on purpose.
bool mayWrite(const std::string& path, const struct stat& info)
{
    if (::geteuid() == 0)
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    if (path.empty() || fileNamePart(path).empty())
        return fail(error, "no file name given");
    std::string target;
    if (const int code = followLinks(path, target))
        return fail(error, "cannot follow " + path + ": " + fileErrorText(code));

    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(error,
                    "cannot replace " + target + ": " + fileErrorText(S_ISDIR(old.st_mode) ? EISDIR : NotRegularFile));

    if (exists && !mayWrite(target, old))
        return fail(error, "cannot replace " + target + ": " + fileErrorText(EACCES));

    const std::string folder = folderPart(target);
    std::string temp;
    const int fd = createTemporary(folder, temp);
    if (fd < 0)
        return fail(error, "cannot create a temporary file in " + (folder.empty() ? std::string(".") : folder) + ": "
                               + fileErrorText(errno));
    const auto abandon = [&](const std::string& what) {
        const int code = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(error, what + " " + target + ": " + fileErrorText(code));
    };
    if (!writeAll(fd, bytes))
        return abandon("cannot write");
    if (exists && ::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR) != 0)
        return abandon("cannot set the permissions of");
    if (::fsync(fd) != 0 && errno != EINVAL) // EINVAL: a file system without syncing
        return abandon("cannot write");
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return fail(error, "cannot write " + target + ": " + fileErrorText(code));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return fail(error, "cannot replace " + target + ": " + fileErrorText(code));
    }
    return true;
}

void ignoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

} // namespace gw
