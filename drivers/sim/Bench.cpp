#include "Bench.h"

#include "Cp1251.h"
#include "StatusText.h"

#include "tvkdwav_32.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

namespace dwavsim {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string oneLine(std::string text)
{
    for (char &c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

} // namespace

Bench &Bench::instance()
{
    // Never destroyed: panels close their sessions from destructors of
    // static objects at exit, which may run after a static bench's would.
    static Bench *bench = new Bench;
    return *bench;
}

Bench::Bench()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    loadFromEnvironment();
}

std::uint64_t Bench::now() const
{
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

unsigned long Bench::latencyOf(const std::string &function) const
{
    const auto it = m_functionLatencyUs.find(function);
    return m_latencyUs + (it != m_functionLatencyUs.end() ? it->second : 0);
}

ViStatus Bench::call(const char *function, const Args &args, const Body &body)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    // Counted from here, so a test that sees the call in flight knows the
    // caller has reached it, even while it still waits out its latency.
    const std::string name(function);
    std::size_t &inFlight = m_inFlight[name];
    ++inFlight;
    // A slow bus delays the caller, not the other threads using the bench:
    // the wait lets go of the lock. The deadline follows latency changes, so
    // a test can hold a call with a long latency and let it go at an event.
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const auto deadline = start + std::chrono::microseconds(latencyOf(name));
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        m_latencyChange.wait_until(lock, deadline);
    }

    std::int32_t fault = 0;
    const bool fired = m_faults.check(function, fault);
    ViStatus status = VI_SUCCESS;
    if (fired && fault < 0) {
        status = fault;
    } else {
        try {
            status = body();
        } catch (const std::bad_alloc &) {
            status = VI_ERROR_ALLOC;
        } catch (...) {
            status = VI_ERROR_SYSTEM_ERROR;
        }
        if (fired && status >= 0)
            status = fault;
    }
    m_journal.record(function, args.text(), status, now());
    --inFlight;
    return status;
}

// ---- Loading ------------------------------------------------------------------

namespace {

// A bench description takes kilobytes; far more is some other file.
constexpr std::uintmax_t maxBenchFileBytes = 16 * 1024 * 1024;

// Reads a bench file; false with the reason when it is none. Only a regular
// file is opened: a named pipe would hold the start until some writer came,
// and a device such as /dev/zero never ends.
bool readFile(const std::string &path, std::string &text, std::string &reason)
{
    reason = "cannot read the bench file '" + path + "'";
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    // Counted as it is read, so a file that grows meanwhile is held to the
    // cap as well.
    std::string content;
    char chunk[64 * 1024];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        content.append(chunk, std::size_t(file.gcount()));
        if (content.size() > maxBenchFileBytes) {
            reason = "the bench file '" + path + "' is larger than 16 MiB";
            return false;
        }
    }
    if (file.bad())
        return false;
    text = std::move(content);
    return true;
}

} // namespace

void Bench::fail(const std::string &reason, ViStatus status, bool report)
{
    // Sessions on the old chassis would name resources that no longer exist.
    closeAll();
    m_description = BenchDescription();
    m_models.clear();
    m_faults.clear();
    m_loadError = oneLine(reason);
    m_loadStatus = status;
    if (report)
        reportLoadError();
}

void Bench::reportLoadError() const
{
    if (!m_loadError.empty())
        std::fprintf(stderr, "dwav bench: %s\n", m_loadError.c_str());
}

bool Bench::use(const BenchDescription &description, std::string &error)
{
    closeAll();
    m_models.clear();
    m_faults.clear();
    m_loadError.clear();
    m_loadStatus = VI_SUCCESS;
    m_description = description;
    m_latencyUs = description.latencyUs;
    m_functionLatencyUs.clear();
    m_latencyChange.notify_all();
    const std::uint64_t t = now();
    for (const ResourceProfile &resource : m_description.resources) {
        for (const auto &module : resource.modules) {
            m_models[{resource.name, module.first}] =
                std::make_unique<ModuleModel>(module.second, module.first, t);
        }
    }
    std::string reason;
    if (!m_faults.addList(description.faults, reason)) {
        error = "faults of the bench: " + reason;
        return false;
    }
    return true;
}

bool Bench::useText(const std::string &text, const std::string &origin, bool report)
{
    BenchDescription description;
    std::string reason;
    if (!BenchDescription::parse(text, origin, description, reason)) {
        fail(reason, VI_ERROR_INV_SETUP, report);
        return false;
    }
    if (!use(description, reason)) {
        fail(origin + ": " + reason, VI_ERROR_INV_SETUP, report);
        return false;
    }
    return true;
}

