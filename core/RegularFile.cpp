#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace gw {

namespace {

constexpr std::size_t BufferSize = 64 * 1024;

// read() that goes on after a signal; -1 with errno on failure.
ssize_t readSome(int fd, char* into, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd, into, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

int kindError(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : NotRegularFile;
}

} // namespace

std::string fileErrorText(int code)
{
    if (code == NotRegularFile)
        return "not a regular file";
    return std::strerror(code);
}

bool meansNoFile(int code) { return code == ENOENT || code == ENOTDIR; }

int openRegularFile(const std::string& path, int& error)
{
    // Looking first keeps devices from being opened at all; checking the
    // opened descriptor again closes the gap in which the entry could change.
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0) {
        error = errno;
        return -1;
    }
    if ((error = kindError(info.st_mode)) != 0)
        return -1;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || (error = kindError(info.st_mode)) != 0) {
        if (error == 0)
            error = errno;
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes, int* error)
{
    int code = 0;
    const int fd = openRegularFile(path, code);
    std::optional<std::string> bytes;
    if (fd >= 0) {
        // Room for the size the file has now (one byte more shows growth),
        // grown as needed when it grows while being read; never beyond maxBytes.
        struct stat info { };
        const std::size_t expected =
            ::fstat(fd, &info) == 0 && info.st_size >= 0 ? static_cast<std::size_t>(info.st_size) + 1 : BufferSize;
        bytes.emplace(std::min(maxBytes, expected), '\0');
        std::size_t got = 0;
        for (;;) {
            if (got == bytes->size()) {
                if (got >= maxBytes)
                    break;
                bytes->resize(std::min(maxBytes, got + std::max(got, BufferSize)));
            }
            const ssize_t n = readSome(fd, bytes->data() + got, bytes->size() - got);
            if (n < 0) {
                code = errno;
                bytes.reset();
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (bytes)
            bytes->resize(got);
        ::close(fd);
    }
    if (error)
        *error = code;
    return bytes;
}

FileReadBuffer::FileReadBuffer(int fd) : m_fd(fd), m_buffer(BufferSize) { }

FileReadBuffer::~FileReadBuffer()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileReadBuffer::int_type FileReadBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (m_fd < 0 || m_error != 0)
        return traits_type::eof();
    m_bufferStart += egptr() - eback();
    const ssize_t n = readSome(m_fd, m_buffer.data(), m_buffer.size());
    if (n < 0)
        m_error = errno;
    if (n <= 0) {
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data());
        return traits_type::eof();
    }
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + n);
    return traits_type::to_int_type(*gptr());
}

FileReadBuffer::pos_type FileReadBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                 std::ios_base::openmode which)
{
    const pos_type failed(off_type(-1));
    if (!(which & std::ios_base::in) || m_fd < 0)
        return failed;
    const long long current = m_bufferStart + (gptr() - eback());
    if (direction == std::ios_base::cur && offset == 0)
        return pos_type(off_type(current));
    if (direction == std::ios_base::cur)
        return seekpos(pos_type(off_type(current + offset)), which);
    if (direction == std::ios_base::beg)
        return seekpos(pos_type(offset), which);
    return failed;
}

FileReadBuffer::pos_type FileReadBuffer::seekpos(pos_type position, std::ios_base::openmode which)
{
    const pos_type failed(off_type(-1));
    const long long target = static_cast<long long>(off_type(position));
    if (!(which & std::ios_base::in) || m_fd < 0 || target < 0)
        return failed;
    if (::lseek(m_fd, static_cast<off_t>(target), SEEK_SET) < 0)
        return failed;
    m_bufferStart = target;
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data());
    return position;
}

} // namespace gw
