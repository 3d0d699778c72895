#pragma once

// A DWAV module opened on a bench of our own, the way the library opens
// one, with readers for what reached the module (the bench's journal) and
// for what the module logged.

#include "BenchSupport.h"
#include "LogCapture.h"
#include "ModuleOnBench.h"

#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

class ConfigureBench
{
public:
    static constexpr int position = 2;
    static const char *carrier() { return "VXI0::7::INSTR"; }

    ConfigureBench()
        : m_loaded(Bench::load("[resource VXI0::7::INSTR]\n"
                               "interface = vxi\n"
                               "manufacturer = 3702\n"
                               "model = 341\n"
                               "slot = 7\n"
                               "idn = KALVINT,TVKBASE-VXI,0700,2.4\n"
                               "carrier = yes\n"
                               "[module VXI0::7::INSTR 2]\n"
                               "serial = DW-7002\n"))
        , m_opened(carrier(), position)
        , m_messages(position)
    {
        clear();
    }

    ~ConfigureBench() { dwavbench_clear_faults(); }

    bool ready() const { return m_loaded && m_opened.carrierSession != 0 && m_opened.initResult == 0; }
    DWAVModule &module() { return *m_opened.module; }

    // Forgets the calls and messages so far.
    void clear()
    {
        dwavbench_journal_clear();
        m_messages.clear();
    }

    // Every call since the last clear as "function(arguments)", without the
    // session argument, which differs from run to run. The driver texts the
    // module asks for after a failure are left out: they configure nothing.
    static QStringList calls()
    {
        static const QRegularExpression session(QStringLiteral("^vi=0x[0-9A-Fa-f]+(, )?"));
        QStringList out;
        for (const Bench::Call &call : Bench::journal()) {
            if (call.function == QLatin1String("tvkdwav_error_message"))
                continue;
            QString arguments = call.arguments;
            arguments.remove(session);
            out << QStringLiteral("%1(%2)").arg(call.function, arguments);
        }
        return out;
    }

    static qint32 lastStatus(const char *function) { return Bench::lastStatus(function); }
    static bool addFault(const char *function, unsigned long nth, qint32 status)
    {
        return Bench::addFault(function, nth, status);
    }

    // The messages logged since the last clear, of one type (-1: any).
    QStringList messages(int type = -1) const
    {
        return type < 0 ? m_messages.all() : m_messages.of(LoggerMessageType(type));
    }

    QStringList queryMessages() const
    {
        QStringList out;
        const QString key = QStringLiteral("Query parameters on config: ");
        for (const QString &m : messages(LoggerPlain))
            if (m.startsWith(key))
                out << m.mid(key.size());
        return out;
    }

private:
    bool m_loaded = false;
    Bench::OpenedModule m_opened;
    LogCapture m_messages;
};
