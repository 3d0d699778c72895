#pragma once

#include "dwav_bench.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>

namespace dwavsim {

// Every call with its inputs, status and the monotonic time it returned,
// kept in memory for tests and, when a file is named, one line per call.
class Journal
{
public:
    Journal() = default;
    ~Journal();
    Journal(const Journal &) = delete;
    Journal &operator=(const Journal &) = delete;

    // Opens (appending) the file for the journal lines; an empty path
    // stops writing. Returns false with a reason when it cannot be opened.
    bool setFile(const std::string &path, std::string &error);
    void record(const char *function, const std::string &arguments, std::int32_t status,
                std::uint64_t timeNs);
    void clear();

    std::size_t count() const { return m_entries.size(); }
    bool entry(std::size_t i, dwavbench_call &out) const;
    bool line(std::size_t i, std::string &out) const;
    std::size_t countOf(const std::string &function) const;

    static std::string format(const dwavbench_call &call);

private:
    struct Entry
    {
        std::uint64_t sequence;
        std::uint64_t timeNs;
        std::int32_t status;
        std::string function;
        std::string arguments;
    };
    static dwavbench_call toCall(const Entry &entry);

    // A long session polls twice a second for hours; the oldest entries go
    // first rather than the memory growing without bound.
    static const std::size_t maxEntries = 200000;
    std::deque<Entry> m_entries;
    std::uint64_t m_sequence = 0;
    std::FILE *m_file = nullptr;
};

} // namespace dwavsim
