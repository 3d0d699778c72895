#pragma once

#include <string>

namespace dwavsim {

// The module keeps its texts in Windows-1251; the bench's sources are
// UTF-8, so Cyrillic texts are converted once where they are produced.
class Cp1251
{
public:
    // Latin and Cyrillic letters are converted; anything else becomes '?'.
    static std::string fromUtf8(const std::string &utf8);
    // Copies `text` into `buffer` of `size` bytes, cut to fit, zero-terminated.
    static void copy(const std::string &text, char *buffer, std::size_t size);
};

} // namespace dwavsim
