#include "lesson/terminal_text.h"

#include "lesson/utf.h"

#include <cstdint>
#include <cstdio>

namespace godo {

namespace {

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
        const Utf8Step step = readUtf8(raw);
        const char32_t cp = step.codePoint;
        std::size_t n = step.length;
        std::string piece;
        std::size_t width = 1;
        if (!step.wellFormed) {
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
