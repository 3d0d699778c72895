#include "host_checks.h"
#include "dwav_bench.h"

#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int failures = 0;
const char *stage = "start";

static const char *const benchText =
    "[resource " CARRIER "]\n"
    "interface = vxi\n"
    "manufacturer = 3702\n"
    "model = 341\n"
    "slot = 7\n"
    "carrier = yes\n"
    "[module " CARRIER " 2]\n"
    "type = 66\n"
    "[module " CARRIER " 3]\n"
    "type = 65\n"
    "[module " CARRIER " 5]\n"
    "type = 66\n"
    "[resource " OTHER_CARRIER "]\n"
    "interface = vxi\n"
    "manufacturer = 3702\n"
    "model = 341\n"
    "slot = 9\n"
    "carrier = yes\n"
    "[module " OTHER_CARRIER " 2]\n"
    "type = 66\n";

void fail(int line, const char *format, ...)
{
    va_list args;
    fprintf(stderr, "FAIL [%s] line %d: ", stage, line);
    va_start(args, format);
    vfprintf(stderr, format, args);
    va_end(args);
    fputc('\n', stderr);
    ++failures;
}

int openCarrier(ViSession *carrier)
{
    char error[256] = "";
    stage = "bench";
    if (dwavbench_load_text(benchText, error, sizeof error) != 0) {
        fprintf(stderr, "bench description refused: %s\n", error);
        return -1;
    }
    ViSession rm = 0;
    ViStatus status = viOpenDefaultRM(&rm);
    CHECK(status == VI_SUCCESS, "viOpenDefaultRM: %d", (int)status);
    status = viOpen(rm, CARRIER, VI_NULL, 0, carrier);
    CHECK(status == VI_SUCCESS && *carrier != 0, "viOpen of the carrier: %d", (int)status);
    return failures ? -1 : 0;
}

size_t countOf(const char *function)
{
    return dwavbench_journal_count_of(function);
}

size_t callsOnSession(const char *function, uint32_t session, uint64_t *sequences,
                      size_t capacity)
{
    char needle[64];
    size_t found = 0;
    size_t n = dwavbench_journal_count();
    snprintf(needle, sizeof needle, "vi=0x%X", (unsigned)session);
    for (size_t i = 0; i < n; ++i) {
        dwavbench_call call;
        if (dwavbench_journal_entry(i, &call) != 0 || strcmp(call.function, function) != 0)
            continue;
        const char *at = strstr(call.arguments, needle);
        if (!at || isxdigit((unsigned char)at[strlen(needle)]))
            continue;
        if (found < capacity)
            sequences[found] = call.sequence;
        ++found;
    }
    return found;
}

size_t moduleSessions(uint32_t *sessions, size_t capacity)
{
    size_t found = 0;
    size_t n = dwavbench_journal_count();
    for (size_t i = 0; i < n; ++i) {
        dwavbench_call call;
        if (dwavbench_journal_entry(i, &call) != 0 || strcmp(call.function, "tvkdwav_connect") != 0
            || call.status < 0)
            continue;
        const char *at = strstr(call.arguments, "vi=");
        if (at && found < capacity)
            sessions[found++] = (uint32_t)strtoul(at + 3, NULL, 0);
    }
    return found;
}

void checkShutDown(int line, uint32_t session)
{
    uint64_t reset[4], stop[4], close[4];
    size_t nReset = callsOnSession("tvkdwav_reset", session, reset, 4);
    size_t nStop = callsOnSession("tvkdwav_stop", session, stop, 4);
    size_t nClose = callsOnSession("tvkdwav_close", session, close, 4);
    if (nReset != 1 || nStop != 1 || nClose != 1) {
        fail(line, "session %u: reset %zu, stop %zu, close %zu times (want once each)",
             (unsigned)session, nReset, nStop, nClose);
        return;
    }
    if (!(reset[0] < stop[0] && stop[0] < close[0]))
        fail(line, "session %u: not reset, stop, close in this order", (unsigned)session);
}
