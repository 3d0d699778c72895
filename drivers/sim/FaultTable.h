#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dwavsim {

// Statuses to return in place of a call's own result: for every call of a
// function, or for its n-th call counted from when the fault was set.
class FaultTable
{
public:
    bool add(const std::string &function, unsigned long nth, std::int32_t status,
             std::string &error);
    // "name[@n]:status" entries separated by commas, semicolons or line
    // breaks; n a positive number or '*' (every call); status decimal or
    // 0x-hexadecimal (a 32-bit pattern such as 0xBFFF0011). All or nothing.
    bool addList(const std::string &list, std::string &error);
    void clear() { m_faults.clear(); }

    // Counts the call and tells whether a fault fires for it.
    bool check(const char *function, std::int32_t &status);

    static bool isFunction(const std::string &name);

private:
    struct Fault
    {
        std::string function;
        unsigned long nth;
        unsigned long seen;
        std::int32_t status;
    };
    static bool parseEntry(const std::string &entry, Fault &fault, std::string &error);
    std::vector<Fault> m_faults;
};

} // namespace dwavsim
