#pragma once
// The version of every Gridwick program and of the package, e.g. "0.1.0":
// the project's version in the top-level CMakeLists.txt.

namespace gw {

const char* gridwickVersion();

} // namespace gw
