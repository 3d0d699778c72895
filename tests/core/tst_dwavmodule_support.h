#pragma once

// What the module tests share: a bench of our own with DWAV modules, a
// foreign module and empty positions, a module opened on it the way the
// library opens one, and readers for the journal and the messages.

#include "DWAVModule.h"
#include "Logger.h"

#include "BenchSupport.h"
#include "LogCapture.h"
#include "ModuleOnBench.h"

#include "dwav_bench.h"
#include "dwav_visa.h"
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QFile>
#include <QStringList>
#include <QtTest>

namespace ModuleBench {

// One carrier; positions 1 and 2 hold DWAV modules, 3 a module with code
// 65, 4 one whose code reads negative as 16 bits, 6 a DWAV module with a
// revision in the upper bits of its code; 5, 7 and 8 are empty.
inline const char *carrier() { return "VXI0::4::INSTR"; }

const char *const benchText =
    "[resource VXI0::4::INSTR]\n"
    "interface = vxi\n"
    "manufacturer = 3702\n"
    "model = 341\n"
    "slot = 4\n"
    "idn = KALVINT,TVKBASE-VXI,0400,2.4\n"
    "carrier = yes\n"
    "[module VXI0::4::INSTR 1]\n"
    "serial = DW-4001\n"
    "[module VXI0::4::INSTR 2]\n"
    "serial = DW-4002\n"
    "[module VXI0::4::INSTR 3]\n"
    "type = 65\n"
    "[module VXI0::4::INSTR 4]\n"
    "type = 0xF042\n"
    "[module VXI0::4::INSTR 6]\n"
    "type = 0x1042\n"
    "serial = DW-4006\n";

inline bool load()
{
    return Bench::load(benchText);
}

using Bench::addFault;
using Bench::countOf;
using Bench::lastArguments;
using Messages = LogCapture;

inline bool setModuleOption(int position, const char *key, const char *value)
{
    return Bench::setModuleOption(carrier(), position, key, value);
}

inline ViSession openCarrier()
{
    ViSession session = 0;
    if (tvkbase_init(carrier(), 1, 1, &session) < 0)
        return 0;
    return session;
}

// A module on a position of this bench's carrier.
struct OpenedModule : Bench::OpenedModule
{
    explicit OpenedModule(int position) : Bench::OpenedModule(carrier(), position) {}
};

// Brings an initialised module on to state 3 or 4 through the ordinary
// commands; true when every command on the way succeeded.
inline bool bringToState(DWAVModule *module, int reached)
{
    if (reached >= DWAVModule::DeviceConfigured && module->configure() != 0)
        return false;
    if (reached >= DWAVModule::DeviceStarted && module->start() != 0)
        return false;
    return true;
}

inline QString logFile()
{
    QFile file(Logger::logFileName());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

} // namespace ModuleBench
