#pragma once

// The simulated bench as the tests drive it: loading a description,
// faults and module options, and reading what reached the bench (its
// journal). Every helper warns with the bench's reason when it refuses.

#include "dwav_bench.h"
#include "tvkdwav_32.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

namespace Bench {

// Back to the start-up bench (the built-in one in a test's environment).
inline bool reset()
{
    char error[256] = {0};
    if (dwavbench_reset(error, sizeof error) != 0) {
        qWarning("bench reset: %s", error);
        return false;
    }
    return true;
}

// Replaces the bench by `text`, with no faults and an empty journal.
inline bool load(const char *text)
{
    char error[256] = {0};
    if (dwavbench_load_text(text, error, sizeof error) != 0) {
        qWarning("bench: %s", error);
        return false;
    }
    dwavbench_clear_faults();
    dwavbench_journal_clear();
    return true;
}
inline bool load(const QByteArray &text)
{
    return load(text.constData());
}

// `function` fails (or warns) with `status` on its nth call from now on, 0 = on every call.
inline bool addFault(const char *function, unsigned long nth, qint32 status)
{
    char error[256] = {0};
    if (dwavbench_add_fault(function, nth, status, error, sizeof error) != 0) {
        qWarning("fault: %s", error);
        return false;
    }
    return true;
}

inline bool setModuleOption(const char *resource, int position, const char *key, const char *value)
{
    char error[256] = {0};
    if (dwavbench_set_module_option(resource, position, key, value, error, sizeof error) != 0) {
        qWarning("module option: %s", error);
        return false;
    }
    return true;
}

// Every call of `function` from now on takes `microseconds` longer.
inline bool setLatency(const char *function, unsigned long microseconds)
{
    char error[256] = {0};
    if (dwavbench_set_function_latency_us(function, microseconds, error, sizeof error) != 0) {
        qWarning("latency: %s", error);
        return false;
    }
    return true;
}

// Calls of `function` (null: of any) that a thread has begun and not yet
// returned: how a test knows a pool task has reached a call.
inline int callsInFlight(const char *function = nullptr)
{
    return int(dwavbench_calls_in_flight(function));
}

// Every call of `function` from now on stays in flight until release() or
// the end of the scope, so a test decides when it returns instead of
// betting on a latency. Declare it after the objects that wait for the
// call when destroyed, so a failed check lets the call go before they wait.
class Hold
{
public:
    explicit Hold(const char *function)
        : m_function(function)
    {
        setLatency(function, 30000000);
    }
    ~Hold() { release(); }
    void release() { setLatency(m_function, 0); }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

private:
    const char *m_function;
};

struct Call {
    quint64 sequence = 0;
    quint64 timeNs = 0;
    qint32 status = 0;
    QString function;
    QString arguments;
};

// Every call since the journal was last cleared, oldest first.
inline QVector<Call> journal()
{
    QVector<Call> calls;
    const size_t count = dwavbench_journal_count();
    for (size_t i = 0; i < count; ++i) {
        dwavbench_call entry;
        if (dwavbench_journal_entry(i, &entry) != 0)
            continue;
        Call call;
        call.sequence = entry.sequence;
        call.timeNs = entry.time_ns;
        call.status = entry.status;
        call.function = QString::fromLatin1(entry.function);
        call.arguments = QString::fromLatin1(entry.arguments);
        calls.append(call);
    }
    return calls;
}

inline QVector<Call> callsOf(const QString &function)
{
    QVector<Call> found;
    for (const Call &call : journal())
        if (call.function == function)
            found.append(call);
    return found;
}

inline int countOf(const char *function)
{
    return int(dwavbench_journal_count_of(function));
}

// Calls of a function whose arguments mention `text`.
inline int callsMentioning(const char *function, const QString &text)
{
    int n = 0;
    for (const Call &call : callsOf(QLatin1String(function)))
        if (call.arguments.contains(text))
            ++n;
    return n;
}

// The arguments text of the last call of a function ("" when none).
inline QString lastArguments(const char *function)
{
    const QVector<Call> calls = callsOf(QLatin1String(function));
    return calls.isEmpty() ? QString() : calls.last().arguments;
}

// The status the bench returned for the last call of a function (0 when none).
inline qint32 lastStatus(const char *function)
{
    const QVector<Call> calls = callsOf(QLatin1String(function));
    return calls.isEmpty() ? 0 : calls.last().status;
}

// The last journal entry as the journal file writes it.
inline QString lastLine()
{
    const size_t count = dwavbench_journal_count();
    if (count == 0)
        return QString();
    char line[1024] = {};
    dwavbench_journal_line(count - 1, line, sizeof line);
    return QString::fromLatin1(line);
}

// What the module driver says about a status, asked on a session or none.
inline QString driverText(qint32 status, ViSession vi = 0)
{
    char text[TVKDWAV_ERROR_MESSAGE_BUFLEN] = {0};
    tvkdwav_error_message(vi, status, text);
    return QString::fromLocal8Bit(text);
}

} // namespace Bench
