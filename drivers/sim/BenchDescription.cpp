#include "BenchDescription.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <unordered_map>

namespace dwavsim {

namespace {

std::string lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool parseInterface(const std::string &text, std::uint16_t &type)
{
    static const struct { const char *name; std::uint16_t type; } names[] = {
        {"gpib", 1}, {"vxi", 2}, {"gpib-vxi", 3}, {"asrl", 4}, {"serial", 4},
        {"pxi", 5}, {"tcpip", 6}, {"usb", 7},
    };
    const std::string key = lower(text);
    for (const auto &entry : names) {
        if (key == entry.name) {
            type = entry.type;
            return true;
        }
    }
    unsigned long long number = 0;
    if (!parseUnsigned(text, 0xFFFF, number))
        return false;
    type = static_cast<std::uint16_t>(number);
    return true;
}

bool badValue(const std::string &key, const std::string &value, const char *expected,
              std::string &error)
{
    error = "'" + excerpt(key) + "' takes " + expected + ", not '" + excerpt(value) + "'";
    return false;
}

// A key that takes yes/no (pass/fail) and the flag it sets.
template <typename Profile>
struct FlagKey
{
    const char *key;
    bool Profile::*flag;
    const char *expected;
};

// Sets the flag named by `key`: 1 when set, 0 when `key` is none of
// `keys`, -1 (with the reason) for a value that is no yes or no.
template <typename Profile, std::size_t N>
int setFlag(Profile &profile, const FlagKey<Profile> (&keys)[N], const std::string &key,
            const std::string &value, std::string &error)
{
    for (const FlagKey<Profile> &entry : keys) {
        if (key != entry.key)
            continue;
        if (parseBool(value, profile.*entry.flag))
            return 1;
        badValue(key, value, entry.expected, error);
        return -1;
    }
    return 0;
}

ModuleProfile dwavModule(const char *serial)
{
    ModuleProfile profile;
    profile.serial = serial;
    return profile;
}

} // namespace

bool parseBool(const std::string &text, bool &value)
{
    const std::string key = lower(trimmed(text));
    if (key == "yes" || key == "true" || key == "on" || key == "1" || key == "pass") {
        value = true;
        return true;
    }
    if (key == "no" || key == "false" || key == "off" || key == "0" || key == "fail") {
        value = false;
        return true;
    }
    return false;
}

std::string excerpt(const std::string &text)
{
    // Enough to find the line in the file; a line of megabytes is not
    // printed back whole. The limit counts bytes of the file; a byte that
    // is no printable ASCII (a binary file's) is shown as \xNN, so the
    // report stays one readable line.
    constexpr std::size_t shown = 60;
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 0xF];
        }
    }
    if (text.size() > shown)
        out += "...";
    return out;
}

std::string trimmed(const std::string &text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

bool parseInteger(const std::string &text, long long low, unsigned long long high, long long &value)
{
    const std::string t = trimmed(text);
    const bool negative = !t.empty() && t[0] == '-';
    std::string digits = negative ? t.substr(1) : t;
    // Decimal unless marked 0x: a written "010" means ten, as people read it.
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits = digits.substr(2);
    }
    if (digits.empty() || !std::isxdigit(static_cast<unsigned char>(digits[0])))
        return false;
    errno = 0;
    char *end = nullptr;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), &end, base);
    if (errno != 0 || *end != '\0')
        return false;
    if (negative) {
        if (low >= 0 || magnitude > static_cast<unsigned long long>(-(low + 1)) + 1)
            return false;
        value = magnitude == 0 ? 0 : -static_cast<long long>(magnitude - 1) - 1;
        return true;
    }
    if (magnitude > high)
        return false;
    value = static_cast<long long>(magnitude);
    return true;
}

bool parseUnsigned(const std::string &text, unsigned long long max, unsigned long long &value)
{
    long long v = 0;
    if (!parseInteger(text, 0, max, v))
        return false;
    value = static_cast<unsigned long long>(v);
    return true;
}

bool parseSigned16(const std::string &text, std::int16_t &value)
{
    long long v = 0;
    if (!parseInteger(text, -32768, 65535, v))
        return false;
    // Codes such as 0x8042 are given as their 16-bit pattern.
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    return true;
}

bool sameName(const std::string &a, const std::string &b)
{
    return lower(a) == lower(b);
}

