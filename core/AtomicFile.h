#pragma once
// Replacing a file without ever leaving it half written.
#include <string>

namespace gw {

// Writes `bytes` to a temporary file in the folder of the file `path` names
// and renames it over that file once it is complete, flushed to the disk and
// closed. A symbolic link at `path` (or a chain of them) is followed: the link
// stays and the file it points to is replaced. The temporary name is short
// and fixed in length, so any name that fits the folder can be saved.
//
// On success returns true. On failure returns false, fills `error` (when
// given) with a plain English reason that ends with the system's own
// (strerror), removes the temporary file and leaves any previous file
// untouched. A folder or any other entry that is not a regular file (FIFO,
// device) is never replaced, and neither is a file the user may not write
// (EACCES; for root, a file whose mode lets no one write it), as an ordinary
// write would refuse it. A replaced file keeps its permission bits, with
// read and write for its owner added; a new file gets the ordinary mode
// (0666 less the umask).
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Makes a write past the file-size limit (RLIMIT_FSIZE) fail with EFBIG, an
// ordinary save error, instead of ending the program with SIGXFSZ half-way
// through a save. Every program calls it first thing in main.
void ignoreFileSizeSignal();

} // namespace gw
