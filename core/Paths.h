#pragma once
// Path helpers shared by the reader, the recent list and both windows. Paths
// are the file system's bytes (UTF-8 as a rule, but any bytes but zero);
// nothing here touches the file system.
#include <string>
#include <string_view>

namespace gw {

// The platform's folder separator ('\\' on Windows, '/' elsewhere).
#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// True for every byte that separates folders on this platform (on Windows
// both '\\' and '/').
bool isPathSeparator(char c);

// The part of `path` after its last folder separator; the whole path when it
// has none. "C:\\a\\cat.pbm" (Windows) or "/a/cat.pbm" gives "cat.pbm".
std::string fileNamePart(std::string_view path);

// The part of `path` up to and including its last folder separator; empty
// when it has none. "/a/cat.pbm" gives "/a/".
std::string folderPart(std::string_view path);

// `name` without its last extension, that is without everything from its last
// ".". A name without any "." is returned whole. ".pbm" gives "".
std::string withoutLastExtension(std::string_view name);

// Whether `path` ends with `extension` (".pbm"), comparing ASCII letters
// without regard to case: "CAT.PBM" has the extension ".pbm".
bool hasExtension(std::string_view path, std::string_view extension);

// The puzzle name of a file: its name without folder and last extension
// ("/puzzles/cat.pbm" -> "cat", "/puzzles/README" -> "README").
std::string puzzleNameFromPath(std::string_view path);

// The length of the well-formed UTF-8 sequence that starts `text`: 1 for an
// ASCII byte, 2 to 4 for a whole multi-byte sequence, 0 when the first byte
// starts none (a stray continuation byte, an overlong form, a surrogate, a
// sequence cut short) or `text` is empty.
std::size_t utf8SequenceLength(std::string_view text);

// `folder` with the platform separator appended when it does not already end
// with a separator ("/opt/gridwick" -> "/opt/gridwick/"). This is how
// ProgramFolder is formed. An empty folder stays empty (the current folder),
// so that file names appended to it never turn into root paths.
std::string withTrailingSeparator(std::string_view folder);

} // namespace gw
