#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace dwavsim {

// Builds the "name=value, ..." text of a call's inputs for the journal.
class Args
{
public:
    Args &session(const char *name, std::uint32_t value);
    Args &u(const char *name, unsigned long value);
    Args &i(const char *name, long value);
    Args &d(const char *name, double value);
    Args &hex(const char *name, std::uint32_t value);
    Args &s(const char *name, const char *value);
    Args &p(const char *name, const void *value);
    Args &values(const char *name, const double *values, unsigned long count);
    Args &values(const char *name, const std::int16_t *codes, unsigned long count);

    const std::string &text() const { return m_text; }

private:
    Args &add(const char *name, const std::string &value);
    // "[a b c d ...]": the first values of a buffer, or "null".
    Args &list(const char *name, bool given, unsigned long count,
               const std::function<std::string(unsigned long)> &shown);
    std::string m_text;
};

} // namespace dwavsim
