#pragma once
// Replacing a file without ever leaving it half written.
#include <string>

namespace gw {

// Writes `bytes` to a temporary file in the folder of `path` and renames it
// over `path` once it is complete and closed. On success returns true. On
// failure returns false, fills `error` (when given) with a plain English
// reason, removes the temporary file and leaves any previous file at `path`
// untouched. An existing target keeps its permission bits.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

} // namespace gw
