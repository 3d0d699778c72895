#pragma once

#include <string>
#include <vector>

namespace dwavsim {

// A VISA resource expression ("?*[0-9]?*::?*::INSTR"): '?' any one
// character, '*' and '+' repeat what stands before them, [list] and
// [^list] character sets, '|' alternatives, '(' ')' groups, '\' escapes.
// Matching is case-insensitive and covers the whole name.
//
// The expression is compiled into a small automaton that is run over the
// name once, all its states at a time: matching takes time proportional to
// the name's length times the expression's, whatever the expression, and
// no recursion depends on the name. Expressions longer than VISA allows
// are refused before they are looked at.
class ResourceExpression
{
public:
    // The longest expression VISA takes: a resource string buffer less its
    // terminating zero.
    static constexpr std::size_t maxLength = 255;

    bool compile(const std::string &expression);
    bool matches(const std::string &name) const;

private:
    enum class Kind { Char, Any, Set, Split, Empty, Match };
    struct State
    {
        Kind kind = Kind::Match;
        char c = 0;
        int set = -1;       // index into m_sets
        int out = -1;
        int out1 = -1;      // second branch of a split
    };
    struct CharSet
    {
        bool negated = false;
        std::vector<std::pair<unsigned char, unsigned char>> ranges;
        bool contains(unsigned char c) const;
    };
    class Parser;

    // Adds the states reached from `state` without reading a character.
    void follow(std::vector<int> &list, std::vector<unsigned> &seen, unsigned mark, int state) const;

    std::vector<State> m_states;
    std::vector<CharSet> m_sets;
    int m_start = -1;
};

} // namespace dwavsim
