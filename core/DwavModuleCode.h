#pragma once

#include <QtGlobal>

// The carrier reports a module type word whose upper bits carry a hardware
// revision. A DWAV module is any word that, read as signed 16 bits, is not
// negative and has 66 in its low 12 bits. The instrument search and the
// module's own initialisation both use this one rule, so a module the search
// offers is never refused when it is opened.
inline bool isDwavModuleCode(qint16 code)
{
    return code >= 0 && (code & 0x0FFF) == 66;
}
