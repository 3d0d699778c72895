#pragma once

#include "Args.h"
#include "BenchDescription.h"
#include "FaultTable.h"
#include "Journal.h"
#include "ModuleModel.h"
#include "dwav_visa.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace dwavsim {

// The one simulated chassis of the process, shared by the VISA and driver
// libraries. Every exported call runs through call(), which applies the
// latency, takes the lock, fires faults and writes the journal; the
// helpers below assume the lock is held.
class Bench
{
public:
    enum class Kind { ResourceManager, FindList, Instrument, Carrier, Module };
    struct Session
    {
        Kind kind = Kind::Instrument;
        ViSession parent = 0;
        std::string resource;
        std::vector<std::string> found;
        std::size_t next = 0;
        int exclusiveLocks = 0;
        int sharedLocks = 0;
        bool connected = false;
        int position = 0;
        ViStatus detailStatus = 0;
        std::string detail;
    };

    static Bench &instance();

    using Body = std::function<ViStatus()>;
    ViStatus call(const char *function, const Args &args, const Body &body);

    // ---- With the lock held (inside a call's body)
    std::uint64_t now() const;
    ViStatus loadStatus() const { return m_loadStatus; }
    const std::string &loadError() const { return m_loadError; }
    BenchDescription &description() { return m_description; }
    ResourceProfile *resource(const char *name);
    ModuleModel *model(const std::string &resource, int position);
    ViSession open(const Session &session);
    Session *session(ViSession vi);
    // Closes the session and every session opened through it.
    void close(ViSession vi);
    // The drivers' close calls: only a session of `kind` is closed.
    ViStatus closeDriverSession(ViSession vi, Kind kind);
    // The connected module behind a module session, or the refusal.
    ViStatus module(ViSession vi, ModuleModel *&model);
    // Refuses with `status`, keeping `detail` for the status text.
    ViStatus refuse(ViSession vi, ViStatus status, const std::string &detail);
    // The text for `status`, with the reason of `vi`'s refusal when it was
    // that status, into `buffer` of `size` bytes; a warning status when the
    // status is unknown. Both drivers give their texts this way.
    ViStatus statusText(ViSession vi, ViStatus status, char *buffer, std::size_t size) const;
    // A driver session of `kind` on the carrier named `resource` (the
    // drivers' init calls); `notCarrier` is the refusal of other resources.
    ViStatus openOnCarrier(const char *resource, Kind kind, ViStatus notCarrier, ViPSession session);
    // Whether another session than `vi` holds an exclusive lock on
    // `resource` (`sharedToo`: or a shared one).
    bool lockedByOther(ViSession vi, const std::string &resource, bool sharedToo = false) const;
    void reportLoadError() const;

    // ---- Control: each takes the lock itself
    bool reset(std::string &error);
    void loadDefault();
    bool loadFile(const std::string &path, std::string &error);
    bool loadText(const std::string &text, std::string &error);
    std::string loadErrorText();
    bool setOption(const std::string &key, const std::string &value, std::string &error);
    bool setModuleOption(const char *resource, int position, const std::string &key,
                         const std::string &value, std::string &error);
    bool addFault(const std::string &function, unsigned long nth, std::int32_t status,
                  std::string &error);
    bool addFaults(const std::string &list, std::string &error);
    void clearFaults();
    void setLatency(unsigned long microseconds);
    bool setFunctionLatency(const std::string &function, unsigned long microseconds,
                            std::string &error);
    std::size_t callsInFlight(const char *function);
    int externalEvent(const char *resource, int position);
    std::size_t openSessions();
    bool moduleValue(const char *resource, int position, const std::string &key, double &value);
    int modulePoints(const char *resource, int position, int chan, double *points, int capacity);
    bool moduleCalibration(const char *resource, int position, void *record, bool fromFlash);

    // Runs `f` with the lock held (for the journal and other readings).
    template <typename F>
    auto locked(F f)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return f();
    }
    Journal &journal() { return m_journal; }

private:
    Bench();
    void loadFromEnvironment();
    bool use(const BenchDescription &description, std::string &error);
    // Parses and uses a bench description; `origin` names it in errors.
    bool useText(const std::string &text, const std::string &origin, bool report);
    // `report`: say so on standard error (loads from the environment).
    void fail(const std::string &reason, ViStatus status, bool report = false);
    void closeAll();
    std::vector<ModuleModel *> models(const char *resource, int position);
    // The latency a call of `function` waits out (the lock held).
    unsigned long latencyOf(const std::string &function) const;

    mutable std::mutex m_mutex;
    BenchDescription m_description;
    std::map<std::pair<std::string, int>, std::unique_ptr<ModuleModel>> m_models;
    std::map<ViSession, Session> m_sessions;
    ViSession m_nextSession = 0x1000;
    FaultTable m_faults;
    Journal m_journal;
    unsigned long m_latencyUs = 0;
    std::map<std::string, unsigned long> m_functionLatencyUs;
    std::condition_variable m_latencyChange;
    // Calls begun and not yet returned, by function.
    std::map<std::string, std::size_t> m_inFlight;
    std::string m_loadError;
    ViStatus m_loadStatus = VI_SUCCESS;
};

} // namespace dwavsim
