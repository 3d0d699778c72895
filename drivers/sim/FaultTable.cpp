#include "FaultTable.h"

#include "BenchDescription.h"

#include <cstdint>

namespace dwavsim {

namespace {

const char *const functionNames[] = {
    "viOpenDefaultRM", "viFindRsrc", "viFindNext", "viOpen", "viClose", "viGetAttribute",
    "viStatusDesc", "viLock", "viUnlock", "viQueryf",
    "tvkbase_init", "tvkbase_m_type_q", "tvkbase_revision_query", "tvkbase_error_message",
    "tvkbase_close",
    "tvkdwav_init", "tvkdwav_connect", "tvkdwav_close", "tvkdwav_start", "tvkdwav_prog_start",
    "tvkdwav_stop", "tvkdwav_reset", "tvkdwav_state",
    "tvkdwav_config_chan", "tvkdwav_config_chan_q", "tvkdwav_config_sample_freq",
    "tvkdwav_config_sample_freq_q", "tvkdwav_config_source_freq",
    "tvkdwav_config_source_freq_q", "tvkdwav_config_filters", "tvkdwav_config_filters_q",
    "tvkdwav_config_NCO", "tvkdwav_config_NCO_q", "tvkdwav_config_QS", "tvkdwav_config_QS_q",
    "tvkdwav_adjust_chans", "tvkdwav_adjust_chans_q", "tvkdwav_config_start",
    "tvkdwav_config_start_q", "tvkdwav_config_mode", "tvkdwav_config_mode_q",
    "tvkdwav_config_awg", "tvkdwav_config_awg_q", "tvkdwav_config_afg", "tvkdwav_config_afg_q",
    "tvkdwav_config_afg_gen", "tvkdwav_config_afg_gen_q", "tvkdwav_config_afg_signal",
    "tvkdwav_config_afg_signal_q", "tvkdwav_config_afg_modul", "tvkdwav_config_afg_modul_q",
    "tvkdwav_afg_setData", "tvkdwav_afg_getData",
    "tvkdwav_awg_writePacket", "tvkdwav_awg_readPacket", "tvkdwav_awg_writePacket_codes",
    "tvkdwav_awg_readPacket_codes",
    "tvkdwav_ask_adc", "tvkdwav_get_temperature",
    "tvkdwav_self_test", "tvkdwav_test_OK_Off1", "tvkdwav_test_RAM", "tvkdwav_test_AFG",
    "tvkdwav_calibrate", "tvkdwav_calibrate_ADC", "tvkdwav_stop_calibration",
    "tvkdwav_get_calibration_data", "tvkdwav_save_CalibrationData_ToFlash",
    "tvkdwav_load_CalibrationData_FromFlash", "tvkdwav_get_calibration_date",
    "tvkdwav_revision_query", "tvkdwav_cmpVersions", "tvkdwav_error_message",
};

bool parseStatus(const std::string &text, std::int32_t &status)
{
    // Hexadecimal statuses are written as their 32-bit pattern.
    long long value = 0;
    if (!parseInteger(text, INT32_MIN, UINT32_MAX, value))
        return false;
    status = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return true;
}

} // namespace

bool FaultTable::isFunction(const std::string &name)
{
    for (const char *known : functionNames) {
        if (name == known)
            return true;
    }
    return false;
}

bool FaultTable::add(const std::string &function, unsigned long nth, std::int32_t status,
                     std::string &error)
{
    if (!isFunction(function)) {
        error = "unknown function '" + function + "' in a fault";
        return false;
    }
    m_faults.push_back(Fault{function, nth, 0, status});
    return true;
}

bool FaultTable::parseEntry(const std::string &entry, Fault &fault, std::string &error)
{
    const std::size_t colon = entry.rfind(':');
    if (colon == std::string::npos) {
        error = "fault '" + entry + "' is not name[@n]:status";
        return false;
    }
    std::string name = trimmed(entry.substr(0, colon));
    const std::string statusText = trimmed(entry.substr(colon + 1));
    fault.nth = 0;
    const std::size_t at = name.find('@');
    if (at != std::string::npos) {
        const std::string count = trimmed(name.substr(at + 1));
        name = trimmed(name.substr(0, at));
        if (count != "*") {
            unsigned long long n = 0;
            if (!parseUnsigned(count, 0xFFFFFFFFull, n) || n == 0) {
                error = "fault '" + entry + "': call number '" + count
                        + "' is not a positive number or '*'";
                return false;
            }
            fault.nth = static_cast<unsigned long>(n);
        }
    }
    if (name.empty()) {
        error = "fault '" + entry + "' names no function";
        return false;
    }
    if (!isFunction(name)) {
        error = "unknown function '" + name + "' in fault '" + entry + "'";
        return false;
    }
    if (!parseStatus(statusText, fault.status)) {
        error = "fault '" + entry + "': status '" + statusText + "' is not a 32-bit number";
        return false;
    }
    fault.function = name;
    fault.seen = 0;
    return true;
}

bool FaultTable::addList(const std::string &list, std::string &error)
{
    std::vector<Fault> parsed;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find_first_of(",;\n", start);
        if (end == std::string::npos)
            end = list.size();
        const std::string entry = trimmed(list.substr(start, end - start));
        if (!entry.empty()) {
            Fault fault;
            if (!parseEntry(entry, fault, error))
                return false;
            parsed.push_back(fault);
        }
        start = end + 1;
    }
    m_faults.insert(m_faults.end(), parsed.begin(), parsed.end());
    return true;
}

bool FaultTable::check(const char *function, std::int32_t &status)
{
    bool fired = false;
    for (Fault &fault : m_faults) {
        if (fault.function != function)
            continue;
        ++fault.seen;
        if (!fired && (fault.nth == 0 || fault.seen == fault.nth)) {
            status = fault.status;
            fired = true;
        }
    }
    return fired;
}

} // namespace dwavsim
