#pragma once
// The one place where fractions become whole numbers. Halves round to the
// even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2) so that both programs, the
// page layout and the file reader agree on every cell position.

namespace gw {

int roundHalfEven(double value);

} // namespace gw