void Bench::loadFromEnvironment()
{
    std::string reason;
    if (!m_journal.setFile(environment("DWAV_BENCH_JOURNAL"), reason))
        std::fprintf(stderr, "dwav bench: DWAV_BENCH_JOURNAL: %s\n", oneLine(reason).c_str());

    const std::string path = environment("DWAV_BENCH");
    std::string text;
    if (path.empty())
        use(BenchDescription::builtIn(), reason);
    else if (!readFile(path, text, reason))
        return fail("DWAV_BENCH: " + reason, VI_ERROR_FILE_ACCESS, true);
    else if (!useText(text, "DWAV_BENCH file '" + path + "'", true))
        return;
    const std::string faults = environment("DWAV_BENCH_FAULTS");
    if (!m_faults.addList(faults, reason))
        fail("DWAV_BENCH_FAULTS: " + reason, VI_ERROR_INV_SETUP, true);
}

bool Bench::reset(std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_journal.clear();
    loadFromEnvironment();
    error = m_loadError;
    return m_loadError.empty();
}

void Bench::loadDefault()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    std::string unused;
    use(BenchDescription::builtIn(), unused);
}

bool Bench::loadText(const std::string &text, std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    const bool ok = useText(text, "bench text", false);
    error = m_loadError;
    return ok;
}

bool Bench::loadFile(const std::string &path, std::string &error)
{
    std::string text;
    std::string reason;
    const bool readable = readFile(path, text, reason);
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!readable)
        fail(reason, VI_ERROR_FILE_ACCESS);
    const bool ok = readable && useText(text, "bench file '" + path + "'", false);
    error = m_loadError;
    return ok;
}

std::string Bench::loadErrorText()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_loadError;
}

// ---- Sessions -------------------------------------------------------------------

ResourceProfile *Bench::resource(const char *name)
{
    return name ? m_description.find(name) : nullptr;
}

ModuleModel *Bench::model(const std::string &resource, int position)
{
    const ResourceProfile *profile = m_description.find(resource);
    if (!profile)
        return nullptr;
    const auto it = m_models.find({profile->name, position});
    if (it == m_models.end() || !it->second->profile.present)
        return nullptr;
    return it->second.get();
}

ViSession Bench::open(const Session &session)
{
    // Session numbers are never reused within a process, so a stale
    // number held by a caller is refused instead of reaching a stranger.
    ViSession vi = ++m_nextSession;
    m_sessions[vi] = session;
    return vi;
}

Bench::Session *Bench::session(ViSession vi)
{
    const auto it = m_sessions.find(vi);
    return it == m_sessions.end() ? nullptr : &it->second;
}

void Bench::close(ViSession vi)
{
    std::vector<ViSession> children;
    for (const auto &entry : m_sessions) {
        if (entry.second.parent == vi)
            children.push_back(entry.first);
    }
    for (ViSession child : children)
        close(child);
    m_sessions.erase(vi);
}

ViStatus Bench::closeDriverSession(ViSession vi, Kind kind)
{
    const Session *s = session(vi);
    if (!s || s->kind != kind)
        return VI_ERROR_INV_OBJECT;
    close(vi);
    return VI_SUCCESS;
}

void Bench::closeAll()
{
    m_sessions.clear();
}

ViStatus Bench::module(ViSession vi, ModuleModel *&model)
{
    model = nullptr;
    Session *s = session(vi);
    if (!s || s->kind != Kind::Module)
        return VI_ERROR_INV_OBJECT;
    if (!s->connected)
        return refuse(vi, TVKDWAV_ERROR_NOT_CONNECTED, "call tvkdwav_connect first");
    model = this->model(s->resource, s->position);
    if (!model)
        return refuse(vi, TVKDWAV_ERROR_NO_MODULE, "the module has been taken out of the carrier");
    return VI_SUCCESS;
}

ViStatus Bench::refuse(ViSession vi, ViStatus status, const std::string &detail)
{
    if (Session *s = session(vi)) {
        s->detailStatus = status;
        s->detail = detail;
    }
    return status;
}

ViStatus Bench::statusText(ViSession vi, ViStatus status, char *buffer, std::size_t size) const
{
    std::string text;
    const bool known = StatusText::describe(status, text);
    const auto it = m_sessions.find(vi);
    if (it != m_sessions.end() && it->second.detailStatus == status && !it->second.detail.empty()) {
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        text += ": " + it->second.detail + ".";
    }
    Cp1251::copy(text, buffer, size);
    return known ? VI_SUCCESS : VI_WARN_UNKNOWN_STATUS;
}

ViStatus Bench::openOnCarrier(const char *name, Kind kind, ViStatus notCarrier, ViPSession vi)
{
    if (!vi)
        return VI_ERROR_PARAMETER4;
    *vi = VI_NULL;
    if (!name)
        return VI_ERROR_PARAMETER1;
    if (m_loadStatus < 0)
        return m_loadStatus;
    const ResourceProfile *profile = resource(name);
    if (!profile)
        return VI_ERROR_RSRC_NFOUND;
    if (!profile->carrier)
        return notCarrier;
    Session session;
    session.kind = kind;
    session.resource = profile->name;
    *vi = open(session);
    return VI_SUCCESS;
}

