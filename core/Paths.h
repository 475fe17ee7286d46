#pragma once
// Path helpers shared by the reader, the recent list and both windows. Paths
// are UTF-8 byte strings; nothing here touches the file system.
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

// `name` without its last extension, that is without everything from its last
// ".". A name without any "." is returned whole. ".pbm" gives "".
std::string withoutLastExtension(std::string_view name);

// The puzzle name of a file: its name without folder and last extension
// ("/puzzles/cat.pbm" -> "cat", "/puzzles/README" -> "README").
std::string puzzleNameFromPath(std::string_view path);

// `folder` with the platform separator appended when it does not already end
// with a separator ("/opt/gridwick" -> "/opt/gridwick/"). This is how
// ProgramFolder is formed. An empty folder stays empty (the current folder),
// so that file names appended to it never turn into root paths.
std::string withTrailingSeparator(std::string_view folder);

} // namespace gw
