#pragma once

// A DWAV module opened on a bench of our own, the way the library opens
// one, with readers for what reached the module (the bench's journal) and
// for what the module logged.

#include "DWAVModule.h"
#include "Logger.h"

#include "dwav_bench.h"
#include "tvkbase_32.h"

#include <QObject>
#include <QPair>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

#include <memory>

class ConfigureBench
{
public:
    static constexpr int position = 2;
    static const char *carrier() { return "VXI0::7::INSTR"; }

    ConfigureBench()
    {
        const char *text =
            "[resource VXI0::7::INSTR]\n"
            "interface = vxi\n"
            "manufacturer = 3702\n"
            "model = 341\n"
            "slot = 7\n"
            "idn = KALVINT,TVKBASE-VXI,0700,2.4\n"
            "carrier = yes\n"
            "[module VXI0::7::INSTR 2]\n"
            "serial = DW-7002\n";
        char error[256] = {0};
        m_loaded = dwavbench_load_text(text, error, sizeof error) == 0;
        if (!m_loaded) {
            qWarning("bench: %s", error);
            return;
        }
        dwavbench_clear_faults();
        m_loaded = tvkbase_init(carrier(), 1, 1, &m_carrier) >= 0;
        m_module.reset(new DWAVModule);
        m_module->setInitParams(m_carrier, position, 0, 0, nullptr);
        m_initResult = m_module->initialize();
        QObject::connect(Logger::instance(position), &Logger::logged, &m_context,
                         [this](const QString &message, LoggerMessageType type) {
                             m_messages.append(qMakePair(message, int(type)));
                         });
        clear();
    }

    ~ConfigureBench()
    {
        if (m_module)
            m_module->close();
        m_module.reset();
        if (m_carrier)
            tvkbase_close(m_carrier);
        dwavbench_clear_faults();
    }

    bool ready() const { return m_loaded && m_initResult == 0; }
    DWAVModule &module() { return *m_module; }

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
        const size_t count = dwavbench_journal_count();
        for (size_t i = 0; i < count; ++i) {
            dwavbench_call entry;
            if (dwavbench_journal_entry(i, &entry) != 0
                || qstrcmp(entry.function, "tvkdwav_error_message") == 0)
                continue;
            QString arguments = QString::fromLatin1(entry.arguments);
            arguments.remove(session);
            out << QStringLiteral("%1(%2)").arg(QString::fromLatin1(entry.function), arguments);
        }
        return out;
    }

    // The status the bench returned for the last call of a function.
    static qint32 lastStatus(const char *function)
    {
        const size_t count = dwavbench_journal_count();
        for (size_t i = count; i-- > 0;) {
            dwavbench_call entry;
            if (dwavbench_journal_entry(i, &entry) == 0 && qstrcmp(entry.function, function) == 0)
                return entry.status;
        }
        return 0;
    }

    static bool addFault(const char *function, unsigned long nth, qint32 status)
    {
        char error[256] = {0};
        if (dwavbench_add_fault(function, nth, status, error, sizeof error) == 0)
            return true;
        qWarning("fault: %s", error);
        return false;
    }

    // The messages logged since the last clear, of one type (-1: any).
    QStringList messages(int type = -1) const
    {
        QStringList out;
        for (const auto &m : m_messages)
            if (type < 0 || m.second == type)
                out << m.first;
        return out;
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
    ViSession m_carrier = 0;
    int m_initResult = -1;
    std::unique_ptr<DWAVModule> m_module;
    QObject m_context;
    QList<QPair<QString, int>> m_messages;
};
