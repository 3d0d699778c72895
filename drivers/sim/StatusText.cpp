#include "StatusText.h"

#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <cstdio>

namespace dwavsim {

namespace {

struct Entry
{
    ViStatus status;
    const char *text;
};

const Entry entries[] = {
    {VI_SUCCESS, "Operation completed successfully."},
    {VI_SUCCESS_MAX_CNT, "The number of bytes requested were transferred."},
    {VI_SUCCESS_NESTED_SHARED, "The lock was acquired; the session already held a shared lock."},
    {VI_SUCCESS_NESTED_EXCLUSIVE, "The lock was acquired; the session already held an exclusive lock."},
    {VI_WARN_NULL_OBJECT, "The given object reference is uninitialized."},
    {VI_WARN_UNKNOWN_STATUS, "The status code passed to the operation could not be interpreted."},
    {VI_ERROR_SYSTEM_ERROR, "Unknown system error (miscellaneous error)."},
    {VI_ERROR_INV_OBJECT, "The given session or object reference is invalid."},
    {VI_ERROR_RSRC_LOCKED, "The requested type of lock cannot be obtained, or the operation cannot be performed, because the resource is locked."},
    {VI_ERROR_INV_EXPR, "Invalid expression given for the search."},
    {VI_ERROR_RSRC_NFOUND, "Insufficient location information or the requested device or resource is not present in the system."},
    {VI_ERROR_INV_RSRC_NAME, "Invalid resource reference given. Parsing error."},
    {VI_ERROR_INV_ACC_MODE, "Invalid access mode."},
    {VI_ERROR_TMO, "Timeout expired before operation completed."},
    {VI_ERROR_NSUP_ATTR, "The given attribute is not defined or supported by the referenced resource."},
    {VI_ERROR_INV_LOCK_TYPE, "The given type of lock is not supported by this resource."},
    {VI_ERROR_INV_ACCESS_KEY, "The access key to the resource associated with this session is invalid."},
    {VI_ERROR_INV_FMT, "A format code in the format string is invalid."},
    {VI_ERROR_NSUP_FMT, "A format code in the format string is not supported."},
    {VI_ERROR_INV_SETUP, "Unable to start operation because setup is invalid (the bench could not be loaded)."},
    {VI_ERROR_ALLOC, "Insufficient system resources to perform necessary memory allocation."},
    {VI_ERROR_IO, "Could not perform operation because of I/O error."},
    {VI_ERROR_USER_BUF, "A given user buffer is not valid or cannot be accessed for the required size."},
    {VI_ERROR_RSRC_BUSY, "The resource is valid, but VISA cannot currently access it."},
    {VI_ERROR_INV_PARAMETER, "The value of some parameter is invalid."},
    {VI_ERROR_SESN_NLOCKED, "The current session did not have a lock on the resource."},
    {VI_ERROR_LIBRARY_NFOUND, "A code library required by VISA could not be located or loaded."},
    {VI_ERROR_FILE_ACCESS, "An error occurred while trying to open the given file (the bench file could not be read)."},
    {VI_ERROR_FILE_IO, "An error occurred while accessing the given file."},
    {VI_ERROR_PARAMETER1, "Parameter 1 out of range."},
    {VI_ERROR_PARAMETER2, "Parameter 2 out of range."},
    {VI_ERROR_PARAMETER3, "Parameter 3 out of range."},
    {VI_ERROR_PARAMETER4, "Parameter 4 out of range."},
    {VI_ERROR_PARAMETER5, "Parameter 5 out of range."},
    {VI_ERROR_PARAMETER6, "Parameter 6 out of range."},
    {VI_ERROR_PARAMETER7, "Parameter 7 out of range."},
    {VI_ERROR_PARAMETER8, "Parameter 8 out of range."},
    {VI_ERROR_FAIL_ID_QUERY, "Instrument identification query failed."},
    {VI_ERROR_INV_RESPONSE, "Error interpreting the instrument response."},
    {VI_WARN_NSUP_ID_QUERY, "Identification query not supported."},
    {VI_WARN_NSUP_RESET, "Reset not supported."},
    {VI_WARN_NSUP_SELF_TEST, "Self-test not supported."},
    {VI_WARN_NSUP_ERROR_QUERY, "Error query not supported."},
    {VI_WARN_NSUP_REV_QUERY, "Revision query not supported."},
    {TVKBASE_ERROR_NOT_CARRIER, "The resource is not a TVKBASE carrier."},
    {TVKDWAV_ERROR_NOT_CONNECTED, "The driver session is not connected to a module."},
    {TVKDWAV_ERROR_NO_MODULE, "No module at the given mezzanine position."},
    {TVKDWAV_ERROR_NOT_DWAV, "The module at the given mezzanine position is not a DWAV module."},
    {TVKDWAV_ERROR_CARRIER_MISMATCH, "The carrier session belongs to another carrier than the driver session."},
    {TVKDWAV_ERROR_MODULE_BUSY, "The module is busy."},
    {TVKDWAV_ERROR_NOT_GENERATING, "The module is not generating."},
    {TVKDWAV_ERROR_AWG_PACKET, "AWG packet index outside the configured number of packets."},
    {TVKDWAV_ERROR_AWG_COUNT, "AWG sample count differs from the configured samples per packet."},
    {TVKDWAV_ERROR_AWG_CAPACITY, "AWG data does not fit into the module's memory."},
    {TVKDWAV_ERROR_AWG_EMPTY, "AWG memory holds no data."},
    {TVKDWAV_ERROR_AWG_MODE, "The module is not in AWG mode."},
    {TVKDWAV_ERROR_CALIBRATION, "Calibration failed."},
    {TVKDWAV_ERROR_FLASH, "Flash memory access failed."},
    {TVKDWAV_ERROR_NO_MULTIMETER, "Multimeter library hp3458a.dll not found: channel calibration needs the Agilent 3458A."},
    {TVKDWAV_WARN_VERSIONS_DIFFER, "Driver and instrument versions differ; update the driver or the module firmware."},
};

} // namespace

bool StatusText::describe(ViStatus status, std::string &text)
{
    for (const Entry &entry : entries) {
        if (entry.status == status) {
            text = entry.text;
            return true;
        }
    }
    // Small numbers are a caller's own codes, not statuses of a driver:
    // no text, so that the caller's own message stands.
    if (status > -65536 && status < 65536) {
        text.clear();
        return false;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Unknown status code 0x%08X.",
                  static_cast<unsigned>(static_cast<ViUInt32>(status)));
    text = buffer;
    return false;
}

} // namespace dwavsim
