#include "tvkdwav_math.h"

#include <cmath>

namespace {

// The DAC's full scale: codes run from -2^15 to 2^15 - 1.
double fullScale()
{
    return std::pow(2.0, 15.0);
}

} // namespace

extern "C" {

TVKDWAV_MATH_EXPORT short TVKDWAV_MATH_CALL get_DACCODE(unsigned long mvi, double Uout, double Kout)
{
    (void)mvi;
    // Callers know which way their voltage goes even when the coefficient
    // flips the product, so the voltage's sign picks the limit.
    const short limit = Uout < 0.0 ? short(-32768) : short(32767);
    const double product = Uout * Kout;
    if (product >= 1.0 || product < -1.0 || std::isnan(product))
        return limit;
    // In range the product times the full scale lies within [-32768, 32768),
    // so truncation fits a signed 16-bit code.
    return static_cast<short>(product * fullScale());
}

TVKDWAV_MATH_EXPORT double TVKDWAV_MATH_CALL get_Uout(unsigned long mvi, short dacCODE, double Kout)
{
    (void)mvi;
    return dacCODE / Kout / fullScale();
}

} // extern "C"
