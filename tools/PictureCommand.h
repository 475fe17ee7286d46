#pragma once
// gridwick-cli's picture subcommand, in a library of its own because it
// links QtGui for the picture decoders; only gridwick-cli links it.
#include <iosfwd>

#include "tools/Commands.h"

namespace gw::cli {

// picture IN OUT [--size WxH] [--colors N | --threshold T] [--background RGB]
// [--invert]: makes a puzzle of the picture IN as the maker's Import Image
// does (without options exactly so) and saves it to OUT: .pbm (black and
// white) or .ppm. --size: each side 1..50 (default: the import's own size);
// --colors 2..8 (white included) or --threshold 1..255 (black and white by
// brightness); --background RRGGBB or #RRGGBB in hex: the picture's colour
// whose palette colour changes places with white; --invert first turns every
// colour into its opposite. Notices go to `err` as "notice: " + text, a
// failure as "error: " + IN + ": " + text. Needs no display.
int runPicture(const Invocation& args, std::ostream& out, std::ostream& err);

} // namespace gw::cli
