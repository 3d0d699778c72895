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
        return app ? app->displayPanel(handle->mezNum) : -1;
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
        return app ? app->hidePanel(handle->mezNum) : 0;
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
        result = app ? app->closePanel((*handleRef)->mezNum) : 0;
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