bool Bench::lockedByOther(ViSession vi, const std::string &resource, bool sharedToo) const
{
    for (const auto &entry : m_sessions) {
        const Session &s = entry.second;
        const bool locked = s.exclusiveLocks > 0 || (sharedToo && s.sharedLocks > 0);
        if (entry.first != vi && locked && sameName(s.resource, resource))
            return true;
    }
    return false;
}

// ---- Control ---------------------------------------------------------------------

std::vector<ModuleModel *> Bench::models(const char *resource, int position)
{
    std::vector<ModuleModel *> found;
    for (auto &entry : m_models) {
        if (resource && (!sameName(entry.first.first, resource) || entry.first.second != position))
            continue;
        found.push_back(entry.second.get());
    }
    return found;
}

bool Bench::setOption(const std::string &key, const std::string &value, std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (key == "faults")
        return m_faults.addList(value, error);
    if (!m_description.setOption(key, value, error))
        return false;
    if (key == "latency_us") {
        m_latencyUs = m_description.latencyUs;
        m_latencyChange.notify_all();
    }
    return true;
}

bool Bench::setModuleOption(const char *resource, int position, const std::string &key,
                            const std::string &value, std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!resource) {
        // Check on a copy first, so a bad value changes no module.
        ModuleProfile probe;
        if (!probe.setOption(key, value, error))
            return false;
        for (ResourceProfile &profile : m_description.resources) {
            for (auto &module : profile.modules)
                module.second.setOption(key, value, error);
        }
        for (auto &entry : m_models)
            entry.second->profile.setOption(key, value, error);
        return true;
    }
    ResourceProfile *profile = m_description.find(resource);
    if (!profile || !profile->carrier) {
        error = std::string("no carrier '") + resource + "' on the bench";
        return false;
    }
    if (position < 1 || position > 8) {
        error = "position " + std::to_string(position) + " is not 1 to 8";
        return false;
    }
    ModuleProfile updated = profile->modules.count(position) ? profile->modules[position] : ModuleProfile();
    if (!updated.setOption(key, value, error))
        return false;
    profile->modules[position] = updated;
    auto &model = m_models[{profile->name, position}];
    if (model)
        model->profile = updated;
    else
        model = std::make_unique<ModuleModel>(updated, position, now());
    return true;
}

bool Bench::addFault(const std::string &function, unsigned long nth, std::int32_t status,
                     std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_faults.add(function, nth, status, error);
}

bool Bench::addFaults(const std::string &list, std::string &error)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_faults.addList(list, error);
}

void Bench::clearFaults()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_faults.clear();
}

void Bench::setLatency(unsigned long microseconds)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_latencyUs = microseconds;
    m_latencyChange.notify_all();
}

bool Bench::setFunctionLatency(const std::string &function, unsigned long microseconds,
                               std::string &error)
{
    if (!FaultTable::isFunction(function)) {
        error = "unknown function '" + function + "'";
        return false;
    }
    std::lock_guard<std::mutex> guard(m_mutex);
    m_functionLatencyUs[function] = microseconds;
    m_latencyChange.notify_all();
    return true;
}

std::size_t Bench::callsInFlight(const char *function)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (function) {
        const auto it = m_inFlight.find(function);
        return it == m_inFlight.end() ? 0 : it->second;
    }
    std::size_t all = 0;
    for (const auto &entry : m_inFlight)
        all += entry.second;
    return all;
}

int Bench::externalEvent(const char *resource, int position)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    int started = 0;
    const std::uint64_t t = now();
    for (ModuleModel *m : models(resource, position)) {
        if (m->externalEvent(t))
            ++started;
    }
    return started;
}

std::size_t Bench::openSessions()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_sessions.size();
}

bool Bench::moduleValue(const char *resource, int position, const std::string &key, double &value)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    ModuleModel *m = resource ? model(resource, position) : nullptr;
    return m && m->value(key, now(), value);
}

int Bench::modulePoints(const char *resource, int position, int chan, double *points, int capacity)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    ModuleModel *m = resource ? model(resource, position) : nullptr;
    if (!m || chan < 0 || chan > 1)
        return -1;
    const std::vector<double> &table = m->config.afg[chan].points;
    for (int k = 0; points && k < capacity && k < static_cast<int>(table.size()); ++k)
        points[k] = table[k];
    return static_cast<int>(table.size());
}

bool Bench::moduleCalibration(const char *resource, int position, void *record, bool fromFlash)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    ModuleModel *m = resource ? model(resource, position) : nullptr;
    if (!m || !record)
        return false;
    *static_cast<tvkdwav_CalibrationData *>(record) = fromFlash ? m->flash : m->calibration;
    return true;
}

} // namespace dwavsim
