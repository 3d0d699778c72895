#include "ResourceExpression.h"

#include <cctype>

namespace dwavsim {

bool ResourceExpression::compile(const std::string &expression)
{
    if (expression.empty())
        return false;
    // Attribute conditions ("{VI_ATTR_...}") are not part of what the
    // bench offers; a brace is refused like any malformed expression.
    std::string pattern;
    bool inSet = false;
    bool canRepeat = false;
    for (std::size_t k = 0; k < expression.size(); ++k) {
        const char c = expression[k];
        if (inSet) {
            if (c == '\\') {
                if (++k >= expression.size())
                    return false;
                if (!std::isalnum(static_cast<unsigned char>(expression[k])))
                    pattern += '\\';
                pattern += expression[k];
            } else {
                if (c == ']')
                    inSet = false;
                pattern += c;
            }
            continue;
        }
        switch (c) {
        case '?':
            pattern += '.';
            canRepeat = true;
            break;
        case '*':
        case '+':
            if (!canRepeat)
                return false;
            pattern += c;
            canRepeat = false;
            break;
        case '[':
            inSet = true;
            pattern += c;
            if (k + 1 < expression.size() && expression[k + 1] == '^') {
                pattern += '^';
                ++k;
            }
            if (k + 1 < expression.size() && expression[k + 1] == ']')
                return false;
            canRepeat = true;
            break;
        case '|':
        case '(':
            pattern += c;
            canRepeat = false;
            break;
        case ')':
            pattern += c;
            canRepeat = true;
            break;
        case '\\':
            if (++k >= expression.size())
                return false;
            // A letter after a backslash would turn into a class in the
            // regular expression; VISA means the letter itself.
            if (!std::isalnum(static_cast<unsigned char>(expression[k])))
                pattern += '\\';
            pattern += expression[k];
            canRepeat = true;
            break;
        case '{':
        case '}':
            return false;
        default:
            if (std::string(".^$").find(c) != std::string::npos)
                pattern += '\\';
            pattern += c;
            canRepeat = true;
        }
    }
    if (inSet)
        return false;
    try {
        m_regex = std::regex(pattern, std::regex::ECMAScript | std::regex::icase);
    } catch (const std::regex_error &) {
        return false;
    }
    return true;
}

bool ResourceExpression::matches(const std::string &name) const
{
    return std::regex_match(name, m_regex);
}

} // namespace dwavsim
