#pragma once

// What the module tests share: a bench of our own with DWAV modules, a
// foreign module and empty positions, a module opened on it the way the
// library opens one, and readers for the journal and the messages.

#include "DWAVModule.h"
#include "DwavModuleCode.h"
#include "Logger.h"

#include "dwav_bench.h"
#include "dwav_visa.h"
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QtTest>

#include <memory>

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
    char error[256] = {0};
    if (dwavbench_load_text(benchText, error, sizeof error) != 0) {
        qWarning("bench: %s", error);
        return false;
    }
    dwavbench_clear_faults();
    dwavbench_journal_clear();
    return true;
}

inline bool addFault(const char *function, unsigned long nth, qint32 status)
{
    char error[256] = {0};
    if (dwavbench_add_fault(function, nth, status, error, sizeof error) != 0) {
        qWarning("fault: %s", error);
        return false;
    }
    return true;
}

inline bool setModuleOption(int position, const char *key, const char *value)
{
    char error[256] = {0};
    if (dwavbench_set_module_option(carrier(), position, key, value, error, sizeof error) != 0) {
        qWarning("module option: %s", error);
        return false;
    }
    return true;
}

inline size_t calls(const char *function)
{
    return dwavbench_journal_count_of(function);
}

// The arguments text of the last journal entry of a function.
inline QString lastArguments(const char *function)
{
    const size_t count = dwavbench_journal_count();
    for (size_t i = count; i-- > 0;) {
        dwavbench_call entry;
        if (dwavbench_journal_entry(i, &entry) == 0 && qstrcmp(entry.function, function) == 0)
            return QString::fromLatin1(entry.arguments);
    }
    return QString();
}

inline ViSession openCarrier()
{
    ViSession session = 0;
    if (tvkbase_init(carrier(), 1, 1, &session) < 0)
        return 0;
    return session;
}

// A module opened as the library opens one: the host's carrier session,
// then initialize.
struct OpenedModule
{
    std::unique_ptr<DWAVModule> module;
    ViSession carrierSession = 0;
    int initResult = 0;

    explicit OpenedModule(int position)
        : module(new DWAVModule)
    {
        carrierSession = openCarrier();
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
    DWAVModule *operator->() const { return module.get(); }
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

// Every message of one position, as it was logged.
class Messages
{
public:
    explicit Messages(int position)
        : m_spy((qRegisterMetaType<LoggerMessageType>(), Logger::instance(position)),
                &Logger::logged)
    {
    }

    // Messages of one type, oldest first.
    QStringList of(LoggerMessageType type) const
    {
        QStringList texts;
        for (const QList<QVariant> &call : m_spy) {
            if (call.at(1).value<LoggerMessageType>() == type)
                texts << call.at(0).toString();
        }
        return texts;
    }
    QStringList all() const
    {
        QStringList texts;
        for (const QList<QVariant> &call : m_spy)
            texts << call.at(0).toString();
        return texts;
    }
    int count() const { return m_spy.count(); }
    void clear() { m_spy.clear(); }

private:
    QSignalSpy m_spy;
};

inline QString logFile()
{
    QFile file(Logger::logFileName());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

} // namespace ModuleBench
