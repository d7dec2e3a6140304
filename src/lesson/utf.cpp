#include "lesson/utf.h"

namespace godo {

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}
} // namespace

Utf8Step readUtf8(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, lead, true};
    // The well-formed sequences as Unicode tables them: the lead byte gives
    // the length and the range of the second byte, which keeps out overlong
    // forms (C0, C1, E0 80-9F, F0 80-8F), surrogates (ED A0-BF) and values
    // past U+10FFFF (F4 90-BF, F5-FF).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {1, kReplacementCharacter, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= s.size() || byte(i) < low || byte(i) > high)
            return {i, kReplacementCharacter, false}; // the bytes so far are the maximal subpart
        c = (c << 6) | (byte(i) & 0x3F);
        low = 0x80, high = 0xBF;
    }
    return {length, c, true};
}

std::string toUtf8(std::u16string_view s)
{
    std::string out;
    out.reserve(s.size() * 3);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacementCharacter; // a lone surrogate has no UTF-8 form
        }
        appendUtf8(out, c);
    }
    return out;
}

std::u16string toUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    while (!s.empty()) {
        const Utf8Step step = readUtf8(s);
        appendUtf16(out, step.codePoint);
        s.remove_prefix(step.length);
    }
    return out;
}

} // namespace godo
