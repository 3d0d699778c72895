/* The library a host loads: the four exports, forwarded to the panel's
 * implementation library beside it. Nothing of Qt lives here, so this is
 * the only part that a host's unload really unmaps, and it is never on the
 * stack while a panel runs a nested event loop: a host may unload it from a
 * callback that runs inside a panel's message box. */
#include "DwavExports.h"
#include "DwavPanelEntries.h"

DWAV_EXPORT int32_t DWAV_CALL dwav_init_qt(uint32_t carrierSession, uint32_t mezNum,
                                           uint32_t idQuery, uint32_t resetDevice,
                                           DwavPanelHandle **handleOut, int32_t *visibleFlag)
{
    return dwavqt_init_qt(carrierSession, mezNum, idQuery, resetDevice, handleOut, visibleFlag);
}

DWAV_EXPORT int32_t DWAV_CALL dwav_display(DwavPanelHandle *handle)
{
    return dwavqt_display(handle);
}

DWAV_EXPORT int32_t DWAV_CALL dwav_hide(DwavPanelHandle *handle)
{
    return dwavqt_hide(handle);
}

DWAV_EXPORT int32_t DWAV_CALL dwav_close(DwavPanelHandle **handleRef)
{
    return dwavqt_close(handleRef);
}

/* The host may free its visible flags once the library is unloaded, so no
 * panel may outlive the unload. At process exit the implementation's own
 * exit handler has closed the panels already, and this finds none. */
#if defined(_WIN32)
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    /* A null reserved means FreeLibrary, not the end of the process. */
    if (reason == DLL_PROCESS_DETACH && reserved == NULL)
        dwavqt_unload();
    return TRUE;
}
#else
__attribute__((destructor)) static void unloadPanels(void)
{
    dwavqt_unload();
}
#endif
