// The bench's control API for tests and tools (dwav_bench.h).
#include "Bench.h"
#include "Journal.h"

#include "dwav_bench.h"

#include <cstring>
#include <string>

using dwavsim::Bench;

namespace {

int result(bool ok, const std::string &reason, char *error, std::size_t errorSize)
{
    if (error && errorSize > 0) {
        const std::string text = ok ? std::string() : reason;
        const std::size_t n = text.size() < errorSize - 1 ? text.size() : errorSize - 1;
        std::memcpy(error, text.data(), n);
        error[n] = '\0';
    }
    return ok ? 0 : -1;
}

std::string text(const char *value)
{
    return value ? value : "";
}

} // namespace

extern "C" {

int dwavbench_reset(char *error, size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().reset(reason);
    return result(ok, reason, error, errorSize);
}

void dwavbench_load_default(void)
{
    Bench::instance().loadDefault();
}

int dwavbench_load_file(const char *path, char *error, size_t errorSize)
{
    if (!path)
        return result(false, "no bench file named", error, errorSize);
    std::string reason;
    const bool ok = Bench::instance().loadFile(path, reason);
    return result(ok, reason, error, errorSize);
}

int dwavbench_load_text(const char *description, char *error, size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().loadText(text(description), reason);
    return result(ok, reason, error, errorSize);
}

const char *dwavbench_load_error(void)
{
    // Kept per thread so the pointer stays valid while the caller reads it.
    thread_local std::string last;
    last = Bench::instance().loadErrorText();
    return last.c_str();
}

int dwavbench_set_option(const char *key, const char *value, char *error, size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().setOption(text(key), text(value), reason);
    return result(ok, reason, error, errorSize);
}

int dwavbench_set_module_option(const char *resource, int position, const char *key, const char *value,
                                char *error, size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().setModuleOption(resource, position, text(key), text(value), reason);
    return result(ok, reason, error, errorSize);
}

void dwavbench_set_multimeter(int present)
{
    std::string unused;
    Bench::instance().setOption("multimeter", present ? "yes" : "no", unused);
}

int dwavbench_add_fault(const char *function, unsigned long nth, int32_t status, char *error,
                        size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().addFault(text(function), nth, status, reason);
    return result(ok, reason, error, errorSize);
}

int dwavbench_add_faults(const char *list, char *error, size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().addFaults(text(list), reason);
    return result(ok, reason, error, errorSize);
}

void dwavbench_clear_faults(void)
{
    Bench::instance().clearFaults();
}

int dwavbench_is_function(const char *function)
{
    return function && dwavsim::FaultTable::isFunction(function) ? 1 : 0;
}

void dwavbench_set_latency_us(unsigned long microseconds)
{
    Bench::instance().setLatency(microseconds);
}

int dwavbench_set_function_latency_us(const char *function, unsigned long microseconds, char *error,
                                      size_t errorSize)
{
    std::string reason;
    const bool ok = Bench::instance().setFunctionLatency(text(function), microseconds, reason);
    return result(ok, reason, error, errorSize);
}

size_t dwavbench_calls_in_flight(const char *function)
{
    return Bench::instance().callsInFlight(function);
}

int dwavbench_external_event(const char *resource, int position)
{
    return Bench::instance().externalEvent(resource, position);
}

size_t dwavbench_journal_count(void)
{
    Bench &bench = Bench::instance();
    return bench.locked([&] { return bench.journal().count(); });
}

int dwavbench_journal_entry(size_t i, dwavbench_call *entry)
{
    if (!entry)
        return -1;
    Bench &bench = Bench::instance();
    return bench.locked([&] { return bench.journal().entry(i, *entry); }) ? 0 : -1;
}

int dwavbench_journal_line(size_t i, char *buffer, size_t size)
{
    Bench &bench = Bench::instance();
    std::string line;
    if (!bench.locked([&] { return bench.journal().line(i, line); }))
        return -1;
    if (buffer && size > 0) {
        const std::size_t n = line.size() < size - 1 ? line.size() : size - 1;
        std::memcpy(buffer, line.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<int>(line.size());
}

size_t dwavbench_journal_count_of(const char *function)
{
    Bench &bench = Bench::instance();
    return bench.locked([&] { return bench.journal().countOf(text(function)); });
}

void dwavbench_journal_clear(void)
{
    Bench &bench = Bench::instance();
    bench.locked([&] { bench.journal().clear(); });
}

size_t dwavbench_open_sessions(void)
{
    return Bench::instance().openSessions();
}

int dwavbench_module_value(const char *resource, int position, const char *key, double *value)
{
    if (!value)
        return -1;
    return Bench::instance().moduleValue(resource, position, text(key), *value) ? 0 : -1;
}

int dwavbench_module_points(const char *resource, int position, int chan, double *points, int capacity)
{
    return Bench::instance().modulePoints(resource, position, chan, points, capacity);
}

int dwavbench_module_calibration(const char *resource, int position, void *record136, int fromFlash)
{
    return Bench::instance().moduleCalibration(resource, position, record136, fromFlash != 0) ? 0 : -1;
}

} // extern "C"
