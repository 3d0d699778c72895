#include "ResourceExpression.h"

#include <cctype>
#include <utility>

namespace dwavsim {

namespace {

unsigned char lowered(unsigned char c)
{
    return static_cast<unsigned char>(std::tolower(c));
}

} // namespace

bool ResourceExpression::CharSet::contains(unsigned char c) const
{
    const unsigned char forms[] = {c, lowered(c), static_cast<unsigned char>(std::toupper(c))};
    bool found = false;
    for (const auto &range : ranges) {
        for (unsigned char f : forms)
            found = found || (f >= range.first && f <= range.second);
    }
    return found != negated;
}

// Builds the automaton while reading the expression once, left to right.
// Each construct gives a fragment: its first state and the exits (state
// and branch) still to be joined to whatever comes after it.
class ResourceExpression::Parser
{
public:
    Parser(ResourceExpression &target, const std::string &text) : m_re(target), m_text(text) {}

    bool run()
    {
        Fragment whole;
        if (!alternation(whole) || m_pos != m_text.size())
            return false;
        const int match = add(Kind::Match);
        join(whole, match);
        m_re.m_start = whole.start;
        return true;
    }

private:
    struct Fragment
    {
        int start = -1;
        std::vector<std::pair<int, bool>> exits;  // state, second branch
    };

    int add(Kind kind)
    {
        m_re.m_states.emplace_back();
        m_re.m_states.back().kind = kind;
        return static_cast<int>(m_re.m_states.size() - 1);
    }

    void join(const Fragment &f, int to)
    {
        for (const auto &exit : f.exits) {
            State &s = m_re.m_states[static_cast<std::size_t>(exit.first)];
            (exit.second ? s.out1 : s.out) = to;
        }
    }

    Fragment single(int state)
    {
        Fragment f;
        f.start = state;
        f.exits.push_back({state, false});
        return f;
    }

