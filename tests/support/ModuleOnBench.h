#pragma once

// A DWAV module opened on the simulated bench the way the panel's callers
// open one: either on a carrier session of the host's (OpenedModule), or
// found on the default bench and opened by resource name (openModule).

#include "DWAVModule.h"

#include "dwav_bench.h"
#include "dwav_visa.h"
#include "tvkbase_32.h"

#include <QString>

#include <memory>

namespace Bench {

// The host's carrier session, then initialize; closed again in reverse.
struct OpenedModule
{
    std::unique_ptr<DWAVModule> module;
    ViSession carrierSession = 0;
    int initResult = 0;

    OpenedModule(const char *carrier, int position)
        : module(new DWAVModule)
    {
        if (tvkbase_init(carrier, 1, 1, &carrierSession) < 0)
            carrierSession = 0;
        module->setInitParams(carrierSession, ushort(position), 0, 0, nullptr);
        initResult = module->initialize();
    }
    ~OpenedModule()
    {
        if (module && module->moduleSession() != 0)
            module->close();
        module.reset();
        if (carrierSession != 0)
            tvkbase_close(carrierSession);
    }
    OpenedModule(const OpenedModule &) = delete;
    OpenedModule &operator=(const OpenedModule &) = delete;
    DWAVModule *operator->() const { return module.get(); }
};

// The first carrier resource and position of the bench that hold a DWAV
// module, found through the ordinary VISA and carrier calls.
inline bool findModule(QString *resource, int *position)
{
    ViSession rm = 0;
    if (viOpenDefaultRM(&rm) < 0)
        return false;
    ViFindList list = 0;
    ViUInt32 count = 0;
    char name[VI_FIND_BUFLEN] = {};
    bool found = false;
    if (viFindRsrc(rm, "?*[0-9]?*::?*::INSTR", &list, &count, name) >= 0) {
        for (ViUInt32 i = 0; i < count && !found; ++i) {
            if (i > 0 && viFindNext(list, name) < 0)
                break;
            ViSession carrier = 0;
            if (tvkbase_init(name, 0, 0, &carrier) < 0)
                continue;
            for (int pos = 1; pos <= 8 && !found; ++pos) {
                ViInt16 present = 0;
                ViInt16 code = 0;
                if (tvkbase_m_type_q(carrier, ViInt16(pos), &present, &code) >= 0 && present
                    && code == 66) {
                    *resource = QString::fromLatin1(name);
                    *position = pos;
                    found = true;
                }
            }
            tvkbase_close(carrier);
        }
        viClose(list);
    }
    viClose(rm);
    return found;
}

// A fresh default bench and a module initialised on its first DWAV
// position; the journal starts empty afterwards.
inline std::unique_ptr<DWAVModule> openModule(QString *resourceOut = nullptr,
                                              int *positionOut = nullptr)
{
    char error[256] = {};
    dwavbench_reset(error, sizeof error);
    dwavbench_load_default();
    QString resource;
    int position = 0;
    if (!findModule(&resource, &position))
        return nullptr;
    auto module = std::make_unique<DWAVModule>();
    module->initCarrier(resource, 0, 0, ushort(position));
    if (module->initialize() != 0)
        return nullptr;
    if (resourceOut)
        *resourceOut = resource;
    if (positionOut)
        *positionOut = position;
    dwavbench_journal_clear();
    return module;
}

} // namespace Bench
