#pragma once
// JSON written by hand, for what the module hands over in one piece (the
// support table to the page, the figure's operations to a test): numbers,
// colours as [r, g, b], texts as plain ASCII with every other code unit as
// \uXXXX, so the text is the same whichever way it was stored.

#include "draw/palette.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace godo::web {

struct JsonText {
    std::string out;

    void number(double v)
    {
        // Nine significant digits give back every 32-bit float exactly.
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.9g", v);
        out += buf;
    }
    void integer(long v) { out += std::to_string(v); }
    void key(std::string_view k)
    {
        text(k);
        out += ':';
    }
    void rgb(Rgb c)
    {
        out += '[';
        integer(c.r);
        out += ',';
        integer(c.g);
        out += ',';
        integer(c.b);
        out += ']';
    }
    // The values as an array, each written by `one`; as an object, where
    // `one` writes each member's key and value.
    template <class Values, class Write>
    void array(const Values& values, Write one)
    {
        list('[', ']', values, one);
    }
    template <class Values, class Write>
    void object(const Values& values, Write one)
    {
        list('{', '}', values, one);
    }
    void text(std::u16string_view s) { quoted(s); }
    // An ASCII name.
    void text(std::string_view s) { quoted(s); }

private:
    template <class Values, class Write>
    void list(char open, char close, const Values& values, Write one)
    {
        out += open;
        bool first = true;
        for (const auto& v : values) {
            if (!first)
                out += ',';
            first = false;
            one(v);
        }
        out += close;
    }

    template <class Text>
    void quoted(Text s)
    {
        out += '"';
        for (auto unit : s) {
            const auto c = static_cast<unsigned>(static_cast<std::make_unsigned_t<decltype(unit)>>(unit));
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
                out += static_cast<char>(c);
            } else {
                constexpr char hex[] = "0123456789abcdef";
                out += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4)
                    out += hex[(c >> shift) & 0xF];
            }
        }
        out += '"';
    }
};

} // namespace godo::web
