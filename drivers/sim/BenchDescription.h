#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dwavsim {

// What sits at one mezzanine position, and how that module behaves.
struct ModuleProfile
{
    bool present = true;
    std::int16_t typeCode = 66;
    bool versionsDiffer = false;
    bool selfTestPasses = true;
    bool okOffTestPasses = true;
    bool ramTestPasses = true;
    bool afgTestPasses = true;
    bool adcCalibrationPasses = true;
    std::uint32_t awgCapacity = 8388608;  // samples per channel
    long externalEventMs = -1;            // -1: only when triggered by hand
    std::string serial;

    bool setOption(const std::string &key, const std::string &value, std::string &error);
};

// One VISA resource of the chassis.
struct ResourceProfile
{
    std::string name;
    std::uint16_t interfaceType = 0;
    std::uint16_t interfaceNumber = 0;
    std::uint16_t manufacturer = 0;
    std::uint16_t model = 0;
    std::int16_t slot = 0;
    std::int16_t mainframe = 0;
    std::string idn;
    bool answersIdn = true;
    bool carrier = false;
    std::map<int, ModuleProfile> modules;

    bool setOption(const std::string &key, const std::string &value, std::string &error);
};

// The whole chassis: resources in search order and bench-wide options.
struct BenchDescription
{
    std::vector<ResourceProfile> resources;
    bool multimeter = true;
    unsigned long latencyUs = 0;
    std::string faults;

    static BenchDescription builtIn();
    // `origin` names the text in error messages (a file name or "text").
    static bool parse(const std::string &text, const std::string &origin, BenchDescription &out,
                      std::string &error);
    bool setOption(const std::string &key, const std::string &value, std::string &error);

    ResourceProfile *find(const std::string &name);
};

// Parsing helpers shared with the control API and the fault lists.
std::string trimmed(const std::string &text);
// The start of a text that is quoted back in a message, cut when long.
std::string excerpt(const std::string &text);
// A decimal or 0x-hexadecimal integer, optionally negative, within low..high.
bool parseInteger(const std::string &text, long long low, unsigned long long high, long long &value);
bool parseBool(const std::string &text, bool &value);
bool parseUnsigned(const std::string &text, unsigned long long max, unsigned long long &value);
bool parseSigned16(const std::string &text, std::int16_t &value);
bool sameName(const std::string &a, const std::string &b);

} // namespace dwavsim
