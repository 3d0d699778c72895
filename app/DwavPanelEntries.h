/* The entry points of the panel's implementation library, dwavqt. The
 * library a host loads, dwav, holds no Qt: it forwards its four exports here
 * and calls dwavqt_unload when the host unloads it. dwavqt itself is never
 * unmapped, since Qt keeps pointers into its code and data (meta types,
 * resources) until the process ends. */
#ifndef DWAV_PANEL_ENTRIES_H
#define DWAV_PANEL_ENTRIES_H

#include "DwavExports.h"

#if defined(_WIN32)
#if defined(DWAVQT_BUILDING_LIBRARY)
#define DWAVQT_EXPORT __declspec(dllexport)
#else
#define DWAVQT_EXPORT __declspec(dllimport)
#endif
#else
#define DWAVQT_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The four exports of DwavExports.h, with the same arguments and results. */
DWAVQT_EXPORT int32_t dwavqt_init_qt(uint32_t carrierSession, uint32_t mezNum, uint32_t idQuery,
                                     uint32_t resetDevice, DwavPanelHandle **handleOut,
                                     int32_t *visibleFlag);
DWAVQT_EXPORT int32_t dwavqt_display(DwavPanelHandle *handle);
DWAVQT_EXPORT int32_t dwavqt_hide(DwavPanelHandle *handle);
DWAVQT_EXPORT int32_t dwavqt_close(DwavPanelHandle **handleRef);

/* Closes every panel (each host flag written 0), resets, stops and closes
 * each module and destroys the windows, on the GUI thread; a later
 * dwavqt_init_qt starts afresh. Does nothing on any other thread. */
DWAVQT_EXPORT void dwavqt_unload(void);

#ifdef __cplusplus
}
#endif

#endif
