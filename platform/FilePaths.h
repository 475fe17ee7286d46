#pragma once
// Paths between the file system, the puzzle core and Qt. The file system and
// the core hold a path as bytes; Qt holds it as a QString. A name that is not
// UTF-8 (a Latin-1 "caf\xe9.pbm" from an older system) must survive the trip
// through Qt unchanged, which QFile::encodeName/decodeName alone do not give
// on Linux: undecodable bytes come back as U+FFFD. So every conversion goes
// through these functions, which keep such bytes as U+DC80..U+DCFF (one lone
// surrogate a byte, as Python's "surrogateescape") and turn them back into the
// same bytes.
#include <QString>

#include <memory>
#include <string>

class QFile;

namespace gw::platform {

// The bytes to hand the core for a path Qt holds: QFile::encodeName, except
// that U+DC80..U+DCFF become the bytes 0x80..0xFF again.
std::string pathBytes(const QString& path);

// The QString for path bytes from the core or the file system, such that
// pathBytes gives the same bytes back: QFile::decodeName where the bytes are
// well-formed UTF-8, each other byte as U+DC80 + (byte - 0x80).
QString pathFromBytes(const std::string& bytes);

// Text that may hold path bytes (a caption, a status line, a message title),
// for showing: UTF-8 decoded, each byte that is not well-formed UTF-8 shown
// as the Latin-1 character of that value ("caf\xe9" shows as "café").
QString displayText(const std::string& bytes);

// The same for a path Qt holds (as pathFromBytes made it).
QString displayPath(const QString& path);

// The regular file at `path` opened for reading, without blocking (a FIFO or
// device is refused; see core/RegularFile.h); nullptr when it cannot be
// opened, with the reason (an errno value or NotRegularFile) in `error` when
// given.
std::unique_ptr<QFile> openRegularFile(const QString& path, int* error = nullptr);

} // namespace gw::platform
