// A small program that opens the VISA resource manager and lists the
// resources, so tests can watch the bench start up from its environment
// in a process of its own.
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <cstdio>

int main()
{
    ViSession rm = VI_NULL;
    const ViStatus status = viOpenDefaultRM(&rm);
    std::printf("viOpenDefaultRM %ld\n", static_cast<long>(status));
    if (status < 0)
        return 1;
    ViFindList list = VI_NULL;
    ViUInt32 count = 0;
    char desc[VI_FIND_BUFLEN];
    if (viFindRsrc(rm, "?*", &list, &count, desc) >= 0) {
        std::printf("%s\n", desc);
        for (ViUInt32 k = 1; k < count && viFindNext(list, desc) >= 0; ++k)
            std::printf("%s\n", desc);
    }
    ViSession carrier = VI_NULL;
    if (count > 0 && tvkbase_init(desc, 1, 1, &carrier) >= 0)
        tvkbase_close(carrier);
    viClose(rm);
    return 0;
}