bool ModuleProfile::setOption(const std::string &key, const std::string &value, std::string &error)
{
    static const FlagKey<ModuleProfile> flags[] = {
        {"present", &ModuleProfile::present, "yes or no"},
        {"versions_differ", &ModuleProfile::versionsDiffer, "yes or no"},
        {"self_test", &ModuleProfile::selfTestPasses, "pass or fail"},
        {"test_ok_off1", &ModuleProfile::okOffTestPasses, "pass or fail"},
        {"test_ram", &ModuleProfile::ramTestPasses, "pass or fail"},
        {"test_afg", &ModuleProfile::afgTestPasses, "pass or fail"},
        {"calibrate_adc", &ModuleProfile::adcCalibrationPasses, "pass or fail"},
    };
    if (const int flag = setFlag(*this, flags, key, value, error))
        return flag > 0;
    unsigned long long number = 0;
    if (key == "type") {
        if (!parseSigned16(value, typeCode))
            return badValue(key, value, "a 16-bit module type code", error);
    } else if (key == "awg_capacity") {
        if (!parseUnsigned(value, 0xFFFFFFFFull, number) || number < 8)
            return badValue(key, value, "a number of samples of at least 8", error);
        awgCapacity = static_cast<std::uint32_t>(number);
    } else if (key == "external_event_ms") {
        if (lower(trimmed(value)) == "manual") {
            externalEventMs = -1;
        } else {
            if (!parseUnsigned(value, 86400000ull, number))
                return badValue(key, value, "'manual' or milliseconds", error);
            externalEventMs = static_cast<long>(number);
        }
    } else if (key == "serial") {
        serial = trimmed(value);
    } else {
        error = "unknown module key '" + excerpt(key) + "'";
        return false;
    }
    return true;
}

bool ResourceProfile::setOption(const std::string &key, const std::string &value, std::string &error)
{
    static const FlagKey<ResourceProfile> flags[] = {
        {"answers_idn", &ResourceProfile::answersIdn, "yes or no"},
        {"carrier", &ResourceProfile::carrier, "yes or no"},
    };
    if (const int flag = setFlag(*this, flags, key, value, error))
        return flag > 0;
    static const struct { const char *key; std::uint16_t ResourceProfile::*field; } words[] = {
        {"number", &ResourceProfile::interfaceNumber},
        {"manufacturer", &ResourceProfile::manufacturer},
        {"model", &ResourceProfile::model},
    };
    for (const auto &word : words) {
        if (key != word.key)
            continue;
        unsigned long long number = 0;
        if (!parseUnsigned(value, 0xFFFF, number))
            return badValue(key, value, "a 16-bit number", error);
        this->*word.field = static_cast<std::uint16_t>(number);
        return true;
    }
    if (key == "interface") {
        if (!parseInterface(value, interfaceType))
            return badValue(key, value, "gpib, vxi, gpib-vxi, asrl, pxi, tcpip, usb or a number",
                            error);
    } else if (key == "slot") {
        if (!parseSigned16(value, slot))
            return badValue(key, value, "a 16-bit number", error);
    } else if (key == "mainframe_la") {
        if (!parseSigned16(value, mainframe))
            return badValue(key, value, "a 16-bit number", error);
    } else if (key == "idn") {
        if (value.size() > 255)
            return badValue(key, "...", "a reply of at most 255 characters", error);
        idn = value;
    } else {
        error = "unknown resource key '" + excerpt(key) + "'";
        return false;
    }
    return true;
}

bool BenchDescription::setOption(const std::string &key, const std::string &value,
                                 std::string &error)
{
    unsigned long long number = 0;
    if (key == "multimeter") {
        if (!parseBool(value, multimeter))
            return badValue(key, value, "yes or no", error);
    } else if (key == "latency_us") {
        if (!parseUnsigned(value, 10000000ull, number))
            return badValue(key, value, "microseconds (at most 10000000)", error);
        latencyUs = static_cast<unsigned long>(number);
    } else if (key == "faults") {
        faults = value;
    } else {
        error = "unknown bench key '" + excerpt(key) + "'";
        return false;
    }
    return true;
}

ResourceProfile *BenchDescription::find(const std::string &name)
{
    for (ResourceProfile &resource : resources) {
        if (sameName(resource.name, name))
            return &resource;
    }
    return nullptr;
}

