#include "lesson/terminal_text.h"

#include <cstdint>
#include <cstdio>

namespace godo {

namespace {

// The length of the valid UTF-8 sequence at the start of `s` and the code
// point it encodes; 0 when the first byte does not begin one (an overlong
// form, a surrogate, a value past U+10FFFF and a cut sequence included).
std::size_t decode(std::string_view s, char32_t& cp)
{
    const auto b = [&](std::size_t i) { return static_cast<uint8_t>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const uint8_t lead = b(0);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    std::size_t n = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        n = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        n = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < n; ++i) {
        if (!cont(i))
            return 0;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

// Characters that move, hide or reorder what a terminal shows: C0 and C1
// controls, DEL, the bidirectional controls, the zero-width characters and
// the line and paragraph separators.
bool unsafe(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0x200B && cp <= 0x200F)
        || (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x2069) || cp == 0xFEFF;
}

std::string escaped(char32_t cp)
{
    switch (cp) {
    case 0x1B: return "\\e";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    char buf[16];
    if (cp < 0x100)
        std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(cp));
    else
        std::snprintf(buf, sizeof buf, "\\u{%04X}", static_cast<unsigned>(cp));
    return buf;
}

} // namespace

std::string shownOnTerminal(std::string_view raw)
{
    std::string out;
    std::size_t shown = 0; // characters in out
    while (!raw.empty()) {
        char32_t cp = 0;
        std::size_t n = decode(raw, cp);
        std::string piece;
        std::size_t width = 1;
        if (n == 0) {
            // One byte that is not UTF-8; the next may start a valid sequence.
            n = 1;
            piece = escaped(static_cast<uint8_t>(raw.front()));
            width = piece.size();
        } else if (unsafe(cp)) {
            piece = escaped(cp);
            width = piece.size();
        } else {
            piece = raw.substr(0, n);
        }
        if (shown + width > kShownCharacters) {
            out += "…";
            break;
        }
        out += piece;
        shown += width;
        raw.remove_prefix(n);
    }
    return out;
}

} // namespace godo
