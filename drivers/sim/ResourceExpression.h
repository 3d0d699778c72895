#pragma once

#include <regex>
#include <string>

namespace dwavsim {

// A VISA resource expression ("?*[0-9]?*::?*::INSTR"): '?' any one
// character, '*' and '+' repeat what stands before them, [list] and
// [^list] character sets, '|' alternatives, '(' ')' groups, '\' escapes.
// Matching is case-insensitive and covers the whole name.
class ResourceExpression
{
public:
    bool compile(const std::string &expression);
    bool matches(const std::string &name) const;

private:
    std::regex m_regex;
};

} // namespace dwavsim
