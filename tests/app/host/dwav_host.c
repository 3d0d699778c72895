/*
 * A host application of the panel library, written the way a carrier
 * manager written in C would be: it opens the carrier through VISA, loads
 * the library at run time, looks up the four exports and dispatches its
 * thread's event queue itself (the default GLib main context, which is what
 * Qt's event dispatcher uses on this platform). The library runs no loop of
 * its own, so timers and painting only happen while this program pumps.
 *
 * Usage: dwav_host <path of the panel library>
 * Exit code 0 when every check passed.
 */
#include "DwavExports.h"
#include "dwav_bench.h"
#include "dwav_visa.h"

#include <glib.h>

#include <dlfcn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The carrier and what sits at its positions. */
#define CARRIER "VXI0::7::INSTR"
#define POS_DWAV_A 2
#define POS_DWAV_B 5
#define POS_FOREIGN 3
#define POS_EMPTY 4

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
    "type = 66\n";

static int failures = 0;
static const char *stage = "start";

static void fail(int line, const char *format, ...)
{
    va_list args;
    fprintf(stderr, "FAIL [%s] line %d: ", stage, line);
    va_start(args, format);
    vfprintf(stderr, format, args);
    va_end(args);
    fputc('\n', stderr);
    ++failures;
}

#define CHECK(cond, ...)                         \
    do {                                         \
        if (!(cond))                             \
            fail(__LINE__, __VA_ARGS__);         \
    } while (0)

static dwav_init_qt_fn initQt;
static dwav_display_fn display;
static dwav_hide_fn hide;
static dwav_close_fn closePanel;

/* ---- The host's loop -------------------------------------------------- */

static gboolean stopPumping(gpointer data)
{
    *(int *)data = 1;
    return G_SOURCE_REMOVE;
}

/* Dispatches the thread's events for the given time, as the host's own
 * message loop would while the user looks at the panel. */
static void pump(unsigned milliseconds)
{
    int done = 0;
    g_timeout_add(milliseconds, stopPumping, &done);
    while (!done)
        g_main_context_iteration(NULL, TRUE);
}

/* ---- The journal of the bench ----------------------------------------- */

static size_t countOf(const char *function)
{
    return dwavbench_journal_count_of(function);
}

/* Sequence numbers of the calls of a function with the module session in
 * its arguments, newest last. */
static size_t callsOnSession(const char *function, uint32_t session, uint64_t *sequences,
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
        if (!at || g_ascii_isxdigit(at[strlen(needle)]))
            continue;
        if (found < capacity)
            sequences[found] = call.sequence;
        ++found;
    }
    return found;
}

/* Module sessions handed out by tvkdwav_init, in order. */
static size_t moduleSessions(uint32_t *sessions, size_t capacity)
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

/* reset, then stop, then close on a module session, each exactly once. */
static void checkShutDown(int line, uint32_t session)
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

/* ---- The checks -------------------------------------------------------- */

static const char *libraryPath;
static int32_t unloadFlags[3] = {-7, -7, -7};
static uint32_t unloadSessions[2];
static int unloadChecked = 0;

static void checkUnload(void)
{
    if (unloadChecked)
        return;
    unloadChecked = 1;
    stage = "unload";
    for (int i = 0; i < 3; ++i)
        CHECK(unloadFlags[i] == 0, "flag %d is %d after unloading, want 0", i, unloadFlags[i]);
    checkShutDown(__LINE__, unloadSessions[0]);
    checkShutDown(__LINE__, unloadSessions[1]);
    fprintf(stderr, "unload: flags %d %d %d, sessions 0x%X 0x%X shut down\n", unloadFlags[0],
            unloadFlags[1], unloadFlags[2], (unsigned)unloadSessions[0], (unsigned)unloadSessions[1]);
}

/* When the library stays loaded after dlclose (the loader may keep it), its
 * exit handler runs at process exit, before this one, which was registered
 * earlier. */
static void checkUnloadAtExit(void)
{
    if (unloadChecked)
        return;
    checkUnload();
    if (failures) {
        fprintf(stderr, "%d check(s) failed\n", failures);
        fflush(stderr);
        _Exit(1);
    }
}

static void *lookUp(void *library, const char *name)
{
    void *symbol = dlsym(library, name);
    CHECK(symbol != NULL, "export %s not found: %s", name, dlerror());
    return symbol;
}

