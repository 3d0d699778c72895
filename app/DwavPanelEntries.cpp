#include "DwavPanelEntries.h"

#include "MainApp.h"
#include "QtLibraryPaths.h"

#include <cstdlib>
#include <new>

static_assert(sizeof(ViSession) == sizeof(uint32_t), "sessions cross the interface as 32 bits");

// A C++ exception must never unwind into the host's C frames: each entry
// turns one into a failing result.

extern "C" int32_t dwavqt_init_qt(uint32_t carrierSession, uint32_t mezNum, uint32_t idQuery,
                                  uint32_t resetDevice, DwavPanelHandle **handleOut,
                                  int32_t *visibleFlag)
{
    if (!handleOut)
        return -1;
    try {
        // Refused before anything is set up or made: the host can tell this
        // from a panel in DEMO mode by the null handle.
        if (!MainApp::canShowPanels()) {
            *handleOut = nullptr;
            return -1;
        }
        setupQtLibraryPaths();
        MainApp *app = MainApp::instance();
        if (!app)
            return -1;
        // Refused in the same way: a position's panel drives the module of
        // the carrier it was opened for, never another carrier's.
        if (!app->canOpenPanel(ViSession(carrierSession), ushort(mezNum))) {
            *handleOut = nullptr;
            return -1;
        }
        const int result = app->initPanel(ViSession(carrierSession), ushort(mezNum),
                                          ushort(idQuery), ushort(resetDevice), handleOut,
                                          visibleFlag);
        auto *handle = static_cast<DwavPanelHandle *>(std::calloc(1, sizeof(DwavPanelHandle)));
        *handleOut = handle;
        if (!handle)
            return -2;
        handle->carrierSession = carrierSession;
        handle->mezNum = uint16_t(mezNum);
        handle->idQuery = uint16_t(idQuery);
        handle->resetDevice = uint16_t(resetDevice);
        return result;
    } catch (const std::bad_alloc &) {
        return -2;
    } catch (...) {
        return -1;
    }
}

extern "C" int32_t dwavqt_display(DwavPanelHandle *handle)
{
    if (!handle)
        return -1;
    try {
        MainApp *app = MainApp::instance();
        // A handle of another carrier finds no panel at the position.
        if (!app || app->isHeldByOtherCarrier(ViSession(handle->carrierSession), handle->mezNum))
            return -1;
        return app->displayPanel(handle->mezNum);
    } catch (...) {
        return -1;
    }
}

extern "C" int32_t dwavqt_hide(DwavPanelHandle *handle)
{
    if (!handle)
        return -1;
    try {
        MainApp *app = MainApp::instance();
        if (!app || app->isHeldByOtherCarrier(ViSession(handle->carrierSession), handle->mezNum))
            return 0;
        return app->hidePanel(handle->mezNum);
    } catch (...) {
        return -1;
    }
}

extern "C" int32_t dwavqt_close(DwavPanelHandle **handleRef)
{
    if (!handleRef || !*handleRef)
        return -1;
    int32_t result = -1;
    try {
        MainApp *app = MainApp::instance();
        const DwavPanelHandle *handle = *handleRef;
        if (!app || app->isHeldByOtherCarrier(ViSession(handle->carrierSession), handle->mezNum))
            result = 0;
        else
            result = app->closePanel(handle->mezNum);
    } catch (...) {
        result = -1;
    }
    std::free(*handleRef);
    *handleRef = nullptr;
    return result;
}

extern "C" void dwavqt_unload(void)
{
    try {
        MainApp::destroyInstance();
    } catch (...) {
    }
}