BenchDescription BenchDescription::builtIn()
{
    BenchDescription bench;

    // A VXI carrier recognised by its manufacturer and model codes, with
    // DWAV modules at positions 2 and 7 and a module of another kind at 4.
    ResourceProfile vxi;
    vxi.name = "VXI0::3::INSTR";
    vxi.interfaceType = 2;
    vxi.manufacturer = 3702;
    vxi.model = 341;
    vxi.slot = 3;
    vxi.idn = "KALVINT,TVKBASE-VXI,0317,2.4";
    vxi.carrier = true;
    vxi.modules[2] = dwavModule("DW-0211");
    vxi.modules[7] = dwavModule("DW-0212");
    ModuleProfile foreign;
    foreign.typeCode = 44;
    vxi.modules[4] = foreign;
    bench.resources.push_back(vxi);

    // A carrier on the network, recognised only by its *IDN? reply.
    ResourceProfile lan;
    lan.name = "TCPIP0::192.168.1.40::inst0::INSTR";
    lan.interfaceType = 6;
    lan.idn = "KALVINT,TVKBASE,SN0042,1.2";
    lan.carrier = true;
    lan.modules[1] = dwavModule("DW-0307");
    bench.resources.push_back(lan);

    // Instruments that are no carrier: one answers *IDN?, one stays silent.
    ResourceProfile meter;
    meter.name = "GPIB0::22::INSTR";
    meter.interfaceType = 1;
    meter.idn = "ACME INSTRUMENTS,DMM-7,0,1.05";
    bench.resources.push_back(meter);

    ResourceProfile silent;
    silent.name = "USB0::0x0957::0x1796::MY5600123::INSTR";
    silent.interfaceType = 7;
    silent.manufacturer = 0x0957;
    silent.model = 0x1796;
    silent.answersIdn = false;
    bench.resources.push_back(silent);

    return bench;
}

bool BenchDescription::parse(const std::string &text, const std::string &origin,
                             BenchDescription &out, std::string &error)
{
    BenchDescription bench;
    // Resources by their name without regard to case, so a bench of many
    // resources is read in one pass rather than searched again per section.
    std::unordered_map<std::string, std::size_t> indexOf;
    ResourceProfile *resource = nullptr;
    ModuleProfile *module = nullptr;
    bool inBench = false;
    std::istringstream lines(text);
    std::string raw;
    int lineNumber = 0;
    auto fail = [&](const std::string &reason) {
        error = origin + " line " + std::to_string(lineNumber) + ": " + reason;
        return false;
    };

    while (std::getline(lines, raw)) {
        ++lineNumber;
        std::string line = trimmed(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string::npos)
                return fail("section header '" + excerpt(line) + "' lacks its closing ']'");
            // A comment may follow the header, as it may stand on a line of its own.
            const std::string rest = trimmed(line.substr(close + 1));
            if (!rest.empty() && rest[0] != '#' && rest[0] != ';')
                return fail("'" + excerpt(rest) + "' follows the section header");
            line.resize(close + 1);
            std::istringstream header(line.substr(1, line.size() - 2));
            std::string kind, name, position, extra;
            header >> kind >> name >> position >> extra;
            kind = lower(kind);
            resource = nullptr;
            module = nullptr;
            inBench = false;
            if (kind == "bench" && name.empty()) {
                inBench = true;
            } else if (kind == "resource" && !name.empty() && position.empty()) {
                // VISA hands names out in buffers of 256 bytes.
                if (name.size() > 255)
                    return fail("resource name longer than 255 characters");
                if (indexOf.count(lower(name)))
                    return fail("resource '" + excerpt(name) + "' is described twice");
                if (name.find("::") == std::string::npos)
                    return fail("'" + excerpt(name) + "' is no VISA resource name");
                ResourceProfile profile;
                profile.name = name;
                indexOf[lower(name)] = bench.resources.size();
                bench.resources.push_back(profile);
                resource = &bench.resources.back();
            } else if (kind == "module" && !name.empty() && !position.empty() && extra.empty()) {
                const auto owner = indexOf.find(lower(name));
                if (owner == indexOf.end())
                    return fail("module of '" + excerpt(name) + "' comes before its [resource] section");
                ResourceProfile &carrier = bench.resources[owner->second];
                unsigned long long number = 0;
                if (!parseUnsigned(position, 8, number) || number < 1)
                    return fail("module position '" + excerpt(position) + "' is not 1 to 8");
                if (carrier.modules.count(static_cast<int>(number)))
                    return fail("position " + position + " of '" + excerpt(name) + "' is described twice");
                carrier.carrier = true;
                module = &carrier.modules[static_cast<int>(number)];
            } else {
                return fail("unknown section '" + excerpt(line)
                            + "' (expected [bench], [resource NAME] or [module NAME POSITION])");
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return fail("'" + excerpt(line) + "' is not key = value");
        const std::string key = lower(trimmed(line.substr(0, equals)));
        const std::string value = trimmed(line.substr(equals + 1));
        std::string reason;
        bool ok = false;
        if (inBench)
            ok = bench.setOption(key, value, reason);
        else if (module)
            ok = module->setOption(key, value, reason);
        else if (resource)
            ok = resource->setOption(key, value, reason);
        else
            reason = "'" + excerpt(key) + "' stands outside any section";
        if (!ok)
            return fail(reason);
    }
    out = bench;
    return true;
}

} // namespace dwavsim
