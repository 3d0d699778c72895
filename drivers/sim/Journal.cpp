#include "Journal.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <filesystem>

namespace dwavsim {

namespace {

void copyText(const std::string &text, char *buffer, std::size_t size)
{
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace

Journal::~Journal()
{
    if (m_file)
        std::fclose(m_file);
}

bool Journal::setFile(const std::string &path, std::string &error)
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (path.empty())
        return true;
    // Opening a named pipe would wait for a reader for good, and a device
    // keeps nothing: only a regular file, or a new one, takes the journal.
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        error = "the journal file '" + path + "' is no regular file";
        return false;
    }
    m_file = std::fopen(path.c_str(), "a");
    if (!m_file) {
        error = "cannot open the journal file '" + path + "': " + std::strerror(errno);
        return false;
    }
    return true;
}

void Journal::record(const char *function, const std::string &arguments, std::int32_t status,
                     std::uint64_t timeNs)
{
    Entry entry{++m_sequence, timeNs, status, function, arguments};
    if (m_file) {
        const std::string text = format(toCall(entry));
        std::fprintf(m_file, "%s\n", text.c_str());
        // Flushed per line so that a crashing panel leaves its last calls.
        std::fflush(m_file);
    }
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > maxEntries)
        m_entries.pop_front();
}

void Journal::clear()
{
    m_entries.clear();
    m_sequence = 0;
}

dwavbench_call Journal::toCall(const Entry &entry)
{
    dwavbench_call call;
    call.sequence = entry.sequence;
    call.time_ns = entry.timeNs;
    call.status = entry.status;
    copyText(entry.function, call.function, sizeof call.function);
    copyText(entry.arguments, call.arguments, sizeof call.arguments);
    return call;
}

bool Journal::entry(std::size_t i, dwavbench_call &out) const
{
    if (i >= m_entries.size())
        return false;
    out = toCall(m_entries[i]);
    return true;
}

bool Journal::line(std::size_t i, std::string &out) const
{
    if (i >= m_entries.size())
        return false;
    out = format(toCall(m_entries[i]));
    return true;
}

std::size_t Journal::countOf(const std::string &function) const
{
    std::size_t n = 0;
    for (const Entry &entry : m_entries) {
        if (entry.function == function)
            ++n;
    }
    return n;
}

std::string Journal::format(const dwavbench_call &call)
{
    char head[64];
    std::snprintf(head, sizeof head, "%" PRIu64 " ", call.time_ns);
    char tail[48];
    std::snprintf(tail, sizeof tail, ") -> %" PRId32 " (0x%08" PRIX32 ")", call.status,
                  static_cast<std::uint32_t>(call.status));
    return std::string(head) + call.function + "(" + call.arguments + tail;
}

} // namespace dwavsim
