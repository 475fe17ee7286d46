#include "Rounding.h"

#include <cmath>

namespace gw {

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double frac = value - lower;
    double result;
    if (frac < 0.5)
        result = lower;
    else if (frac > 0.5)
        result = lower + 1.0;
    else
        result = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    return static_cast<int>(result);
}

} // namespace gw
