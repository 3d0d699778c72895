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
#include "host_checks.h"

#include <glib.h>

#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

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

/* The state queries the panels make while the host pumps that long. */
static size_t pollsDuring(unsigned milliseconds)
{
    size_t before = countOf("tvkdwav_state");
    pump(milliseconds);
    return countOf("tvkdwav_state") - before;
}

/* ---- Loading and unloading ---------------------------------------------- */

static const char *libraryPath;

static void *lookUp(void *library, const char *name)
{
    void *symbol = dlsym(library, name);
    CHECK(symbol != NULL, "export %s not found: %s", name, dlerror());
    return symbol;
}

static void *load(void)
{
    void *library = dlopen(libraryPath, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        fail(__LINE__, "cannot load %s: %s", libraryPath, dlerror());
        return NULL;
    }
    initQt = (dwav_init_qt_fn)lookUp(library, "dwav_init_qt");
    display = (dwav_display_fn)lookUp(library, "dwav_display");
    hide = (dwav_hide_fn)lookUp(library, "dwav_hide");
    closePanel = (dwav_close_fn)lookUp(library, "dwav_close");
    return library;
}

/* dlclose, and the library must really be gone afterwards. */
static void unload(int line, void *library)
{
    if (dlclose(library) != 0)
        fail(line, "dlclose: %s", dlerror());
    void *still = dlopen(libraryPath, RTLD_NOW | RTLD_NOLOAD);
    if (still) {
        fail(line, "the library stays loaded after dlclose");
        dlclose(still);
    }
}

/* Unloads the library from a host callback that runs inside the nested
 * event loop of a panel's message box. */
typedef struct NestedUnload {
    void *library;
    const int32_t *flag;
    int32_t flagAfter;
    int done;
} NestedUnload;

