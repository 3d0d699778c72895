#include "Cp1251.h"

#include <cstring>

namespace dwavsim {

namespace {

char fromCodePoint(unsigned long cp)
{
    if (cp < 0x80)
        return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<char>(0xC0 + (cp - 0x0410));
    switch (cp) {
    case 0x0401: return static_cast<char>(0xA8); // Ё
    case 0x0451: return static_cast<char>(0xB8); // ё
    case 0x00B0: return static_cast<char>(0xB0); // degree sign
    case 0x2116: return static_cast<char>(0xB9); // numero sign
    case 0x2013: return static_cast<char>(0x96); // en dash
    case 0x2014: return static_cast<char>(0x97); // em dash
    case 0x2026: return static_cast<char>(0x85); // ellipsis
    case 0x201C: return static_cast<char>(0x93);
    case 0x201D: return static_cast<char>(0x94);
    case 0x00AB: return static_cast<char>(0xAB);
    case 0x00BB: return static_cast<char>(0xBB);
    default: return '?';
    }
}

} // namespace

std::string Cp1251::fromUtf8(const std::string &utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t k = 0; k < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[k]);
        unsigned long cp = c;
        std::size_t length = 1;
        if (c >= 0xF0) {
            length = 4;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            length = 3;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            length = 2;
            cp = c & 0x1F;
        } else if (c >= 0x80) {
            cp = 0xFFFD;
        }
        if (length > 1) {
            if (k + length > utf8.size()) {
                out += '?';
                break;
            }
            for (std::size_t m = 1; m < length; ++m)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[k + m]) & 0x3F);
        }
        out += fromCodePoint(cp);
        k += length;
    }
    return out;
}

void Cp1251::copy(const std::string &text, char *buffer, std::size_t size)
{
    if (!buffer || size == 0)
        return;
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace dwavsim
