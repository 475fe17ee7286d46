#pragma once
// Reading files without ever blocking or running away. Only regular files are
// read: a FIFO would block the program in open() and a device such as
// /dev/zero never ends. Links are followed; paths are the file system's bytes
// (POSIX).
#include <cstddef>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

namespace gw {

// The error code of an entry that exists but is not a regular file or a
// folder (a FIFO, a device, a socket). Every other nonzero code is an errno
// value.
inline constexpr int NotRegularFile = -1;

// A plain English account of an error code: strerror(code), or "not a regular
// file" for NotRegularFile.
std::string fileErrorText(int code);

// True for the codes that mean nothing exists at the path (ENOENT, ENOTDIR).
bool meansNoFile(int code);

// Opens `path` for reading when it names a regular file, without blocking.
// Returns the descriptor (the caller closes it), or -1 with the reason in
// `error`: an errno value (EISDIR for a folder) or NotRegularFile.
int openRegularFile(const std::string& path, int& error);

// At most `maxBytes` bytes from the start of the regular file at `path`;
// nothing when it cannot be opened or read, with the reason in `error` (when
// given).
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes, int* error = nullptr);

// A buffered reader over an open descriptor, which it owns and closes. It can
// seek back (the puzzle reader reads the title line again). A failing read
// ends the data and keeps its errno in error().
class FileReadBuffer : public std::streambuf {
public:
    explicit FileReadBuffer(int fd);
    ~FileReadBuffer() override;
    FileReadBuffer(const FileReadBuffer&) = delete;
    FileReadBuffer& operator=(const FileReadBuffer&) = delete;

    int error() const { return m_error; }

protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    int m_fd;
    int m_error = 0;
    std::vector<char> m_buffer;
    long long m_bufferStart = 0; // file offset of the first buffered byte
};

} // namespace gw