    bool peek(char c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    bool alternation(Fragment &out)
    {
        if (!sequence(out))
            return false;
        while (peek('|')) {
            ++m_pos;
            Fragment other;
            if (!sequence(other))
                return false;
            const int split = add(Kind::Split);
            m_re.m_states[static_cast<std::size_t>(split)].out = out.start;
            m_re.m_states[static_cast<std::size_t>(split)].out1 = other.start;
            out.start = split;
            out.exits.insert(out.exits.end(), other.exits.begin(), other.exits.end());
        }
        return true;
    }

    // Items up to the next '|' or ')' or the end; none at all is allowed.
    bool sequence(Fragment &out)
    {
        out = single(add(Kind::Empty));
        while (m_pos < m_text.size() && !peek('|') && !peek(')')) {
            Fragment item;
            if (!repeated(item))
                return false;
            join(out, item.start);
            out.exits = std::move(item.exits);
        }
        return true;
    }

    bool repeated(Fragment &out)
    {
        if (!atom(out))
            return false;
        if (!peek('*') && !peek('+'))
            return true;
        const bool atLeastOnce = m_text[m_pos++] == '+';
        const int split = add(Kind::Split);
        m_re.m_states[static_cast<std::size_t>(split)].out = out.start;
        join(out, split);
        out.exits.assign(1, {split, true});
        if (!atLeastOnce)
            out.start = split;
        // "a**" repeats nothing VISA can name.
        return !peek('*') && !peek('+');
    }

    bool atom(Fragment &out)
    {
        const char c = m_text[m_pos++];
        switch (c) {
        case '?':
            out = single(add(Kind::Any));
            return true;
        case '[':
            return set(out);
        case '(':
            if (!alternation(out) || !peek(')'))
                return false;
            ++m_pos;
            return true;
        case '\\':
            if (m_pos >= m_text.size())
                return false;
            return literal(m_text[m_pos++], out);
        // A repeat with nothing before it, a stray ')' and attribute
        // conditions ("{VI_ATTR_...}"), which the bench does not offer.
        case '*':
        case '+':
        case ')':
        case '{':
        case '}':
            return false;
        default:
            return literal(c, out);
        }
    }

    bool literal(char c, Fragment &out)
    {
        out = single(add(Kind::Char));
        m_re.m_states[static_cast<std::size_t>(out.start)].c =
            static_cast<char>(lowered(static_cast<unsigned char>(c)));
        return true;
    }

    bool setChar(unsigned char &c)
    {
        if (m_pos >= m_text.size())
            return false;
        if (m_text[m_pos] == '\\' && ++m_pos >= m_text.size())
            return false;
        c = static_cast<unsigned char>(m_text[m_pos++]);
        return true;
    }

    bool set(Fragment &out)
    {
        CharSet chars;
        if (peek('^')) {
            chars.negated = true;
            ++m_pos;
        }
        if (peek(']'))
            return false;
        while (!peek(']')) {
            unsigned char first = 0;
            if (!setChar(first))
                return false;
            unsigned char last = first;
            if (peek('-') && m_pos + 1 < m_text.size() && m_text[m_pos + 1] != ']') {
                ++m_pos;
                if (!setChar(last) || last < first)
                    return false;
            }
            chars.ranges.push_back({first, last});
        }
        ++m_pos;
        m_re.m_sets.push_back(std::move(chars));
        out = single(add(Kind::Set));
        m_re.m_states[static_cast<std::size_t>(out.start)].set = static_cast<int>(m_re.m_sets.size() - 1);
        return true;
    }

    ResourceExpression &m_re;
    const std::string &m_text;
    std::size_t m_pos = 0;
};

bool ResourceExpression::compile(const std::string &expression)
{
    m_states.clear();
    m_sets.clear();
    m_start = -1;
    // Checked first: the parser's depth follows the expression's nesting.
    if (expression.empty() || expression.size() > maxLength)
        return false;
    Parser parser(*this, expression);
    if (parser.run())
        return true;
    m_states.clear();
    m_sets.clear();
    m_start = -1;
    return false;
}

void ResourceExpression::follow(std::vector<int> &list, std::vector<unsigned> &seen, unsigned mark,
                                int state) const
{
    std::vector<int> pending(1, state);
    while (!pending.empty()) {
        const int s = pending.back();
        pending.pop_back();
        if (s < 0 || seen[static_cast<std::size_t>(s)] == mark)
            continue;
        seen[static_cast<std::size_t>(s)] = mark;
        const State &st = m_states[static_cast<std::size_t>(s)];
        if (st.kind == Kind::Split) {
            pending.push_back(st.out1);
            pending.push_back(st.out);
        } else if (st.kind == Kind::Empty) {
            pending.push_back(st.out);
        } else {
            list.push_back(s);
        }
    }
}

bool ResourceExpression::matches(const std::string &name) const
{
    if (m_start < 0)
        return false;
    std::vector<unsigned> seen(m_states.size(), 0);
    unsigned mark = 1;
    std::vector<int> current;
    std::vector<int> next;
    follow(current, seen, mark, m_start);
    for (const char ch : name) {
        const unsigned char c = static_cast<unsigned char>(ch);
        ++mark;
        next.clear();
        for (const int s : current) {
            const State &st = m_states[static_cast<std::size_t>(s)];
            const bool takes = (st.kind == Kind::Any)
                               || (st.kind == Kind::Char && static_cast<unsigned char>(st.c) == lowered(c))
                               || (st.kind == Kind::Set && m_sets[static_cast<std::size_t>(st.set)].contains(c));
            if (takes)
                follow(next, seen, mark, st.out);
        }
        current.swap(next);
        if (current.empty())
            return false;
    }
    for (const int s : current) {
        if (m_states[static_cast<std::size_t>(s)].kind == Kind::Match)
            return true;
    }
    return false;
}

} // namespace dwavsim
