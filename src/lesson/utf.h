#pragma once
// The core's texts are UTF-16; a browser hands strings to and from the core
// as UTF-8, and so do the tests that type into the lesson. These convert
// between the two without loss; a byte sequence that is not UTF-8 and a lone
// surrogate become U+FFFD.

#include <string>
#include <string_view>

namespace godo {

std::string toUtf8(std::u16string_view s);
std::u16string toUtf16(std::string_view s);

} // namespace godo
