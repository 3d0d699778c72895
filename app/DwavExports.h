/* The four functions the panel library exports to its host, and the handle
 * that ties the later calls to the first. Plain C, so that a host written in
 * any language can declare them. */
#ifndef DWAV_EXPORTS_H
#define DWAV_EXPORTS_H

#include <stdint.h>

#if defined(_WIN32)
#define DWAV_CALL __stdcall
#if defined(DWAV_BUILDING_LIBRARY)
#define DWAV_EXPORT __declspec(dllexport)
#else
#define DWAV_EXPORT __declspec(dllimport)
#endif
#else
#define DWAV_CALL
#define DWAV_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Allocated zero-filled by dwav_init_qt on the C heap and freed by
 * dwav_close; opaque to the host. Its layout is fixed: 12 bytes, the last
 * two left zero. Only mezNum and carrierSession are read back by the
 * library: a handle reaches the panel of its position only when that panel
 * was opened for the handle's carrier. */
typedef struct DwavPanelHandle {
    uint32_t carrierSession;
    uint16_t mezNum;
    uint16_t idQuery;
    uint16_t resetDevice;
} DwavPanelHandle;

/* Creates the panel of a mezzanine position unless it exists, and returns a
 * new handle for it in *handleOut. Only the low 16 bits of mezNum, idQuery
 * and resetDevice are used. Returns -1 for a null handleOut, -2 when the
 * handle cannot be allocated, otherwise the module's initialisation result
 * (0, or a negative status with the panel in DEMO mode). A position whose
 * panel is open for another carrier is refused: -1, *handleOut null, the
 * flag untouched. The panel writes 1 into *visibleFlag when it is created or
 * displayed and 0 when it is closed; visibleFlag may be null. */
DWAV_EXPORT int32_t DWAV_CALL dwav_init_qt(uint32_t carrierSession, uint32_t mezNum,
                                           uint32_t idQuery, uint32_t resetDevice,
                                           DwavPanelHandle **handleOut, int32_t *visibleFlag);

/* Shows the panel: -1 for a null handle or a position without a panel. */
DWAV_EXPORT int32_t DWAV_CALL dwav_display(DwavPanelHandle *handle);

/* Hides the panel when there is one: 0, or -1 for a null handle. */
DWAV_EXPORT int32_t DWAV_CALL dwav_hide(DwavPanelHandle *handle);

/* Closes the panel of the handle's position, frees the handle and sets
 * *handleRef to null: 0, or -1 when handleRef or *handleRef is null. */
DWAV_EXPORT int32_t DWAV_CALL dwav_close(DwavPanelHandle **handleRef);

typedef int32_t(DWAV_CALL *dwav_init_qt_fn)(uint32_t, uint32_t, uint32_t, uint32_t,
                                            DwavPanelHandle **, int32_t *);
typedef int32_t(DWAV_CALL *dwav_display_fn)(DwavPanelHandle *);
typedef int32_t(DWAV_CALL *dwav_hide_fn)(DwavPanelHandle *);
typedef int32_t(DWAV_CALL *dwav_close_fn)(DwavPanelHandle **);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
#include <cstddef>
static_assert(sizeof(DwavPanelHandle) == 12, "the host relies on a 12-byte handle");
static_assert(offsetof(DwavPanelHandle, carrierSession) == 0, "handle layout");
static_assert(offsetof(DwavPanelHandle, mezNum) == 4, "handle layout");
static_assert(offsetof(DwavPanelHandle, idQuery) == 6, "handle layout");
static_assert(offsetof(DwavPanelHandle, resetDevice) == 8, "handle layout");
#else
_Static_assert(sizeof(DwavPanelHandle) == 12, "the host relies on a 12-byte handle");
#endif

#endif
