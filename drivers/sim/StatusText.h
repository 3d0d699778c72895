#pragma once

#include "dwav_visa.h"

#include <string>

namespace dwavsim {

// Texts for the statuses of VISA, of VXIplug&play drivers and of the two
// drivers of the bench.
class StatusText
{
public:
    // The text for `status`; false when the status is unknown (the text
    // then says so, or is empty for small numbers that are no driver
    // status at all, such as the -1 a caller uses for its own refusals).
    static bool describe(ViStatus status, std::string &text);
};

} // namespace dwavsim