static gboolean unloadWhenNested(gpointer data)
{
    NestedUnload *u = (NestedUnload *)data;
    /* Depth 1 is the host's own loop; 2 is a loop running inside it. */
    if (g_main_depth() < 2)
        return G_SOURCE_CONTINUE;
    /* The service panel compares versions as it is built, the window once more as it polls. */
    CHECK(countOf("tvkdwav_cmpVersions") >= 1, "no version check opened the box");
    unload(__LINE__, u->library);
    u->flagAfter = *u->flag;
    u->done = 1;
    return G_SOURCE_REMOVE;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <panel library>\n", argv[0]);
        return 2;
    }
    libraryPath = argv[1];
    setvbuf(stdout, NULL, _IONBF, 0);

    ViSession carrier = 0;
    if (openCarrier(&carrier) != 0)
        return 1;

    stage = "load";
    void *library = load();
    if (!library || failures)
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

    stage = "another carrier at an open position";
    {
        ViSession rm = 0, other = 0, again = 0;
        CHECK(viOpenDefaultRM(&rm) == VI_SUCCESS
                  && viOpen(rm, OTHER_CARRIER, VI_NULL, 0, &other) == VI_SUCCESS
                  && viOpen(rm, CARRIER, VI_NULL, 0, &again) == VI_SUCCESS,
              "opening the carriers");
        int32_t flagOther = -7, flagAgain = -7;
        /* A pointer the host did not clear: the refusal must leave it null. */
        DwavPanelHandle *refused = (DwavPanelHandle *)&flagOther, *h = NULL;
        const size_t opened = countOf("tvkbase_m_type_q") + countOf("tvkdwav_init");
        const size_t shut = countOf("tvkdwav_stop") + countOf("tvkdwav_close");
        CHECK(initQt(other, POS_DWAV_A, 1, 1, &refused, &flagOther) == -1, "not refused");
        CHECK(refused == NULL && flagOther == -7, "refused: handle %p, flag %d", (void *)refused,
              flagOther);
        CHECK(display(refused) == -1 && hide(refused) == -1 && closePanel(&refused) == -1,
              "a refused handle reached a panel");
        /* A handle of the other carrier's own, such as one kept from its
         * earlier panel at this position, reaches nothing either. */
        DwavPanelHandle *stale = malloc(sizeof *stale);
        if (!stale)
            return 1;
        *stale = *a1;
        stale->carrierSession = (uint32_t)other;
        CHECK(display(stale) == -1, "the other carrier's handle displays the panel");
        CHECK(hide(stale) == 0 && closePanel(&stale) == 0 && stale == NULL, "hide or close");
        CHECK(flagA == 1 && flagOther == -7, "flags %d %d", flagA, flagOther);
        /* The same carrier through a session of its own shares the panel. */
        CHECK(initQt(again, POS_DWAV_A, 1, 1, &h, &flagAgain) == 0 && h != NULL,
              "the same carrier through another session");
        free(h);
        CHECK(countOf("tvkbase_m_type_q") + countOf("tvkdwav_init") == opened
                  && countOf("tvkdwav_stop") + countOf("tvkdwav_close") == shut,
              "a module was opened or the open one shut");
        CHECK(display(a1) == 0, "the open panel is gone");
        viClose(again);
        viClose(other);
        viClose(rm);
    }

    stage = "display and polling";
    {
        CHECK(display(a1) == 0, "display failed");
        CHECK(flagA == 1, "flag %d after display", flagA);
        CHECK(flagA2 == -7, "a later call's flag was kept: %d", flagA2);
        CHECK(pollsDuring(1000) > 0, "no polling while the host dispatched its events");
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
        CHECK(pollsDuring(700) == 0, "a closed panel still polls");
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
        CHECK(display(f) == 0 && flagF == 1, "DEMO panel not displayed");
        CHECK(pollsDuring(700) == 0, "a DEMO panel polls");
        CHECK(closePanel(&e) == 0 && flagE == 0 && e == NULL, "closing the empty position");
    }

    stage = "reopen after close";
    DwavPanelHandle *a3 = NULL, *b = NULL;
    /* These panels stay open until the library is unloaded; the host frees
     * their flags right after the unload. */
    int32_t *unloadFlags = malloc(3 * sizeof *unloadFlags);
    if (!unloadFlags)
        return 1;
    {
        int32_t r = initQt(carrier, POS_DWAV_A, 1, 1, &a3, &unloadFlags[0]);
        CHECK(r == 0 && unloadFlags[0] == 1, "reopening: %d, flag %d", r, unloadFlags[0]);
        CHECK(countOf("tvkdwav_init") == 2, "a closed position must build a new module");
        r = initQt(carrier, POS_DWAV_B, 1, 1, &b, &unloadFlags[1]);
        CHECK(r == 0 && unloadFlags[1] == 1, "second DWAV position: %d, flag %d", r,
              unloadFlags[1]);
        CHECK(display(a3) == 0 && display(b) == 0, "display");
        /* The DEMO panel's flag moves to the heap as well: a second init
         * does not take the new address, so close and create it anew. */
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
        /* Handles still held are the host's to free. */
        free(a3);
        free(b);
        free(f);
        unload(__LINE__, library);
        for (int i = 0; i < 3; ++i)
            CHECK(unloadFlags[i] == 0, "flag %d is %d after unloading, want 0", i, unloadFlags[i]);
        if (n == 3) {
            checkShutDown(__LINE__, sessions[1]);
            checkShutDown(__LINE__, sessions[2]);
        }
        free(unloadFlags);
        /* The sanitizer build reports any write into the freed flags. */
        CHECK(pollsDuring(1000) == 0, "a panel still polls after the unload");
    }

    stage = "reload";
    library = load();
    if (!library)
        return 1;
    {
        DwavPanelHandle *h = NULL;
        int32_t flag = -7;
        dwavbench_journal_clear();
        int32_t r = initQt(carrier, POS_DWAV_A, 1, 1, &h, &flag);
        CHECK(r == 0 && flag == 1 && h != NULL, "init after a reload: %d, flag %d", r, flag);
        CHECK(display(h) == 0, "display after a reload");
        CHECK(pollsDuring(600) > 0, "no polling after a reload");
        uint32_t sessions[2];
        CHECK(moduleSessions(sessions, 2) == 1, "one module session expected");
        CHECK(closePanel(&h) == 0 && flag == 0 && h == NULL, "close after a reload");
        checkShutDown(__LINE__, sessions[0]);
    }

    stage = "unload inside a panel's message box";
    {
        char error[256] = "";
        DwavPanelHandle *h = NULL;
        int32_t *flag = malloc(sizeof *flag);
        if (!flag)
            return 1;
        dwavbench_journal_clear();
        CHECK(dwavbench_set_module_option(CARRIER, POS_DWAV_B, "versions_differ", "yes", error, sizeof error) == 0,
              "versions_differ: %s", error);
        int32_t r = initQt(carrier, POS_DWAV_B, 1, 1, &h, flag);
        CHECK(r == 0 && *flag == 1, "init: %d, flag %d", r, *flag);
        CHECK(display(h) == 0, "display");
        NestedUnload nested = {library, flag, -7, 0};
        g_timeout_add(20, unloadWhenNested, &nested);
        /* The first poll opens the box; the callback unloads from inside it. */
        while (!nested.done)
            g_main_context_iteration(NULL, TRUE);
        CHECK(nested.flagAfter == 0, "flag %d when dlclose returned, want 0", nested.flagAfter);
        uint32_t sessions[2];
        CHECK(moduleSessions(sessions, 2) == 1, "one module session expected");
        checkShutDown(__LINE__, sessions[0]);
        free(h);
        free(flag);
        CHECK(pollsDuring(1000) == 0, "a panel still polls after the unload");
    }
    if (failures)
        fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
