/*
 * What the host programs of the panel library share: the bench they run
 * on, failure counting, and the journal look-ups that tell whether a
 * module's session was shut down.
 */
#ifndef HOST_CHECKS_H
#define HOST_CHECKS_H

#include "dwav_visa.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The carrier and what sits at its positions. */
#define CARRIER "VXI0::7::INSTR"
#define POS_DWAV_A 2
#define POS_DWAV_B 5
#define POS_FOREIGN 3
#define POS_EMPTY 4
/* A second carrier, with a DWAV module at POS_DWAV_A as well. */
#define OTHER_CARRIER "VXI0::9::INSTR"

extern int failures;
extern const char *stage;

void fail(int line, const char *format, ...);

#define CHECK(cond, ...)                 \
    do {                                 \
        if (!(cond))                     \
            fail(__LINE__, __VA_ARGS__); \
    } while (0)

/* Loads the bench and opens the carrier: 0, or -1 after reporting why. */
int openCarrier(ViSession *carrier);

size_t countOf(const char *function);
/* Sequence numbers of the calls of a function with the module session in
 * its arguments, oldest first; returns how many there are. */
size_t callsOnSession(const char *function, uint32_t session, uint64_t *sequences,
                      size_t capacity);
/* Module sessions handed out by the driver's connect, in order. */
size_t moduleSessions(uint32_t *sessions, size_t capacity);
/* Fails unless the session was reset, then stopped, then closed, each once. */
void checkShutDown(int line, uint32_t session);

#ifdef __cplusplus
}
#endif

#endif
