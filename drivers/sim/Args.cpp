#include "Args.h"

#include <cstdio>

namespace dwavsim {

namespace {

// Long buffers are shown by their first few values only: the journal is
// for reading what reached the module, not for dumping sample memory.
const unsigned long shownValues = 4;

std::string number(const char *format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

Args &Args::add(const char *name, const std::string &value)
{
    if (!m_text.empty())
        m_text += ", ";
    m_text += name;
    m_text += '=';
    m_text += value;
    return *this;
}

Args &Args::session(const char *name, std::uint32_t value)
{
    return hex(name, value);
}

Args &Args::u(const char *name, unsigned long value)
{
    return add(name, std::to_string(value));
}

Args &Args::i(const char *name, long value)
{
    return add(name, std::to_string(value));
}

Args &Args::d(const char *name, double value)
{
    return add(name, number("%.10g", value));
}

Args &Args::hex(const char *name, std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
    return add(name, buffer);
}

Args &Args::s(const char *name, const char *value)
{
    if (!value)
        return add(name, "null");
    // One journal line per call: control characters are written escaped.
    std::string text = "\"";
    for (const char *c = value; *c; ++c) {
        if (*c == '\n')
            text += "\\n";
        else if (*c == '\r')
            text += "\\r";
        else if (*c == '\t')
            text += "\\t";
        else if (static_cast<unsigned char>(*c) < 0x20)
            text += '?';
        else
            text += *c;
    }
    text += '"';
    return add(name, text);
}

Args &Args::p(const char *name, const void *value)
{
    return add(name, value ? "buffer" : "null");
}

Args &Args::list(const char *name, bool given, unsigned long count,
                 const std::function<std::string(unsigned long)> &shown)
{
    if (!given)
        return add(name, "null");
    std::string text = "[";
    for (unsigned long k = 0; k < count && k < shownValues; ++k) {
        if (k)
            text += ' ';
        text += shown(k);
    }
    if (count > shownValues)
        text += " ...";
    text += ']';
    return add(name, text);
}

Args &Args::values(const char *name, const double *values, unsigned long count)
{
    return list(name, values != nullptr, count, [&](unsigned long k) { return number("%.6g", values[k]); });
}

Args &Args::values(const char *name, const std::int16_t *codes, unsigned long count)
{
    return list(name, codes != nullptr, count, [&](unsigned long k) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(static_cast<std::uint16_t>(codes[k])));
        return std::string(buffer);
    });
}

} // namespace dwavsim
