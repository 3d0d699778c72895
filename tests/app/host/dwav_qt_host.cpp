/*
 * A host written as an ordinary Qt program: its QApplication lives in
 * main() and is gone before the process exits, while the panels it opened
 * through the library are still open. After that the host closes one panel
 * itself; at exit it must still see every panel closed, and each module's
 * session must be reset, stopped and closed. The checks run in an exit
 * handler registered before the library's own, so it runs after it.
 *
 * With "core" or "gui" the host's application object is a QCoreApplication
 * or a QGuiApplication, under which no widget can live: the library must
 * refuse the panel and touch nothing.
 *
 * With "prompt" or "run" a service run that waits for the operator is under
 * way when the application ends: its connection prompt on screen, or Run
 * just pressed. The application's end waits for the pool that runs it, so
 * the run must stop by itself.
 *
 * Usage: dwav_qt_host <path of the panel library> [core|gui|prompt|run]
 * Exit code 0 when every check passed.
 */
#include "DwavExports.h"
#include "dwav_bench.h"
#include "host_checks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include <dlfcn.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

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

template <typename F>
F lookUp(void *library, const char *name)
{
    auto symbol = reinterpret_cast<F>(dlsym(library, name));
    if (!symbol) {
        std::fprintf(stderr, "export %s not found\n", name);
        _Exit(1);
    }
    return symbol;
}

void *load(const char *path)
{
    void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        _Exit(1);
    }
    return library;
}

// A host whose application shows no widgets: refused, nothing made.
int runWithoutWidgets(int argc, char **argv, bool gui, ViSession carrier)
{
    std::unique_ptr<QCoreApplication> app(gui ? new QGuiApplication(argc, argv)
                                              : new QCoreApplication(argc, argv));
    auto initQt = lookUp<dwav_init_qt_fn>(load(argv[1]), "dwav_init_qt");
    stage = gui ? "QGuiApplication" : "QCoreApplication";
    dwavbench_journal_clear();
    // A pointer the host did not clear: the refusal must leave it null.
    DwavPanelHandle *handle = reinterpret_cast<DwavPanelHandle *>(&flags);
    CHECK(initQt(carrier, POS_DWAV_A, 1, 1, &handle, &flags[0]) == -1, "init not refused");
    CHECK(handle == nullptr, "a handle for a refused panel");
    CHECK(flags[0] == -7, "flag written: %d", flags[0]);
    CHECK(dwavbench_journal_count() == 0, "%zu driver calls for a refused panel",
          dwavbench_journal_count());
    if (failures)
        std::fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}

// In every panel window: opens the service panel, ticks the test that asks
// for cables first and presses Run; the DEMO panel refuses the run. With
// `untilPrompt`, returns once the prompt is on screen.
void startServiceRuns(bool untilPrompt)
{
    stage = "service run";
    int runs = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *action = window->findChild<QAction *>(QStringLiteral("servicePanelAction"));
        if (!window->inherits("MainWindow") || !action)
            continue;
        action->trigger();
        auto *service = window->findChild<QDialog *>(QStringLiteral("ServiceDialog"));
        CHECK(service && service->isVisible(), "no service panel");
        if (!service)
            continue;
        service->findChild<QAbstractButton *>(QStringLiteral("OkOff_1CheckBox"))->setChecked(true);
        service->findChild<QAbstractButton *>(QStringLiteral("runTestsPushButton"))->click();
        ++runs;
    }
    CHECK(runs == 2, "%d service panels", runs);
    if (!untilPrompt)
        return;
    // The prompt comes from the pool thread; no deadline on a busy machine.
    while (!qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <panel library> [core|gui]\n", argv[0]);
        return 2;
    }
    ViSession carrier = 0;
    if (openCarrier(&carrier) != 0)
        return 1;
    const char *mode = argc == 3 ? argv[2] : "";
    const bool service = std::strcmp(mode, "prompt") == 0 || std::strcmp(mode, "run") == 0;
    if (argc == 3 && !service)
        return runWithoutWidgets(argc, argv, std::strcmp(mode, "gui") == 0, carrier);

    std::atexit(checkAtExit);
    dwav_display_fn display = nullptr;
    dwav_hide_fn hide = nullptr;
    dwav_close_fn closePanel = nullptr;
    DwavPanelHandle *handles[2] = {nullptr, nullptr};
    {
        QApplication app(argc, argv);
        // A font of the host's own, which the panels must leave as it is.
        QApplication::setFont(QFont(QApplication::font().family(), 11));
        const QFont hostFont = QApplication::font();
        stage = "load";
        void *library = load(argv[1]);
        auto initQt = lookUp<dwav_init_qt_fn>(library, "dwav_init_qt");
        display = lookUp<dwav_display_fn>(library, "dwav_display");
        hide = lookUp<dwav_hide_fn>(library, "dwav_hide");
        closePanel = lookUp<dwav_close_fn>(library, "dwav_close");
        stage = "open";
        CHECK(initQt(carrier, POS_DWAV_A, 1, 1, &handles[0], &flags[0]) == 0, "DWAV panel");
        CHECK(initQt(carrier, POS_FOREIGN, 1, 1, &handles[1], &flags[1]) == -1, "DEMO panel");
        CHECK(display(handles[0]) == 0 && display(handles[1]) == 0, "display");
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        CHECK(countOf("tvkdwav_state") > 0, "the panel does not poll");
        CHECK(moduleSessions(&dwavSession, 1) == 1, "no module session");
        CHECK(flags[0] == 1 && flags[1] == 1, "flags %d %d while open", flags[0], flags[1]);
        CHECK(QApplication::font() == hostFont && QApplication::font().resolve() == hostFont.resolve(),
              "the panels changed the host's application font");
        if (service)
            startServiceRuns(std::strcmp(mode, "prompt") == 0);
        dwavbench_journal_clear();
    }
    // The application is gone, the panels and the library are not.
    stage = "after the application";
    CHECK(flags[0] == 1 && flags[1] == 1, "flags %d %d", flags[0], flags[1]);
    // A stopped run leaves the test it waited to start undone.
    CHECK(countOf("tvkdwav_test_OK_Off1") == 0, "the service test ran after the application");
    CHECK(display(handles[0]) == -1 && hide(handles[0]) == -1, "display or hide without Qt");
    CHECK(flags[0] == 1, "display wrote %d", flags[0]);
    CHECK(closePanel(&handles[0]) == 0 && handles[0] == nullptr, "close without Qt");
    CHECK(flags[0] == 0, "flag %d after close", flags[0]);
    // Closing gave the session back at once, not only at exit.
    checkShutDown(__LINE__, dwavSession);
    std::free(handles[1]);
    return 0;
}
