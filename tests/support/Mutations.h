#pragma once
#include <random>

// A seeded damage of a sample text (QString or QByteArray), for checking
// that parsers end on any input: one to eight edits, each changing a
// character to one below Limit, cutting the text, doubling a piece or
// dropping one.
template <class Text>
Text Mutate(std::mt19937 &random, Text s, unsigned Limit)
{
    using Char = typename Text::value_type;
    const int edits = 1 + int(random() % 8);
    for (int e = 0; e < edits && !s.isEmpty(); ++e) {
        const int at = int(random() % unsigned(s.size()));
        switch (random() % 4) {
        case 0: s[at] = Char(char16_t(random() % Limit)); break;
        case 1: s.truncate(at); break;
        case 2: s.insert(at, s.mid(at, int(random() % 40))); break;
        default: s.remove(at, int(random() % 10)); break;
        }
    }
    return s;
}
