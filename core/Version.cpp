#include "core/Version.h"

namespace gw {

const char* gridwickVersion() { return GRIDWICK_VERSION; }

} // namespace gw
