/*
 * Carrier driver tvkbase_32: opens a TVKBASE carrier, reports which module
 * sits at each of its mezzanine positions, and gives texts for statuses.
 *
 * Statuses follow VXIplug&play: negative an error, 0 success, positive a
 * warning.
 */
#ifndef TVKBASE_32_H
#define TVKBASE_32_H

#include "dwav_visa.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Mezzanine positions of a carrier. */
#define TVKBASE_FIRST_POSITION 1
#define TVKBASE_LAST_POSITION 8

/* Sizes of the text buffers the calls fill (zero-terminated). */
#define TVKBASE_REVISION_BUFLEN 128
#define TVKBASE_ERROR_MESSAGE_BUFLEN 256

/* Statuses of this driver (the VXIplug&play instrument range). They lie
 * apart from the module driver's, since the panel asks this driver for the
 * texts of module statuses too. */
#define TVKBASE_ERROR_OFFSET (_VI_ERROR + 0x3FFC0800L)
#define TVKBASE_ERROR_NOT_CARRIER (TVKBASE_ERROR_OFFSET + 0x101L)

/* Opens the carrier at `resource` (a VISA resource name, local 8-bit
 * encoding). On a status >= 0, *session is the carrier session. */
ViStatus _VI_FUNC tvkbase_init(ViConstRsrc resource, ViUInt16 idQuery, ViUInt16 reset,
                               ViPSession session);

/* Which module sits at `position` (1 to 8): *present is non-zero for an
 * occupied position, *moduleType its module type code (66 for DWAV). */
ViStatus _VI_FUNC tvkbase_m_type_q(ViSession session, ViInt16 position, ViPInt16 present,
                                   ViPInt16 moduleType);

/* Driver and instrument revisions, Windows-1251, 128 bytes each. */
ViStatus _VI_FUNC tvkbase_revision_query(ViSession session, ViChar driverRevision[],
                                         ViChar instrumentRevision[]);

/* Text for `status`, at most 256 bytes including the terminating zero. */
ViStatus _VI_FUNC tvkbase_error_message(ViSession session, ViStatus status, ViChar message[]);

ViStatus _VI_FUNC tvkbase_close(ViSession session);

#ifdef __cplusplus
}
#endif

#endif /* TVKBASE_32_H */
