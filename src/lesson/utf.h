#pragma once
// The core's texts are UTF-16; a browser hands strings to and from the core
// as UTF-8, and so do the tests that type into the lesson and the arguments
// the program is given. These convert between the two without loss; what is
// not UTF-8 (an overlong form, a surrogate, a value past U+10FFFF, a cut or
// broken sequence) and a lone surrogate in UTF-16 become U+FFFD, one for each
// maximal subpart of a bad sequence, as Unicode recommends and browsers'
// TextDecoder does: "\xE7\x9B" gives one, "\xC0\x80" two, "\xED\xA0\x80" three.
//
// Home-made because nothing at hand does this: C++20's only converter,
// std::wstring_convert with codecvt_utf8_utf16, is deprecated and throws on
// bad input instead of replacing it; Debian's utfcpp throws on a lone
// surrogate and replaces a whole bad sequence at once; ICU or simdutf would be
// a new dependency of the WebAssembly build for these few lines.

#include <string>
#include <string_view>

namespace godo {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// What starts `s` (not empty): a well-formed UTF-8 sequence and its code
// point, or the maximal subpart of one that is not, at least one byte long,
// which stands for one U+FFFD.
struct Utf8Step {
    std::size_t length;
    char32_t codePoint; // kReplacementCharacter when not well formed
    bool wellFormed;
};
Utf8Step readUtf8(std::string_view s);

std::string toUtf8(std::u16string_view s);
std::u16string toUtf16(std::string_view s);

} // namespace godo
