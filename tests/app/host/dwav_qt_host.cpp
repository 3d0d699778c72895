/*
 * A host written as an ordinary Qt program: its QApplication lives in
 * main() and is gone before the process exits, while the panels it opened
 * through the library are still open. At exit the host must still see every
 * panel closed, and each module's session must be reset, stopped and
 * closed. The checks run in an exit handler registered before the library's
 * own, so it runs after it.
 *
 * Usage: dwav_qt_host <path of the panel library>
 * Exit code 0 when every check passed.
 */
#include "DwavExports.h"
#include "dwav_bench.h"
#include "host_checks.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <dlfcn.h>
#include <cstdio>
#include <cstdlib>

namespace {

// DWAV panel, DEMO panel.
int32_t flags[2] = {-7, -7};
uint32_t dwavSession = 0;

void checkAtExit()
{
    stage = "exit";
    CHECK(flags[0] == 0 && flags[1] == 0, "flags %d %d at exit, want 0", flags[0], flags[1]);
    checkShutDown(__LINE__, dwavSession);
    if (failures) {
        std::fprintf(stderr, "%d check(s) failed\n", failures);
        std::fflush(stderr);
        _Exit(1);
    }
    // Otherwise the exit goes on: the leak check of the sanitizer build runs
    // after this handler.
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <panel library>\n", argv[0]);
        return 2;
    }
    ViSession carrier = 0;
    if (openCarrier(&carrier) != 0)
        return 1;
    std::atexit(checkAtExit);
    {
        QApplication app(argc, argv);
        stage = "load";
        void *library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            std::fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
            _Exit(1);
        }
        auto initQt = reinterpret_cast<dwav_init_qt_fn>(dlsym(library, "dwav_init_qt"));
        auto display = reinterpret_cast<dwav_display_fn>(dlsym(library, "dwav_display"));
        if (!initQt || !display) {
            std::fprintf(stderr, "exports not found\n");
            _Exit(1);
        }
        stage = "open";
        DwavPanelHandle *handles[2] = {nullptr, nullptr};
        CHECK(initQt(carrier, POS_DWAV_A, 1, 1, &handles[0], &flags[0]) == 0, "DWAV panel");
        CHECK(initQt(carrier, POS_FOREIGN, 1, 1, &handles[1], &flags[1]) == -1, "DEMO panel");
        CHECK(display(handles[0]) == 0 && display(handles[1]) == 0, "display");
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        CHECK(countOf("tvkdwav_state") > 0, "the panel does not poll");
        CHECK(moduleSessions(&dwavSession, 1) == 1, "no module session");
        CHECK(flags[0] == 1 && flags[1] == 1, "flags %d %d while open", flags[0], flags[1]);
        std::free(handles[0]);
        std::free(handles[1]);
        dwavbench_journal_clear();
    }
    // The application is gone, the panels and the library are not.
    stage = "after the application";
    CHECK(flags[0] == 1 && flags[1] == 1, "flags %d %d", flags[0], flags[1]);
    return 0;
}