int main(int argc, char **argv)
{
    char error[256] = "";
    if (argc != 2) {
        fprintf(stderr, "usage: %s <panel library>\n", argv[0]);
        return 2;
    }
    libraryPath = argv[1];
    setvbuf(stdout, NULL, _IONBF, 0);

    stage = "bench";
    if (dwavbench_load_text(benchText, error, sizeof error) != 0) {
        fprintf(stderr, "bench description refused: %s\n", error);
        return 2;
    }
    ViSession rm = 0, carrier = 0;
    ViStatus status = viOpenDefaultRM(&rm);
    CHECK(status == VI_SUCCESS, "viOpenDefaultRM: %d", (int)status);
    status = viOpen(rm, CARRIER, VI_NULL, 0, &carrier);
    CHECK(status == VI_SUCCESS && carrier != 0, "viOpen of the carrier: %d", (int)status);
    if (failures)
        return 1;

    atexit(checkUnloadAtExit);

    stage = "load";
    void *library = dlopen(libraryPath, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        fprintf(stderr, "cannot load %s: %s\n", libraryPath, dlerror());
        return 1;
    }
    initQt = (dwav_init_qt_fn)lookUp(library, "dwav_init_qt");
    display = (dwav_display_fn)lookUp(library, "dwav_display");
    hide = (dwav_hide_fn)lookUp(library, "dwav_hide");
    closePanel = (dwav_close_fn)lookUp(library, "dwav_close");
    if (failures)
        return 1;
    /* Nothing of the panel's own classes leaks into the host's namespace. */
    CHECK(dlsym(library, "_ZN7MainApp8instanceEv") == NULL, "MainApp::instance is visible");
    CHECK(dlsym(library, "setupQtLibraryPaths") == NULL
              && dlsym(library, "_Z19setupQtLibraryPathsv") == NULL,
          "setupQtLibraryPaths is visible");

    stage = "null out-pointer";
    {
        int32_t flag = -7;
        dwavbench_journal_clear();
        CHECK(initQt(carrier, POS_DWAV_A, 1, 1, NULL, &flag) == -1, "want -1");
        CHECK(flag == -7, "flag written: %d", flag);
        CHECK(dwavbench_journal_count() == 0, "%zu driver calls made",
              dwavbench_journal_count());
    }

    stage = "first panel";
    DwavPanelHandle *a1 = NULL, *a2 = NULL;
    int32_t flagA = -7, flagA2 = -7;
    {
        /* Only the low 16 bits of the three small values count. */
        int32_t r = initQt(carrier, 0x10000u | POS_DWAV_A, 0x20001u, 0x30000u, &a1, &flagA);
        CHECK(r == 0, "init of a DWAV position returned %d", r);
        CHECK(flagA == 1, "flag %d after creation, want 1", flagA);
        CHECK(a1 != NULL, "no handle");
        if (a1) {
            const unsigned char *bytes = (const unsigned char *)a1;
            uint32_t session;
            uint16_t mez, id, reset;
            memcpy(&session, bytes + 0, 4);
            memcpy(&mez, bytes + 4, 2);
            memcpy(&id, bytes + 6, 2);
            memcpy(&reset, bytes + 8, 2);
            CHECK(session == (uint32_t)carrier, "handle session %u", (unsigned)session);
            CHECK(mez == POS_DWAV_A && id == 1 && reset == 0, "handle fields %u %u %u",
                  (unsigned)mez, (unsigned)id, (unsigned)reset);
            CHECK(bytes[10] == 0 && bytes[11] == 0, "handle padding not zero");
        }
        CHECK(countOf("tvkdwav_init") == 1 && countOf("tvkdwav_connect") == 1,
              "module opened %zu/%zu times", countOf("tvkdwav_init"), countOf("tvkdwav_connect"));
    }

    stage = "second init of the same position";
    {
        int32_t r = initQt(carrier, POS_DWAV_A, 1, 1, &a2, &flagA2);
        CHECK(r == 0, "second init returned %d", r);
        CHECK(a2 != NULL && a2 != a1, "second handle %p is not a new one (%p)", (void *)a2,
              (void *)a1);
        CHECK(countOf("tvkdwav_init") == 1 && countOf("tvkbase_m_type_q") == 1,
              "a second module was made");
        CHECK(flagA2 == -7, "the second call's flag was written: %d", flagA2);
    }

    stage = "display and polling";
    {
        size_t statesBefore = countOf("tvkdwav_state");
        CHECK(display(a1) == 0, "display failed");
        CHECK(flagA == 1, "flag %d after display", flagA);
        CHECK(flagA2 == -7, "a later call's flag was kept: %d", flagA2);
        pump(1000);
        size_t statesAfter = countOf("tvkdwav_state");
        CHECK(statesAfter > statesBefore,
              "no polling while the host dispatched its events (%zu state queries)", statesAfter);
        CHECK(countOf("tvkdwav_get_temperature") > 0, "no temperature read");
        CHECK(display(a2) == 0, "display through the second handle failed");
    }

    stage = "hide";
    {
        CHECK(hide(a1) == 0, "hide failed");
        CHECK(flagA == 1, "hide changed the flag to %d", flagA);
        CHECK(hide(NULL) == -1, "hide(NULL) should be -1");
        CHECK(display(NULL) == -1, "display(NULL) should be -1");
        pump(100);
    }

    stage = "close";
    {
        uint32_t sessions[4];
        CHECK(moduleSessions(sessions, 4) == 1, "one module session expected");
        CHECK(closePanel(&a1) == 0, "close failed");
        CHECK(a1 == NULL, "close left the handle pointer set");
        CHECK(flagA == 0, "flag %d after close, want 0", flagA);
        checkShutDown(__LINE__, sessions[0]);
        CHECK(closePanel(&a1) == -1, "a second close should be -1");
        CHECK(closePanel(NULL) == -1, "close(NULL) should be -1");
        CHECK(display(a2) == -1, "display of a closed position should be -1");
        CHECK(hide(a2) == 0, "hide of a closed position should be 0");
        CHECK(closePanel(&a2) == 0 && a2 == NULL, "closing the second handle");
        /* A closed panel polls no more. */
        size_t statesAfterClose = countOf("tvkdwav_state");
        pump(700);
        CHECK(countOf("tvkdwav_state") == statesAfterClose, "a closed panel still polls");
    }

    stage = "position without a DWAV module";
    DwavPanelHandle *f = NULL, *e = NULL;
    int32_t flagF = -7, flagE = -7;
    {
        size_t initsBefore = countOf("tvkdwav_init");
        int32_t r = initQt(carrier, POS_FOREIGN, 1, 1, &f, &flagF);
        CHECK(r == -1, "foreign module: %d, want -1", r);
        CHECK(f != NULL && f->mezNum == POS_FOREIGN, "no valid handle");
        CHECK(flagF == 1, "flag %d", flagF);
        r = initQt(carrier, POS_EMPTY, 1, 1, &e, &flagE);
        CHECK(r == -1, "empty position: %d, want -1", r);
        CHECK(e != NULL, "no handle");
        CHECK(countOf("tvkdwav_init") == initsBefore, "the driver was opened for no module");
        size_t statesBefore = countOf("tvkdwav_state");
        CHECK(display(f) == 0 && flagF == 1, "DEMO panel not displayed");
        pump(700);
        CHECK(countOf("tvkdwav_state") == statesBefore, "a DEMO panel polls");
        CHECK(closePanel(&e) == 0 && flagE == 0 && e == NULL, "closing the empty position");
    }

    stage = "reopen after close";
    DwavPanelHandle *a3 = NULL, *b = NULL;
    {
        /* These panels stay open until the library is unloaded, so their
         * flags live as long as the process. */
        int32_t r = initQt(carrier, POS_DWAV_A, 1, 1, &a3, &unloadFlags[0]);
        CHECK(r == 0 && unloadFlags[0] == 1, "reopening: %d, flag %d", r, unloadFlags[0]);
        CHECK(countOf("tvkdwav_init") == 2, "a closed position must build a new module");
        r = initQt(carrier, POS_DWAV_B, 1, 1, &b, &unloadFlags[1]);
        CHECK(r == 0 && unloadFlags[1] == 1, "second DWAV position: %d, flag %d", r,
              unloadFlags[1]);
        CHECK(display(a3) == 0 && display(b) == 0, "display");
        /* The DEMO panel's flag moves to process lifetime as well: a second
         * init does not take the new address, so close and create it anew. */
        CHECK(closePanel(&f) == 0 && flagF == 0, "closing the DEMO panel");
        r = initQt(carrier, POS_FOREIGN, 1, 1, &f, &unloadFlags[2]);
        CHECK(r == -1 && unloadFlags[2] == 1, "DEMO panel again: %d, flag %d", r, unloadFlags[2]);
        CHECK(display(f) == 0, "display");
        pump(300);
    }

    stage = "unload with panels open";
    {
        uint32_t sessions[8];
        size_t n = moduleSessions(sessions, 8);
        CHECK(n == 3, "%zu module sessions, want 3", n);
        if (n == 3) {
            unloadSessions[0] = sessions[1];
            unloadSessions[1] = sessions[2];
        }
        /* Handles still held are the host's to free. */
        free(a3);
        free(b);
        free(f);
        if (dlclose(library) != 0)
            fail(__LINE__, "dlclose: %s", dlerror());
        void *still = dlopen(libraryPath, RTLD_NOW | RTLD_NOLOAD);
        if (still) {
            /* Kept loaded: its exit handler runs at process exit. */
            dlclose(still);
            fprintf(stderr, "the library stays loaded; its panels close at exit\n");
        } else {
            checkUnload();
        }
    }
    if (failures)
        fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
